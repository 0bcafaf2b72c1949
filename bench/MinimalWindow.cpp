// The floor for start-up cost: a Qt Widgets program that shows one titled main window and
// nothing else. tools/bench-startup.sh measures it beside the program, in the same run and
// the same way, so the program's figures read as a multiple of what any Qt window costs.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vantrel minimal window"));
    window.resize(480, 360);
    window.show();
    return QApplication::exec();
}
