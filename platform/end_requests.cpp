// SPDX-License-Identifier: MIT
#include "platform/end_requests.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace {

constexpr std::array kEndSignals = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it writes a byte to a pipe, which the event loop reads
// as any other input. A full pipe already holds a request, so a failed write loses nothing.
int endPipe[2] = {-1, -1};

void OnEndSignal(int /*signal*/) {
    const char request = 1;
    [[maybe_unused]] const ssize_t written = ::write(endPipe[1], &request, 1);
}

}  // namespace

EndRequests::EndRequests(QObject* parent) : QObject(parent) {
    if (::pipe2(endPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

EndRequests::~EndRequests() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

void EndRequests::watch() {
    if (endPipe[0] < 0 || notifier_) return;
    notifier_ = new QSocketNotifier(endPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char requests[64];
        while (::read(endPipe[0], requests, sizeof requests) > 0) {
        }
        emit requested();
    });
}

#else

// Windows asks a program to end through its windows, which Qt passes on as a close.
EndRequests::EndRequests(QObject* parent) : QObject(parent) {}
EndRequests::~EndRequests() = default;
void EndRequests::watch() {}

#endif
