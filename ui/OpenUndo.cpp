#include "OpenUndo.h"

#include "ReadingRecord.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

namespace {

const QString InputPanel = QStringLiteral("fraMain");
const QString ResultPanel = QStringLiteral("fraResult");
const QString Panels = QStringLiteral("panels");

template <typename Widget> QList<Widget*> namedIn(const QWidget& window, const QString& panel) {
    QList<Widget*> found;
    if (const auto* root = window.findChild<QWidget*>(panel)) {
        for (Widget* widget : root->findChildren<Widget*>()) {
            if (!widget->objectName().isEmpty()) {
                found.append(widget);
            }
        }
    }
    return found;
}

} // namespace

FormSnapshot CaptureForm(const QWidget& window) {
    FormSnapshot s;
    for (const QLineEdit* box : namedIn<QLineEdit>(window, InputPanel)) {
        s.controls.insert(box->objectName(), box->text());
    }
    for (const QComboBox* list : namedIn<QComboBox>(window, InputPanel)) {
        s.controls.insert(list->objectName(), list->isEditable() ? QVariant(list->currentText())
                                                                 : QVariant(list->currentIndex()));
    }
    for (const QAbstractButton* button : namedIn<QAbstractButton>(window, InputPanel)) {
        if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
            s.controls.insert(box->objectName(), static_cast<int>(box->checkState()));
        } else if (button->isCheckable()) {
            s.controls.insert(button->objectName(), button->isChecked());
        }
    }
    for (const QLabel* label : namedIn<QLabel>(window, ResultPanel)) {
        const QPixmap picture = label->pixmap();
        if (!picture.isNull()) {
            s.resultPictures.insert(label->objectName(), picture);
        } else {
            s.resultTexts.insert(label->objectName(), label->text());
        }
    }
    if (const auto* stack = window.findChild<QStackedWidget*>(Panels)) {
        s.panelInFront = stack->currentIndex();
    }
    s.reading = currentReading();
    return s;
}

void RestoreForm(QWidget& window, const FormSnapshot& s) {
    for (QLineEdit* box : namedIn<QLineEdit>(window, InputPanel)) {
        if (s.controls.contains(box->objectName())) {
            box->setText(s.controls.value(box->objectName()).toString());
        }
    }
    for (QComboBox* list : namedIn<QComboBox>(window, InputPanel)) {
        if (!s.controls.contains(list->objectName())) {
            continue;
        }
        const QVariant value = s.controls.value(list->objectName());
        if (list->isEditable()) {
            list->setCurrentText(value.toString());
        } else {
            list->setCurrentIndex(value.toInt());
        }
    }
    // An option is put back by checking it; its partner clears itself.
    for (QAbstractButton* button : namedIn<QAbstractButton>(window, InputPanel)) {
        if (!s.controls.contains(button->objectName())) {
            continue;
        }
        const QVariant value = s.controls.value(button->objectName());
        if (auto* box = qobject_cast<QCheckBox*>(button)) {
            box->setCheckState(static_cast<Qt::CheckState>(value.toInt()));
        } else if (value.toBool()) {
            button->setChecked(true);
        }
    }
    for (QLabel* label : namedIn<QLabel>(window, ResultPanel)) {
        if (s.resultPictures.contains(label->objectName())) {
            label->setPixmap(s.resultPictures.value(label->objectName()));
        } else if (s.resultTexts.contains(label->objectName())) {
            label->setText(s.resultTexts.value(label->objectName()));
        }
    }
    if (auto* stack = window.findChild<QStackedWidget*>(Panels)) {
        stack->setCurrentIndex(s.panelInFront);
        // The focus does not stay in the panel that went behind.
        QWidget* focused = window.focusWidget();
        if (focused != nullptr && !focused->isVisibleTo(&window) && stack->currentWidget()) {
            for (QWidget* child : stack->currentWidget()->findChildren<QWidget*>()) {
                if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(&window) &&
                    child->isEnabled()) {
                    child->setFocus(Qt::OtherFocusReason);
                    break;
                }
            }
        }
    }
    currentReading() = s.reading;
}

OpenUndo::OpenUndo(frmMain& window) : QObject(&window), window_(&window) {
    connect(&window, &frmMain::aboutToOpenReading, this, &OpenUndo::openBegins);
    connect(&window, &frmMain::savedReadingOpened, this, &OpenUndo::openCompleted);
}

void OpenUndo::addPart(const QString& name, Part part) {
    parts_.emplace_back(name, std::move(part));
}

void OpenUndo::openBegins() {
    setArmed(false);
    if (window_.isNull()) {
        return;
    }
    FormSnapshot snapshot = CaptureForm(*window_);
    for (const auto& [name, part] : parts_) {
        if (part.capture) {
            snapshot.parts.insert(name, part.capture());
        }
    }
    before_ = std::move(snapshot);
}

void OpenUndo::openCompleted() {
    if (!before_ || window_.isNull()) {
        return;
    }
    // From here on a change of any input is an edit. Controls are watched only while there
    // is something to undo.
    const auto edit = [this] { noteEdit(); };
    for (QLineEdit* box : namedIn<QLineEdit>(*window_, InputPanel)) {
        editWatches_.push_back(connect(box, &QLineEdit::textChanged, this, edit));
    }
    for (QComboBox* list : namedIn<QComboBox>(*window_, InputPanel)) {
        editWatches_.push_back(connect(list, &QComboBox::currentIndexChanged, this, edit));
        editWatches_.push_back(connect(list, &QComboBox::currentTextChanged, this, edit));
    }
    for (QAbstractButton* button : namedIn<QAbstractButton>(*window_, InputPanel)) {
        if (button->isCheckable()) {
            editWatches_.push_back(connect(button, &QAbstractButton::toggled, this, edit));
        }
    }
    setArmed(true);
}

void OpenUndo::noteEdit() {
    setArmed(false);
}

void OpenUndo::undo() {
    if (!armed_ || !before_ || window_.isNull()) {
        return;
    }
    const FormSnapshot snapshot = std::move(*before_);
    setArmed(false);
    RestoreForm(*window_, snapshot);
    for (const auto& [name, part] : parts_) {
        if (part.restore && snapshot.parts.contains(name)) {
            part.restore(snapshot.parts.value(name));
        }
    }
}

void OpenUndo::setArmed(bool armed) {
    if (!armed) {
        for (const QMetaObject::Connection& watch : editWatches_) {
            disconnect(watch);
        }
        editWatches_.clear();
        before_.reset();
    }
    if (armed_ != armed) {
        armed_ = armed;
        emit availableChanged(armed);
    }
}
