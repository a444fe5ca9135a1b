#include "newsd/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalFds[2] = {-1, -1};

void onSignal(int) {
    // Only async-signal-safe work here; the event loop picks the byte up.
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalFds[0], &byte, 1);
}

} // namespace

bool quitOnTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalFds) != 0)
        return false;
    auto *notifier = new QSocketNotifier(signalFds[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        notifier->setEnabled(false);
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalFds[1], &byte, 1);
        QCoreApplication::quit();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}
