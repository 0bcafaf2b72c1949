// main() of the accessibility, keyboard and text-fit tests. The scale factor of a whole run
// comes from VANTREL_TEST_SCALE ("2" for twice the size); Qt reads its own scale factor only
// when the application is created, so it is set here before that. VANTREL_TEST_LANGUAGE
// ("hi") runs every test in another language.
#include "WindowVisits.h"

#include "ui/Language.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// On the offscreen platform the screen is given a common laptop's size in device-independent
// pixels, 1366 x 768, at every scale (2732 x 1536 pixels at scale 2). Qt opens a window at no
// more than two thirds of the screen, so on a screen this size the windows open short of the
// room they would like, and must still show all their text.
bool configureOffscreenScreen(QTemporaryFile& config, double scale) {
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QStringLiteral("offscreen")) {
        return true;
    }
    if (!config.open()) {
        return false;
    }
    const auto width = static_cast<int>(std::lround(1366 * scale));
    const auto height = static_cast<int>(std::lround(768 * scale));
    config.write(QStringLiteral(R"({"screens": [{"name": "desktop", "x": 0, "y": 0,)"
                                R"( "width": %1, "height": %2, "logicalDpi": 96,)"
                                R"( "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    return true;
}

// VANTREL_TEST_RUN ("2:hi") gives the scale and the language of a registered run at once.
void takeRegisteredRun() {
    const QList<QByteArray> run = qgetenv("VANTREL_TEST_RUN").split(':');
    if (run.size() == 2) {
        qputenv("VANTREL_TEST_SCALE", run[0]);
        qputenv("VANTREL_TEST_LANGUAGE", run[1]);
        qputenv("LC_ALL", "C.UTF-8");
    }
}

} // namespace

int main(int argc, char** argv) {
    takeRegisteredRun();
    const double scale = a11ytest::runScale();
    if (scale <= 0.0) {
        return 2;
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    // Test discovery runs the program at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryFile screenConfig;
    if (!configureOffscreenScreen(screenConfig, scale)) {
        return 2;
    }
    QApplication app(argc, argv);
    // The language of the run, as the Language menu would put it in force ("en" when unset).
    const QString language = qEnvironmentVariable("VANTREL_TEST_LANGUAGE", QStringLiteral("en"));
    Language::Apply(language);
    if (Language::Current() != language ||
        (language != QLatin1String("en") &&
         QCoreApplication::translate("MainMenus", "&File") == QLatin1String("&File"))) {
        return 2; // the run would test English under another name
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
