// A costing from start to end as the user makes it: the main menu, a system from its popup, the
// wizard, OK, the accessory picker with two accessories, and the sheet with the priced bill,
// the summary and the picture. The bill is held against the calculator run directly on the
// same installation with the parameters written out by hand.
#include "app/QtProgram.h"
#include "app/SouborNastaveni.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "engine/Sorvenika.h"
#include "parameters/QtPruvodceParametru.h"
#include "parameters/frmPrislusenstvi.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

using P = Prvek;

struct Instalace {
    QTemporaryDir dir;
    QString data;
    QByteArray predtim;
    Instalace() : data(copySampleData(dir)), predtim(qgetenv("SORVENIKA_DATA")) {
        qputenv("SORVENIKA_DATA", data.toUtf8());
    }
    ~Instalace() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (predtim.isNull()) qunsetenv("SORVENIKA_DATA");
        else qputenv("SORVENIKA_DATA", predtim);
    }
};

// Runs `krok` once `najdi` finds its window, from inside whatever modal loop is running then.
void az(std::function<QWidget*()> najdi, std::function<void(QWidget*)> krok, int pokusu = 300) {
    QTimer::singleShot(10, qApp, [=] {
        if (QWidget* w = najdi()) return krok(w);
        if (pokusu > 0) return az(najdi, krok, pokusu - 1);
        ADD_FAILURE() << "the window did not appear";
    });
}

template <typename W>
W* modalni() {
    return qobject_cast<W*>(QApplication::activeModalWidget());
}

void zaviraciPolicko(QWidget* w) {
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(w, &e);
}

// One costing: the popup item, what the wizard is given, the boxes ticked in the picker, and
// the parameters and flags the bill must come from.
struct Kalkulace {
    const char* nazev;
    const char* polozkaNabidky;
    std::function<void(ModelParametru&)> pruvodce;
    std::vector<int> vybrat;
    std::function<void(SorvenikaParametry&)> parametry;
    std::vector<int> priznaky;
    std::array<const char*, 5> souhrn;
    const char* obrazek;
};

void napis(ModelParametru& m, P p, const char* text) {
    m.fokusNa(p);
    m.zmenText(p, QString::fromUtf8(text));
    m.enter(p);
}

// The same costing straight through the calculator on the same installation.
struct Primo {
    GlobalniData g;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{6, 3};
    Primo(const QString& data, const QString& system, const Kalkulace& k) {
        EXPECT_FALSE(NactiIni(data + QStringLiteral("/Sorvenika.ini"), g).chyba);
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.SystemKod = ZjistiKodSystemu(system);
        p.System = system;
        const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("/Art"));
        EXPECT_TRUE(NactiSystem(g, cenik));
        k.parametry(p);
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c)
            if (g.dataSystemu.Prurezy(c) == p.Prurez) p.IdPrurez = Integer(c);
        for (int i : k.priznaky) p.Prislusenstvi(i) = true;
        tabSuma.setFixedRows(0);
        SpocitejSorveniku(g, vytvorKalkulacky(g), {tabulka, tabSuma});
    }
};

QStringList radek(const FlexGrid& t, int r) {
    QStringList b;
    for (int c = 0; c < t.Cols(); ++c) b << t.TextMatrix(r, c);
    return b;
}

// Screenshots go beside the test program.
QString snimek(const QString& jmeno) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + jmeno; }

}  // namespace

TEST(CostingEndToEnd, FromTheMenuThroughWizardAndPickerToThePricedSheet) {
    const Kalkulace kKalkulace[] = {
        {"MIV 16, 8 m, Orlex top, spark arrester and a wall passage", "MIV",
         [](ModelParametru& m) {
             m.cmbPrurez_Click(m.polozky(P::cmbPrurez).indexOf(QStringLiteral("16")));
             napis(m, P::txtVyska, "8");
             m.optUkonceni_Click(0);
             m.cmdDalsi_Click();
             napis(m, P::txtVyskaOrlex, "1,2");
             m.cmdDalsi_Click();
             m.optVolbaStatZajisteni_Click(1);
         },
         {0, 27},
         [](SorvenikaParametry& p) {
             p.Prurez = QStringLiteral("16");
             p.Vyska = 8;
             p.Ukonceni = 3;
             p.VyskaUkonceni = 1.2f;
             p.PocetDiluOrlex = 1;  // one 7,5-cm piece over the 1,125-m set
         },
         {0, 27},
         {"Průměr komína : 16 cm", "Výška : 8 m", "Typ : Bez větrací šachty", "Ukončení : Orlex (1,2 m)",
          "vnější r. 32/32 cm"},
         "MIV_P.gif"},
        {"MIV 18 with shaft, 9,5 m, cover plate, kit and ridge anchor, door and shaft cap", "MIV",
         [](ModelParametru& m) {
             m.cmbPrurez_Click(m.polozky(P::cmbPrurez).indexOf(QStringLiteral("18")));
             m.optSachta_Click(1);
             napis(m, P::txtVyska, "9,5");
             m.optUkonceni_Click(3);
             m.cmdDalsi_Click();
             m.optVolbaStatZajisteni_Click(0);
             napis(m, P::txtVyskaNadstresniCasti, "1,8");  // calls for the 4x4 m kit
             m.optKotevniPrvek_Click(1);
         },
         {22, 24},
         [](SorvenikaParametry& p) {
             p.Prurez = QStringLiteral("18");
             p.Sachta = true;
             p.Vyska = 9.66f;  // 9,5 m in whole thirds, cut to centimetres
             p.Ukonceni = 4;
         },
         {4, 7, 22, 24},
         {"Průměr komína : 18 cm", "Výška : 9,66 m", "Typ : S větrací šachtou",
          "Ukončení : Krycí deska bet. na místě", "vnější r. 36/50 cm"},
         "MIV_S_P.gif"},
    };

    Instalace inst;
    FakeServices sluzby;
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    for (const Kalkulace& k : kKalkulace) {
        SCOPED_TRACE(k.nazev);
        bool pruvodceVyplnen = false, vyberUkazan = false;
        az([] { return QApplication::activePopupWidget(); },
           [&](QWidget* w) {
               auto* nabidka = qobject_cast<QMenu*>(w);
               ASSERT_TRUE(nabidka);
               QAction* a = nabidka->findChild<QAction*>(QString::fromLatin1(k.polozkaNabidky));
               ASSERT_TRUE(a);
               nabidka->setActiveAction(a);
               QTest::keyClick(nabidka, Qt::Key_Return);
           });
        az([] { return modalni<frmParametry>(); },
           [&](QWidget* w) {
               auto* okno = static_cast<frmParametry*>(w);
               k.pruvodce(okno->model());
               okno->sync();
               pruvodceVyplnen = true;
               az([] { return modalni<frmPrislusenstvi>(); },
                  [&](QWidget* v) {
                      auto* vyber = static_cast<frmPrislusenstvi*>(v);
                      vyberUkazan = true;
                      for (int i : k.vybrat) {
                          QCheckBox* b = vyber->chkPrislusenstvi(i);
                          EXPECT_TRUE(b->isEnabled() && b->isVisible()) << i;
                          QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
                      }
                      vyber->ukazNahled(k.vybrat.back());
                      vyber->grab().save(snimek(QStringLiteral("prislusenstvi_%1.png").arg(k.vybrat.back())));
                      vyber->cmdOk->click();
                  });
               QTest::mouseClick(okno->prvek(P::cmdOk), Qt::LeftButton);
           });
        program.menu()->SystemCombut(1)->click();
        ASSERT_TRUE(pruvodceVyplnen);
        EXPECT_TRUE(vyberUkazan);
        EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty()) << sluzby.dialogs.texty().join(" | ").toStdString();

        frmSorvenika* list = program.list()->okno();
        ASSERT_TRUE(list);
        EXPECT_TRUE(list->isVisible());
        const ModelListu& m = list->model();
        const Primo primo(inst.data, QString::fromLatin1(k.polozkaNabidky), k);
        ASSERT_GT(m.Tabulka.Rows(), 90);
        ASSERT_EQ(m.Tabulka.Rows(), primo.tabulka.Rows());
        for (int r = 1; r < m.Tabulka.Rows(); ++r) EXPECT_EQ(radek(m.Tabulka, r), radek(primo.tabulka, r)) << r;
        for (int r = 0; r < 6; ++r) EXPECT_EQ(m.TabSuma.TextMatrix(r, 1), primo.tabSuma.TextMatrix(r, 1)) << r;
        // The picked accessories are billed: MIV's spark arrester, wall passage, door and shaft cap rows.
        for (auto [priznak, r] : {std::pair{0, 50}, {27, 92}, {22, 45}, {24, 63}, {4, 31}, {7, 49}}) {
            const bool vybrano = std::count(k.priznaky.begin(), k.priznaky.end(), priznak) > 0;
            EXPECT_EQ(m.Tabulka.TextMatrix(r, 3), vybrano ? QStringLiteral("1") : QStringLiteral("0")) << r;
        }

        for (int i = 0; i < 4; ++i) EXPECT_EQ(list->lblParametry[i]->text(), QString::fromUtf8(k.souhrn[i]));
        EXPECT_EQ(list->lblTvarnice->text(), QString::fromUtf8(k.souhrn[4]));
        const QImage obrazek = list->imgPrurez->pixmap().toImage();
        EXPECT_EQ(obrazek, QImage(inst.data + QStringLiteral("/Pict/") + QString::fromLatin1(k.obrazek)).convertToFormat(obrazek.format()));
        EXPECT_EQ(m.Tabulka.Row(), 1);

        list->nastavRozmery(QRect(0, 0, 1024, 768));
        QCoreApplication::processEvents();
        list->grab().save(snimek(QStringLiteral("kalkulace_%1.png").arg(k.vybrat.back())));
        zaviraciPolicko(list);
        ASSERT_TRUE(program.menu()->isVisible());
    }
}
