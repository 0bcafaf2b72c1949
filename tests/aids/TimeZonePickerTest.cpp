#include "aids/ZoneTable.h"
#include "aids/frmTimeZone.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

struct Picker {
    Picker() {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        list = dialog.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        quit = dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
        pick = dialog.findChild<QPushButton*>(QStringLiteral("cmdPick"));
    }
    void doubleClickRow(int row) {
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(item).center());
    }
    frmTimeZone dialog;
    QListWidget* list = nullptr;
    QPushButton* quit = nullptr;
    QPushButton* pick = nullptr;
    QSignalSpy picks{&dialog, &frmTimeZone::zonePicked};
};

TEST(TimeZonePicker, ControlsAndCaption) {
    Picker p;
    ASSERT_NE(p.list, nullptr);
    ASSERT_NE(p.quit, nullptr);
    EXPECT_EQ(p.dialog.objectName(), QStringLiteral("frmTimeZone"));
    EXPECT_EQ(p.dialog.windowTitle(), QStringLiteral("QV Vantrel v1.20"));
    EXPECT_EQ(p.quit->text(), QStringLiteral("&Quit"));
    EXPECT_TRUE(p.quit->isDefault());
    EXPECT_FALSE(p.dialog.accessibleName().isEmpty());
    EXPECT_FALSE(p.list->accessibleName().isEmpty());
    EXPECT_FALSE(p.quit->accessibleName().isEmpty());
    EXPECT_FALSE(p.list->isSortingEnabled());
}

TEST(TimeZonePicker, ListAboveUseZoneAndQuitButtons) {
    Picker p;
    ASSERT_NE(p.pick, nullptr);
    const QRect client = p.dialog.rect();
    EXPECT_GE(client.width(), 300);
    EXPECT_GE(client.height(), 200);
    EXPECT_EQ(p.list->geometry().top(), 0);
    EXPECT_EQ(p.list->width(), client.width());
    EXPECT_EQ(p.pick->geometry().left(), 0);
    EXPECT_EQ(p.quit->geometry().right(), client.right());
    EXPECT_EQ(p.pick->geometry().top(), p.quit->geometry().top()) << "side by side";
    EXPECT_EQ(p.quit->geometry().bottom(), client.bottom());
    EXPECT_LE(p.list->geometry().bottom(), p.quit->geometry().top());
    EXPECT_EQ(p.pick->nextInFocusChain(), p.quit) << "Use Zone right before Quit";
    EXPECT_GT(p.list->height(), client.height() * 8 / 10) << "about nine tenths of the height";
}

TEST(TimeZonePicker, RowsInTableOrder) {
    Picker p;
    ASSERT_EQ(p.list->count(), 71);
    const struct {
        int row;
        const char* text;
    } rows[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0"},
        {11, "Azores Time, AT, -2.0"},
        {29, "Greenwich Mean Time,GMT,0.0"},
        {34, "Indian Time, IST, +5.3"},
        {36, "Int'l Date Line West,IDLW,-12.0"},
        {46, "New Zealand Std Summer Time,NZST,+13.0"},
        {50, "Newfoundland Standard Time,NST,-3.5"},
        {52, "North Sumatra Time,NST,+6.5"},
        {56, "South Australia Daylight Time,SAD,+10.5"},
        {57, "South Australia Daylight Time,SDT,+10.5"},
        {61, "Universal Time, UT, 0.0"},
        {62, "USSR Zone 10,UZ10,+11.0"},
        {63, "USSR Zone 3,USZ3,+4.0"},
        {70, "Yukon War Time,YWT,-8.0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(p.list->item(row.row)->text(), QString::fromLatin1(row.text))
            << "row " << row.row;
    }
}

// The values follow from the offset at the end of each list text, sign reversed; the one
// row written as "+5.3" means five and a half hours.
TEST(ZoneTable, ValuesFollowTheOffsetInTheText) {
    for (std::size_t i = 0; i < ZoneTable::Zones.size(); ++i) {
        const ZoneTable::Zone& zone = ZoneTable::Zones[i];
        const QString text = QStringView(zone.listText).toString();
        if (text == QStringLiteral("Indian Time, IST, +5.3")) {
            EXPECT_EQ(zone.hourValue, -5);
            EXPECT_EQ(zone.minuteValue, -30);
            continue;
        }
        bool ok = false;
        const double offset = text.section(QLatin1Char(','), -1).trimmed().toDouble(&ok);
        ASSERT_TRUE(ok) << "row " << i;
        const double hours = std::trunc(-offset);
        EXPECT_EQ(zone.hourValue, static_cast<int>(hours)) << "row " << i;
        EXPECT_EQ(zone.minuteValue, static_cast<int>(std::lround((-offset - hours) * 60)))
            << "row " << i;
    }
}

TEST(TimeZonePicker, NothingSelectedAtOpening) {
    for (int opening = 0; opening < 2; ++opening) {
        Picker p;
        p.list->setFocus();
        QApplication::processEvents();
        EXPECT_TRUE(p.list->selectedItems().isEmpty()) << "opening " << opening;
        EXPECT_EQ(p.list->count(), 71) << "opening " << opening;
    }
}

TEST(TimeZonePicker, DoubleClickPicksTheRowAndCloses) {
    const struct {
        int row;
        int hour;
        int minute;
        const char* reason;
    } rows[] = {
        {29, 0, 0, "Greenwich"},
        {61, 0, 0, "Universal Time"},
        {34, -5, -30, "Indian Time: five and a half hours east"},
        {46, -13, 0, "the only hour value beyond 12"},
        {50, 3, 30, "Newfoundland: both values positive"},
        {0, 9, 0, "first row"},
        {70, 8, 0, "last row"},
        {5, -10, -30, "half hour east"},
    };
    for (const auto& row : rows) {
        Picker p;
        p.doubleClickRow(row.row);
        ASSERT_EQ(p.picks.count(), 1) << row.reason;
        EXPECT_EQ(p.picks.at(0).at(0).toInt(), row.hour) << row.reason;
        EXPECT_EQ(p.picks.at(0).at(1).toInt(), row.minute) << row.reason;
        EXPECT_FALSE(p.dialog.isVisible()) << row.reason;
    }
}

TEST(TimeZonePicker, DoubleClickWithoutSelectionClosesWithoutPick) {
    Picker p;
    // Tall enough that the list ends above the bottom of its box.
    p.dialog.resize(400, 2200);
    QApplication::processEvents();
    const QRect last = p.list->visualItemRect(p.list->item(70));
    ASSERT_LT(last.bottom() + 20, p.list->viewport()->height());
    QTest::mouseDClick(p.list->viewport(), Qt::LeftButton, {}, QPoint(10, last.bottom() + 10));
    EXPECT_EQ(p.picks.count(), 0);
    EXPECT_FALSE(p.dialog.isVisible());
}

TEST(TimeZonePicker, SpaceAndUseZonePickAsADoubleClickDoes) {
    const struct {
        const char* name;
        std::function<void(Picker&)> act;
        int picks;
    } rows[] = {
        {"Space on the selected row", [](Picker& p) { QTest::keyClick(p.list, Qt::Key_Space); }, 1},
        {"Use Zone button", [](Picker& p) { QTest::mouseClick(p.pick, Qt::LeftButton); }, 1},
        {"Use Zone without a selection closes without a pick",
         [](Picker& p) {
             p.list->clearSelection();
             QTest::mouseClick(p.pick, Qt::LeftButton);
         },
         0},
    };
    for (const auto& row : rows) {
        Picker p;
        p.list->setFocus();
        p.list->setCurrentRow(34);
        row.act(p);
        ASSERT_EQ(p.picks.count(), row.picks) << row.name;
        if (row.picks == 1) {
            EXPECT_EQ(p.picks.at(0).at(0).toInt(), -5) << row.name;
            EXPECT_EQ(p.picks.at(0).at(1).toInt(), -30) << row.name;
        }
        EXPECT_FALSE(p.dialog.isVisible()) << row.name;
    }
}

TEST(TimeZonePicker, SpaceWithoutASelectionSelectsAndStaysOpen) {
    Picker p;
    p.list->setFocus();
    p.list->setCurrentRow(34, QItemSelectionModel::NoUpdate);
    ASSERT_TRUE(p.list->selectedItems().isEmpty());
    QTest::keyClick(p.list, Qt::Key_Space);
    EXPECT_EQ(p.picks.count(), 0);
    EXPECT_TRUE(p.dialog.isVisible());
    EXPECT_EQ(p.list->selectedItems().size(), 1);
}

// A Space within a type-ahead search is part of the name; a Space once the search has
// lapsed picks the row the search found.
TEST(TimeZonePicker, SpaceInTypeAheadSearchesThenPicksOnItsOwn) {
    const struct {
        const char* typed;
        const char* found;
        int hour;
    } rows[] = {
        {"Central European T", "Central European Time,CET,+1.0", -1},
        {"British Su", "British Summer Time,BST,+1.0", -1},
    };
    for (const auto& row : rows) {
        Picker p;
        p.list->setFocus();
        QTest::keyClicks(p.list, QString::fromLatin1(row.typed));
        EXPECT_EQ(p.picks.count(), 0) << row.typed;
        ASSERT_TRUE(p.dialog.isVisible()) << row.typed;
        ASSERT_EQ(p.list->selectedItems().size(), 1) << row.typed;
        EXPECT_EQ(p.list->selectedItems().front()->text(), QString::fromLatin1(row.found));
        QTest::qWait(QApplication::keyboardInputInterval() + 100);
        QTest::keyClick(p.list, Qt::Key_Space);
        ASSERT_EQ(p.picks.count(), 1) << row.typed;
        EXPECT_EQ(p.picks.at(0).at(0).toInt(), row.hour) << row.typed;
        EXPECT_EQ(p.picks.at(0).at(1).toInt(), 0) << row.typed;
    }
}

TEST(TimeZonePicker, KeysAndQuitCloseWithoutPick) {
    const struct {
        const char* name;
        std::function<void(Picker&)> close;
    } rows[] = {
        {"Enter on the list with an entry selected",
         [](Picker& p) { QTest::keyClick(p.list, Qt::Key_Return); }},
        {"keypad Enter on the list", [](Picker& p) { QTest::keyClick(p.list, Qt::Key_Enter); }},
        {"Escape", [](Picker& p) { QTest::keyClick(p.list, Qt::Key_Escape); }},
        {"Quit button", [](Picker& p) { QTest::mouseClick(p.quit, Qt::LeftButton); }},
        {"close box", [](Picker& p) { p.dialog.close(); }},
    };
    for (const auto& row : rows) {
        Picker p;
        p.list->setFocus();
        p.list->setCurrentRow(34);
        ASSERT_EQ(p.list->selectedItems().size(), 1);
        row.close(p);
        EXPECT_EQ(p.picks.count(), 0) << row.name;
        EXPECT_FALSE(p.dialog.isVisible()) << row.name;
        EXPECT_EQ(p.dialog.result(), QDialog::Rejected) << row.name;
    }
}

} // namespace
