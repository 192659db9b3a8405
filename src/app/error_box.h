#pragma once

#include <QApplication>
#include <exception>

class QWidget;

namespace ribaku {

// The one way an error reaches the player: a message box with the system's text, kept to a
// size that fits on the screen.
void ShowError(QWidget* parent, const std::exception& error);

// An exception that escapes an event handler is shown like any other error, and the event
// is abandoned, instead of ending the program.
class RibakuApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ribaku
