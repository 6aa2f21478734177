#include "engine/NactiSystem.h"

#include "engine/ArtiklyCeniku.h"
#include "platform/DataPaths.h"
#include "platform/Cp1250.h"
#include "platform/FileStore.h"
#include "pricelist/TabulkaArtiklu.h"
#include "engine/Systemy.h"

#include <QFile>
#include <QStringList>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTab = QStringLiteral("\t");
const QString kPomlcka = QStringLiteral("-");

void vyplnBunku(Polozka& p, QString kod, const IArtikly& artikly) {
    const int n = artikly.NajdiArtikl(kod);
    if (n >= 1) {
        p.ObjZnak = artikly.ObjZnak(n).remove(kPriponaBezCeny, Qt::CaseSensitive);
        p.ObjZnakPuvodni = artikly.ObjZnakPuvodni(n);
        p.Nazev = artikly.Nazev(n);
        p.Cena = artikly.Cena(n);
        p.Vaha = artikly.Vaha(n);
    } else if (n == 0) {
        p.ObjZnak = p.ObjZnakPuvodni = p.Nazev = kPomlcka;
    } else {
        p.Nazev = NazevNenalezene(kod);
        p.ObjZnak = p.ObjZnakPuvodni = QStringLiteral("?????");
    }
}

// Parses an item table's text into `data`; on a malformed text returns the 1-based line that is
// short or missing, else 0.
int rozeberTabulkuPolozek(const QString& text, const IArtikly& artikly, int volnychRadku, DataSystemu& data) {
    // Only a final line break is removed: a table saved without one keeps its last code whole.
    QStringList radky = text.split(kCrLf);
    while (!radky.isEmpty() && radky.last().isEmpty()) radky.removeLast();
    if (radky.size() < 2) return radky.size() + 1;

    const QStringList znacky = radky[0].split(kTab);
    const QStringList popisy = radky[1].split(kTab);
    const int sloupcu = static_cast<int>(znacky.size());
    if (popisy.size() < sloupcu) return 2;
    const int polozek = static_cast<int>(radky.size()) - 2;
    // The row counts are Integers.
    if (polozek + volnychRadku > 32767) throw ChybaPreteceni();

    DataSystemu nova;
    nova.Polozky.vytvor(sloupcu, polozek + volnychRadku);
    nova.Prurezy.vytvor(sloupcu);
    nova.SachtaPovolena.vytvor(sloupcu);
    for (int c = 1; c <= sloupcu; ++c) {
        nova.Prurezy(c) = popisy[c - 1];
        nova.SachtaPovolena(c) = znacky[c - 1].trimmed().toUpper() == QLatin1String("SACHTA");
    }
    for (int r = 1; r <= polozek; ++r) {
        const QStringList pole = radky[r + 1].split(kTab);
        if (pole.size() < sloupcu) return r + 2;
        for (int c = 1; c <= sloupcu; ++c) vyplnBunku(nova.Polozky(c, r), pole[c - 1].trimmed(), artikly);
    }
    data = std::move(nova);
    return 0;
}

}  // namespace

Vysledek<> NactiSystem(GlobalniData& g, const IArtikly& artikly) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    const SystemZaznam& zaznam = g.system(p.SystemKod);
    // Without its line or key the path would be the data folder itself: name what is missing.
    if (zaznam.Data.isEmpty()) {
        const QString ini = dataFile(kSouborNastaveni);
        if (zaznam.Sekce.isEmpty())
            return Chyba{QStringLiteral("V souboru %1 chybí v sekci [SYSTEMY] řádek „%2System“ (systém %3).")
                             .arg(ini)
                             .arg(p.SystemKod)
                             .arg(p.System)};
        return Chyba{QStringLiteral("V souboru %1 chybí v sekci [%2] klíč „Data“ (soubor položek systému %3).")
                         .arg(ini, zaznam.Sekce, p.System)};
    }
    const QString cesta = dataFile(zaznam.Data);
    QFile soubor(resolvePath(cesta));
    if (const Vysledek<> v = filestore::openRead(soubor, {}, cesta); !v) return v.selhani();
    const QString text = cp1250::decode(soubor.readAll());

    const quint8 volnych = (jeTRemol(p.System) && g.nastaveni.TypUzivatele == 0) ? 0 : 10;
    DataSystemu data;
    if (const int radek = rozeberTabulkuPolozek(text, artikly, volnych, data)) {
        return Chyba{QStringLiteral("Soubor ") + cesta + QStringLiteral(" je poškozený (řádek ") + QString::number(radek) +
                     QStringLiteral(") !")};
    }

    g.dataSystemu = std::move(data);
    g.PocetVolnychRadku = volnych;
    p.PocetPrurezu = Integer(g.dataSystemu.Prurezy.pocet());
    p.PocetRadku = Integer(g.dataSystemu.Polozky.radku() - volnych);
    p.Prislusenstvi.vytvor(35);
    p.Zaznam = zaznam;
    return {};
}

Vysledek<> NactiSystem(GlobalniData& g, const TabulkaArtiklu& cenik) { return NactiSystem(g, ArtiklyCeniku(cenik)); }
