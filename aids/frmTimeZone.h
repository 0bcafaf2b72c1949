#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QKeyEvent;
class QListWidget;
class QPushButton;

// The time-zone picker: 71 named zones; a double-click on one, Space on the selected one or
// Use Zone reports its offset and closes. A Space typed while a type-ahead search runs goes
// on searching ("Central European T"). Quit, Enter, Escape and the close box close it without
// a pick.
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
    void noteSearchKey(const QKeyEvent& key);
    bool typeAheadRunning() const;

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdPick = nullptr;
    QPushButton* cmdQuit = nullptr;
    // Restarted by each key the list's type-ahead search takes; invalid after any other key.
    QElapsedTimer lastSearchKey;
};
