// PROVISIONAL: replaced by the shell work (per-instance lock files, stale locks, tests).
#include "Production.h"

namespace platform {
namespace {
class LockInstanceGuard final : public InstanceGuard {
public:
    bool anotherInstanceRunning() override { return false; }
};
} // namespace
InstanceGuard& productionInstanceGuard() {
    static LockInstanceGuard layer;
    return layer;
}
} // namespace platform
