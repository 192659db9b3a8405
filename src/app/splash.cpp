#include "app/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace ribaku {

TSplash::TSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Welcome to Ribaku..."));
    const QPixmap picture(QStringLiteral(":/res/splash.bmp"));
    auto* image = new QLabel(this);
    image->setPixmap(picture);
    image->setGeometry(0, 0, picture.width(), picture.height());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int width = picture.width() + 5;
    const int height = picture.height() + 25;
    setGeometry((screen.width() - width) / 2, (screen.height() - height) / 2, width, height);
}

}  // namespace ribaku
