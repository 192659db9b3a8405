#include <cstdlib>
#include <memory>

#include "app/error_box.h"
#include "app/quit_signals.h"
#include "app/ribaku_window.h"
#include "app/splash.h"

namespace {

int RunProgram() {
    auto splash = std::make_unique<ribaku::TSplash>();
    splash->ShowPainted();

    QApplication::setApplicationName(QStringLiteral("Ribaku 5.36"));
    const std::filesystem::path programDir = QApplication::applicationDirPath().toStdString();
    ribaku::TRibaku window(programDir);
    ribaku::CloseOnQuitSignal(window);
    // The splash goes as the main window shows; a splash left mapped would keep the
    // program alive after Exit.
    QObject::connect(&window, &ribaku::TRibaku::shown, [&splash] { splash.reset(); });
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    ribaku::InstallQuitSignalHandlers();
    ribaku::RibakuApplication app(argc, argv);
    try {
        return RunProgram();
    } catch (const std::exception& error) {
        // The window is gone by now, and with it any display mode it had switched.
        ribaku::ShowError(nullptr, error);
        return EXIT_FAILURE;
    }
}
