#include "app/splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace ribaku {
namespace {

// A window manager may take a moment to map the splash; the start does not wait longer.
constexpr int kExposeWaitMs = 150;

}  // namespace

TSplash::TSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Welcome to Ribaku..."));
    // Closing the main window ends the program even if the splash were still up.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Through QImage: a pixmap loaded by name would stay in Qt's pixmap cache after the
    // splash has gone.
    const QPixmap picture = QPixmap::fromImage(QImage(QStringLiteral(":/res/splash.bmp")));
    auto* image = new QLabel(this);
    image->setPixmap(picture);
    image->setGeometry(0, 0, picture.width(), picture.height());
    // The window is exactly the picture: the frame around it is the window manager's.
    setFixedSize(picture.size());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + (screen.width() - picture.width()) / 2,
         screen.y() + (screen.height() - picture.height()) / 2);
}

void TSplash::ShowPainted() {
    show();
    QTimer deadline;  // its own timeout wakes the wait below
    deadline.setSingleShot(true);
    deadline.start(kExposeWaitMs);
    while (!windowHandle()->isExposed() && deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    repaint();
}

}  // namespace ribaku
