#include "platform/Services.h"

#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/UserDialogs.h"
#include "platform/XdgDesktop.h"

#include <QElapsedTimer>

namespace platform {
namespace {

class SystemClock : public IClock {
public:
    SystemClock() { m_start.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_start.elapsed(); }

private:
    QElapsedTimer m_start;
};

IUserDialogs* g_dialogs = nullptr;
IDesktop* g_desktop = nullptr;
const IClock* g_clock = nullptr;

}  // namespace

IUserDialogs& dialogs() {
    if (!g_dialogs) throw std::logic_error("no user dialogs installed");
    return *g_dialogs;
}

IDesktop& desktop() {
    static XdgDesktop xdg;
    return g_desktop ? *g_desktop : xdg;
}

const IClock& clock() {
    static const SystemClock system;
    return g_clock ? *g_clock : system;
}

void setDialogs(IUserDialogs* d) { g_dialogs = d; }
void setDesktop(IDesktop* d) { g_desktop = d; }
void setClock(const IClock* c) { g_clock = c; }

}  // namespace platform

QString VyberAdresar(const QString& titulek) { return platform::dialogs().slozka(titulek); }

Odpoved MsgBox(const QString& text, Tlacitka t, Ikona i, const QString& titulek, int vychozi) {
    return platform::dialogs().zprava(Zprava{text, t, i, titulek, vychozi});
}

QString zpravaNaObrazovku(const QString& text) {
    constexpr qsizetype kZnaku = 1500, kRadku = 25, kZacatek = 1000, kKonec = 300;
    if (text.size() <= kZnaku && text.count(QLatin1Char('\n')) < kRadku) return text;
    return text.left(kZacatek).section(QLatin1Char('\n'), 0, kRadku - 8) + QStringLiteral("\n…\n") +
           text.right(kKonec).section(QLatin1Char('\n'), -4) +
           QStringLiteral("\n\n(Zpráva je příliš dlouhá, zobrazen je jen její začátek a konec.)");
}
