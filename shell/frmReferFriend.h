#pragma once

#include "modHelp.h"

#include <QWidget>

#include <utility>
#include <vector>

class ClickableLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window shown when the main window closes: the maker's other programs and forum site,
// and a form to recommend the program to a friend. It stays above other windows; leaving it
// by Exit or its close box closes every window, which ends the program.
class frmReferFriend : public QWidget {
    Q_OBJECT
public:
    // `draw` picks the promotional text (the program's random numbers when empty).
    explicit frmReferFriend(const modHelp::RandomSource& draw = {});

    // Shows the window, creating it on first use: one per process, no owner, not modal.
    static frmReferFriend* ShowReferFriend();

    int promotionIndex() const { return promotion_; }
    static QString promotionText(int index);
    // The message box's text as it is sent: the initial text keeps its CR LF.
    QString messageText() const { return messageText_; }

    void cmdSubmit_Click();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The window's texts follow the program's language.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load(const modHelp::RandomSource& draw);
    void createControls();
    void layoutControls();
    QString boxText(QObject* box) const;
    void setBoxText(QObject* box, const QString& text);
    const char* placeholderOf(QObject* box) const;
    bool emailKeyPress(QWidget* box, QEvent* event);

    int promotion_ = 0;
    QString messageText_;
    // Each box with its placeholder in the language of its texts.
    std::vector<std::pair<QObject*, QString>> placeholdersShown_;
    // The process's own window (ShowReferFriend) is deleted once closed, after any modal
    // window it may own has ended.
    bool deleteWhenClosed_ = false;

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* lblGoToHome = nullptr;
};
