#pragma once

#include "InputControls.h"

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class frmMain;

// What an undone open gives back: every input, the result panel and which panel was in front.
struct FormSnapshot {
    // Each input control: a box's text, a list's entry, a check state.
    QHash<const QObject*, QVariant> controls;
    // Each label of the result panel: its text, or its picture when it shows one.
    QHash<const QLabel*, QString> resultTexts;
    QHash<const QLabel*, QPixmap> resultPictures;
    int panelInFront = 0;
    // State kept outside the controls, by the name of the part that keeps it (such as the
    // place a place finder has chosen); see OpenUndo::addPart.
    QHash<QString, QVariant> parts;
};

// Reads and writes the snapshot of a main window through its input controls; every label of
// the result panel is covered without further work.
FormSnapshot CaptureForm(const InputControls& inputs);
void RestoreForm(const InputControls& inputs, const FormSnapshot& snapshot);

// One level of "Undo Open": before a saved reading replaces the inputs the window's state is
// kept; undoing puts it back. Nothing is left to undo after the undo itself, and after any
// edit of the inputs once the open has completed.
class OpenUndo final : public QObject {
    Q_OBJECT
public:
    explicit OpenUndo(frmMain& window);

    // A part of the window whose state lives outside its controls: `capture` gives it at the
    // moment an open begins, `restore` puts it back on undo. A change of it counts as an edit
    // only when the part calls noteEdit().
    struct Part {
        std::function<QVariant()> capture;
        std::function<void(const QVariant&)> restore;
    };
    void addPart(const QString& name, Part part);

    bool available() const { return armed_; }

public slots:
    void undo();
    // An edit after the open: the open can no longer be undone.
    void noteEdit();

signals:
    void availableChanged(bool available);

private:
    void openBegins();
    void openCompleted();
    void setArmed(bool armed);

    QPointer<frmMain> window_;
    std::vector<std::pair<QString, Part>> parts_;
    std::optional<FormSnapshot> before_;
    bool armed_ = false;
    std::vector<QMetaObject::Connection> editWatches_;
};
