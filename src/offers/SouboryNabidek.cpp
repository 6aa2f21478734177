#include "offers/SouboryNabidek.h"

#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"

#include <QDir>
#include <QFile>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

std::optional<qint32> cislo(const QString& text) {
    try {
        return Regional::current().CLng(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

QString souborNabidek(const QString& jmeno) { return dataFile(QStringLiteral("Nabidky/") + jmeno); }

RadkySouboru RozdelRadky(QByteArrayView obsah, bool konecCely) {
    RadkySouboru r;
    qsizetype zacatek = 0;
    for (qsizetype konec; (konec = obsah.indexOf('\n', zacatek)) >= 0; zacatek = konec + 1) {
        const qsizetype delka = konec - zacatek - (konec > zacatek && obsah[konec - 1] == '\r' ? 1 : 0);
        r.radky << obsah.sliced(zacatek, delka);
    }
    const QByteArrayView posledni = obsah.sliced(zacatek);
    if (konecCely || r.radky.isEmpty() || posledni.count('|') >= r.radky.first().count('|')) {
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

Vysledek<QString> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam) {
    const QByteArray bajty = cp1250::encode(zaznam);
    const QByteArray zahlavi = cp1250::encode(hlavicka + kCrLf);
    QFile f(soubor);
    const auto zprava = [](const Vysledek<>& v, const QString& text = {}) -> Vysledek<QString> {
        if (!v) return Chyba{v.chyba()};
        return text;
    };
    if (!f.exists()) return zprava(filestore::replace(soubor, zahlavi + bajty));
    // Never taken for empty: writing the header over it would lose every offer in it.
    const auto necitelny = [&] {
        return Chyba{filestore::chybaCteni(soubor, f.errorString()).zprava +
                     QStringLiteral(" Nabídka nebyla uložena a soubor zůstal beze změny.")};
    };
    if (!f.open(QIODevice::ReadOnly)) return necitelny();
    if (f.size() >= 2 && f.seek(f.size() - 2) && f.read(2) == "\r\n") {
        f.close();
        return zprava(filestore::append(soubor, bajty));
    }
    QByteArray obsah;
    if (!f.seek(0) || (obsah = f.readAll(), f.error() != QFileDevice::NoError)) return necitelny();
    f.close();
    const RadkySouboru r = RozdelRadky(obsah);
    // A file without a whole line has no offer, only its header or part of it.
    const bool bezRadku = !obsah.contains('\n');
    QString odlozeno;
    if (!r.zbytek.isEmpty()) {
        const QString zbytky = souborNabidek(kZbytkyNeodeslanych);
        if (const Vysledek<> v = filestore::append(zbytky, r.zbytek.toByteArray() + "\r\n"); !v) return Chyba{v.chyba()};
        odlozeno = QStringLiteral("Poslední řádek souboru ") + QDir::toNativeSeparators(soubor) +
                   QStringLiteral(" byl neúplný (přerušený zápis) a nebyl celou nabídkou. Byl přesunut do souboru ") +
                   QDir::toNativeSeparators(zbytky) + QLatin1Char('.');
    }
    return zprava(filestore::replace(soubor, (bezRadku ? zahlavi : RadkySCrLf(r.radky)) + bajty), odlozeno);
}

QList<clsNabidka> CtiNabidky(QByteArrayView obsah, const Nastaveni& n, bool konecCely) {
    const RadkySouboru r = RozdelRadky(obsah, konecCely);
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
