// "Import objednávky ..." of an order XML of 2 000 and of 20 000 sub-orders of five articles each
// into an empty sheet: reading the sub-orders, the checks, the sheet filled and its last entry
// shown. Counts the imports that did not add every sub-order ("chybne").
#include "orders/ObjednavkaXml.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Prostredi {
    QTemporaryDir dir;
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Art"));
    // The sheet reads and writes its settings in an empty data folder of its own.
    Prostredi() { qputenv("SORVENIKA_DATA", dir.filePath(QStringLiteral("Data")).toUtf8()); }

    QString xml(int podobjednavek) const {
        ModelObjednavky m(cenik, Currency::fromInt(21));
        for (int i = 0; i < podobjednavek; ++i) {
            QString kody, kusy;
            for (int j = 1; j <= 5; ++j) {
                kody += cenik.text(1 + (i * 5 + j) % cenik.pocetArtiklu(), TabulkaArtiklu::ObjCislo) + QLatin1Char('|');
                kusy += QString::number(j) + QLatin1Char('|');
            }
            m.PridatObjednavku({QStringLiteral("Podobjednávka %1").arg(i + 1), kody, kusy, QStringLiteral("řádek 1\r\nřádek 2"), {}});
        }
        return XmlObjednavky(m);
    }
};

void BM_ImportObjednavky(benchmark::State& state) {
    static Prostredi p;
    const int pocet = static_cast<int>(state.range(0));
    const QString xml = p.xml(pocet);
    int chybne = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto m = std::make_unique<ModelObjednavky>(p.cenik, Currency::fromInt(21));
        state.ResumeTiming();
        if (!importujObjednavky(*m, xml, QStringLiteral("velka.xml")) || m->Objednavka.Count() != pocet) ++chybne;
        state.PauseTiming();
        m.reset();
        state.ResumeTiming();
    }
    state.counters["chybne"] = chybne;
}

}  // namespace

BENCHMARK(BM_ImportObjednavky)->ArgName("podobjednavek")->Arg(2000)->Arg(20000)->Iterations(3)->Unit(benchmark::kMillisecond);
