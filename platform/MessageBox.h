#pragma once

#include "ProgramInfo.h"

#include <QString>

class QMessageBox;
class QWidget;

namespace platform {

enum class MessageIcon { Stop, Information };

// Modal message boxes titled with the application's title. A lone carriage return in a
// text shows as a line break.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // One OK button; returns when the user has closed the box.
    virtual void notify(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // Yes and No buttons; true when the answer is Yes.
    virtual bool ask(QWidget* parent, const QString& text, MessageIcon icon) = 0;
};

// The title every message box of the program carries.
inline const QString& messageTitle() {
    static const QString title = QLatin1String(ProgramInfo::Name);
    return title;
}

// Text as the box shows it: a carriage return not followed by a line feed becomes a line feed.
QString displayText(const QString& text);

// Shows `box` modal through runModal, its text as plain text whatever it holds: a path, a
// name or a place is data, never markup that could make Qt load a picture from a file.
// Every message box of the program is shown through here.
int runMessageBox(QMessageBox& box);

class QtMessageBox final : public MessageBox {
public:
    void notify(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool ask(QWidget* parent, const QString& text, MessageIcon icon) override;
};

} // namespace platform
