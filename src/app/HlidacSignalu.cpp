#include "app/HlidacSignalu.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_roura[2] = {-1, -1};
constexpr int kSignaly[] = {SIGTERM, SIGHUP, SIGINT};

// Only async-signal-safe work here: the number goes through the socket to the event loop.
void obsluha(int cislo) {
    const char c = static_cast<char>(cislo);
    [[maybe_unused]] const ssize_t r = ::write(g_roura[1], &c, 1);
}

}  // namespace

HlidacSignalu::HlidacSignalu(QObject* rodic) : QObject(rodic) {
    if (g_roura[0] != -1) throw std::logic_error("one signal watcher per process");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_roura) != 0) throw std::runtime_error("socketpair");
    ::fcntl(g_roura[1], F_SETFL, O_NONBLOCK);
    m_oznamovatel = new QSocketNotifier(g_roura[0], QSocketNotifier::Read, this);
    connect(m_oznamovatel, &QSocketNotifier::activated, this, [this] {
        char c = 0;
        if (::read(g_roura[0], &c, 1) == 1) emit konecSezeni(static_cast<unsigned char>(c));
    });
    struct sigaction sa {};
    sa.sa_handler = obsluha;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : kSignaly) ::sigaction(s, &sa, nullptr);
}

HlidacSignalu::~HlidacSignalu() {
    for (int s : kSignaly) ::signal(s, SIG_DFL);
    delete m_oznamovatel;
    ::close(g_roura[0]);
    ::close(g_roura[1]);
    g_roura[0] = g_roura[1] = -1;
}
