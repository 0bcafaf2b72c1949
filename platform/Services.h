#pragma once

namespace platform {

class MessageBox;
class OpenFileDialog;
class UrlOpener;
class WebSearch;
class SettingsStore;
class InstanceGuard;
class ProcessControl;
class SaveFileDialog;

// The platform layers the program uses. Each member is non-null: the production layers
// unless a test has put its own in place with ScopedServices.
struct Services {
    MessageBox* messages = nullptr;
    OpenFileDialog* openFile = nullptr;
    UrlOpener* urls = nullptr;
    WebSearch* webSearch = nullptr;
    SettingsStore* settings = nullptr;
    InstanceGuard* instance = nullptr;
    ProcessControl* process = nullptr;
    SaveFileDialog* saveFile = nullptr;
};

Services& services();

// Puts replacements in place for its lifetime; members left null keep the current layer.
class ScopedServices {
public:
    explicit ScopedServices(const Services& replacements);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services saved_;
};

} // namespace platform
