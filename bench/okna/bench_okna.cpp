// Windows offscreen, each measured up to its first paint.
#include "CenikBench.h"
#include "platform/QtApplication.h"
#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "offers/frmNabidky.h"
#include "platform/Cp1250.h"
#include "pricelist/QtSeznamPolozek.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QComboBox>
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

// 10,000 downloaded offers, half of them the representative's own, each with its costing.
struct SeznamNabidek {
    QTemporaryDir dir;
    GlobalniData g;
    SeznamNabidek() {
        qputenv("SORVENIKA_DATA", dir.path().toUtf8());
        g.nastaveni.IDOZ = Integer(7);
        clsSorvenika s;
        s.System = QStringLiteral("MIV");
        s.Nazev = QStringLiteral("MIV Standard");
        for (int i = 0; i < 20; ++i) s.Rozpis += clsSorvenika::RadekRozpisu({QStringLiteral("Komínová tvárnice"), QStringLiteral("MIV123"), {}, QStringLiteral("4"), QStringLiteral("1 250,00"), QStringLiteral("5 000,00")});
        s.GenerXml();
        const QStringList mista{QStringLiteral("Praha"), QStringLiteral("Brno"), QStringLiteral("Ostrava"), QStringLiteral("Plzeň")};
        QString text = QStringLiteral("ID|") + kHlavickaNeodeslanych + QStringLiteral("\r\n");
        for (int i = 1; i <= 10000; ++i) {
            clsNabidka n;
            n.ExtID = i;
            n.CisloOZ = Integer(i % 2 ? 7 : 12 + i % 5);
            n.DatumNabidky = QDate(2008, 1, 1).addDays(i % 900);
            n.NazevAkce = QStringLiteral("Akce %1").arg(i);
            n.MistoStavby = mista[i / 2 % mista.size()] + QStringLiteral(" %1").arg(i % 10);
            n.RealizacniFirma = QStringLiteral("Firma %1").arg(i % 300);
            n.Obchodnik = QStringLiteral("Obchodník %1").arg(i % 40);
            n.CenaPoSleveBezDPH = 1000.0 * (i % 97);
            n.CenaPoSleveSDPH = 1210.0 * (i % 97);
            n.Sorvenika = s.Xml;
            text += QString::number(i) + QLatin1Char('|') + n.ZaznamKOdeslani();
        }
        writeBytes(souborNabidek(kUlozeneNabidky), cp1250::encode(text));
    }
    ~SeznamNabidek() { qunsetenv("SORVENIKA_DATA"); }
    static void writeBytes(const QString& cesta, const QByteArray& b) {
        QDir().mkpath(QFileInfo(cesta).absolutePath());
        QFile f(cesta);
        if (!f.open(QIODevice::WriteOnly) || f.write(b) != b.size()) throw std::runtime_error("not written");
    }
};

// The offer list opened on them: both files read, the states, the grid of the 5,000 own offers,
// the filter lists, shown and painted.
static void BM_OtevreniSeznamuNabidek(benchmark::State& state) {
    SeznamNabidek data;
    for (auto _ : state) {
        auto* okno = new frmNabidky(data.g, {});
        okno->show();
        Malovani m(okno->Tabulka->viewport());
        domaluj(m);
        state.PauseTiming();
        state.counters["radku"] = okno->model().rowCount();
        delete okno;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OtevreniSeznamuNabidek)->Unit(benchmark::kMillisecond);

// A filter typed in the open list ("Pra" in Místo stavby), up to the list repainted.
static void BM_FiltrSeznamuNabidek(benchmark::State& state) {
    SeznamNabidek data;
    frmNabidky okno(data.g, {});
    okno.show();
    Malovani m(okno.Tabulka->viewport());
    domaluj(m);
    QComboBox* box = okno.cmbFilter[5];
    box->setEditText(QStringLiteral("Pra"));
    domaluj(m);
    for (auto _ : state) {
        state.PauseTiming();
        box->setEditText(QString());
        domaluj(m);
        state.ResumeTiming();
        box->setEditText(QStringLiteral("Pra"));
        domaluj(m);
    }
    state.counters["radku"] = okno.model().rowCount();
}
BENCHMARK(BM_FiltrSeznamuNabidek)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QtApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
