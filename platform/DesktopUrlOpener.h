#pragma once

#include "UrlOpener.h"

#include <functional>

namespace platform {

// Opens addresses in the user's browser. An address may carry names and e-mail addresses in
// its query, so nothing of it may reach a log: the address goes to a browser only when an
// opener exists, the opener's own output is dropped, and so are Qt's messages about the
// launch.
class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QString& address) override;
};

// Runs `call` with every Qt message that this thread logs meanwhile dropped (Qt's launch
// warnings quote the whole address); other threads' messages pass as before.
void withoutLaunchMessages(const std::function<void()>& call);

} // namespace platform
