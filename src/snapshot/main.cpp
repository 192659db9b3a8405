// ribaku-snapshot: the board of a specific game as a PNG picture, drawn by the game's own
// engine and renderer, or with --solve whether it can still be won. For the README's pictures,
// for tests and for review.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdlib>
#include <iostream>

#include "core/file_io.h"
#include "snapshot/snapshot.h"

namespace {

constexpr int kFailure = 2;

// The tool speaks for itself in one line; Qt's own notes (a missing runtime folder, say)
// would only crowd it.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int Fail(const std::string& message) {
    std::cerr << "ribaku-snapshot: " << message << '\n';
    return kFailure;
}

void WritePng(const QImage& picture, const std::filesystem::path& file) {
    QImageWriter writer(QString::fromStdString(file.string()), "png");
    if (!writer.write(picture)) {
        throw ribaku::FileError(file.string() + ": " + writer.errorString().toStdString());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(Quiet);
    QGuiApplication app(argc, argv);
    using namespace ribaku::snapshot;
    try {
        const SnapshotArgs args =
            ParseSnapshotArgs(std::vector<std::string>(argv + 1, argv + argc));
        if (args.help) {
            std::cout << kUsage << '\n';
            return 0;
        }
        if (args.solve) std::cout << SolveSnapshot(args);
        if (args.out.empty()) return 0;
        const std::filesystem::path programDir =
            QCoreApplication::applicationDirPath().toStdString();
        WritePng(RenderSnapshot(args, programDir, QStringLiteral(":/res")), args.out);
        return 0;
    } catch (const UsageError& e) {
        return Fail(std::string(e.what()) + " (try --help)");
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
