#include <QApplication>

#include "app/ribaku_window.h"
#include "app/splash.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    auto* splash = new ribaku::TSplash;
    splash->show();
    app.processEvents();

    QApplication::setApplicationName(QStringLiteral("Ribaku 5.36"));
    const std::filesystem::path programDir = QApplication::applicationDirPath().toStdString();
    ribaku::TRibaku window(programDir);
    QObject::connect(&window, &ribaku::TRibaku::shown, splash, &QObject::deleteLater);
    window.show();
    return app.exec();
}
