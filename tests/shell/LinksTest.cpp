#include "shell/LinkTable.h"
#include "shell/MainMenus.h"
#include "shell/OfferArea.h"
#include "shell/modHelp.h"

#include "tests/support/Fakes.h"
#include "ui/ClickableLabel.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace modHelp;

namespace {

struct LinkCase {
    const char* reason;
    LinkKind kind;
    QString expected;
};

TEST(LinkTable, EveryKindOpensItsOwnPage) {
    const LinkCase cases[] = {
        {"home is the main site itself", LinkHome, MainSite()},
        {"other programs on the main site", LinkSoftwareSite,
         MainSite() + QStringLiteral("/sorvanesoftwares")},
        {"donations on the help site", LinkDonate, HelpSite() + QStringLiteral("/donate.html")},
        {"full brand offer on the help site", LinkFullBrand,
         HelpSite() + QStringLiteral("/fully-branded.html")},
        {"co-brand offer on the help site", LinkCoBrand,
         HelpSite() + QStringLiteral("/co-brand.html")},
        {"help on the program's site", LinkHelp,
         ProgramSite() + QStringLiteral("/qv-free-vantrel-help.html")},
        {"download on the program's site", LinkUpdate,
         ProgramSite() + QStringLiteral("/download-qv-free-vantrel.html")},
    };
    fakes::AllFakes fakes;
    for (const auto& c : cases) {
        EXPECT_EQ(LinkAddress(c.kind), c.expected) << c.reason;
        fakes.urls.opened.clear();
        OpenLink(c.kind);
        EXPECT_EQ(fakes.urls.opened, QStringList{c.expected}) << c.reason;
    }
    // Each kind has exactly one row.
    std::set<LinkKind> kinds;
    for (const auto& entry : linkTable) {
        EXPECT_TRUE(kinds.insert(entry.kind).second) << "duplicate row " << entry.kind;
    }
    EXPECT_EQ(kinds.size(), std::size(cases));
}

TEST(OpenAddress, FailingOpenerIsNotReported) {
    struct Refusing final : platform::UrlOpener {
        void open(const QString&) override { throw std::runtime_error("no browser"); }
    } refusing;
    fakes::AllFakes fakes;
    platform::ScopedServices scope(platform::Services{nullptr, nullptr, &refusing});
    EXPECT_NO_THROW(OpenAddress(QStringLiteral("https://a.example")));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

struct PickCase {
    const char* reason;
    float r;
    int expected;
};

TEST(OfferPick, SinglePrecisionRoundingHalvesToEven) {
    const float below1_12 = 1.0F / 12.0F - 1e-6F;
    const PickCase cases[] = {
        {"zero gives 1", 0.0F, 1},
        {"just below 1/12 stays 1", below1_12, 1},
        {"1/12 in single precision gives 1.5, even neighbour 2", 1.0F / 12.0F, 2},
        {"0.25 gives 2.5, even neighbour 2 (not 3)", 0.25F, 2},
        {"5/12 gives 3.5, even neighbour 4", 5.0F / 12.0F, 4},
        {"0.5 gives 4", 0.5F, 4},
        {"0.75 gives 5.5, even neighbour 6", 0.75F, 6},
        {"just below 11/12 gives 6", 11.0F / 12.0F - 1e-6F, 6},
        {"11/12 in single precision gives 6.5, even neighbour 6", 11.0F / 12.0F, 6},
        {"the next float above 11/12 gives 7", std::nextafter(11.0F / 12.0F, 1.0F), 7},
        {"largest draw below 1 gives 7", std::nextafter(1.0F, 0.0F), 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OfferPick(c.r), c.expected) << c.reason;
    }
}

struct FrontCase {
    const char* reason;
    float r;
    int pick;
    OfferArea::Offer startFront;
    OfferArea::Offer endFront;
};

TEST(CoBrandRandomize, SevenOutcomesChooseTheOfferInFront) {
    using O = OfferArea;
    const FrontCase cases[] = {
        {"1 brings the co-brand offer", 0.0F, 1, O::FullBrand, O::CoBrand},
        {"2 brings the full-brand offer", 1.0F / 6.0F, 2, O::CoBrand, O::FullBrand},
        {"3 brings the co-brand offer", 2.0F / 6.0F, 3, O::FullBrand, O::CoBrand},
        {"4 brings the full-brand offer", 3.0F / 6.0F, 4, O::CoBrand, O::FullBrand},
        {"5 brings the co-brand offer", 4.0F / 6.0F, 5, O::FullBrand, O::CoBrand},
        {"6 brings the full-brand offer", 5.0F / 6.0F, 6, O::CoBrand, O::FullBrand},
        {"7 leaves the co-brand offer", 0.99F, 7, O::CoBrand, O::CoBrand},
        {"7 leaves the full-brand offer", 0.99F, 7, O::FullBrand, O::FullBrand},
    };
    for (const auto& c : cases) {
        OfferArea offers;
        offers.bringToFront(c.startFront);
        CoBrand_Randomize(offers, [r = c.r] { return r; });
        EXPECT_EQ(intCoBrandRandomNumber, c.pick) << c.reason;
        EXPECT_EQ(offers.front(), c.endFront) << c.reason;
    }
}

TEST(OfferArea, CoBrandOfferInFrontAtStartAndLabelsOpenTheirPages) {
    fakes::AllFakes fakes;
    OfferArea offers;
    EXPECT_EQ(offers.objectName(), QStringLiteral("fraFullBrand"));
    EXPECT_EQ(offers.front(), OfferArea::CoBrand);
    EXPECT_EQ(offers.coBrandLabel()->text(),
              QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                             "traffic to your site. Put your site's name &  link here. See "
                             "\"Help\" for details.    Click Here for more info on co-branding."));
    EXPECT_EQ(offers.fullBrandLabel()->text(),
              QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                             "make money online. Get this software fully branded for your "
                             "website. Click here for more details."));
    EXPECT_EQ(offers.fullBrandLabel()->objectName(), QStringLiteral("lblFullBrand"));
    EXPECT_EQ(offers.coBrandLabel()->objectName(), QStringLiteral("lblCobrand"));
    emit offers.coBrandLabel()->clicked();
    emit offers.fullBrandLabel()->clicked();
    EXPECT_EQ(fakes.urls.opened,
              (QStringList{LinkAddress(LinkCoBrand), LinkAddress(LinkFullBrand)}));
}

class CountingWindow : public QMainWindow {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        event->accept();
    }
};

QStringList entries(const QMenu& menu) {
    QStringList list;
    for (const QAction* action : menu.actions()) {
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return list;
}

TEST(MainMenus, EntriesOrderAndNames) {
    CountingWindow window;
    MainMenus::InstallMenus(window, [] {});
    QMenuBar* bar = window.menuBar();
    QStringList top;
    for (const QAction* action : bar->actions()) {
        top << action->text();
    }
    EXPECT_EQ(top, (QStringList{"&File", "&Language", "&Help", "&Donate"}));

    auto* mnuFile = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* mnuHelp = window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    ASSERT_NE(mnuFile, nullptr);
    ASSERT_NE(mnuHelp, nullptr);
    // The reading files and recent readings are put in around these by their owner.
    EXPECT_EQ(entries(*mnuFile),
              (QStringList{"&Print Reading…", "&Export Reading as PDF…", "-", "E&xit"}));
    EXPECT_TRUE(mnuFile->separatorsCollapsible());
    EXPECT_EQ(entries(*mnuHelp),
              (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                           "-", "&About Software"}));

    QStringList names;
    for (const QAction* action : mnuHelp->actions()) {
        names << action->objectName();
    }
    EXPECT_EQ(names, (QStringList{"mnuOnline", "mnuVisit", "mnuHelp1", "mnuUpdate", "mnuHelp2",
                                  "mnuAbout"}));
    // No shortcut keys but the standard one of Print, and no platform may move an entry to
    // another menu.
    for (const QAction* action : window.findChildren<QAction*>()) {
        const bool print = action->objectName() == QStringLiteral("mnuPrint");
        EXPECT_EQ(action->shortcut(), print ? QKeySequence(QKeySequence::Print) : QKeySequence())
            << action->objectName().toStdString();
        EXPECT_EQ(action->menuRole(), QAction::NoRole) << action->objectName().toStdString();
    }
    QStringList fileNames;
    for (const QAction* action : mnuFile->actions()) {
        fileNames << action->objectName();
    }
    EXPECT_EQ(fileNames, (QStringList{"mnuPrint", "mnuExportPdf", "mnuFileExit", "mnuExit"}));
    EXPECT_EQ(bar->actions().at(3)->objectName(), QStringLiteral("mnuDonate"));
    EXPECT_EQ(bar->actions().at(3)->menu(), nullptr) << "Donate is a command on the bar";
    // The languages, each named in its own language, one of them checked.
    auto* mnuLanguage = window.findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    ASSERT_NE(mnuLanguage, nullptr);
    EXPECT_EQ(entries(*mnuLanguage),
              (QStringList{QStringLiteral("English"), QString::fromUtf8("हिन्दी (Hindi)")}));
    int checked = 0;
    for (const QAction* action : mnuLanguage->actions()) {
        EXPECT_TRUE(action->isCheckable() && action->actionGroup()->isExclusive());
        checked += action->isChecked() ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
}

struct MenuCase {
    const char* action;
    QString opened;
};

TEST(MainMenus, CommandsOpenPagesShowAboutAndExit) {
    fakes::AllFakes fakes;
    CountingWindow window;
    int abouts = 0;
    int prints = 0;
    int exports = 0;
    const MainMenus::ReadingEntries reading = MainMenus::InstallMenus(
        window, [&abouts] { ++abouts; }, {[&prints] { ++prints; }, [&exports] { ++exports; }});
    // Nothing to print or export before the first reading.
    EXPECT_FALSE(reading.print->isEnabled());
    EXPECT_FALSE(reading.exportPdf->isEnabled());
    reading.print->setEnabled(true);
    reading.exportPdf->setEnabled(true);
    window.findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
    window.findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(exports, 1);
    const MenuCase cases[] = {
        {"mnuOnline", LinkAddress(LinkHelp)},
        {"mnuVisit", LinkAddress(LinkHome)},
        {"mnuUpdate", LinkAddress(LinkUpdate)},
        {"mnuDonate", LinkAddress(LinkDonate)},
    };
    for (const auto& c : cases) {
        fakes.urls.opened.clear();
        auto* action = window.findChild<QAction*>(QString::fromLatin1(c.action));
        ASSERT_NE(action, nullptr) << c.action;
        action->trigger();
        EXPECT_EQ(fakes.urls.opened, QStringList{c.opened}) << c.action;
    }
    EXPECT_EQ(window.closes, 0);
    window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_EQ(abouts, 1);
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    EXPECT_EQ(window.closes, 1) << "Exit runs the window's own close handling";
    EXPECT_FALSE(window.isVisible());
}

TEST(MainMenus, FailingAboutIsIgnored) {
    CountingWindow window;
    MainMenus::InstallMenus(window, [] { throw std::runtime_error("broken"); });
    EXPECT_NO_THROW(window.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger());
}

TEST(Banner, NamesTheMainSiteAndOpensIt) {
    fakes::AllFakes fakes;
    QWidget area;
    auto* layout = new QVBoxLayout(&area);
    ClickableLabel* banner = MainMenus::InstallBanner(area);
    EXPECT_EQ(banner->objectName(), QStringLiteral("Label10"));
    EXPECT_EQ(layout->indexOf(banner), 0);
    EXPECT_EQ(banner->text(),
              QStringLiteral("The Most Popular Online Sorvane Discussion Board. Click Here To "
                             "Visit ") +
                  QUrl(MainSite()).host() + QStringLiteral(" Now."));
    emit banner->clicked();
    EXPECT_EQ(fakes.urls.opened, QStringList{MainSite()});
}

} // namespace
