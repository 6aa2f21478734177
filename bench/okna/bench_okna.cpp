// Windows offscreen, each measured up to its first paint, and the browser's filter keys.
#include "CenikBench.h"
#include "app/SouborNastaveni.h"
#include "costing/frmSorvenika.h"
#include "engine/NactiSystem.h"
#include "net/frmNastaveni.h"
#include "parameters/frmParametry.h"
#include "orders/frmAdresar.h"
#include "parameters/frmPrislusenstvi.h"
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
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

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

// A window made by `vytvor` and shown, up to its first paint; closed untimed.
template <typename Vytvor>
void otevreni(benchmark::State& state, Vytvor vytvor) {
    for (auto _ : state) {
        std::unique_ptr<QWidget> w = vytvor();
        w->show();
        Malovani m(w.get());
        domaluj(m);
        state.PauseTiming();
        w.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// The shipped installation with the MIV system chosen, as the main menu leaves it for the sheet
// and the wizard.
GlobalniData& miv() {
    static GlobalniData g = [] {
        const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
        qputenv("SORVENIKA_DATA", data.toUtf8());
        GlobalniData d;
        if (NactiIni(data + QStringLiteral("Sorvenika.ini"), d).chyba) throw std::runtime_error("Sorvenika.ini");
        for (int i = 1; i <= d.nastaveni.PocetSystemu; ++i)
            if (d.system(i).Sekce == QLatin1String("MIV")) d.sorvenikaParametry.SystemKod = i;
        d.sorvenikaParametry.System = QStringLiteral("MIV");
        static const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
        if (!NactiSystem(d, cenik)) throw std::runtime_error("MIV");
        return d;
    }();
    return g;
}

struct BezSite : IDetekceSite {
    bool pripojeno() override { return false; }
    QString proxyServer(const QString&) override { return {}; }
};

}  // namespace

// The costing sheet of the chosen system, loaded and shown.
static void BM_OtevreniListu(benchmark::State& state) {
    otevreni(state, [] { return std::make_unique<frmSorvenika>(miv(), frmSorvenika::Sluzby{}); });
}
BENCHMARK(BM_OtevreniListu)->Unit(benchmark::kMillisecond);

// The parameter wizard over the chosen system, on its first frame.
static void BM_OtevreniPruvodce(benchmark::State& state) {
    otevreni(state, [] { return std::make_unique<frmParametry>(miv(), frmParametry::Sluzby{}); });
}
BENCHMARK(BM_OtevreniPruvodce)->Unit(benchmark::kMillisecond);

// The accessory picker of the MIV system, cross-section 16, no accessory chosen yet.
static void BM_OtevreniPrislusenstvi(benchmark::State& state) {
    ModelPrislusenstvi model({"MIV", "16", false, 0, 4}, Priznaky{});
    otevreni(state, [&] { return std::make_unique<frmPrislusenstvi>(model); });
}
BENCHMARK(BM_OtevreniPrislusenstvi)->Unit(benchmark::kMillisecond);

// "Nastavení" over the order settings of a fresh installation, the network looked at.
static void BM_OtevreniNastaveni(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("SORVENIKA_DATA", dir.path().toUtf8());
    clsHTTP http;
    NastaveniObjednavek objednavka = NactiNastaveniObjednavek(dir.filePath(QStringLiteral("Objednavky.ini")));
    BezSite sit;
    otevreni(state, [&] { return std::make_unique<frmNastaveni>(http, objednavka, sit); });
}
BENCHMARK(BM_OtevreniNastaveni)->Unit(benchmark::kMillisecond);

// The browser's first opening after start-up, over a list just loaded whose articles are all
// orderable: window, list, filter lists, shown and its list painted.
static void BM_OtevreniSeznamuPolozek(benchmark::State& state) {
    const QString c = objednatelnyCenik(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TabulkaArtiklu>(TabulkaArtiklu::nacti(c));
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
BENCHMARK(BM_OtevreniSeznamuPolozek)->ArgName("artiklu")->Arg(16000)->Arg(100000)->Unit(benchmark::kMillisecond);

namespace {

// One keystroke into a filter box: the box's text before it and the key. The order numbers all
// begin with K, a tenth of them with K1; a quarter of the names begin with k.
struct Klavesa {
    int box;  // 1 order number, 2 name
    const char* pred;
    Qt::Key klavesa;
};
const Klavesa kKlavesy[] = {
    {1, "", Qt::Key_K},          {1, "K", Qt::Key_1},         {1, "K1", Qt::Key_2},
    {1, "K12", Qt::Key_Backspace}, {1, "K1", Qt::Key_Backspace}, {1, "K", Qt::Key_Backspace},
    {2, "", Qt::Key_K},          {2, "K", Qt::Key_Backspace},
};

}  // namespace

// A key pressed and released in a filter box of the open browser (narrowing the list or widening
// it), up to the list repainted. The box is set to its text before the key untimed.
static void BM_KlavesaSeznamuPolozek(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(objednatelnyCenik(static_cast<int>(state.range(0))));
    const Klavesa& k = kKlavesy[state.range(1)];
    QtSeznamPolozek s(t, {});
    s.Zobraz({});
    Malovani m(s.okno()->TabulkaArt->viewport());
    domaluj(m);
    QComboBox* box = s.okno()->cmbFilter[static_cast<size_t>(k.box)];
    const QString pred = QString::fromLatin1(k.pred);
    box->lineEdit()->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        if (box->currentText() != pred) {
            box->setEditText(pred);
            domaluj(m);
        }
        state.ResumeTiming();
        QTest::keyClick(box->lineEdit(), k.klavesa);
        domaluj(m);
    }
    state.SetLabel(QStringLiteral("\"%1\" %2 \"%3\"")
                       .arg(pred, k.klavesa == Qt::Key_Backspace ? QStringLiteral("<-") : QStringLiteral("+"),
                            box->currentText())
                       .toStdString());
    state.counters["radku"] = s.okno()->model().TabulkaArt().Rows() - 1;
    delete s.okno();
}
BENCHMARK(BM_KlavesaSeznamuPolozek)
    ->ArgNames({"artiklu", "klavesa"})
    ->ArgsProduct({{16000, 100000}, benchmark::CreateDenseRange(0, std::size(kKlavesy) - 1, 1)})
    ->Unit(benchmark::kMillisecond);

// The drop-down list of the name box opened and painted for the first time in an open browser
// over a list whose articles are all orderable: its values (all the distinct names) gathered,
// put in and shown.
static void BM_PrvniSeznamFiltru(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(objednatelnyCenik(static_cast<int>(state.range(0))));
    int hodnot = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QtSeznamPolozek s(t, {});
        s.Zobraz({});
        QComboBox* box = s.okno()->cmbFilter[2];
        Malovani m(box->view()->viewport());
        QCoreApplication::processEvents();
        state.ResumeTiming();
        box->showPopup();
        domaluj(m);
        state.PauseTiming();
        hodnot = box->count();
        box->hidePopup();
        delete s.okno();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["hodnot"] = hodnot;
}
BENCHMARK(BM_PrvniSeznamFiltru)->ArgName("artiklu")->Arg(16000)->Arg(100000)->Unit(benchmark::kMillisecond);

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
