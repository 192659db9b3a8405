#include <QCommandLineParser>
#include <cstdlib>
#include <memory>

#include "app/error_box.h"
#include "app/quit_signals.h"
#include "app/ribaku_window.h"
#include "app/splash.h"

namespace {

// Whether the hidden Clicks game is to be shown; --help prints the switches and ends here.
bool ParseSwitches(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ribaku, a mah-jongg tile-matching solitaire."));
    parser.addHelpOption();
    const QCommandLineOption clicks(
        QStringLiteral("clicks"),
        QStringLiteral("Show the hidden block game Mah-Jongg Clicks in the New menu (F5) and on "
                       "the welcome panel."));
    parser.addOption(clicks);
    parser.process(app);
    return parser.isSet(clicks);
}

int RunProgram(bool revealClicks) {
    auto splash = std::make_unique<ribaku::TSplash>();
    splash->ShowPainted();

    QApplication::setApplicationName(QStringLiteral("Ribaku 5.36"));
    // Desktops match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ribaku.Ribaku"));
    const std::filesystem::path programDir = QApplication::applicationDirPath().toStdString();
    ribaku::TRibaku window(programDir);
    if (revealClicks) window.RevealClicks();
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
    const bool revealClicks = ParseSwitches(app);
    try {
        return RunProgram(revealClicks);
    } catch (const std::exception& error) {
        // The window is gone by now, and with it any display mode it had switched.
        ribaku::ShowError(nullptr, error);
        return EXIT_FAILURE;
    }
}
