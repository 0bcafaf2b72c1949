#pragma once

#include <QCoreApplication>
#include <QString>

class QObject;

// Texts that follow the program's language. A control's text is set through uiText::set,
// which keeps its English source and context on the control; a window's handler of
// QEvent::LanguageChange calls uiText::retranslate(this), which sets every kept text again in
// the language then in force. The source is written where the text is set, as
// QT_TR_NOOP("…") inside a member of the class named as context, or QT_TRANSLATE_NOOP("context",
// "…") elsewhere, so that lupdate finds it.
namespace uiText {

// A translatable text: the context lupdate gives it and its English source.
struct Source {
    const char* context;
    const char* text;
    const char* argument = nullptr; // UTF-8 text for "%1", such as the program's name
    QString translated() const {
        const QString shown = QCoreApplication::translate(context, text);
        return argument == nullptr ? shown : shown.arg(QString::fromUtf8(argument));
    }
};

// Sets Qt property `property` ("text", "title", "windowTitle", "toolTip", "accessibleName",
// "accessibleDescription", "placeholderText"…) of `control` to the translation of `source`
// now, and again on every retranslate. Setting the same property again replaces what was kept.
// An `&` in a caption's accessible name is the caller's to leave out.
void set(QObject* control, const char* property, Source source);

// Sets every kept text of `root` and of the objects under it again, in the language in force.
void retranslate(QObject* root);

// Forgets what set() kept for `property` of `control`: its text is now the caller's.
void release(QObject* control, const char* property);

} // namespace uiText
