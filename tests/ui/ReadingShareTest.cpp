// The result panel's details and sharing, driven through the main window: the detail labels,
// Copy and Ctrl+C, Print and Export as PDF, and the keys.
#include "UiTestSupport.h"
#include "tests/support/ShortWrite.h"

#include "ui/Language.h"

#include "aids/frmTimeZone.h"
#include "ui/ButtonKeys.h"
#include "ui/CopiedNotice.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

namespace {

class ReadingShare : public uitest::MainWindowTest {
public:
    QWidget* frontPanel() { return control<QStackedWidget>("panels")->currentWidget(); }
    QString labelText(const char* name) { return control<QLabel>(name)->text(); }

    // London, 4 July 2025, summer time, at the given minute past noon: Chitra until 12:22.
    void enterLondonReading(int minute) {
        control<QLineEdit>("txtName")->setText(QStringLiteral("Asha"));
        control<QComboBox>("cboMonth")->setCurrentIndex(6);
        control<QComboBox>("cboDate")->setCurrentText(QStringLiteral("4"));
        control<QComboBox>("cboYear")->setCurrentText(QStringLiteral("2025"));
        control<QComboBox>("cboHH")->setCurrentText(QStringLiteral("12"));
        control<QComboBox>("cboMM")->setCurrentText(QString::number(minute));
        control<QLineEdit>("txtZoneHour")->setText(QStringLiteral("0"));
        control<QLineEdit>("txtZoneMinute")->setText(QStringLiteral("0"));
        control<QCheckBox>("chkDST")->setChecked(true);
        control<QLineEdit>("txtLonD")->setText(QStringLiteral("0"));
        control<QLineEdit>("txtLonM")->setText(QStringLiteral("7"));
        control<QRadioButton>("optLong1")->setChecked(true);
        control<QLineEdit>("txtLatD")->setText(QStringLiteral("51"));
        control<QLineEdit>("txtLatM")->setText(QStringLiteral("30"));
        control<QLineEdit>("txtMCity")->setText(QStringLiteral("London"));
        control<QLineEdit>("txtMState")->setText(QStringLiteral("England"));
        control<QLineEdit>("txtMCountry")->setText(QStringLiteral("United Kingdom"));
    }
    void calculate() { control<QPushButton>("cmdRashi")->click(); }

    // The text of a PDF as pdftotext reads it, runs of white space made one space.
    static QString pdfText(const QString& path) {
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        if (!reader.waitForFinished(30000) || reader.exitCode() != 0) {
            ADD_FAILURE() << "pdftotext (package poppler-utils) could not read "
                          << path.toStdString();
            return {};
        }
        return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    }

    QTemporaryDir folder;
};

TEST_F(ReadingShare, CopyGivesTheSummaryCapturedWhenCalculated) {
    auto* copy = control<QPushButton>("cmdCopy");
    EXPECT_FALSE(copy->isEnabled()) << "nothing to copy before the first reading";
    QSignalSpy shown(&window, &frmMain::shareableChanged);
    enterLondonReading(0);
    calculate();
    EXPECT_EQ(shown.count(), 1);
    EXPECT_TRUE(copy->isEnabled());
    // The place boxes changed after the reading do not change what it says.
    control<QLineEdit>("txtMCity")->setText(QStringLiteral("Paris"));
    QApplication::clipboard()->clear();
    copy->click();
    const QString summary = QApplication::clipboard()->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("\nPlace: London, England, United Kingdom\n")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("\nNakshatra for the day: Chitra\n")));
    EXPECT_TRUE(summary.contains(QStringLiteral("\nNearest change: From 12:23 local time")));
    // The button tells that it worked, to the eye and to a screen reader, then reads as before.
    EXPECT_EQ(copy->text(), QStringLiteral("&Copied"));
    EXPECT_EQ(copy->accessibleDescription(), QStringLiteral("Copied"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return copy->text() == QStringLiteral("&Copy"); },
                                CopiedNotice::ShownMilliseconds * 3));
    EXPECT_TRUE(copy->accessibleDescription().isEmpty());
}

TEST_F(ReadingShare, CtrlCCopiesASelectionElseTheSummary) {
    enterLondonReading(0);
    calculate();
    QWidget* focused = control<QPushButton>("cmdBack");
    focused->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(
        QApplication::clipboard()->text().startsWith(QStringLiteral("QV Vantrel reading\n")))
        << "no selection: the summary";
    control<QLabel>("lblResult0")->setSelection(0, 4);
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Chit")) << "the selection";
    // On the input panel Ctrl+C is the boxes' own.
    control<QPushButton>("cmdBack")->click();
    auto* name = control<QLineEdit>("txtName");
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Asha"));
}

TEST_F(ReadingShare, PdfAndPrintCarryTheSummary) {
    fakes.saveFile.answer = folder.filePath(QStringLiteral("reading.pdf"));
    window.mnuExportPdf_Click();
    EXPECT_TRUE(fakes.saveFile.requests.empty()) << "nothing to export before a reading";
    enterLondonReading(0);
    calculate();
    control<QLineEdit>("txtName")->setText(QStringLiteral("Bob")); // after the reading
    window.mnuExportPdf_Click();
    ASSERT_EQ(fakes.saveFile.requests.size(), 1u);
    EXPECT_EQ(fakes.saveFile.requests[0].pattern, QStringLiteral("*.pdf"));
    EXPECT_EQ(QFileInfo(fakes.saveFile.requests[0].suggestedPath).fileName(),
              QStringLiteral("Asha 2025-07-04.pdf"));
    EXPECT_TRUE(fakes.messages.shown.empty());
    const QString exported = pdfText(*fakes.saveFile.answer);

    const QString printedPath = folder.filePath(QStringLiteral("printed.pdf"));
    {
        QPdfWriter paper(printedPath);
        fakes.printer.target = &paper;
        window.mnuPrint_Click();
        fakes.printer.target = nullptr;
    }
    EXPECT_EQ(fakes.printer.pagesPainted, 1);
    EXPECT_EQ(pdfText(printedPath), exported) << "print and PDF paint the same page";

    // Every line of the summary can be found, as text, in the PDF.
    control<QPushButton>("cmdCopy")->click();
    const QStringList lines =
        QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 10);
    for (const QString& line : lines) {
        const QString text = line.section(QStringLiteral(": "), 1).simplified();
        EXPECT_TRUE(exported.contains(text.isEmpty() ? line : text))
            << "not in the PDF: " << line.toStdString() << "\nPDF text: " << exported.toStdString();
    }
}

// A name of thousands of words takes three lines on paper, ended by "…": the verdict and
// every line after it stay on the page. The copied text keeps the name whole.
TEST_F(ReadingShare, ALongNameLeavesTheVerdictOnThePage) {
    enterLondonReading(0);
    QStringList words;
    for (int i = 0; i < 6400; ++i) {
        words << QStringLiteral("word%1").arg(i);
    }
    control<QLineEdit>("txtName")->setMaxLength(100000);
    control<QLineEdit>("txtName")->setText(words.join(QLatin1Char(' ')));
    calculate();
    fakes.saveFile.answer = folder.filePath(QStringLiteral("long.pdf"));
    window.mnuExportPdf_Click();
    const QString exported = pdfText(*fakes.saveFile.answer);
    control<QPushButton>("cmdCopy")->click();
    const QString summary = QApplication::clipboard()->text();
    EXPECT_TRUE(summary.contains(words.last())) << "the copy keeps the whole name";
    const QString lastLine = summary.trimmed().section(QLatin1Char('\n'), -1);
    EXPECT_TRUE(exported.contains(lastLine.section(QStringLiteral(": "), 1).simplified()))
        << "the last line is on the page: " << lastLine.toStdString();
    EXPECT_TRUE(exported.contains(QChar(0x2026)));
    EXPECT_FALSE(exported.contains(words[400])) << "the name is cut";
}

// A disk that fills up while the PDF is written: the earlier PDF stays whole, and the user
// is told.
TEST_F(ReadingShare, ANearlyFullDiskLeavesTheEarlierPdfWhole) {
    enterLondonReading(0);
    calculate();
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    const QByteArray earlier(3000, 'e');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    fakes.saveFile.answer = path;
    EXPECT_FALSE(shortwrite::InChildWithFileLimit(12000, [&] {
        window.mnuExportPdf_Click();
        return fakes.messages.shown.empty();
    }));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), earlier);
}

// In Hindi the copy and the PDF are in Hindi. The PDF's Devanagari is shaped: a conjunct or a
// vowel sign drawn as one glyph with its consonant has no text of its own in the PDF, so only
// words without them are looked for there.
TEST_F(ReadingShare, HindiReadingExportsHindiText) {
    Language::Apply(QStringLiteral("hi"));
    enterLondonReading(0);
    calculate();
    fakes.saveFile.answer = folder.filePath(QStringLiteral("hindi.pdf"));
    window.mnuExportPdf_Click();
    const QString exported = pdfText(*fakes.saveFile.answer);
    control<QPushButton>("cmdCopy")->click();
    const QString copied = QApplication::clipboard()->text();
    Language::Apply(QStringLiteral("en"));
    for (const char* text : {"उस दिन का नक्षत्र: चित्रा\n", "पाद 4"}) {
        EXPECT_TRUE(copied.contains(QString::fromUtf8(text))) << text;
    }
    for (const char* text : {"फल", "नाम Asha", "4 जुलाई 2025", "पाद 4", "London"}) {
        EXPECT_TRUE(exported.contains(QString::fromUtf8(text)))
            << text << "\nPDF text: " << exported.toStdString();
    }
}

TEST_F(ReadingShare, FailuresAreReportedAndLeaveNoFile) {
    enterLondonReading(0);
    calculate();
    struct Case {
        const char* reason;
        std::function<void()> act;
        QString message; // empty: none
    };
    const QString missingFolder = folder.filePath(QStringLiteral("missing/reading.pdf"));
    const Case cases[] = {
        {"a PDF in a folder that does not exist",
         [&] {
             fakes.saveFile.answer = missingFolder;
             window.mnuExportPdf_Click();
         },
         QStringLiteral("The reading could not be saved as a PDF file.")},
        {"the save dialog cancelled",
         [&] {
             fakes.saveFile.answer.reset();
             window.mnuExportPdf_Click();
         },
         {}},
        {"the print dialog cancelled",
         [&] {
             fakes.printer.outcome = platform::PrintOutcome::Cancelled;
             window.mnuPrint_Click();
         },
         {}},
        {"the printer failing",
         [&] {
             fakes.printer.outcome = platform::PrintOutcome::Failed;
             window.mnuPrint_Click();
         },
         QStringLiteral("The reading could not be printed.")},
    };
    for (const auto& c : cases) {
        fakes.messages.shown.clear();
        c.act();
        QStringList firstLines = fakes.messages.texts();
        for (QString& text : firstLines) {
            text = text.section(QLatin1Char('\n'), 0, 0);
        }
        EXPECT_EQ(firstLines, c.message.isEmpty() ? QStringList() : QStringList{c.message})
            << c.reason;
    }
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()) << "no file left behind";
}

// The key rules, with the program's Enter filter on the application.
class Keys : public ReadingShare {
public:
    Keys() { qApp->installEventFilter(&keys); }
    ~Keys() override { qApp->removeEventFilter(&keys); }
    ButtonKeys keys;
};

TEST_F(Keys, EnterClicksTheFocusedButtonOnly) {
    QPushButton button(QStringLiteral("&Go"));
    QToolButton tool;
    QCheckBox check;
    QPlainTextEdit notes;
    QLineEdit line;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
    QObject::connect(&tool, &QToolButton::clicked, [&] { ++clicks; });
    QObject::connect(&check, &QCheckBox::clicked, [&] { ++clicks; });
    struct Case {
        const char* reason;
        QWidget* target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        int clicks;
    };
    const Case cases[] = {
        {"Enter on a focused button", &button, Qt::Key_Return, Qt::NoModifier, false, 1},
        {"keypad Enter", &button, Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {"a held Enter clicks once", &button, Qt::Key_Return, Qt::NoModifier, true, 0},
        {"Ctrl+Enter is something else", &button, Qt::Key_Return, Qt::ControlModifier, false, 0},
        {"Enter on a tool button such as Now", &tool, Qt::Key_Return, Qt::NoModifier, false, 1},
        {"a check box keeps its keys", &check, Qt::Key_Return, Qt::NoModifier, false, 0},
        {"Enter in a text box", &line, Qt::Key_Return, Qt::NoModifier, false, 0},
        {"Enter in a multi-line box", &notes, Qt::Key_Return, Qt::NoModifier, false, 0},
    };
    for (const auto& c : cases) {
        clicks = 0;
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString(), c.autoRepeat);
        QApplication::sendEvent(c.target, &press);
        EXPECT_EQ(clicks, c.clicks) << c.reason;
    }
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("\n"))
        << "the multi-line box keeps its line break";
}

TEST_F(Keys, WindowKeysKeepTheirUse) {
    // Enter on the calculate button calculates; Escape on the result panel goes back.
    enterLondonReading(0);
    auto* calculateButton = control<QPushButton>("cmdRashi");
    calculateButton->setFocus();
    QTest::keyClick(calculateButton, Qt::Key_Return);
    EXPECT_EQ(frontPanel(), control<QWidget>("fraResult"));
    QTest::keyClick(control<QPushButton>("cmdCopy"), Qt::Key_Escape);
    EXPECT_EQ(frontPanel(), control<QWidget>("fraMain"));
    // The number filter still sees Enter in a number box.
    auto* degrees = control<QLineEdit>("txtLatD");
    degrees->setFocus();
    QTest::keyClick(degrees, Qt::Key_Return);
    EXPECT_EQ(fakes.messages.texts(), QStringList{QStringLiteral("Only Numbers Are Accepted")});
    // The time-zone list keeps Enter as Quit.
    frmTimeZone picker;
    QSignalSpy picks(&picker, &frmTimeZone::zonePicked);
    picker.show();
    auto* list = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
    list->setFocus();
    list->setCurrentRow(3);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picks.count(), 0);
}

} // namespace
