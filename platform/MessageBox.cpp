#include "MessageBox.h"

#include "FittedLabel.h"
#include "ModalWindows.h"

#include <QMessageBox>

#include <algorithm>

namespace platform {

QString displayText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool loneReturn =
            c == QLatin1Char('\r') && (i + 1 == text.size() || text.at(i + 1) != QLatin1Char('\n'));
        shown.append(loneReturn ? QChar(QLatin1Char('\n')) : c);
    }
    return shown;
}

int runMessageBox(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    // Qt's own label of the text is sized by the font that draws it, which for Devanagari is
    // shorter than the text needs: it gets the height a FittedLabel would take.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setMinimumHeight(
            std::max(label->minimumSizeHint().height(), FittedLabel::NeededHeight(*label)));
    }
    return runModal(box);
}

namespace {
QMessageBox::Icon qtIcon(MessageIcon icon) {
    return icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information;
}
} // namespace

void QtMessageBox::notify(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), messageTitle(), displayText(text), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    runMessageBox(box);
}

bool QtMessageBox::ask(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), messageTitle(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Yes);
    return runMessageBox(box) == QMessageBox::Yes;
}

} // namespace platform

#include "Production.h"

namespace platform {
MessageBox& productionMessageBox() {
    static QtMessageBox layer;
    return layer;
}
} // namespace platform
