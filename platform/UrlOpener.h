#pragma once

#include <QString>

namespace platform {

// Hands an address to the user's default browser without waiting; failures go unreported.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& address) = 0;
};

} // namespace platform
