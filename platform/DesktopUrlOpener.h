#pragma once

#include "UrlOpener.h"

namespace platform {

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QString& address) override;
};

} // namespace platform
