#pragma once

// Runs one step of a command; a step that throws is passed over, so that the steps after it
// still run. Used where a command's later steps must run whatever an earlier one did: the
// calculate command, the saved reading's line-by-line apply, the oracle, the start-up checks,
// and the menu and link handlers.
template <typename Step> void runStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}
