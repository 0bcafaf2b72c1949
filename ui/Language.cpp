#include "Language.h"

#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace Language {
namespace {

const QString Section = QStringLiteral("Language");
const QString Key = QStringLiteral("Language");

bool spoken(const QString& code) {
    return std::any_of(Languages.begin(), Languages.end(),
                       [&code](const LanguageRow& row) { return code == QLatin1String(row.code); });
}

QString& current() {
    static QString code = QStringLiteral("en");
    return code;
}

} // namespace

QString FirstSpoken(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        // "hi-IN" and "hi_IN" both name Hindi.
        const QString code = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (spoken(code.toLower())) {
            return code.toLower();
        }
    }
    return QStringLiteral("en");
}

QString Preferred() {
    const std::optional<QString> stored =
        platform::services().settings->read(QCoreApplication::applicationName(), Section, Key);
    if (stored && spoken(*stored)) {
        return *stored;
    }
    return FirstSpoken(QLocale::system().uiLanguages());
}

void Apply(const QString& code) {
    static QTranslator* translator = nullptr;
    const QString chosen = spoken(code) ? code : QStringLiteral("en");
    // The date formats change before the windows hear of the new language. English keeps the
    // system's own formats, as the program always had them; until another language was in
    // force nothing is touched.
    static bool localeChanged = false;
    if (chosen != QLatin1String("en")) {
        QLocale::setDefault(QLocale(chosen));
        localeChanged = true;
    } else if (localeChanged) {
        QLocale::setDefault(QLocale::system());
    }
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    current() = chosen;
    if (chosen != QLatin1String("en")) {
        auto* loaded = new QTranslator;
        if (loaded->load(QStringLiteral(":/i18n/qv-vantrel_") + chosen)) {
            translator = loaded;
            QCoreApplication::installTranslator(translator);
        } else {
            delete loaded;
        }
    }
    // Qt posts the windows their QEvent::LanguageChange; they get it now, so that the whole
    // program speaks the new language when the choice returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void Choose(const QString& code) {
    Apply(code);
    platform::services().settings->write(QCoreApplication::applicationName(), Section, Key,
                                         Current());
}

QString Current() {
    return current();
}

} // namespace Language
