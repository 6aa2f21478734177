#include "costing/TiskSorveniky.h"
#include "platform/QtPrintSurface.h"
#include "support/UkazkaVystupu.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

// The printed costing of 110 rows as a PDF file, one copy.
namespace {

struct BezTiskaren : IPrinterCatalog {
    QStringList names() const override { return {}; }
    QString defaultName() const override { return {}; }
};

void BM_PdfKalkulace(benchmark::State& state) {
    static int argc = 1;
    static char nazev[] = "sorvenika_bench";
    static char* argv[] = {nazev, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
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
