#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The time-zone picker: 71 named zones; a double-click on one reports its offset and closes.
class frmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit frmTimeZone(QWidget* parent = nullptr);

signals:
    // Hours and minutes west of Greenwich, as signed values; written to the zone boxes.
    void zonePicked(int hourValue, int minuteValue);

private slots:
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

private:
    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;
};
