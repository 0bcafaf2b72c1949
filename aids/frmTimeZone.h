#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The time-zone picker: 71 named zones; a double-click on one, Space on the selected one or
// Use Zone reports its offset and closes. Quit, Enter, Escape and the close box close it
// without a pick.
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit frmTimeZone(QWidget* parent = nullptr);

    // Every way of closing without a pick (Escape, the close box) goes through cmdQuit.
    void reject() override;

signals:
    // Hours and minutes west of Greenwich, as signed values; written to the zone boxes.
    void zonePicked(int hourValue, int minuteValue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window's texts follow the program's language.
    void changeEvent(QEvent* event) override;

private slots:
    void lstTimeZone_DblClick();
    void cmdPick_Click();
    void cmdQuit_Click();

private:
    void createControls();
    void Form_Load();

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdPick = nullptr;
    QPushButton* cmdQuit = nullptr;
};
