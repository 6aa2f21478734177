// Windows offscreen, each measured up to its first paint.
#include "CenikBench.h"
#include "orders/frmAdresar.h"
#include "platform/QtApplication.h"
#include "pricelist/QtSeznamPolozek.h"

#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Counts the paints of a widget.
struct Malovani : QObject {
    explicit Malovani(QWidget* w) { w->installEventFilter(this); }
    int pocet = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++pocet;
        return false;
    }
};

// Runs the pending events until the widget has been painted once more.
void domaluj(Malovani& m) {
    const int pred = m.pocet;
    for (int i = 0; i < 1000 && m.pocet == pred; ++i) QCoreApplication::processEvents();
    if (m.pocet == pred) throw std::runtime_error("not painted");
}

}  // namespace

// The browser's first opening after start-up, over the 16,000-article list just loaded (so the
// texts of its names and codes are made now): window, list, filter lists, shown and painted.
static void BM_OtevreniSeznamuPolozek(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TabulkaArtiklu>(TabulkaArtiklu::nacti(cenik()));
        QtSeznamPolozek s(*t, {});
        state.ResumeTiming();
        s.Zobraz({});
        Malovani m(s.okno()->TabulkaArt->viewport());
        domaluj(m);
        state.PauseTiming();
        delete s.okno();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OtevreniSeznamuPolozek)->Unit(benchmark::kMillisecond);

// One keystroke in the order-number box of the open browser, up to the list repainted: from all
// orderable articles ("") to those with the prefix.
static void BM_KlavesaSeznamuPolozek(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    QtSeznamPolozek s(t, {});
    s.Zobraz({});
    Malovani m(s.okno()->TabulkaArt->viewport());
    domaluj(m);
    QComboBox* box = s.okno()->cmbFilter[1];
    const QString texty[] = {"K", "K1", "K12"};
    const QString text = texty[state.range(0)];
    box->setEditText(text);
    domaluj(m);
    for (auto _ : state) {
        state.PauseTiming();
        box->setEditText(QString());
        domaluj(m);
        state.ResumeTiming();
        box->setEditText(text);
        domaluj(m);
    }
    state.counters["radku"] = s.okno()->model().TabulkaArt().Rows() - 1;
    delete s.okno();
}
BENCHMARK(BM_KlavesaSeznamuPolozek)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The drop-down list of a filter box with its 5,000 to 16,000 values, opened and painted.
static void BM_SeznamFiltru(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    QtSeznamPolozek s(t, {});
    s.Zobraz({});
    QComboBox* box = s.okno()->cmbFilter[2];
    Malovani m(box->view()->viewport());
    for (auto _ : state) {
        box->showPopup();
        domaluj(m);
        state.PauseTiming();
        box->hidePopup();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["hodnot"] = box->count();
    delete s.okno();
}
BENCHMARK(BM_SeznamFiltru)->Unit(benchmark::kMillisecond);

// The address book opened over a customer file of 32 (the sample) or 5,000 customers: read,
// sorted by surname, the list filled, shown and painted.
static void BM_OtevreniAdresare(benchmark::State& state) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("Zakaznici"));
    Zakaznici z;
    const QString prijmeni[] = {"Novák", "Čermák", "Šťastná", "Adámek", "Zelený", "Chalupa", "Horák", "Řezníček"};
    for (int i = 0; i < state.range(0); ++i)
        z.push_back({prijmeni[i % 8] + QString::number(i * 7919 % 10007), QStringLiteral("Jan"), QStringLiteral("Dlouhá 41"),
                     QStringLiteral("110 00"), QStringLiteral("Praha 1")});
    if (!UlozZakazniky(soubor, z)) return state.SkipWithError("the customer file was not written");
    for (auto _ : state) {
        frmAdresar a(soubor, {});
        if (!a.nacti()) return state.SkipWithError("the customer file was not read");
        a.show();
        Malovani m(a.L->viewport());
        domaluj(m);
        state.PauseTiming();
        a.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OtevreniAdresare)->Arg(32)->Arg(5000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QtApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
