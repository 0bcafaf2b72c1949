#include "OpenUndo.h"

#include "frmMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

FormSnapshot CaptureForm(const InputControls& inputs) {
    FormSnapshot s;
    for (const QLineEdit* box : inputs.boxes()) {
        s.controls.insert(box, box->text());
    }
    for (const QComboBox* list : inputs.lists()) {
        s.controls.insert(list, list->isEditable() ? QVariant(list->currentText())
                                                   : QVariant(list->currentIndex()));
    }
    for (const QAbstractButton* button : inputs.checkables()) {
        if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
            s.controls.insert(box, static_cast<int>(box->checkState()));
        } else {
            s.controls.insert(button, button->isChecked());
        }
    }
    for (const QLabel* label : inputs.resultPanel->findChildren<QLabel*>()) {
        const QPixmap picture = label->pixmap();
        if (!picture.isNull()) {
            s.resultPictures.insert(label, picture);
        } else {
            s.resultTexts.insert(label, label->text());
        }
    }
    s.panelInFront = inputs.panels->currentIndex();
    return s;
}

void RestoreForm(const InputControls& inputs, const FormSnapshot& s) {
    for (QLineEdit* box : inputs.boxes()) {
        box->setText(s.controls.value(box).toString());
    }
    for (QComboBox* list : inputs.lists()) {
        const QVariant value = s.controls.value(list);
        if (list->isEditable()) {
            list->setCurrentText(value.toString());
        } else {
            list->setCurrentIndex(value.toInt());
        }
    }
    // An option is put back by checking it; its partner clears itself.
    for (QAbstractButton* button : inputs.checkables()) {
        const QVariant value = s.controls.value(button);
        if (auto* box = qobject_cast<QCheckBox*>(button)) {
            box->setCheckState(static_cast<Qt::CheckState>(value.toInt()));
        } else if (value.toBool()) {
            button->setChecked(true);
        }
    }
    for (QLabel* label : inputs.resultPanel->findChildren<QLabel*>()) {
        if (s.resultPictures.contains(label)) {
            label->setPixmap(s.resultPictures.value(label));
        } else if (s.resultTexts.contains(label)) {
            label->setText(s.resultTexts.value(label));
        }
    }
    QStackedWidget* stack = inputs.panels;
    stack->setCurrentIndex(s.panelInFront);
    // The focus does not stay in the panel that went behind.
    QWidget* window = stack->window();
    QWidget* focused = window->focusWidget();
    if (focused != nullptr && !focused->isVisibleTo(window) && stack->currentWidget()) {
        for (QWidget* child : stack->currentWidget()->findChildren<QWidget*>()) {
            if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(window) &&
                child->isEnabled()) {
                child->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
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
    FormSnapshot snapshot = CaptureForm(window_->inputControls());
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
    const InputControls inputs = window_->inputControls();
    for (QLineEdit* box : inputs.boxes()) {
        editWatches_.push_back(connect(box, &QLineEdit::textChanged, this, edit));
    }
    for (QComboBox* list : inputs.lists()) {
        editWatches_.push_back(connect(list, &QComboBox::currentIndexChanged, this, edit));
        editWatches_.push_back(connect(list, &QComboBox::currentTextChanged, this, edit));
    }
    for (QAbstractButton* button : inputs.checkables()) {
        editWatches_.push_back(connect(button, &QAbstractButton::toggled, this, edit));
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
    RestoreForm(window_->inputControls(), snapshot);
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
