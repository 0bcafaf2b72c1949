#pragma once

// Recorders and scripted answers that stand in for the platform layers in tests.

#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/OpenFileDialog.h"
#include "platform/PagePrinter.h"
#include "platform/ProcessControl.h"
#include "platform/SaveFileDialog.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "platform/WebSearch.h"

#include <QImage>
#include <QMap>
#include <QPainter>
#include <QStringList>

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

namespace fakes {

struct Message {
    QString text;
    platform::MessageIcon icon;
    bool question;
};

class RecordingMessageBox final : public platform::MessageBox {
public:
    void notify(QWidget*, const QString& text, platform::MessageIcon icon) override {
        shown.push_back({text, icon, false});
    }
    bool ask(QWidget*, const QString& text, platform::MessageIcon icon) override {
        shown.push_back({text, icon, true});
        if (!answers.empty()) {
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return answerYes;
    }
    QStringList texts() const {
        QStringList all;
        for (const auto& m : shown) {
            all << m.text;
        }
        return all;
    }
    std::vector<Message> shown;
    bool answerYes = false;
    std::deque<bool> answers; // given first, one per question; then answerYes
};

class ScriptedOpenFileDialog final : public platform::OpenFileDialog {
public:
    std::optional<QString> chooseFile(QWidget*, const platform::OpenFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<platform::OpenFileRequest> requests;
};

class ScriptedSaveFileDialog final : public platform::SaveFileDialog {
public:
    std::optional<QString> chooseSaveFile(QWidget*,
                                          const platform::SaveFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<QString> answer;
    std::vector<platform::SaveFileRequest> requests;
};

// A printer whose dialog gives the scripted outcome; a page it prints is painted on an image
// of the given paint device, or on one of A4 at 100 dots per inch.
class RecordingPagePrinter final : public platform::PagePrinter {
public:
    platform::PrintOutcome
    printPage(QWidget*, const QString& documentName,
              const std::function<void(QPainter&, const QRect&)>& paint) override {
        documents << documentName;
        if (outcome == platform::PrintOutcome::Printed) {
            QPaintDevice* device = target;
            QImage page(827, 1169, QImage::Format_RGB32);
            if (device == nullptr) {
                page.fill(Qt::white);
                device = &page;
            }
            QPainter painter(device);
            paint(painter, QRect(0, 0, device->width(), device->height()));
            ++pagesPainted;
        }
        return outcome;
    }
    platform::PrintOutcome outcome = platform::PrintOutcome::Printed;
    QPaintDevice* target = nullptr;
    QStringList documents;
    int pagesPainted = 0;
};

class RecordingUrlOpener final : public platform::UrlOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

class RecordingWebSearch final : public platform::WebSearch {
public:
    void Search(const QString& searchText) override { searches << searchText; }
    QStringList searches;
};

class MemorySettingsStore final : public platform::SettingsStore {
public:
    std::optional<QString> read(const QString& application, const QString& section,
                                const QString& key) override {
        if (unreadable) {
            return std::nullopt;
        }
        return values.value(application + QLatin1Char('\n') + section + QLatin1Char('\n') + key);
    }
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override {
        ++writes;
        if (unwritable) {
            return false;
        }
        values.insert(application + QLatin1Char('\n') + section + QLatin1Char('\n') + key, value);
        return true;
    }
    bool update(const QString& application, const QString& section,
                const std::function<void(Values&)>& change) override {
        ++writes;
        if (unreadable || unwritable) {
            return false;
        }
        const QString prefix = application + QLatin1Char('\n') + section + QLatin1Char('\n');
        Values group;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.key().startsWith(prefix)) {
                group.insert(it.key().mid(prefix.size()), it.value());
            }
        }
        change(group);
        values.removeIf([&](auto entry) { return entry.key().startsWith(prefix); });
        for (auto it = group.cbegin(); it != group.cend(); ++it) {
            values.insert(prefix + it.key(), it.value());
        }
        return true;
    }
    QMap<QString, QString> values;
    int writes = 0; // attempts, failed ones included
    bool unreadable = false;
    bool unwritable = false;
};

class FixedInstanceGuard final : public platform::InstanceGuard {
public:
    bool anotherInstanceRunning() override {
        ++asked;
        return another;
    }
    bool another = false;
    int asked = 0;
};

// Ending the process throws instead, so a test can see that it happened.
struct ProcessEnded : std::runtime_error {
    explicit ProcessEnded(int code) : std::runtime_error("process ended"), exitCode(code) {}
    int exitCode;
};

class ThrowingProcessControl final : public platform::ProcessControl {
public:
    [[noreturn]] void endNow(int exitCode) override { throw ProcessEnded(exitCode); }
};

// Every layer replaced by its fake for the lifetime of the object.
struct AllFakes {
    RecordingMessageBox messages;
    ScriptedOpenFileDialog openFile;
    RecordingUrlOpener urls;
    RecordingWebSearch webSearch;
    MemorySettingsStore settings;
    FixedInstanceGuard instance;
    ThrowingProcessControl process;
    ScriptedSaveFileDialog saveFile;
    RecordingPagePrinter printer;
    platform::ScopedServices scope{platform::Services{&messages, &openFile, &urls, &webSearch,
                                                      &settings, &instance, &process, &saveFile,
                                                      &printer}};
};

} // namespace fakes
