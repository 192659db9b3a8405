#include "app/error_box.h"

#include <QMessageBox>

namespace ribaku {
namespace {

// A message built from a hostile file name or text must still fit on the screen.
constexpr int kMaxMessageLength = 400;

QString ShortMessage(const char* text) {
    QString message = QString::fromLocal8Bit(text);
    if (message.size() <= kMaxMessageLength) return message;
    const int half = kMaxMessageLength / 2;
    return message.left(half) + QStringLiteral("…") + message.right(half);
}

}  // namespace

void ShowError(QWidget* parent, const std::exception& error) {
    QMessageBox::critical(parent, QApplication::applicationName(), ShortMessage(error.what()));
}

bool RibakuApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(activeWindow(), error);
        return false;
    }
}

}  // namespace ribaku
