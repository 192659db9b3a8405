#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace ribaku {
namespace {

// A signal handler may only write to a pipe; the event loop reads it.
int quitPipe[2] = {-1, -1};

void OnQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
}

}  // namespace

void InstallQuitSignalHandlers() {
    if (::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void CloseOnQuitSignal(QWidget& window) {
    if (quitPipe[0] < 0) return;
    auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char bytes[16];
        while (::read(quitPipe[0], bytes, sizeof bytes) > 0) {
        }
        window.close();
    });
}

}  // namespace ribaku
