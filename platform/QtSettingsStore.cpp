// PROVISIONAL: replaced by the shell work (QSettings per user, organization folder, tests).
#include "Production.h"

namespace platform {
namespace {
class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString&, const QString&, const QString&) override { return {}; }
    void write(const QString&, const QString&, const QString&, const QString&) override {}
};
} // namespace
SettingsStore& productionSettingsStore() {
    static QtSettingsStore layer;
    return layer;
}
} // namespace platform
