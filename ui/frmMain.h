#pragma once

#include "InputControls.h"
#include "ReadingReport.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;
class ClickableLabel;
class CopiedNotice;
class OpenUndo;
class PlaceFinder;
namespace platform {
struct SaveFileRequest;
}

namespace InputChecks {
struct FormEntries;
}
namespace modNakshatraInformation {
struct ResultView;
}
namespace SavedReading {
struct Record;
}
namespace ReadingFile {
struct Record;
}

// The working window: the input panel, the result panel in the same place, and around
// them the link banner, the offer area and the open button that the shell fills in.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    // Empty areas the shell fills: the banner above Label11 and the offer area below the
    // panels. Each has a QVBoxLayout without margins.
    QWidget* bannerArea() const { return bannerArea_; }
    QWidget* offerArea() const { return offerArea_; }
    // The open button, last of the window's own controls; the shell places clickable labels
    // after it in the tab order.
    QPushButton* openButton() const { return cmdOpen; }
    // The input controls and the panels, for the parts that work on the inputs.
    InputControls inputControls() const;
    bool ValidateInputs();

    // The inputs as a saved reading holds them, and the accessible name of the box behind
    // each of the fifteen lines.
    SavedReading::Record savedRecord() const;
    std::array<QString, 15> savedLineBoxNames() const;

public slots:
    void cmdRashi_Click();
    void cmdBack_Click();
    void cmdBrowser_Click();
    void cmdOpen_Click();
    // Opens a saved reading (".nak") or a reading file (".vantrel") named from outside the
    // open dialog: a command-line argument, a drop, another copy of the program or the recent
    // list. A path that names no regular file gives a short notice and changes nothing.
    void openReadingFile(const QString& path);
    void mnuSave_Click();
    void lblTZHelp_Click();
    // Sharing the reading on the result panel: the summary to the clipboard, the report to a
    // printer or a PDF file. Each does nothing before the first reading.
    void cmdCopy_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    // "Undo Open" brings back the reading that Copy, Print and Export give, with the panel.
    void keepInUndo(OpenUndo& undo);

signals:
    // A saved reading has been read and its lines are about to replace the inputs.
    void aboutToOpenReading();
    // An opened reading has replaced the inputs; the calculate command has not yet run. A
    // reading file's chosen place is put back right after.
    void inputsReplaced();
    // A saved reading has been opened and the calculate command has run on it.
    void savedReadingOpened(const QString& path);
    // The inputs have been saved as a reading.
    void readingSaved(const QString& path);
    // Whether a reading is on the result panel, ready to be copied, printed or exported:
    // true after each reading, and again whenever Undo Open changes it.
    void shareableChanged(bool shareable);
    // The window is closing (File > Exit, the close box or the system menu).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    // Applies the fifteen unscrambled lines of a saved reading to the input controls.
    void applySavedReading(const std::array<QString, 15>& lines);
    // An open once its path is known: the extension check, reading, applying and calculating.
    // Without the regular-file check the path is read as the reader reads any path.
    void openSavedReading(const QString& path, bool regularFileOnly);
    void fillReadingInput();
    // Asks where to save, through the save dialog (a suggested name alone starts in the last
    // folder saved to, else the documents folder): the chosen path ends in one of
    // `extensions` (the first when it ends in none), and replacing a file is asked first. No
    // path on Cancel or No.
    std::optional<QString> chooseSavePath(platform::SaveFileRequest request,
                                          const QStringList& extensions);
    std::optional<QString> chooseSavePath(platform::SaveFileRequest request,
                                          const QString& extension);
    // The reading file's side (frmMainReadingFile.cpp): every input as a reading file keeps
    // it, their replacing by one, and the opening of one once its path is known.
    ReadingFile::Record readingFileRecord() const;
    void applyReadingFile(const ReadingFile::Record& record);
    void openReadingFileAt(const QString& path);

    void createControls();
    // The input panel and its named builders; each row builder fills the grid row it is given.
    QGroupBox* createInputPanel();
    void addDateRow(QGridLayout& grid, int row);
    void addTimeRow(QGridLayout& grid, int row);
    QFrame* createZoneFrame();
    void addPlaceRows(QGridLayout& grid, int firstRow);
    void addCommandRows(QGridLayout& grid, int firstRow);
    QWidget* createResultPanel();
    // The details under the verdict, the copy button and the result panel's keys.
    QLayout* createDetailControls();
    void setInputTabOrder();
    // On first showing the window's own keyboard order is laid again, so that controls the
    // shell chained after the open button come after the window's own last control.
    void showEvent(QShowEvent* event) override;
    bool tabOrderSettled_ = false;
    // The window is never shorter than its wrapped texts need at its width.
    bool event(QEvent* event) override;
    void fitHeightToWidth();
    // The panels' place takes the input panel's least height again (it grows with a place
    // note, and with the taller script of another language), then the window fits its width.
    void fitPanels();
    void readEntries(InputChecks::FormEntries& entries) const;
    modNakshatraInformation::ResultView resultView() const;
    void showPanel(QWidget* panel, QWidget* defaultFocus);
    // Writes the details of the reading just calculated and captures its report.
    void showDetails();
    // The same for `reading` made at `place`.
    void showDetails(const ReadingInput& reading, const PlaceRecord& place);
    // Sets the window's texts, and the reading shown, in the language in force.
    void retranslate();
    // Shows the reading of the report again, in the language in force.
    void showReadingAgain();
    // Ctrl+C on the result panel: a selection in its texts, else the summary.
    void copyKey_Activated();
    // Escape on the result panel goes back, as Back does.
    void escapeKey_Activated();
    // The picture of the report, drawn for paper.
    QPixmap reportPicture() const;

    // The number filter of the six number boxes: each handler receives the code of a typed
    // character and sets it to 0 to drop the key.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void txtLatD_KeyPress(std::uint16_t& KeyAscii);
    void txtLatM_KeyPress(std::uint16_t& KeyAscii);
    void txtLonD_KeyPress(std::uint16_t& KeyAscii);
    void txtLonM_KeyPress(std::uint16_t& KeyAscii);
    void txtZoneHour_KeyPress(std::uint16_t& KeyAscii);
    void txtZoneMinute_KeyPress(std::uint16_t& KeyAscii);
    void numberBoxKeyPress(std::uint16_t& KeyAscii);
    // A zone box also takes a minus sign typed first while it holds none.
    void zoneBoxKeyPress(const QLineEdit& box, std::uint16_t& KeyAscii);
    // The zone boxes, DST or the longitude changed: lblZoneUtc follows.
    void zone_Change();

    QWidget* bannerArea_ = nullptr;
    QWidget* offerArea_ = nullptr;

    QLabel* Label11 = nullptr;
    QStackedWidget* panels = nullptr;

    // Input panel
    QGroupBox* fraMain = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QFrame* fraZone = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    ClickableLabel* lblTZHelp = nullptr;
    QLabel* lblZoneUtc = nullptr;  // the zone the boxes give, as "UTC+1:00"
    QLabel* lblZoneName = nullptr; // the chosen place's zone, written by the place finder
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QRadioButton* optLat0 = nullptr; // North
    QRadioButton* optLat1 = nullptr; // South
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QRadioButton* optLong0 = nullptr; // East
    QRadioButton* optLong1 = nullptr; // West
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QLabel* lblPlaceNote = nullptr; // under City, written by the place finder
    QPushButton* cmdBrowser = nullptr;
    QPushButton* cmdRashi = nullptr;

    // Result panel
    QWidget* fraResult = nullptr;
    std::array<QLabel*, 5> lblResult{};
    std::array<QLabel*, 5> lblLabels{};
    QLabel* lblMoment = nullptr; // the moment read, under the date line
    QLabel* imgNakshatra = nullptr;
    QPushButton* cmdBack = nullptr;
    QLabel* lblPosition = nullptr;
    QLabel* lblChange = nullptr;
    QLabel* lblCaution = nullptr;
    QLabel* lblZoneWarning = nullptr; // the zone read is not the chosen place's clock
    QPushButton* cmdCopy = nullptr;
    CopiedNotice* copiedNotice_ = nullptr;
    // The reading on the result panel as copied, printed and exported; none before the first.
    std::optional<ReadingReport::Report> report_;

    // Outside both panels
    QPushButton* cmdOpen = nullptr;

    // Suggests places as the City box is typed into and fills the place and its zone.
    PlaceFinder* placeFinder_ = nullptr;
};
