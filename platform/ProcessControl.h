#pragma once

namespace platform {

// Ends the process at once, without the windows' close handling.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    [[noreturn]] virtual void endNow(int exitCode) = 0;
};

} // namespace platform
