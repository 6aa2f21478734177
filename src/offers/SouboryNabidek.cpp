#include "offers/SouboryNabidek.h"

#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"

#include <QDir>
#include <optional>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

std::optional<qint32> cislo(const QString& text) {
    try {
        return Regional::current().CLng(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

// The server's file is replaced whole: its lines end with CR LF alone, as it sends them (a lone
// LF may stand inside a field there), and its last line counts whatever it holds.
QList<QByteArrayView> radkyServeru(QByteArrayView obsah) {
    QList<QByteArrayView> radky;
    qsizetype zacatek = 0;
    // Found as an LF (a byte search) with its CR.
    for (qsizetype lf = obsah.indexOf('\n'); lf >= 0; lf = obsah.indexOf('\n', lf + 1)) {
        if (lf == zacatek || obsah[lf - 1] != '\r') continue;
        radky << obsah.sliced(zacatek, lf - 1 - zacatek);
        zacatek = lf + 1;
    }
    if (zacatek < obsah.size()) radky << obsah.sliced(zacatek);
    return radky;
}

// The unsent-offers file as this program's last append left it: an append to a file unchanged
// since then need not read it again (a busy representative's file holds tens of megabytes).
struct Overeny {
    QString soubor;
    filestore::StavSouboru stav;
};
std::optional<Overeny> g_overeny;

}  // namespace

QString souborNabidek(const QString& jmeno) { return dataFile(QStringLiteral("Nabidky/") + jmeno); }

ObsahNeodeslanych CtiNeodeslane(QByteArrayView obsah, const QString& hlavicka) {
    const QByteArray h = cp1250::encode(hlavicka);
    const qsizetype svislych = h.count('|');
    ObsahNeodeslanych o;
    // A lone CR ends a line only in a file without LF (an old editor's): elsewhere it stands
    // inside a field, where older versions could leave one.
    const char konecRadku = obsah.contains('\n') ? '\n' : '\r';
    qsizetype zacatek = 0;
    bool prvni = true;
    for (qsizetype konec; (konec = obsah.indexOf(konecRadku, zacatek)) >= 0; zacatek = konec + 1, prvni = false) {
        const bool crPred = konecRadku == '\n' && konec > zacatek && obsah[konec - 1] == '\r';
        const QByteArrayView text = obsah.sliced(zacatek, konec - zacatek - (crPred ? 1 : 0));
        o.crLf = o.crLf && crPred;
        if (prvni) o.hlavicka = text == h;
        if (text.isEmpty() || (prvni && o.hlavicka)) continue;
        if (o.hlavicka && text.count('|') == svislych) o.zaznamy.append({text, zacatek, konec + 1});
        else o.mimo << text;
    }
    QByteArrayView posledni = obsah.sliced(zacatek);
    // A record cut between its CR and its LF is set aside as the line it is.
    if (konecRadku == '\n' && posledni.endsWith('\r')) posledni.chop(1);
    if (!posledni.isEmpty() && !(prvni && h.startsWith(posledni))) o.mimo << posledni;
    return o;
}

QByteArray ZaznamySCrLf(const ObsahNeodeslanych& o, const QString& hlavicka) {
    QByteArray b = cp1250::encode(hlavicka + kCrLf);
    for (const ObsahNeodeslanych::Radek& r : o.zaznamy) b.append(r.text).append("\r\n");
    return b;
}

Vysledek<QString> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam,
                               const std::function<Vysledek<>()>& predZapisem) {
    const QByteArray bajty = cp1250::encode(zaznam);
    // Only an append leaves a state to trust; the next save after a rewrite reads the file once.
    std::optional<filestore::StavSouboru> po;
    const auto zapis = [&](const std::function<Vysledek<>()>& z, const QString& text = {}) -> Vysledek<QString> {
        g_overeny.reset();
        if (predZapisem)
            if (const Vysledek<> v = predZapisem(); !v) return v.selhani();
        if (const Vysledek<> v = z(); !v) return v.selhani();
        if (po) g_overeny = Overeny{soubor, *po};
        return text;
    };
    const auto pripoj = [&] { return filestore::append(soubor, bajty, &po); };
    if (g_overeny && g_overeny->soubor == soubor && filestore::stav(soubor) == g_overeny->stav) return zapis(pripoj);
    const Vysledek<std::optional<QByteArray>> precteno = filestore::readAll(soubor);
    // Never taken for empty: writing the header over it would lose every offer in it.
    if (!precteno) return precteno.selhani(QStringLiteral(" Nabídka nebyla uložena a soubor zůstal beze změny."));
    // The records are views into it.
    const QByteArray obsah = precteno->value_or(QByteArray());
    const ObsahNeodeslanych o = CtiNeodeslane(obsah, hlavicka);
    if (o.hlavicka && o.crLf && o.mimo.isEmpty()) return zapis(pripoj);
    const QByteArray novy = ZaznamySCrLf(o, hlavicka) + bajty;
    if (o.mimo.isEmpty()) return zapis([&] { return filestore::replace(soubor, novy); });
    const QString zbytky = souborNabidek(kZbytkyNeodeslanych);
    QByteArray stranou;
    for (QByteArrayView r : o.mimo) stranou.append(r).append("\r\n");
    return zapis(
        [&]() -> Vysledek<> {
            // A save tried again after a failed rewrite finds them set aside already.
            const Vysledek<std::optional<QByteArray>> odlozene = filestore::readTail(zbytky, stranou.size());
            if (!odlozene) return odlozene.selhani();
            if (*odlozene != stranou)
                if (Vysledek<> v = filestore::append(zbytky, stranou); !v) return v;
            return filestore::replace(soubor, novy);
        },
        QStringLiteral("Obsah souboru ") + QDir::toNativeSeparators(soubor) +
            QStringLiteral(", který nebyl celými nabídkami (přerušený zápis nebo cizí úprava), byl přesunut do souboru ") +
            QDir::toNativeSeparators(zbytky) + QLatin1Char('.'));
}

QList<clsNabidka> CtiNabidky(QByteArrayView obsah, const Nastaveni& n, bool zeServeru) {
    QList<QByteArrayView> radky;
    const QByteArray hlavicka = cp1250::encode(kHlavickaNeodeslanych);
    if (zeServeru) {
        radky = radkyServeru(obsah);
    } else {
        const ObsahNeodeslanych o = CtiNeodeslane(obsah);
        if (!o.hlavicka) return {};
        radky.reserve(o.zaznamy.size() + 1);
        radky << hlavicka;
        for (const ObsahNeodeslanych::Radek& r : o.zaznamy) radky << r.text;
    }
    QList<clsNabidka> nabidky;
    if (radky.size() < 2) return nabidky;
    const SloupceNabidky sloupce(radky.first());
    const clsNabidka nova(n);
    nabidky.reserve(radky.size() - 1);
    for (qsizetype i = 1; i < radky.size(); ++i) {
        if (radky[i].isEmpty()) continue;
        nabidky << nova;
        sloupce.napln(nabidky.last(), radky[i]);
    }
    return nabidky;
}

namespace {

Vysledek<QList<clsNabidka>> nactiNabidky(const QString& jmeno, const Nastaveni& n, bool zeServeru) {
    const Vysledek<QByteArray> obsah = filestore::readAllOrEmpty(souborNabidek(jmeno));
    if (!obsah) return obsah.selhani();
    return CtiNabidky(*obsah, n, zeServeru);
}

}  // namespace

Vysledek<QList<clsNabidka>> NactiNeodeslaneNabidky(const Nastaveni& n) { return nactiNabidky(kNeodeslaneNabidky, n, false); }

Vysledek<QList<clsNabidka>> NactiUlozeneNabidky(const Nastaveni& n) { return nactiNabidky(kUlozeneNabidky, n, true); }

Vysledek<> UlozStavy(const QList<clsNabidka>& nabidky, int idoz) {
    if (const Vysledek<std::optional<QByteArray>> stare = filestore::readAll(souborNabidek(kStavyNabidek)); !stare)
        return stare.selhani();
    QString text = kHlavickaStavu + kCrLf;
    for (const clsNabidka& n : nabidky)
        if (n.CisloOZ == idoz)
            text += QString::number(n.ID) + QLatin1Char('|') + QString::number(n.ExtID) + QLatin1Char('|') +
                    QString::number(n.Stav) + kCrLf;
    return filestore::replace(souborNabidek(kStavyNabidek), cp1250::encode(text));
}

Vysledek<> AktualizujStavy(QList<clsNabidka>& nabidky, int idoz) {
    const Vysledek<QByteArray> obsah = filestore::readAllOrEmpty(souborNabidek(kStavyNabidek));
    if (!obsah) return obsah.selhani();
    const QStringList radky = cp1250::decode(*obsah).split(kCrLf);
    // A header and one line without its CR LF change nothing.
    if (radky.size() < 3) return {};
    for (qsizetype i = 1; i < radky.size(); ++i) {
        if (radky[i].isEmpty()) continue;
        const QStringList pole = radky[i].split(QLatin1Char('|'));
        if (pole.size() < 3) continue;
        const std::optional<qint32> id = cislo(pole[0]), extId = cislo(pole[1]), stav = cislo(pole[2]);
        if (!id || !extId || !stav) continue;
        for (clsNabidka& n : nabidky)
            if (n.CisloOZ == idoz && n.ID == *id && n.ExtID == *extId) n.Stav = *stav;
    }
    return {};
}

Vysledek<QStringList> NactiObchodniky() {
    const Vysledek<QByteArray> obsah = filestore::readAllOrEmpty(souborNabidek(kObchodnici));
    if (!obsah) return obsah.selhani();
    const QString text = cp1250::decode(*obsah);
    QStringList obchodnici;
    const QStringList radky = text.split(kCrLf);
    for (qsizetype i = 1; i < radky.size(); ++i) {
        if (radky[i].isEmpty()) continue;
        // A line without "|" is offered whole.
        const qsizetype svisla = radky[i].indexOf(QLatin1Char('|'));
        obchodnici << radky[i].mid(svisla + 1);
    }
    return obchodnici;
}
