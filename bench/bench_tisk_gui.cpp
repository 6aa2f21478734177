#include "costing/TiskSorveniky.h"
#include "platform/QtPrintSurface.h"
#include "support/UkazkaVystupu.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The printed costing of 110 rows as a PDF file, one copy.
namespace {

struct BezTiskaren : IPrinterCatalog {
    QStringList names() const override { return {}; }
    QString defaultName() const override { return {}; }
};

void BM_PdfKalkulace(benchmark::State& state) {
    qputenv("SORVENIKA_DATA", SORVENIKA_SOURCE_DIR "/Data");
    const Kalkulace k = dlouhaKalkulace(110);
    QTemporaryDir dir;
    const BezTiskaren zadne;
    for (auto _ : state) {
        TiskNastaveni t{true, Integer(1), {}, {}, dir.filePath(QStringLiteral("MIV.pdf"))};
        QtPrintSurface plocha(t.tiskarna, t.souborPdf);
        if (!TiskniSorveniku(k, t, plocha, zadne)) state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_PdfKalkulace)->Unit(benchmark::kMillisecond);

}  // namespace
