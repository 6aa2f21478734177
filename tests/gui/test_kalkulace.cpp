// A costing as the user makes it, from the main menu through wizard and picker to the priced
// sheet, the bill held against the calculator run directly with the parameters written out by
// hand; the sheet on a common and on the smallest screen; its close box back to the menu.
#include "app/QtProgram.h"
#include "app/SouborNastaveni.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "engine/Sorvenika.h"
#include "parameters/QtPruvodceParametru.h"
#include "parameters/frmPrislusenstvi.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"
#include "systems/Kalkulacky.h"
#include "costing/Kalkulace.h"
#include "engine/Systemy.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

using P = Prvek;

struct PripadKalkulace {
    const char* nazev;
    int tlacitko;
    const char* polozkaNabidky;  // nullptr: the button chooses at once
    const char* system;
    std::function<void(ModelParametru&)> pruvodce;
    std::vector<int> vybrat;
    std::function<void(SorvenikaParametry&)> parametry;
    std::vector<int> priznaky;
    std::array<const char*, 5> souhrn;
    const char* obrazek;
    std::vector<std::pair<int, int>> radky;
};

void vyberPrurez(ModelParametru& m, const char* prurez) {
    const int i = static_cast<int>(m.polozky(P::cmbPrurez).indexOf(QString::fromLatin1(prurez)));
    ASSERT_GE(i, 0) << prurez;
    m.cmbPrurez_Click(i);
}

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
    Primo(const QString& data, const QString& system, const PripadKalkulace& k) {
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

// Where w lies inside v, in v's coordinates.
QRect vRamci(const QWidget* w, const QWidget* v) { return QRect(w->mapTo(v, QPoint(0, 0)), w->size()); }

// The sheet fits the screen, and nothing in it is cut off or lies over another part.
void ctiSeDobre(frmSorvenika* list, QSize obrazovka, const QString& snimekListu) {
    SCOPED_TRACE(obrazovka.width());
    list->nastavRozmery(QRect(QPoint(0, 0), obrazovka));
    QCoreApplication::processEvents();
    // Room for a window manager's borders.
    EXPECT_LE(list->width() + 8, obrazovka.width());
    EXPECT_LE(list->frameGeometry().height(), obrazovka.height());
    // Every price column fits beside the vertical scroll bar.
    EXPECT_FALSE(list->Tabulka->horizontalScrollBar()->isVisible());
    const QWidget* pas[] = {list->RamParametry, list->RamZakaznik, list->lblNabidka, list->lblPoznamka,
                            list->TabSuma,      list->Tabulka,     list->lblPoznDodani};
    for (const QWidget* a : pas) {
        EXPECT_TRUE(list->Ram->rect().contains(vRamci(a, list->Ram))) << a->objectName().toStdString();
        for (const QWidget* b : pas)
            EXPECT_TRUE(a == b || !vRamci(a, list->Ram).intersects(vRamci(b, list->Ram)))
                << a->objectName().toStdString() << " " << b->objectName().toStdString();
    }
    for (const QLabel* l : std::initializer_list<const QLabel*>{list->lblNabidka, list->lblPoznDodani, list->lblSystem[0]})
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
    for (const QLabel* l : std::initializer_list<const QLabel*>{list->lblParametry[0], list->lblParametry[1], list->lblParametry[2], list->lblParametry[3],
                            list->lblTvarnice}) {
        const QRect r = l->contentsRect();
        const bool vejdeSe = l->wordWrap() ? r.contains(l->fontMetrics().boundingRect(r, Qt::TextWordWrap, l->text()))
                                           : l->fontMetrics().horizontalAdvance(l->text()) <= r.width();
        EXPECT_TRUE(vejdeSe) << l->text().toStdString();
    }
    // The totals sit at the bottom right of the frame.
    const QRect soucty = vRamci(list->TabSuma, list->Ram);
    EXPECT_GE(soucty.right(), list->Ram->width() - 20);
    EXPECT_GE(soucty.top(), vRamci(list->Tabulka, list->Ram).bottom());
    list->grab().save(snimek(QStringLiteral("kalkulace_%1x%2_").arg(obrazovka.width()).arg(obrazovka.height()) +
                             snimekListu));
}

}  // namespace

TEST(CostingEndToEnd, FromTheMenuThroughWizardAndPickerToThePricedSheet) {
    const PripadKalkulace kKalkulace[] = {
        {"MIV 16, 8 m, Orlex top, spark arrester and a wall passage", 1, "MIV", "MIV",
         [](ModelParametru& m) {
             vyberPrurez(m, "16");
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
         "MIV_P.gif",
         {{50, 1}, {92, 1}, {45, 0}, {31, 0}}},
        {"MIV 18 with shaft, 9,5 m, cover plate, kit and ridge anchor, door and shaft cap", 1, "MIV", "MIV",
         [](ModelParametru& m) {
             vyberPrurez(m, "18");
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
         "MIV_S_P.gif",
         {{45, 1}, {63, 1}, {31, 1}, {49, 1}, {48, 0}, {50, 0}}},
        // Nothing can be ticked for DORVA; its anchor still reaches the bill.
        {"DORVA 14, 6 m, plaster cladding of 125 cm, ridge anchor", 3, nullptr, "DORVA",
         [](ModelParametru& m) {
             vyberPrurez(m, "14");
             napis(m, P::txtVyska, "6");
             m.optUkonceni_Click(2);
             m.cmdDalsi_Click();
             m.cmbVyskaPlaste_Click(2);
             m.optPlast_Click(0);
             m.cmdDalsi_Click();
             m.optVolbaStatZajisteni_Click(0);
             napis(m, P::txtVyskaNadstresniCasti, "1,2");
             m.optKotevniPrvek_Click(1);
         },
         {},
         [](SorvenikaParametry& p) {
             p.Prurez = QStringLiteral("14");
             p.Vyska = 6;
             p.Ukonceni = 2;
             p.VyskaUkonceni = 125;
             p.IdVyskaPlaste = Integer(3);
             p.DruhPlaste = 1;
         },
         {7},
         {"Průměr komína : 14 cm", "Výška : 6 m", "Typ : Bez větrací šachty", "Ukončení : Plášť - omítka (125 cm)",
          "vnější r. 36/36 cm"},
         "DORVA_P.gif",
         {{14, 1}, {13, 0}}},
    };

    Instalace inst;
    FakeServices sluzby;
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    frmMenu* menu = program.menu();
    EXPECT_EQ(menu->windowTitle(), QStringLiteral(" Sorvenika - Kestroma"));
    EXPECT_EQ(menu->lblVerze->text(), QStringLiteral("verze: 9.4.2009"));
    EXPECT_EQ(menu->txtProdejce->text(), QStringLiteral("Ukázkové stavebniny s.r.o."));
    EXPECT_EQ(menu->txtDPH->text(), QStringLiteral("21"));
    for (int i : {1, 3, 4, 5, 6, 7}) EXPECT_EQ(menu->SystemCombut(i)->isVisible(), i < 5) << i;
    for (const PripadKalkulace& k : kKalkulace) {
        SCOPED_TRACE(k.nazev);
        const QString system = QString::fromLatin1(k.system);
        const QString pripona = QStringLiteral("%1_%2.png").arg(&k - kKalkulace + 1).arg(system);
        bool pruvodceVyplnen = false, vyberUkazan = false;
        if (k.polozkaNabidky) {
            az([] { return QApplication::activePopupWidget(); },
               [&](QWidget* w) {
                   auto* nabidka = qobject_cast<QMenu*>(w);
                   ASSERT_TRUE(nabidka);
                   QAction* a = nabidka->findChild<QAction*>(QString::fromLatin1(k.polozkaNabidky));
                   ASSERT_TRUE(a);
                   nabidka->setActiveAction(a);
                   QTest::keyClick(nabidka, Qt::Key_Return);
               });
        }
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
                      int nabizeno = 0;
                      for (int i = 0; i < kPocetPrislusenstvi; ++i)
                          nabizeno += vyber->chkPrislusenstvi(i)->isVisible() && vyber->chkPrislusenstvi(i)->isEnabled();
                      EXPECT_EQ(nabizeno > 0, !k.vybrat.empty());
                      for (int i : k.vybrat) {
                          QCheckBox* b = vyber->chkPrislusenstvi(i);
                          EXPECT_TRUE(b->isEnabled() && b->isVisible()) << i;
                          QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
                      }
                      if (!k.vybrat.empty()) vyber->ukazNahled(k.vybrat.back());
                      vyber->grab().save(snimek(QStringLiteral("prislusenstvi_") + pripona));
                      vyber->cmdOk->click();
                  });
               QTest::mouseClick(okno->prvek(P::cmdOk), Qt::LeftButton);
           });
        menu->SystemCombut(k.tlacitko)->click();
        ASSERT_TRUE(pruvodceVyplnen) << sluzby.dialogs.texty().join(" | ").toStdString();
        EXPECT_TRUE(vyberUkazan);
        EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty()) << sluzby.dialogs.texty().join(" | ").toStdString();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        const QPointer<frmSorvenika> list = program.list()->okno();
        ASSERT_TRUE(list);
        EXPECT_TRUE(list->isVisible());
        EXPECT_FALSE(menu->isVisible());
        ModelListu& m = list->model();
        const Primo primo(inst.data, system, k);
        ASSERT_GT(m.Tabulka.Rows(), 20);
        ASSERT_EQ(m.Tabulka.Rows(), primo.tabulka.Rows());
        for (int r = 1; r < m.Tabulka.Rows(); ++r) EXPECT_EQ(radek(m.Tabulka, r), radek(primo.tabulka, r)) << r;
        for (int r = 0; r < 6; ++r) EXPECT_EQ(m.TabSuma.TextMatrix(r, 1), primo.tabSuma.TextMatrix(r, 1)) << r;
        for (auto [r, ks] : k.radky) EXPECT_EQ(m.Tabulka.TextMatrix(r, 3), QString::number(ks)) << "row " << r;

        EXPECT_EQ(list->windowTitle(), QStringLiteral("Sorvenika - Kestroma") + QString(25, u' ') +
                                           QStringLiteral("platnost ceníku od 1.1.2026 až do vydání dalšího ceníku"));
        for (QLabel* l : list->lblSystem) EXPECT_EQ(l->text(), system + QStringLiteral(" - jednoprůduchový"));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(list->lblParametry[i]->text(), QString::fromUtf8(k.souhrn[i]));
        EXPECT_EQ(list->lblTvarnice->text(), QString::fromUtf8(k.souhrn[4]));
        const QImage obrazek = list->imgPrurez->pixmap().toImage();
        const QImage ocekavany(inst.data + QStringLiteral("/Pict/") + QString::fromLatin1(k.obrazek));
        ASSERT_FALSE(ocekavany.isNull());
        EXPECT_EQ(obrazek, ocekavany.convertToFormat(obrazek.format()));
        EXPECT_EQ(m.Tabulka.Row(), 1);
        QStringList lista;
        for (QAction* a : list->menuBar()->actions())
            if (a->isVisible()) lista << QString(a->text()).remove(u'&');
        EXPECT_EQ(lista, QStringList({"Sorvenika", "Volby", "Objednávky", "Nástroje", "Zákazník", "Program"}));
        EXPECT_FALSE(list->akce(Prikaz::mnuSadaStred)->isEnabled());
        EXPECT_TRUE(list->RamZakaznik->isVisible());
        for (QSize obrazovka : {QSize(1024, 768), QSize(800, 600)}) ctiSeDobre(list, obrazovka, pripona);

        // Editing keys in a customer box stay there; elsewhere a shortcut reaches its command.
        ASSERT_TRUE(aktivni(list));
        QSignalSpy prikazy(list.data(), &frmSorvenika::prikaz);
        list->Tabulka->setFocus();
        QTest::keyClick(list->Tabulka, Qt::Key_O, Qt::ControlModifier);
        QLineEdit* box = list->txtZakaznik[0];
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("Novak"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(box->text(), QString());
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(m.zakaznik(0), QStringLiteral("Novak"));
        ASSERT_EQ(prikazy.count(), 1);
        EXPECT_EQ(prikazy[0][0].value<Prikaz>(), Prikaz::mnuPridat);
        // The costing went to the order sheet, which opened beside; it is not this test's.
        ASSERT_TRUE(program.objednavkovyList().okno());
        EXPECT_EQ(program.objednavkovyList().okno()->model().lstObjednavky.size(), 1);
        program.objednavkovyList().okno()->close();
        // A summary picture that does not load leaves none.
        m.setSouhrn({{}, {}, inst.data + QStringLiteral("/Pict/neni.gif")});
        EXPECT_TRUE(list->imgPrurez->pixmap().isNull());

        // Closing from code, as the program's end does, erases nothing; the close box goes back.
        list->close();
        EXPECT_FALSE(menu->isVisible());
        EXPECT_EQ(program.data().sorvenikaParametry.System, system);
        list->show();
        zaviraciPolicko(list);
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(program.data().sorvenikaParametry.SystemKod, 0);
        EXPECT_TRUE(program.data().dataSystemu.Polozky.prazdna());
        // What the event loop does before the user's next click.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(list.isNull());
        EXPECT_EQ(program.list()->okno(), nullptr);
        sluzby.dialogs.zpravy.clear();
    }

    // Without its item table the system is reported and the menu stays.
    ASSERT_TRUE(QFile::remove(inst.data + QStringLiteral("/DORVA.txt")));
    menu->SystemCombut(3)->click();
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_TRUE(sluzby.dialogs.zpravy[0].text.contains(QStringLiteral("DORVA.txt")));
    EXPECT_EQ(program.list()->okno(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
