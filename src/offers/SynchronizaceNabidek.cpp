#include "offers/SynchronizaceNabidek.h"

#include "net/VerzeProgramu.h"
#include "net/clsBase64.h"
#include "net/clsRC4.h"
#include "offers/SouboryNabidek.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/FileStore.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QDir>
#include <QHash>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kCara = QString(44, QLatin1Char('-'));

bool g_bezi = false;

// The step labels are 42 characters, so the replies start in one column.
QString krok(const char* popis) { return QString::fromUtf8(popis).leftJustified(42, QLatin1Char('.')); }

// A download step in the log: "OK", or what went wrong.
QString vypis(const Vysledek<>& v) { return v ? QStringLiteral("OK") : v.chyba(); }

bool jeOK(const QString& odpoved) { return odpoved.startsWith(QLatin1String("OK")); }
// The body of an "OK" reply: what follows its first four characters ("OK" and CR LF).
QString telo(const QString& odpoved) { return odpoved.mid(4); }

// After the server took the unsent offers each record that was sent leaves the file wherever its
// whole line still stands: a save during the wait may have rewritten the file around it (line
// ends made CR LF, a fragment set aside). What was saved meanwhile, and what is no offer, stays.
struct PoOdeslani {
    qsizetype chybi = 0;  // sent records no longer in the file
    bool mimo = false;    // the file holds content that is no offer
};

Vysledek<PoOdeslani> odeberOdeslane(const QString& soubor, const ObsahNeodeslanych& odeslane) {
    const Vysledek<std::optional<QByteArray>> precteno = filestore::readAll(soubor);
    if (!precteno) return precteno.selhani();
    if (!*precteno) return PoOdeslani{odeslane.zaznamy.size()};
    const QByteArrayView ted = **precteno;
    QHash<QByteArrayView, qsizetype> zbyvaOdebrat;
    for (const ObsahNeodeslanych::Radek& r : odeslane.zaznamy) ++zbyvaOdebrat[r.text];
    QByteArray zbyva;
    qsizetype od = 0, odebrano = 0;
    const ObsahNeodeslanych nyni = CtiNeodeslane(ted);
    for (const ObsahNeodeslanych::Radek& r : nyni.zaznamy) {
        const auto i = zbyvaOdebrat.find(r.text);
        if (i == zbyvaOdebrat.end() || *i == 0) continue;
        --*i;
        ++odebrano;
        zbyva += ted.sliced(od, r.zacatek - od);
        od = r.dalsi;
    }
    zbyva += ted.sliced(od);
    const ObsahNeodeslanych po = CtiNeodeslane(zbyva);
    const PoOdeslani vysledek{odeslane.zaznamy.size() - odebrano, !po.mimo.isEmpty()};
    if (po.zaznamy.isEmpty() && po.mimo.isEmpty()) {
        if (Vysledek<> v = filestore::remove(soubor); !v) return v.selhani();
    } else if (odebrano > 0) {
        if (Vysledek<> v = filestore::replace(soubor, zbyva); !v) return v.selhani();
    }
    return vysledek;
}

}  // namespace

QString PrikazSynchronizace(const QString& cmd, const std::optional<Prihlaseni>& prihlaseni,
                            const std::optional<QByteArray>& data) {
    QString t = QStringLiteral("BEGIN;\r\n");
    if (prihlaseni)
        t += QStringLiteral("IDOZ=") + QString::number(prihlaseni->idoz) + QStringLiteral(";\r\nPWD=") + prihlaseni->pwd +
             QStringLiteral(";\r\n");
    t += QStringLiteral("CMD=") + cmd + QStringLiteral(";\r\n");
    if (data)
        t += QStringLiteral("TYPE=file[txt];\r\nDATA=") + QString::fromLatin1(clsBase64::Encode(*data)) +
             QStringLiteral(";\r\n");
    return t + QStringLiteral("END;\r\n");
}

QString ObalPrikazu(const QString& prikaz) {
    clsRC4 rc4;
    rc4.RC4ini(kKlicNabidek);
    return QString::fromLatin1(clsBase64::MakeLine(clsBase64::Encode(rc4.EnDeCrypt(cp1250::encode(prikaz)))));
}

Vysledek<QString> SpojeniNabidek::odesli(const QString& obalka) const {
    clsHTTP http;
    http.limitNabidek = limity;
    return http.OdeslatNabidky(obalka);
}

SynchronizaceNabidek::SynchronizaceNabidek(const Nastaveni& n, SpojeniNabidek spojeni)
    : m_n(n), m_spojeni(std::move(spojeni)) {}

Prihlaseni SynchronizaceNabidek::prihlaseni() const { return {m_n.IDOZ.value(), m_n.Pwd}; }

QString SynchronizaceNabidek::odpoved(const QString& prikaz) const {
    const Vysledek<QString> v = m_spojeni.odesli(ObalPrikazu(prikaz));
    if (v) return *v;
    if (m_spojeni.oznamChybu) m_spojeni.oznamChybu(v.chyba());
    return {};
}

QString SynchronizaceNabidek::pozadavek(const QString& cmd, bool sPrihlasenim, const std::optional<QByteArray>& data) {
    return odpoved(PrikazSynchronizace(cmd, sPrihlasenim ? std::optional(prihlaseni()) : std::nullopt, data));
}

QString SynchronizaceNabidek::Test(int idoz, const QString& pwdBase64) {
    return odpoved(PrikazSynchronizace(QStringLiteral("test"), Prihlaseni{idoz, pwdBase64}));
}

QString SynchronizaceNabidek::OdesliNabidky() {
    const QString soubor = souborNabidek(kNeodeslaneNabidky);
    const Vysledek<std::optional<QByteArray>> precteno = filestore::readAll(soubor);
    if (!precteno) return precteno.chyba() + QStringLiteral(" Nabídky nebyly odeslány.");
    // The records read whole under the header go up with CR LF ends; the removal afterwards
    // looks for their lines, which views into these bytes hold.
    const QByteArray obsah = precteno->value_or(QByteArray());
    const ObsahNeodeslanych o = CtiNeodeslane(obsah);
    QByteArray data = o.hlavicka ? ZaznamySCrLf(o) : QByteArray();
    // Records saved before "<" and ">" were stored as "‹" and "›" would come back cut by the
    // server's markup clean-up; only their texts can hold them (the costing is Base64).
    data.replace('<', cp1250::encode(QStringLiteral("\u2039"))).replace('>', cp1250::encode(QStringLiteral("\u203A")));
    const QString odpoved = pozadavek(QStringLiteral("insert"), true, data);
    if (odpoved != QLatin1String("OK")) return odpoved;
    const QString nazev = QDir::toNativeSeparators(soubor);
    const Vysledek<PoOdeslani> v = odeberOdeslane(soubor, o);
    if (!v)
        return QStringLiteral("Server nabídky přijal, ale: ") + v.chyba() +
               QStringLiteral(". Odeslané nabídky v souboru zůstaly a při příští synchronizaci se odešlou znovu.");
    // A sent record that is gone cannot go up twice; the user is told the file was changed.
    QString text = v->chybi == 0 ? odpoved
                                 : QStringLiteral("Server nabídky přijal, ale: Soubor ") + nazev +
                                       QStringLiteral(" se během odesílání změnil a chybí v něm odeslané nabídky (počet: ") +
                                       QString::number(v->chybi) + QLatin1Char(')');
    if (v->mimo)
        text += QStringLiteral(". Obsah souboru ") + nazev +
                QStringLiteral(", který nebyl celými nabídkami, se neodeslal a v souboru zůstal");
    return text;
}

QString SynchronizaceNabidek::OdesliStavy() {
    const Vysledek<std::optional<QByteArray>> stavy = filestore::readAll(souborNabidek(kStavyNabidek));
    if (!stavy) return stavy.chyba() + QStringLiteral(" Stavy nabídek nebyly odeslány.");
    return pozadavek(QStringLiteral("update_status"), true, stavy->value_or(QByteArray()));
}

Vysledek<> SynchronizaceNabidek::stahni(const QString& cmd, const QString& soubor) {
    const QString odpoved = pozadavek(cmd, true);
    if (!jeOK(odpoved)) return Chyba{odpoved};
    // The body's bytes as they came: the code page maps every byte to one character and back.
    if (Vysledek<> v = filestore::replace(souborNabidek(soubor), cp1250::encode(telo(odpoved))); !v) return v;
    return {};
}

Vysledek<> SynchronizaceNabidek::StahniNabidky() { return stahni(QStringLiteral("export_bids"), kUlozeneNabidky); }

Vysledek<> SynchronizaceNabidek::StahniSeznamObchodniku() {
    return stahni(QStringLiteral("export_obchodnici"), kObchodnici);
}

QString SynchronizaceNabidek::StahniSeznamOZ() {
    const QString odpoved = pozadavek(QStringLiteral("get_list_oz"), false);
    return jeOK(odpoved) ? telo(odpoved) : QString();
}

QString SynchronizaceNabidek::Synchronizuj() {
    QString log = QStringLiteral("SYNCHRONIZACE NABÍDEK K: ") +
                  Regional::current().ObecneDatum(platform::clock().now()) + kCrLf +
                  QStringLiteral("        (Sorvenika ") + kVerzeProgramu + QStringLiteral(")") + kCrLf + kCara + kCrLf;
    log += krok("1/4>Odeslání nabídek") + OdesliNabidky() + kCrLf;
    log += krok("2/4>Aktualizování stavů nabídek") + OdesliStavy() + kCrLf;
    log += krok("3/4>Stažení nabídek") + vypis(StahniNabidky()) + kCrLf;
    log += krok("4/4>Stažení seznamu obchodníků") + vypis(StahniSeznamObchodniku()) + kCrLf;
    return log + kCara + kCrLf + QStringLiteral("KONEC SYNCHRONIZACE") + kCrLf;
}

QString SynchronizujNabidky(Nastaveni& n, const SpojeniNabidek& spojeni) {
    if (g_bezi) return kSynchronizaceBezi;
    struct Beh {
        Beh() { g_bezi = true; }
        ~Beh() { g_bezi = false; }
    } beh;
    const IClock& hodiny = platform::clock();
    const qint64 zacatek = hodiny.monotonicMs();
    const QString log = SynchronizaceNabidek(n, spojeni).Synchronizuj();
    n.PosledniSynchronizace = hodiny.today();
    const double sekundy = Round(static_cast<double>(hodiny.monotonicMs() - zacatek) / 1000.0);
    return log + kCrLf + kCrLf + QStringLiteral("Celkový čas: ") + QString::number(sekundy, 'f', 0) +
           QStringLiteral(" vteřin");
}

bool SynchronizaceBezi() { return g_bezi; }
