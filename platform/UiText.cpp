#include "UiText.h"

#include <QObject>
#include <QVariant>

#include <cstring>
#include <vector>

namespace uiText {
namespace {

// The kept texts of one control, as an unseen child object: it goes when the control goes,
// and findChildren finds it under any window.
class Kept : public QObject {
public:
    struct Entry {
        const char* property;
        Source source;
    };
    explicit Kept(QObject* control) : QObject(control) {}
    std::vector<Entry> entries;
};

Kept* keptOf(QObject* control, bool create) {
    for (QObject* child : control->children()) {
        if (auto* kept = dynamic_cast<Kept*>(child)) {
            return kept;
        }
    }
    return create ? new Kept(control) : nullptr;
}

void apply(QObject* control, const char* property, Source source) {
    control->setProperty(property, source.translated());
}

} // namespace

void set(QObject* control, const char* property, Source source) {
    Kept* kept = keptOf(control, true);
    release(control, property);
    kept->entries.push_back({property, source});
    apply(control, property, source);
}

void release(QObject* control, const char* property) {
    Kept* kept = keptOf(control, false);
    if (kept == nullptr) {
        return;
    }
    std::erase_if(kept->entries, [property](const Kept::Entry& entry) {
        return std::strcmp(entry.property, property) == 0;
    });
}

void retranslate(QObject* root) {
    // Kept objects are the controls' children, so the root's own is among them.
    for (QObject* child : root->findChildren<QObject*>()) {
        auto* kept = dynamic_cast<Kept*>(child);
        if (kept == nullptr) {
            continue;
        }
        for (const Kept::Entry& entry : kept->entries) {
            apply(kept->parent(), entry.property, entry.source);
        }
    }
}

} // namespace uiText
