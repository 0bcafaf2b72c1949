// What a screen reader learns of each window: every control that takes the focus has a
// name, the clickable labels are links it can follow, and the result labels speak the
// reading under their captions.
#include "WindowVisits.h"

#include "shell/modHelp.h"
#include "tests/support/Fakes.h"
#include "ui/ClickableLabel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using a11ytest::describe;

struct Node {
    QObject* object;
    QAccessible::Role role;
    QAccessible::State state;
    QString name;
};

// Every interface under `node`, depth first, as a screen reader walks the window.
void walk(QAccessibleInterface* node, std::vector<Node>& nodes, int depth = 0) {
    if (node == nullptr || !node->isValid() || depth > 64) {
        return;
    }
    nodes.push_back({node->object(), node->role(), node->state(), node->text(QAccessible::Name)});
    for (int i = 0; i < node->childCount(); ++i) {
        walk(node->child(i), nodes, depth + 1);
    }
}

std::vector<Node> accessibleTree(QWidget& window) {
    std::vector<Node> nodes;
    walk(QAccessible::queryAccessibleInterface(&window), nodes);
    return nodes;
}

TEST(AccessibleNames, EveryFocusableControlOfEveryWindowHasAName) {
    fakes::AllFakes fakes;
    for (const a11ytest::ProgramWindow& window : a11ytest::programWindows()) {
        SCOPED_TRACE(window.name);
        int focusable = 0;
        window.open([&](QWidget& shown) {
            for (const Node& node : accessibleTree(shown)) {
                if (!node.state.focusable) {
                    continue;
                }
                ++focusable;
                EXPECT_FALSE(node.name.trimmed().isEmpty())
                    << describe(node.object) << " takes the focus but has no accessible name";
            }
        });
        EXPECT_GT(focusable, 1) << "the walk found hardly any control";
    }
}

// The labels that speak of the place and the zone are not focusable: a screen reader meets
// them by name.
TEST(AccessibleNames, PlaceAndZoneLabelsHaveNames) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    for (const char* label : {"lblPlaceNote", "lblZoneUtc", "lblZoneName", "lblZoneWarning"}) {
        QAccessibleInterface* seen =
            QAccessible::queryAccessibleInterface(shell.control<QLabel>(label));
        ASSERT_NE(seen, nullptr) << label;
        EXPECT_FALSE(seen->text(QAccessible::Name).trimmed().isEmpty()) << label;
    }
}

// The window's own clickable labels, by name, with the page each one opens.
struct LinkCase {
    const char* label;
    modHelp::LinkKind opens;
};

TEST(AccessibleNames, ClickableLabelsAreLinksAScreenReaderCanFollow) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    const LinkCase cases[] = {{"Label10", modHelp::LinkHome},
                              {"lblCobrand", modHelp::LinkCoBrand},
                              {"lblFullBrand", modHelp::LinkFullBrand}};
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.label);
        auto* label = shell.control<ClickableLabel>(c.label);
        ASSERT_NE(label, nullptr);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->role(), QAccessible::Link);
        EXPECT_EQ(link->text(QAccessible::Name), label->text());
        ASSERT_NE(link->actionInterface(), nullptr);
        EXPECT_TRUE(link->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        fakes.urls.opened.clear();
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(fakes.urls.opened, QStringList{modHelp::LinkAddress(c.opens)});
    }
    QAccessibleInterface* help =
        QAccessible::queryAccessibleInterface(shell.control<ClickableLabel>("lblTZHelp"));
    EXPECT_EQ(help->role(), QAccessible::Link);
    EXPECT_EQ(help->text(QAccessible::Name),
              QCoreApplication::translate("frmMain", "Time zone help"))
        << "spoken in full, not as the caption's abbreviation";
}

TEST(AccessibleNames, ClickableLabelWithoutANameOfItsOwnIsNamedByItsText) {
    QGroupBox frame(QStringLiteral("Frame title"));
    auto* label = new ClickableLabel(QStringLiteral("Click here"), &frame);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("Click here"))
        << "not the title of the frame around it";
}

// The labels beside the result texts, by index, in the English of the context "frmMain".
const char* const ResultCaptions[5] = {
    "Nakshatra for the day", "Nakshatra Group", "Characteristics",
    "Interpretation for Recovery of Lost Objects", "Date on which the Object was lost"};

// Each result label is read out with its text, labelled by its caption, for every reading.
void expectResultsSpoken(const a11ytest::ShellWindow& shell, const char* reading) {
    SCOPED_TRACE(reading);
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "lblResult" + QByteArray::number(i);
        SCOPED_TRACE(name.constData());
        auto* result = shell.control<QLabel>(name.constData());
        ASSERT_NE(result, nullptr);
        ASSERT_FALSE(result->text().isEmpty());
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(result);
        ASSERT_NE(spoken, nullptr);
        EXPECT_FALSE(spoken->state().invisible);
        EXPECT_EQ(spoken->text(QAccessible::Name), result->text());
        QStringList captions;
        for (const auto& [other, relation] : spoken->relations(QAccessible::Label)) {
            captions << other->text(QAccessible::Name);
        }
        EXPECT_EQ(captions, QStringList{QCoreApplication::translate("frmMain", ResultCaptions[i])});
    }
}

TEST(AccessibleNames, ResultLabelsSpeakEachReadingUnderTheirCaptions) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    shell.calculate();
    expectResultsSpoken(shell, "first reading");
    const QString firstDate = shell.control<QLabel>("lblResult4")->text();

    shell.control<QPushButton>("cmdBack")->click();
    shell.control<QComboBox>("cboMonth")->setCurrentIndex(6);
    shell.control<QComboBox>("cboYear")->setCurrentIndex(110);
    shell.control<QPushButton>("cmdRashi")->click();
    ASSERT_NE(shell.control<QLabel>("lblResult4")->text(), firstDate);
    expectResultsSpoken(shell, "second reading: the names follow the new texts");
}

// Screen readers on Linux name a list by the labels related to it as its labels (Qt gives a
// list's current entry as its name there), so every list must have one saying what it holds.
struct ListLabelCase {
    const char* list;
    const char* label; // the text of a label related to it, in English (context "frmMain")
};

TEST(AccessibleNames, EveryPickOnlyListIsLabelledByItsName) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    const ListLabelCase cases[] = {{"cboMonth", "Date"}, {"cboDate", "Day"},  {"cboYear", "Year"},
                                   {"cboHH", "Time"},    {"cboMM", "Minute"}, {"cboSS", "Second"}};
    for (const ListLabelCase& c : cases) {
        SCOPED_TRACE(c.list);
        auto* list = shell.control<QComboBox>(c.list);
        ASSERT_NE(list, nullptr);
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(node, nullptr);
        QStringList labels;
        for (const auto& [other, relation] : node->relations(QAccessible::Label)) {
            if (other != nullptr && other->role() == QAccessible::StaticText) {
                labels << other->text(QAccessible::Name);
            }
        }
        EXPECT_TRUE(labels.contains(QCoreApplication::translate("frmMain", c.label)))
            << "labelled by: " << labels.join(QStringLiteral(", ")).toStdString();
    }
}

TEST(AccessibleNames, OpenPickOnlyListIsNamedLikeItsList) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
        SCOPED_TRACE(name);
        auto* list = shell.control<QComboBox>(name);
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->accessibleName().isEmpty());
        QAccessibleInterface* open = QAccessible::queryAccessibleInterface(list->view());
        ASSERT_NE(open, nullptr);
        EXPECT_EQ(open->text(QAccessible::Name), list->accessibleName());
    }
}

} // namespace
