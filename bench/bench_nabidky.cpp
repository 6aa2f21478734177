// The offer files at the size of a busy representative's history: 10,000 offers, each with its
// costing of twenty bill lines.
#include "net/clsBase64.h"
#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "platform/FileStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kNabidek = 10000;

QString kalkulace(int i) {
    clsSorvenika s;
    s.Nazev = QStringLiteral("MIV Standard");
    s.System = QStringLiteral("MIV");
    s.Prurez = QStringLiteral("14");
    s.Vyska = 7.5f + static_cast<float>(i % 10);
    s.Sachta = i % 2;
    s.Ukonceni = QStringLiteral("obezdívka");
    s.Tvarnice = QStringLiteral("Komínová tvárnice 36x36");
    s.SysPoznamka = QStringLiteral("Základní souprava: komínová vložka, dvířka, kondenzát\r\nDodací lhůta 3 týdny");
    s.Poznamka = QStringLiteral("Poznámka k nabídce č. %1").arg(i);
    for (int r = 0; r < 20; ++r)
        s.Rozpis += clsSorvenika::RadekRozpisu({QStringLiteral("Komínový díl č. %1").arg(r), QStringLiteral("MIV%1").arg(r),
                                                QStringLiteral("M-%1").arg(r), QString::number(r + 1),
                                                QStringLiteral("1\u00a0234,50"), QStringLiteral("12\u00a0345,00")});
    s.GenerXml();
    return s.Xml;
}

// The file the server sends back: every column, as the download writes it.
QByteArray ulozeneNabidky() {
    QString t = QStringLiteral(
        "ID|ExtID|IDOZ|JmenoOZ|EmailOZ|TelefonOZ|Datum|Stav|NazevAkce|MistoStavby|Ulice|UliceCP|RealizacniFirma|"
        "KontaktniOsoba|Telefon|Mail|Obchodnik|ObchodnikMesto|DruhStavby|CenaBezDPH|ProjektovaSleva|CenaPoSleveBezDPH|"
        "CenaPoSleveSDPH|Poznamka|Sorvenika\r\n");
    for (int i = 1; i <= kNabidek; ++i)
        t += QStringLiteral("%1|%1|%2|Jan Dvořák|dvorak@example.cz|603 111 222|%3.%4.2026|%5|Rodinný dům %1|Říčany|"
                            "Dlouhá|%1|Stavby Novák|Petr Čech|777 000 111|cech@example.cz|Stavebniny Kůň|Brno|%6|"
                            "123456.5|7.5|114197.26|138178.68|První řádek\\r\\ndruhý řádek|")
                 .arg(i)
                 .arg(i % 3 + 7)
                 .arg(i % 28 + 1)
                 .arg(i % 12 + 1)
                 .arg(i % 11)
                 .arg(i % 4) +
             clsBase64::Encode(kalkulace(i)) + QStringLiteral("\r\n");
    return cp1250::encode(t);
}

struct Slozka {
    QTemporaryDir dir;
    Slozka() { qputenv("SORVENIKA_DATA", dir.path().toUtf8()); }
    ~Slozka() { qunsetenv("SORVENIKA_DATA"); }
};

}  // namespace

// The offer list's load of the downloaded offers: read, decode, split, parse, costings decoded.
static void BM_CteniDesetiTisicUlozenychNabidek(benchmark::State& state) {
    Slozka s;
    const QByteArray obsah = ulozeneNabidky();
    if (!filestore::replace(souborNabidek(kUlozeneNabidky), obsah)) state.SkipWithError("zápis selhal");
    Nastaveni n;
    for (auto _ : state) {
        const Vysledek<QList<clsNabidka>> l = NactiUlozeneNabidky(n);
        if (!l || l->size() != kNabidek) state.SkipWithError("nabídky chybí");
        benchmark::DoNotOptimize(l->data());
    }
    state.SetBytesProcessed(state.iterations() * obsah.size());
}
BENCHMARK(BM_CteniDesetiTisicUlozenychNabidek)->Unit(benchmark::kMillisecond);

// "Uložit" of the offer form on a file that already holds 10,000 unsent offers.
static void BM_UlozeniNabidkyKDesetiTisicumNeodeslanych(benchmark::State& state) {
    Slozka s;
    Nastaveni n;
    clsNabidka vzor(n);
    vzor.NazevAkce = QStringLiteral("Rodinný dům");
    vzor.Sorvenika = kalkulace(1);
    QByteArray obsah = cp1250::encode(kHlavickaNeodeslanych + QStringLiteral("\r\n"));
    for (int i = 0; i < kNabidek; ++i) obsah += cp1250::encode(vzor.ZaznamKOdeslani());
    const QString soubor = souborNabidek(kNeodeslaneNabidky);
    if (!filestore::replace(soubor, obsah)) state.SkipWithError("zápis selhal");
    for (auto _ : state) {
        if (!vzor.UlozNabidkuKOdeslani()) state.SkipWithError("zápis selhal");
    }
}
BENCHMARK(BM_UlozeniNabidkyKDesetiTisicumNeodeslanych)->Unit(benchmark::kMillisecond);
