#include "Services.h"

#include "Production.h"

namespace platform {

Services& services() {
    static Services current{&productionMessageBox(),     &productionOpenFileDialog(),
                            &productionUrlOpener(),      &productionWebSearch(),
                            &productionSettingsStore(),  &productionInstanceGuard(),
                            &productionProcessControl(), &productionSaveFileDialog()};
    return current;
}

namespace {
template <typename T> void replace(T*& slot, T* replacement) {
    if (replacement != nullptr) {
        slot = replacement;
    }
}
} // namespace

ScopedServices::ScopedServices(const Services& replacements) : saved_(services()) {
    Services& current = services();
    replace(current.messages, replacements.messages);
    replace(current.openFile, replacements.openFile);
    replace(current.urls, replacements.urls);
    replace(current.webSearch, replacements.webSearch);
    replace(current.settings, replacements.settings);
    replace(current.instance, replacements.instance);
    replace(current.process, replacements.process);
    replace(current.saveFile, replacements.saveFile);
}

ScopedServices::~ScopedServices() {
    services() = saved_;
}

} // namespace platform
