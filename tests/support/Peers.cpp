#include "support/Peers.h"

#include "platform/IniFile.h"
#include "support/Dockej.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

quint16 volnyPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

Peer::~Peer() {
    if (m_proces.state() == QProcess::NotRunning) return;
    m_proces.terminate();
    if (!m_proces.waitForFinished(3000)) {
        m_proces.kill();
        m_proces.waitForFinished(3000);
    }
}

void Peer::spust(const QString& program, const QStringList& argumenty) {
    const QString cesta = QStandardPaths::findExecutable(program);
    if (cesta.isEmpty()) {
        m_chyba = program + " is not installed; scripts/setup.sh installs it";
        return;
    }
    // The peer ends with the process that started it, however that ends (an abort or a kill
    // included), so that no peer is left running with no parent.
    const pid_t rodic = getpid();
    m_proces.setChildProcessModifier([rodic] {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != rodic) _exit(1);
    });
    m_proces.start(cesta, argumenty);
    if (!m_proces.waitForStarted(kStropCekaniMs)) m_chyba = program + " did not start: " + m_proces.errorString();
}

bool Peer::prijimaSpojeni() {
    const QDeadlineTimer konec(kStropCekaniMs);
    while (!konec.hasExpired()) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, m_port);
        if (s.waitForConnected(200)) return true;
        if (m_proces.state() == QProcess::NotRunning) break;
        QThread::msleep(20);
    }
    m_chyba = m_proces.program() + " does not listen on port " + QString::number(m_port) + ": " +
              QString::fromLocal8Bit(m_proces.readAllStandardError());
    return false;
}

std::unique_ptr<Peer> Peer::zastupnyServer(const QString& slozka, const QString& porucha, const QStringList& volby) {
    auto p = std::unique_ptr<Peer>(new Peer);
    QStringList a{QStringLiteral(SORVENIKA_SOURCE_DIR "/tools/zastupny_server.py"), "--slozka", slozka};
    if (!porucha.isEmpty()) a << "--porucha" << porucha;
    a << volby;
    p->spust(QStringLiteral("python3"), a);
    if (!p->m_chyba.isEmpty()) return p;
    // It names the port it took once it listens.
    while (!p->m_proces.canReadLine() && p->m_proces.waitForReadyRead(kStropCekaniMs)) {
    }
    const QByteArray radek = p->m_proces.readLine().trimmed();
    if (!radek.startsWith("PORT ")) {
        p->m_chyba = "the stand-in server did not start: " + QString::fromLocal8Bit(p->m_proces.readAllStandardError());
        return p;
    }
    p->m_port = radek.mid(5).toUShort();
    return p;
}

std::unique_ptr<Peer> Peer::zastupnyServerPrimo(const QString& slozka, const QString& data) {
    auto p = zastupnyServer(slozka);
    if (p->m_chyba.isEmpty() &&
        !ini::zapis(data + QStringLiteral("/Objednavky.ini"), QStringLiteral("NASTAVENI"),
                    {{QStringLiteral("pripojeni"), QStringLiteral("1")},
                     {QStringLiteral("server"), QStringLiteral("127.0.0.1:") + QString::number(p->m_port)}}))
        p->m_chyba = QStringLiteral("Objednavky.ini in ") + data + QStringLiteral(" was not written");
    return p;
}

std::unique_ptr<Peer> Peer::tinyproxy(const QString& slozka, const QString& uzivatel, const QString& heslo) {
    auto p = std::unique_ptr<Peer>(new Peer);
    p->m_port = volnyPort();
    const QString konfigurace = slozka + "/tinyproxy.conf";
    QFile f(konfigurace);
    if (!f.open(QIODevice::WriteOnly)) {
        p->m_chyba = "cannot write " + konfigurace;
        return p;
    }
    f.write(QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 30\nMaxClients 100\nLogLevel Warning\n"
                           "LogFile \"%2/tinyproxy.log\"\nPidFile \"%2/tinyproxy.pid\"\n")
                .arg(p->m_port)
                .arg(slozka)
                .toUtf8());
    if (!uzivatel.isEmpty()) f.write(QStringLiteral("BasicAuth %1 %2\n").arg(uzivatel, heslo).toUtf8());
    f.close();
    p->spust(QStringLiteral("tinyproxy"), {"-d", "-c", konfigurace});
    if (p->m_chyba.isEmpty()) p->prijimaSpojeni();
    return p;
}

std::unique_ptr<Peer> Peer::microsocks(const QStringList& volby) {
    auto p = std::unique_ptr<Peer>(new Peer);
    p->m_port = volnyPort();
    p->spust(QStringLiteral("microsocks"), QStringList{"-i", "127.0.0.1", "-p", QString::number(p->m_port)} + volby);
    if (p->m_chyba.isEmpty()) p->prijimaSpojeni();
    return p;
}
