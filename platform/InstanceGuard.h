#pragma once

namespace platform {

// Tells whether another instance of this program is running for the same user.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherInstanceRunning() = 0;
};

} // namespace platform
