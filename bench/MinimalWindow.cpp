// The floor for start-up cost: a Qt Widgets program that shows one titled main window with a
// line of text and nothing else. tools/bench-startup.sh measures it beside the program, in
// the same run and the same way, so the program's figures read as a multiple of what any Qt
// window costs. The line of text matters: a window without any text never starts Qt's font
// system, which every window with a caption, a label or a menu does.
// With --empty it shows the window without the text, the cheapest window Qt can show.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool empty = QApplication::arguments().contains(QStringLiteral("--empty"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vantrel minimal window"));
    window.resize(480, 360);
    if (!empty) {
        window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    }
    window.show();
    return QApplication::exec();
}
