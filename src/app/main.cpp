#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ribaku 5.36"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ribaku 5.36 "));
    window.resize(704, 468);
    window.show();
    return app.exec();
}
