#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("QV Vantrel v1.20"));
    placeholder.setWindowTitle(QStringLiteral("QV Vantrel v1.20"));
    placeholder.show();
    return QApplication::exec();
}
