#include "platform/XdgDesktop.h"

#include "platform/UserDialogs.h"

#include <QDir>
#include <QProcess>
#include <QUrl>

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

// xdg-open may run the opened program in the foreground until it ends, so its end is not
// waited for; when it ends in failure (no program for the file, say), the user is told where the
// file is, to open it by hand. The process is not parented: leaving the program never kills a
// viewer still open.
bool XdgDesktop::otevri(const QString& cestaNeboOdkaz) {
    auto* p = new QProcess;
    p->start(QStringLiteral("xdg-open"), {cestaNeboOdkaz});
    if (!p->waitForStarted()) {
        delete p;
        return false;
    }
    QObject::connect(p, &QProcess::finished, p, [p, cestaNeboOdkaz](int kod, QProcess::ExitStatus stav) {
        p->deleteLater();
        if (stav == QProcess::NormalExit && kod == 0) return;
        const bool odkaz = QUrl(cestaNeboOdkaz).scheme().size() > 1;
        MsgBox(odkaz ? QStringLiteral("Odkaz %1 se nepodařilo otevřít (chyba č. %2).").arg(cestaNeboOdkaz).arg(kod)
                     : QStringLiteral("Soubor se nepodařilo otevřít (chyba č. %2): pracovní prostředí pro něj nemá program.\n"
                                      "Soubor je uložen zde:\n%1")
                           .arg(QDir::toNativeSeparators(cestaNeboOdkaz))
                           .arg(kod),
               Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
    });
    return true;
}

bool XdgDesktop::spust(const QString& program, const QStringList& argumenty) {
    return QProcess::startDetached(program, argumenty);
}
