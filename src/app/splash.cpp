#include "app/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace ribaku {

TSplash::TSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Welcome to Ribaku..."));
    // Through QImage: a pixmap loaded by name would stay in Qt's pixmap cache after the
    // splash has gone.
    const QPixmap picture = QPixmap::fromImage(QImage(QStringLiteral(":/res/splash.bmp")));
    auto* image = new QLabel(this);
    image->setPixmap(picture);
    image->setGeometry(0, 0, picture.width(), picture.height());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int width = picture.width() + 5;
    const int height = picture.height() + 25;
    setGeometry((screen.width() - width) / 2, (screen.height() - height) / 2, width, height);
}

}  // namespace ribaku
