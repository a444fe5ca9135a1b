#include "application/terminate_request.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace

void closeOnTerminateRequest(QWidget *mainForm)
{
    if (signalPipe[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, mainForm);
    QPointer<QWidget> form(mainForm);
    QObject::connect(notifier, &QSocketNotifier::activated, mainForm, [form] {
        char buffer[16];
        [[maybe_unused]] auto read = ::read(signalPipe[0], buffer, sizeof buffer);
        if (form)
            form->close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}
