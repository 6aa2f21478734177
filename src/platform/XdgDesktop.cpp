#include "platform/XdgDesktop.h"

#include "platform/UserDialogs.h"

#include <QDir>
#include <QProcess>
#include <QUrl>

// xdg-email may run a mail program that was not running yet in the foreground, for as long as the
// user keeps it open: nothing waits for it here, and the process is not parented, so leaving the
// program never ends the mail program.
void XdgDesktop::posliPostou(const QStringList& soubory, std::function<void(int)> hotovo) {
    QStringList args;
    for (const QString& s : soubory) args << QStringLiteral("--attach") << s;
    auto* p = new QProcess;
    QObject::connect(p, &QProcess::finished, p, [p, hotovo](int kod, QProcess::ExitStatus stav) {
        p->deleteLater();
        hotovo(stav == QProcess::NormalExit ? kod : -1);
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p, hotovo](QProcess::ProcessError chyba) {
        if (chyba != QProcess::FailedToStart) return;
        p->deleteLater();
        hotovo(-1);
    });
    p->start(QStringLiteral("xdg-email"), args);
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
