#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;
class ClickableLabel;
class PlaceFinder;

namespace InputChecks {
struct FormEntries;
}
namespace modNakshatraInformation {
struct ResultView;
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
    // The home-page address handed to the web search with each place-name lookup.
    void setLookupSite(const QString& siteAddress) { lookupSite_ = siteAddress; }

    bool ValidateInputs();

public slots:
    void cmdRashi_Click();
    void cmdBack_Click();
    void cmdBrowser_Click();
    void cmdOpen_Click();
    void lblTZHelp_Click();

signals:
    // A saved reading has been opened and the calculate command has run on it.
    void savedReadingOpened();
    // The window is closing (File > Exit, the close box or the system menu).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    // Applies the fifteen unscrambled lines of a saved reading to the input controls.
    void applySavedReading(const std::array<QString, 15>& lines);
    void fillReadingInput();

    void createControls();
    QGroupBox* createInputPanel();
    QWidget* createResultPanel();
    void setInputTabOrder();
    // On first showing the window's own keyboard order is laid again, so that controls the
    // shell chained after the open button come after the window's own last control.
    void showEvent(QShowEvent* event) override;
    bool tabOrderSettled_ = false;
    // The window is never shorter than its wrapped texts need at its width.
    void resizeEvent(QResizeEvent* event) override;
    void readEntries(InputChecks::FormEntries& entries) const;
    modNakshatraInformation::ResultView resultView() const;
    void showPanel(QWidget* panel, QWidget* defaultFocus);

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

    QWidget* bannerArea_ = nullptr;
    QWidget* offerArea_ = nullptr;
    QString lookupSite_;

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
    QPushButton* cmdBrowser = nullptr;
    QPushButton* cmdRashi = nullptr;

    // Result panel
    QWidget* fraResult = nullptr;
    std::array<QLabel*, 5> lblResult{};
    std::array<QLabel*, 5> lblLabels{};
    QLabel* imgNakshatra = nullptr;
    QPushButton* cmdBack = nullptr;

    // Outside both panels
    QPushButton* cmdOpen = nullptr;

    // Suggests places as the City box is typed into and fills the place and its zone.
    PlaceFinder* placeFinder_ = nullptr;
};
