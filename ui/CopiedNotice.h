#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPushButton;

// Tells that a copy worked: for two seconds the copy button reads "Copied", and its
// accessible description says so, which screen readers speak as it changes (an alert goes
// with it). Then the button reads as before. A second copy within the two seconds starts
// them again; a change of language ends them.
class CopiedNotice : public QObject {
public:
    static constexpr int ShownMilliseconds = 2000;

    explicit CopiedNotice(QPushButton& button);
    void show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hide();

    QPushButton& button_;
    QString caption_;
    QTimer timer_;
};
