#include "platform/Services.h"

#include "platform/Clock.h"
#include "platform/Desktop.h"
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

namespace {

// Whether a cut at `i` would split a surrogate pair or a CR LF.
bool deliZnak(const QString& t, qsizetype i) {
    return i > 0 && i < t.size() && ((t[i - 1].isHighSurrogate() && t[i].isLowSurrogate()) || (t[i - 1] == u'\r' && t[i] == u'\n'));
}

// The lines of the files to attach by hand, from the start of the line that announces them to
// the end of the last path; {-1, -1} when there are none.
std::pair<qsizetype, qsizetype> seznamPriloh(const QString& t) {
    const qsizetype znacka = t.indexOf(kPrilozteRucne);
    if (znacka < 0) return {-1, -1};
    const qsizetype od = t.lastIndexOf(u'\n', znacka) + 1;
    qsizetype konec = znacka + kPrilozteRucne.size();
    for (;;) {
        const QStringView zbytek = QStringView(t).sliced(konec);
        const qsizetype radek = konec + (zbytek.startsWith(u"\r\n") ? 2 : zbytek.startsWith(u'\n') ? 1 : 0);
        if (radek == konec || !QStringView(t).sliced(radek).startsWith(u'/')) return {od, konec};
        konec = t.indexOf(u'\n', radek);
        if (konec < 0) konec = t.size();
        else if (t[konec - 1] == u'\r') --konec;
    }
}

}  // namespace

QString zpravaNaObrazovku(const QString& text) {
    constexpr qsizetype kZnaku = 1500, kRadku = 25, kZacatek = 1000, kKonec = 300;
    // A list of files to attach stays whole in a box up to this tall, which a screen still holds.
    constexpr qsizetype kZnakuSeznamu = 3000, kRadkuSeznamu = 40;
    if (text.size() <= kZnaku && text.count(QLatin1Char('\n')) < kRadku) return text;
    // The beginning: at most kZacatek characters and kRadku - 7 lines.
    qsizetype zacatek = qMin(kZacatek, text.size());
    for (qsizetype i = 0, radku = 0; i < zacatek; ++i)
        if (text[i] == u'\n' && ++radku == kRadku - 7) zacatek = i;
    if (deliZnak(text, zacatek)) --zacatek;
    // The end: at most kKonec characters and 4 lines.
    qsizetype konec = qMax<qsizetype>(0, text.size() - kKonec);
    for (qsizetype i = text.size() - 1, radku = 0; i >= konec; --i)
        if (text[i] == u'\n' && ++radku == 4) konec = i + 1;
    if (deliZnak(text, konec)) ++konec;

    const QString vynechano = QStringLiteral("\n…\n");
    const auto zkracena = [&](qsizetype zacatekDo, qsizetype konecOd, const QString& mezi) {
        if (zacatekDo >= konecOd) return text;
        return text.left(zacatekDo) + mezi + text.mid(konecOd) +
               QStringLiteral("\n\n(Zpráva je příliš dlouhá, zobrazen je jen její začátek a konec.)");
    };
    if (const auto [od, po] = seznamPriloh(text); od >= 0) {
        QString sSeznamem;
        if (od < zacatek)
            sSeznamem = zkracena(qMax(zacatek, po), konec, vynechano);
        else if (po > konec)
            sSeznamem = zkracena(zacatek, qMin(konec, od), vynechano);
        else
            sSeznamem = zkracena(zacatek, konec, vynechano + text.mid(od, po - od) + vynechano);
        if (sSeznamem.size() <= kZnakuSeznamu && sSeznamem.count(QLatin1Char('\n')) < kRadkuSeznamu) return sSeznamem;
    }
    return zkracena(zacatek, konec, vynechano);
}
