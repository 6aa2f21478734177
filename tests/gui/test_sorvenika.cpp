// The costing sheet as the user meets it: opened from the main menu, filled by the costing
// dispatch, closed with its close box; and how it looks on the smallest and a common screen.
#include "app/QtProgram.h"
#include "costing/QtListSorveniky.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace {

// A bill as the dispatch fills it: name, code, old code, list price, weight, quantity as
// calculated, quantity on the sheet.
struct Radek {
    const char* nazev;
    const char* kod;
    const char* stary;
    double cena;
    float vaha;
    float vypocet;
    float ks;
};
const Radek kUkazka[] = {
    {"Sada MIV 90° bez šachty", "SADA MIV 16", "41016", 6480.00, 96.0f, 1, 1},
    {"Sada MIV 90° se šachtou", "SADA MIV L 16", "41116", 7290.00, 118.0f, 0, 0},
    {"Sada střed bez šachty", "SADA STRED 16", "41216", 2150.00, 38.0f, 0, 0},
    {"MST tvárnice bez šachty", "MST 16", "42016", 389.50, 36.5f, 14, 14},
    {"MST L tvárnice se šachtou", "MST L 16", "42116", 452.00, 44.0f, 0, 0},
    {"RR vložka 330", "RR 16", "43016", 412.30, 7.8f, 17, 17},
    {"PA vložka pro dvířka", "PA 16", "43116", 1189.00, 9.5f, 1, 1},
    {"RA90 vložka kouřovod 90°", "RA90 16", "43216", 1256.40, 10.2f, 1, 2},
    {"MAT izolační rohož", "MAT 16", "44016", 168.90, 1.1f, 17, 17},
    {"Malé ukončení", "UK 16", "45016", 1725.00, 22.0f, 1, 1},
    {"Základní souprava 90°", "ZS 16", "46016", 3890.00, 64.0f, 1, 1},
    {"Obezdívka bez šachty", "NDO 16", "47016", 2468.00, 120.0f, 0, 0},
    {"Sada Orlex bez šachty", "SADA ORLEX 16", "48016", 5120.00, 82.0f, 1, 1},
    {"Díl Orlex", "DIL ORLEX 16", "48116", 318.00, 11.0f, 16, 16},
    {"Zdící směs ZSLKT", "ZSLKT", "49001", 245.00, 25.0f, 2, 2},
    {"Tyč Orlex", "TYC ORLEX", "49002", 86.50, 1.4f, 4, 4},
    {"Krycí deska", "KD 16", "49116", 1540.00, 48.0f, 0, 0},
    {"Komínová dvířka", "DVIRKA KD", "49200", 1395.00, 6.2f, 1, 1},
    {"Komínová stříška", "STRISKA 16", "49300", 980.00, 5.5f, 0, 0},
    {"Kotva do krovu", "KOTVA K", "49400", 640.00, 3.0f, 1, 1},
};
constexpr int kVolnych = 10;

// The state the parameter wizard leaves: an MIV costing of cross-section 16 loaded.
void naplnUkazku(GlobalniData& g) {
    g.sorvenikaParametry.System = QStringLiteral("MIV");
    g.sorvenikaParametry.Prurez = QStringLiteral("16");
    g.sorvenikaParametry.IdPrurez = Integer(1);
    const int n = static_cast<int>(std::size(kUkazka));
    g.dataSystemu.Polozky.vytvor(1, n + kVolnych);
    g.PocetVolnychRadku = kVolnych;
    for (int r = 1; r <= n; ++r) {
        const Radek& u = kUkazka[r - 1];
        Polozka& p = g.dataSystemu.Polozky(1, r);
        p.Nazev = QString::fromUtf8(u.nazev);
        p.ObjZnak = QString::fromUtf8(u.kod);
        p.ObjZnakPuvodni = QString::fromUtf8(u.stary);
        p.Cena = Currency::fromDouble(u.cena);
        p.Vaha = u.vaha;
        p.KsZaklad = p.KsVypocet = u.vypocet;
        p.Ks = u.ks;
    }
}

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
    void tabulkaDorva() const {
        writeBytes(data + QStringLiteral("/DORVA.txt"),
                   QByteArray("\tsachta\r\n14\t16\r\nKD330\tKD330\r\n12345\t-\r\n"));
    }
};

void zaviraciPolicko(QWidget* w) {
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    qApp->notify(w, &e);
}

// Where w lies inside `v`, in v's coordinates.
QRect vRamci(const QWidget* w, const QWidget* v) { return QRect(w->mapTo(v, QPoint(0, 0)), w->size()); }

}  // namespace

TEST(CostingSheet, ReadsWellOnSmallAndCommonScreens) {
    FakeServices sluzby;
    GlobalniData g;
    g.nastaveni.DPH = Currency::fromInt(21);
    g.nastaveni.PlatnostCen = QStringLiteral("1.1.2026");
    naplnUkazku(g);
    frmSorvenika okno(g, {});
    ModelListu& m = okno.model();
    SpocitejSorveniku(g, Kalkulacky(), m.mrizky());
    okno.lblSystem[0]->setText(QStringLiteral("MIV - jednoprůduchový"));
    okno.lblSystem[1]->setText(QStringLiteral("MIV - jednoprůduchový"));
    const char* souhrn[] = {"Průměr komína : 16 cm", "Výška : 8 m", "Typ : Bez větrací šachty", "Ukončení : Orlex (1,2 m)"};
    for (int i = 0; i < 4; ++i) okno.lblParametry[i]->setText(QString::fromUtf8(souhrn[i]));
    okno.lblTvarnice->setText(QStringLiteral("vnější r. 32/32 cm"));
    m.setZakaznik(0, QStringLiteral("Stavby Novák s.r.o."));
    m.setZakaznik(1, QStringLiteral("Nádražní 12"));
    m.setZakaznik(2, QStringLiteral("Kolín"));
    okno.show();
    m.Nastav_kurzor_v_tabulce(1);

    for (const QSize obrazovka : {QSize(1024, 768), QSize(800, 600)}) {
        SCOPED_TRACE(obrazovka.width());
        okno.nastavRozmery(QRect(QPoint(0, 0), obrazovka));
        QCoreApplication::processEvents();
        EXPECT_LE(okno.width(), obrazovka.width());
        EXPECT_LE(okno.frameGeometry().height(), obrazovka.height());

        const QImage obraz = okno.grab().toImage();
        const QString soubor = QCoreApplication::applicationDirPath() +
                               QStringLiteral("/sorvenika_%1x%2.png").arg(obrazovka.width()).arg(obrazovka.height());
        ASSERT_TRUE(obraz.save(soubor));

        // Every price column fits beside the vertical scroll bar.
        EXPECT_FALSE(okno.Tabulka->horizontalScrollBar()->isVisible());
        // The band under the items: all inside the frame, none over another.
        const QWidget* pas[] = {okno.RamParametry, okno.RamZakaznik, okno.lblNabidka, okno.lblPoznamka, okno.TabSuma,
                                okno.Tabulka, okno.lblPoznDodani};
        for (const QWidget* a : pas) {
            EXPECT_TRUE(okno.Ram->rect().contains(vRamci(a, okno.Ram))) << a->objectName().toStdString();
            for (const QWidget* b : pas) {
                if (a == b) continue;
                EXPECT_FALSE(vRamci(a, okno.Ram).intersects(vRamci(b, okno.Ram)))
                    << a->objectName().toStdString() << " " << b->objectName().toStdString();
            }
        }
        // Labels are not cut off.
        for (const QLabel* l : std::initializer_list<const QLabel*>{okno.lblNabidka, okno.lblPoznDodani, okno.lblSystem[0], okno.lblParametry[3]})
            EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
        // The totals sit at the bottom right of the frame.
        const QRect soucty = vRamci(okno.TabSuma, okno.Ram);
        EXPECT_GE(soucty.right(), okno.Ram->width() - 20);
        EXPECT_GE(soucty.top(), vRamci(okno.Tabulka, okno.Ram).bottom());
    }
}

TEST(CostingSheet, OpensFromTheMenuAndItsCloseBoxGoesBack) {
    Instalace inst;
    inst.tabulkaDorva();
    FakeServices sluzby;
    QtProgram p;
    ASSERT_TRUE(p.aplikace().Main());
    frmMenu* menu = p.menu();
    menu->SystemCombut(3)->click();
    const QPointer<frmSorvenika> list = p.list()->okno();
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Sorvenika - Kestroma") + QString(25, u' ') +
                                       QStringLiteral("platnost ceníku od 1.1.2026 až do vydání dalšího ceníku"));
    EXPECT_EQ(list->lblSystem[0]->text(), QStringLiteral("DORVA - jednoprůduchový"));
    EXPECT_EQ(list->lblSystem[1]->text(), list->lblSystem[0]->text());
    EXPECT_EQ(list->Tabulka->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Cena celkem"));
    EXPECT_EQ(list->TabSuma->model()->data(list->TabSuma->model()->index(4, 0)).toString(),
              QStringLiteral("Cena s 21% DPH"));
    // DORVA has no row 3 in its totals.
    EXPECT_TRUE(list->TabSuma->isRowHidden(3));
    EXPECT_EQ(p.data().sorvenikaParametry.SystemKod, 4);

    // Closing from code, as the program's end does, erases nothing.
    list->close();
    EXPECT_EQ(p.data().sorvenikaParametry.SystemKod, 4);
    EXPECT_FALSE(menu->isVisible());
    list->show();

    zaviraciPolicko(list);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(p.data().sorvenikaParametry.SystemKod, 0);
    EXPECT_TRUE(p.data().dataSystemu.Polozky.prazdna());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(list.isNull());
    EXPECT_EQ(p.list()->okno(), nullptr);

    // The next choice loads a fresh sheet.
    menu->SystemCombut(3)->click();
    ASSERT_TRUE(p.list()->okno());
    EXPECT_TRUE(p.list()->okno()->isVisible());
}

TEST(CostingSheet, MenuBarFollowsTheModel) {
    FakeServices sluzby;
    GlobalniData g;
    g.nastaveni.TypUzivatele = 1;
    frmSorvenika okno(g, {});
    ModelListu& m = okno.model();

    QStringList lista;
    for (QAction* a : okno.menuBar()->actions())
        if (a->isVisible()) lista << a->text();
    EXPECT_EQ(lista, QStringList({"Sorvenika", "Volby", "Objednávky", "Nabídky", "Nástroje", "Zákazník", "Program",
                                  "Tahák"}));
    const struct {
        Prikaz p;
        const char* zkratka;
    } zkratky[] = {{Prikaz::mnu_Nova_sorvenika, "Ctrl+N"}, {Prikaz::mnu_Zpet_do_menu, "Ctrl+Z"},
                   {Prikaz::mnu_Ulozit_jako_HTML, "Ctrl+H"}, {Prikaz::mnu_Email, "Ctrl+E"},
                   {Prikaz::mnuPridat, "Ctrl+O"}, {Prikaz::mnu_Tisk, "Ctrl+P"}, {Prikaz::mnu_Konec, "Ctrl+X"},
                   {Prikaz::mnu_Export_do_Excelu, ""}};
    for (const auto& z : zkratky)
        EXPECT_EQ(okno.akce(z.p)->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(z.zkratka))
            << okno.akce(z.p)->text().toStdString();
    EXPECT_TRUE(okno.akce(Prikaz::mnu_Export_do_Excelu)->isVisible());
    EXPECT_FALSE(okno.akce(Prikaz::mnu_Email)->isEnabled());
    EXPECT_TRUE(okno.akce(Prikaz::mnuSadaStred)->isEnabled());
    EXPECT_TRUE(okno.RamZakaznik->isHidden());

    // A command whose handler is not connected keeps the model's tick.
    QSignalSpy prikazy(&okno, &frmSorvenika::prikaz);
    QAction* prepocitavat = okno.akce(Prikaz::mnuVolbyPrepocitavat);
    ASSERT_TRUE(prepocitavat->isChecked());
    prepocitavat->trigger();
    ASSERT_EQ(prikazy.count(), 1);
    EXPECT_EQ(prikazy[0][0].value<Prikaz>(), Prikaz::mnuVolbyPrepocitavat);
    EXPECT_TRUE(prepocitavat->isChecked());
    // A handler that changes the model is shown.
    QObject::connect(&okno, &frmSorvenika::prikaz, &m, [&m](Prikaz p) {
        if (p == Prikaz::mnuVolbyPrepocitavat) m.setZaskrtnuty(p, !m.stav(p).zaskrtnuty);
    });
    prepocitavat->trigger();
    EXPECT_FALSE(prepocitavat->isChecked());

    // The abandoned wizard, through the program's sheet.
    m.ZakazPrikazySorveniky();
    EXPECT_TRUE(okno.Ram->isHidden());
    for (Prikaz p : {Prikaz::mnu_Nova_sorvenika, Prikaz::mnu_Tisk, Prikaz::mnuPridat, Prikaz::mnuSadaStred})
        EXPECT_FALSE(okno.akce(p)->isEnabled()) << okno.akce(p)->text().toStdString();
    EXPECT_TRUE(okno.akce(Prikaz::mnu_Konec)->isEnabled());
}

TEST(CostingSheet, AbandonedWizardLoadsTheSheetToDisableIt) {
    FakeServices sluzby;
    GlobalniData g;
    QList<QWidget*> registrovana;
    QtListSorveniky list(g, [&](QWidget* w) { registrovana << w; }, {});
    list.ZakazPrikazySorveniky();
    ASSERT_TRUE(list.okno());
    EXPECT_EQ(registrovana, QList<QWidget*>{list.okno()});
    EXPECT_FALSE(list.okno()->model().ramViditelny());
    EXPECT_FALSE(list.okno()->akce(Prikaz::mnu_Email)->isEnabled());
    delete list.okno();
}

TEST(CostingSheet, EditingKeysInACustomerBoxStayThere) {
    FakeServices sluzby;
    GlobalniData g;
    frmSorvenika okno(g, {});
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    QSignalSpy prikazy(&okno, &frmSorvenika::prikaz);

    // Outside a text box the shortcut reaches its command.
    okno.Tabulka->setFocus();
    QTest::keyClick(okno.Tabulka, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(prikazy.count(), 1);
    EXPECT_EQ(prikazy[0][0].value<Prikaz>(), Prikaz::mnu_Nova_sorvenika);

    QLineEdit* box = okno.txtZakaznik[0];
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("Novak"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString());
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("Novak"));
    EXPECT_EQ(okno.model().zakaznik(0), QStringLiteral("Novak"));
    EXPECT_EQ(prikazy.count(), 1);
}
