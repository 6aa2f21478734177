#include "offers/SouboryNabidek.h"

#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/FileStore.h"
#include "platform/Regional.h"

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

Vysledek<> PripojZaznam(const QString& soubor, const QString& hlavicka, const QString& zaznam) {
    const QByteArray bajty = cp1250::encode(zaznam);
    const QByteArray konec = filestore::readTail(soubor, 2).value_or(QByteArray());
    if (konec == "\r\n") return filestore::append(soubor, bajty);
    QByteArray obsah = konec.isEmpty() ? QByteArray() : filestore::readAll(soubor).value_or(QByteArray());
    const qsizetype posledni = obsah.lastIndexOf("\r\n");
    obsah.truncate(posledni < 0 ? 0 : posledni + 2);
    if (obsah.isEmpty()) obsah = cp1250::encode(hlavicka + kCrLf);
    return filestore::replace(soubor, obsah + bajty);
}

QList<clsNabidka> CtiNabidky(const QByteArray& obsah, const Nastaveni& n, bool konecJenSCrLf) {
    QList<QByteArrayView> radky;
    qsizetype zacatek = 0;
    for (qsizetype konec; (konec = obsah.indexOf("\r\n", zacatek)) >= 0; zacatek = konec + 2)
        radky << QByteArrayView(obsah).sliced(zacatek, konec - zacatek);
    if (!konecJenSCrLf) radky << QByteArrayView(obsah).sliced(zacatek);
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

QList<clsNabidka> NactiNeodeslaneNabidky(const Nastaveni& n) {
    return CtiNabidky(filestore::readAll(souborNabidek(kNeodeslaneNabidky)).value_or(QByteArray()), n, true);
}

QList<clsNabidka> NactiUlozeneNabidky(const Nastaveni& n) {
    return CtiNabidky(filestore::readAll(souborNabidek(kUlozeneNabidky)).value_or(QByteArray()), n, false);
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
