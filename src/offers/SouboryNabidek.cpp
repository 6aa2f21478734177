#include "offers/SouboryNabidek.h"

#include "net/clsBase64.h"
#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

std::optional<qint32> cislo(const QString& text) {
    try {
        return Regional::current().CLng(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

// Field `k` of a line split at "|"; nullopt when it has fewer.
std::optional<QByteArrayView> pole(QByteArrayView radek, qsizetype k) {
    qsizetype zacatek = 0;
    for (; k > 0; --k) {
        const qsizetype svisla = radek.indexOf('|', zacatek);
        if (svisla < 0) return std::nullopt;
        zacatek = svisla + 1;
    }
    const qsizetype konec = radek.indexOf('|', zacatek);
    return radek.sliced(zacatek, (konec < 0 ? radek.size() : konec) - zacatek);
}

// The costing is the last field and most of a record's bytes, so a cut write mostly ends inside
// it: a record is whole only when its costing is empty or decodes to a document with its end.
bool kalkulaceCela(QByteArrayView hlavicka, QByteArrayView radek) {
    std::optional<QByteArrayView> jmeno;
    qsizetype k = 0;
    while ((jmeno = pole(hlavicka, k)) && *jmeno != "Sorvenika") ++k;
    if (!jmeno) return true;
    const std::optional<QByteArrayView> b64 = pole(radek, k);
    if (!b64 || b64->isEmpty()) return true;
    // The decoder passes over a short last group, which the server's might refuse.
    if (b64->size() % 4 != 0) return false;
    const std::optional<QByteArray> xml = clsBase64::DecodeChecked(b64->toByteArray());
    return xml && xml->trimmed().endsWith("</sorvenika>");
}

}  // namespace

QString souborNabidek(const QString& jmeno) { return dataFile(QStringLiteral("Nabidky/") + jmeno); }

RadkySouboru RozdelRadky(QByteArrayView obsah, bool zeServeru) {
    RadkySouboru r;
    qsizetype zacatek = 0;
    if (zeServeru) {
        // A lone LF may stand inside a field there. Found as an LF (a byte search) with its CR.
        for (qsizetype lf = obsah.indexOf('\n'); lf >= 0; lf = obsah.indexOf('\n', lf + 1)) {
            if (lf == zacatek || obsah[lf - 1] != '\r') continue;
            r.radky << obsah.sliced(zacatek, lf - 1 - zacatek);
            zacatek = lf + 1;
        }
        if (zacatek < obsah.size()) r.radky << obsah.sliced(zacatek);
        r.celych = obsah.size();
        return r;
    }
    // A lone CR ends a line only in a file without LF (an old editor's): elsewhere it stands
    // inside a field, where older versions could leave one.
    const char konecRadku = obsah.contains('\n') ? '\n' : '\r';
    for (qsizetype konec; (konec = obsah.indexOf(konecRadku, zacatek)) >= 0; zacatek = konec + 1) {
        const bool crPred = konecRadku == '\n' && konec > zacatek && obsah[konec - 1] == '\r';
        r.radky << obsah.sliced(zacatek, konec - zacatek - (crPred ? 1 : 0));
    }
    const QByteArrayView posledni = obsah.sliced(zacatek);
    static const QByteArray hlavicka = kHlavickaNeodeslanych.toLatin1();
    const bool cely = r.radky.isEmpty() ? hlavicka.startsWith(posledni)
                                        : posledni.count('|') >= r.radky.first().count('|') &&
                                              kalkulaceCela(r.radky.first(), posledni);
    if (cely) {
        if (!posledni.isEmpty()) r.radky << posledni;
        r.celych = obsah.size();
    } else {
        r.celych = zacatek;
        r.zbytek = posledni;
    }
    return r;
}

QByteArray RadkySCrLf(const QList<QByteArrayView>& radky) {
    QByteArray b;
    for (QByteArrayView r : radky) b.append(r).append("\r\n");
    return b;
}

Vysledek<QString> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam,
                               const std::function<void()>& predZapisem) {
    const QByteArray bajty = cp1250::encode(zaznam);
    const QByteArray zahlavi = cp1250::encode(hlavicka + kCrLf);
    QFile f(soubor);
    const auto zapis = [&](const std::function<Vysledek<>()>& z, const QString& text = {}) -> Vysledek<QString> {
        if (predZapisem) predZapisem();
        if (const Vysledek<> v = z(); !v) return Chyba{v.chyba()};
        return text;
    };
    if (!f.exists()) return zapis([&] { return filestore::replace(soubor, zahlavi + bajty); });
    // Never taken for empty: writing the header over it would lose every offer in it.
    const auto necitelny = [&] {
        return Chyba{filestore::chybaCteni(soubor, f.errorString()).zprava +
                     QStringLiteral(" Nabídka nebyla uložena a soubor zůstal beze změny.")};
    };
    if (!f.open(QIODevice::ReadOnly)) return necitelny();
    if (f.size() >= 2 && f.seek(f.size() - 2) && f.read(2) == "\r\n") {
        f.close();
        return zapis([&] { return filestore::append(soubor, bajty); });
    }
    QByteArray obsah;
    if (!f.seek(0) || (obsah = f.readAll(), f.error() != QFileDevice::NoError)) return necitelny();
    f.close();
    const RadkySouboru r = RozdelRadky(obsah);
    // Without a line end the file holds its header or part of it, or nothing readable; with
    // empty lines alone, nothing. The header is written anew, anything else was set aside as a
    // fragment.
    const bool bezHlavicky = (!obsah.contains('\n') && !obsah.contains('\r')) ||
                             std::all_of(r.radky.begin(), r.radky.end(), [](QByteArrayView l) { return l.isEmpty(); });
    const QByteArray novy = (bezHlavicky ? zahlavi : RadkySCrLf(r.radky)) + bajty;
    if (r.zbytek.isEmpty()) return zapis([&] { return filestore::replace(soubor, novy); });
    const QString zbytky = souborNabidek(kZbytkyNeodeslanych);
    const QByteArray radek = r.zbytek.toByteArray() + "\r\n";
    return zapis(
        [&]() -> Vysledek<> {
            // A save tried again after a failed rewrite finds the fragment set aside already.
            if (filestore::readTail(zbytky, radek.size()) != radek)
                if (Vysledek<> v = filestore::append(zbytky, radek); !v) return v;
            return filestore::replace(soubor, novy);
        },
        QStringLiteral("Poslední řádek souboru ") + QDir::toNativeSeparators(soubor) +
            QStringLiteral(" byl neúplný (přerušený zápis) a nebyl celou nabídkou. Byl přesunut do souboru ") +
            QDir::toNativeSeparators(zbytky) + QLatin1Char('.'));
}

QList<clsNabidka> CtiNabidky(QByteArrayView obsah, const Nastaveni& n, bool zeServeru) {
    const RadkySouboru r = RozdelRadky(obsah, zeServeru);
    QList<clsNabidka> nabidky;
    if (r.radky.size() < 2) return nabidky;
    const SloupceNabidky sloupce(r.radky.first());
    const clsNabidka nova(n);
    nabidky.reserve(r.radky.size() - 1);
    for (qsizetype i = 1; i < r.radky.size(); ++i) {
        if (r.radky[i].isEmpty()) continue;
        nabidky << nova;
        sloupce.napln(nabidky.last(), r.radky[i]);
    }
    return nabidky;
}

QList<clsNabidka> NactiNeodeslaneNabidky(const Nastaveni& n) {
    return CtiNabidky(filestore::readAll(souborNabidek(kNeodeslaneNabidky)).value_or(QByteArray()), n);
}

QList<clsNabidka> NactiUlozeneNabidky(const Nastaveni& n) {
    return CtiNabidky(filestore::readAll(souborNabidek(kUlozeneNabidky)).value_or(QByteArray()), n, true);
}

Vysledek<> UlozStavy(const QList<clsNabidka>& nabidky, int idoz) {
    QString text = kHlavickaStavu + kCrLf;
    for (const clsNabidka& n : nabidky)
        if (n.CisloOZ == idoz)
            text += QString::number(n.ID) + QLatin1Char('|') + QString::number(n.ExtID) + QLatin1Char('|') +
                    QString::number(n.Stav) + kCrLf;
    return filestore::replace(souborNabidek(kStavyNabidek), cp1250::encode(text));
}

void AktualizujStavy(QList<clsNabidka>& nabidky, int idoz) {
    const std::optional<QByteArray> obsah = filestore::readAll(souborNabidek(kStavyNabidek));
    if (!obsah || obsah->isEmpty()) return;
    const QStringList radky = cp1250::decode(*obsah).split(kCrLf);
    // A header and one line without its CR LF change nothing.
    if (radky.size() < 3) return;
    for (qsizetype i = 1; i < radky.size(); ++i) {
        if (radky[i].isEmpty()) continue;
        const QStringList pole = radky[i].split(QLatin1Char('|'));
        if (pole.size() < 3) continue;
        const std::optional<qint32> id = cislo(pole[0]), extId = cislo(pole[1]), stav = cislo(pole[2]);
        if (!id || !extId || !stav) continue;
        for (clsNabidka& n : nabidky)
            if (n.CisloOZ == idoz && n.ID == *id && n.ExtID == *extId) n.Stav = *stav;
    }
}

QStringList NactiObchodniky() {
    const QString text = cp1250::decode(filestore::readAll(souborNabidek(kObchodnici)).value_or(QByteArray()));
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
