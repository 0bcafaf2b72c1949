#pragma once

#include <QDialog>

class ClickableLabel;
class QFrame;
class QLabel;
class QPushButton;

// The about box: the program's name and version, what it does, the maker's branding offer
// and a link to the maker's site. Shown modal, created anew for each opening.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Creates, shows modal and destroys an about box over `parent`.
    static void showModal(QWidget* parent);

protected:
    // The window's texts follow the program's language.
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void lblHomePage_Click();
    void lblCobrand_Click();
    void cmdOK_Click();

    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPlaces = nullptr; // credit of the list of places
    ClickableLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;
};
