#include "frmTimeZone.h"

#include "ZoneTable.h"

#include "ProgramInfo.h"
#include "platform/Named.h"
#include "platform/UiText.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Client area at 96 dots per inch; the list takes about nine tenths of the height.
constexpr int ClientWidth = 330;
constexpr int ClientHeight = 232;
constexpr int ListStretch = 9;
} // namespace

frmTimeZone::frmTimeZone(QWidget* parent) : QDialog(parent) {
    createControls();
    Form_Load();
}

void frmTimeZone::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        uiText::retranslate(this);
    }
    QDialog::changeEvent(event);
}

void frmTimeZone::createControls() {
    setObjectName(QStringLiteral("frmTimeZone"));
    uiText::set(this, "accessibleName", {"frmTimeZone", QT_TR_NOOP("Time zone picker")});
    setWindowTitle(QLatin1String(ProgramInfo::Title));
    setModal(true);

    lstTimeZone =
        named(new QListWidget(this), "lstTimeZone", {"frmTimeZone", QT_TR_NOOP("Time zones")});
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone->setSortingEnabled(false);
    lstTimeZone->setUniformItemSizes(true);
    // A double-click picks and Enter acts as Quit: both are taken before the list sees them.
    lstTimeZone->installEventFilter(this);
    lstTimeZone->viewport()->installEventFilter(this);

    // A keyboard user picks with this button, or with Space on a selected row.
    cmdPick = named(new QPushButton(this), "cmdPick", {"frmTimeZone", QT_TR_NOOP("Use Zone")});
    uiText::set(cmdPick, "text", {"frmTimeZone", QT_TR_NOOP("&Use Zone")});
    cmdPick->setAutoDefault(false);
    connect(cmdPick, &QPushButton::clicked, this, &frmTimeZone::cmdPick_Click);

    cmdQuit = named(new QPushButton(this), "cmdQuit", {"frmTimeZone", QT_TR_NOOP("Quit")});
    uiText::set(cmdQuit, "text", {"frmTimeZone", QT_TR_NOOP("&Quit")});
    cmdQuit->setDefault(true);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lstTimeZone, ListStretch);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(cmdPick, 1);
    buttons->addWidget(cmdQuit, 1);
    layout->addLayout(buttons);
    setTabOrder(lstTimeZone, cmdPick);
    setTabOrder(cmdPick, cmdQuit);
    resize(ClientWidth, ClientHeight);
}

void frmTimeZone::Form_Load() {
    for (const ZoneTable::Zone& zone : ZoneTable::Zones) {
        lstTimeZone->addItem(QStringView(zone.listText).toString());
    }
    lstTimeZone->clearSelection();
    // With a large font the longest zone would be cut off: the window widens to show it.
    const int entriesWidth = lstTimeZone->sizeHintForColumn(0) + 2 * lstTimeZone->frameWidth() +
                             lstTimeZone->verticalScrollBar()->sizeHint().width();
    resize(std::max(width(), entriesWidth), height());
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // As a press would, the double-click selects the entry under the pointer, if any.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (QListWidgetItem* item = lstTimeZone->itemAt(mouse->position().toPoint())) {
            lstTimeZone->setCurrentItem(item);
        }
        lstTimeZone_DblClick();
        return true;
    }
    if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter is the default button's; picking is a double-click, Space or Use Zone.
            cmdQuit->click();
            return true;
        }
        if (key == Qt::Key_Space && !typeAheadRunning() &&
            !lstTimeZone->selectedItems().isEmpty()) {
            lstTimeZone_DblClick();
            return true;
        }
        noteSearchKey(*keyEvent);
    }
    return QDialog::eventFilter(watched, event);
}

// The list searches with every printable key without Ctrl, Alt or Meta, and the search goes
// on while the keys come within the keyboard input interval of each other.
void frmTimeZone::noteSearchKey(const QKeyEvent& key) {
    const bool searches =
        !key.text().isEmpty() && key.text().front().isPrint() &&
        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (searches) {
        lastSearchKey.start();
    } else {
        lastSearchKey.invalidate();
    }
}

bool frmTimeZone::typeAheadRunning() const {
    return lastSearchKey.isValid() &&
           lastSearchKey.elapsed() <= QApplication::keyboardInputInterval();
}

void frmTimeZone::lstTimeZone_DblClick() {
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    const int index = selected.size() == 1 ? lstTimeZone->row(selected.front()) : -1;
    if (index >= 0 && index < static_cast<int>(ZoneTable::Zones.size())) {
        const ZoneTable::Zone& zone = ZoneTable::Zones[static_cast<std::size_t>(index)];
        emit zonePicked(zone.hourValue, zone.minuteValue);
    }
    done(QDialog::Accepted);
}

void frmTimeZone::cmdPick_Click() {
    lstTimeZone_DblClick();
}

void frmTimeZone::cmdQuit_Click() {
    QDialog::reject();
}

void frmTimeZone::reject() {
    cmdQuit->click();
}
