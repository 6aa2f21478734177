#include "platform/XdgDesktop.h"

#include <QProcess>

int XdgDesktop::posliPostou(const QStringList& soubory) {
    QStringList args;
    for (const QString& s : soubory) args << QStringLiteral("--attach") << s;
    QProcess p;
    p.start(QStringLiteral("xdg-email"), args);
    if (!p.waitForStarted()) return -1;
    // xdg-email hands the message to the mail client and returns; a client that never returns
    // must not freeze the program.
    if (!p.waitForFinished(30000)) return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool XdgDesktop::otevri(const QString& cestaNeboOdkaz) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {cestaNeboOdkaz});
}

bool XdgDesktop::spust(const QString& program, const QStringList& argumenty) {
    return QProcess::startDetached(program, argumenty);
}
