// The costing sheet as the user meets it, and how it looks on the smallest and a common screen.
#include "app/HlavniNabidka.h"
#include "app/QtProgram.h"
#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "costing/QtListSorveniky.h"
#include "costing/frmPomocnik.h"
#include "costing/frmPoznamka.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"
#include "systems/Kalkulacky.h"
#include "engine/Systemy.h"
#include "costing/Kalkulace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace {

// An MIV costing on the shipped sample data (settings read), as the parameter wizard commits it: cross-section
// 16 without a shaft, 8 m, an Orlex top of 1,2 m, an upper door.
void spocitejUkazku(GlobalniData& g, ModelListu& m) {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    SorvenikaParametry& p = g.sorvenikaParametry;
    p.SystemKod = ZjistiKodSystemu(QStringLiteral("MIV"));
    p.System = QStringLiteral("MIV");
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
    {
        Prostredi prostredi("SORVENIKA_DATA", data.toUtf8());
        ASSERT_TRUE(NactiSystem(g, cenik));
    }
    const auto& prurezy = g.dataSystemu.Prurezy;
    for (int c = 1; c <= prurezy.horni(); ++c)
        if (prurezy(c) == QLatin1String("16")) p.IdPrurez = Integer(c);
    ASSERT_NE(p.IdPrurez, 0);
    p.Prurez = QStringLiteral("16");
    p.Vyska = 8;
    p.Ukonceni = 3;
    p.VyskaUkonceni = 1.2f;
    p.PocetDiluOrlex = 16;
    p.PocetTyciOrlex = 4;
    p.PocetZSLKT = 2;
    p.HorniDvirka = true;
    SpocitejKusy(g, vytvorKalkulacky(g));
    m.nastavKalkulaci(sestavKalkulaci(g, true));
}

// The parameter wizard, counted instead of shown.
struct ZaznamOkna : IModalniOkno {
    int otevreno = 0;
    void ZobrazModalne() override { ++otevreno; }
};

// A small DORVA item table in the installation: two cross-sections.
void tabulkaDorva(const Instalace& i) {
    writeBytes(i.data + QStringLiteral("/DORVA.txt"),
               QByteArray("\tsachta\r\n14\t16\r\nKD330\tKD330\r\n12345\t-\r\n"));
}

// Where w lies inside `v`, in v's coordinates.
QRect vRamci(const QWidget* w, const QWidget* v) { return QRect(w->mapTo(v, QPoint(0, 0)), w->size()); }

}  // namespace

TEST(CostingSheet, ReadsWellOnSmallAndCommonScreens) {
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Sorvenika.ini"), g).chyba);
    frmSorvenika okno(g, {});
    ModelListu& m = okno.model();
    spocitejUkazku(g, m);
    // What the wizard writes into the summary, and one quantity the user changed.
    okno.lblSystem[0]->setText(g.sorvenikaParametry.SystemNazev());
    okno.lblSystem[1]->setText(g.sorvenikaParametry.SystemNazev());
    const char* souhrn[] = {"Průměr komína : 16 cm", "Výška : 8 m", "Typ : Bez větrací šachty", "Ukončení : Orlex (1,2 m)"};
    for (int i = 0; i < 4; ++i) okno.lblParametry[i]->setText(QString::fromUtf8(souhrn[i]));
    okno.lblTvarnice->setText(QStringLiteral("vnější r. 32/32 cm"));
    okno.imgPrurez->setPixmap(QPixmap(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Pict/MIV_P.gif")));
    Polozka& zmenena = g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, 9);
    zmenena.Ks = zmenena.KsZaklad = zmenena.Ks + 2;
    m.prepocitejCeny();
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
    tabulkaDorva(inst);
    FakeServices sluzby;
    ZaznamOkna pruvodce;
    QtProgram::Navaznosti n;
    n.pruvodce = &pruvodce;
    QtProgram p(n);
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
    EXPECT_EQ(okno.akce(Prikaz::mnu_Konec)->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_TRUE(okno.akce(Prikaz::mnu_Export_do_Excelu)->isVisible());
    EXPECT_FALSE(okno.akce(Prikaz::mnu_Email)->isEnabled());
    EXPECT_TRUE(okno.akce(Prikaz::mnuSadaStred)->isEnabled());
    EXPECT_TRUE(okno.RamZakaznik->isHidden());

    // A view option turns its tick over into the settings.
    QSignalSpy prikazy(&okno, &frmSorvenika::prikaz);
    QAction* prepocitavat = okno.akce(Prikaz::mnuVolbyPrepocitavat);
    ASSERT_TRUE(prepocitavat->isChecked());
    prepocitavat->trigger();
    ASSERT_EQ(prikazy.count(), 1);
    EXPECT_EQ(prikazy[0][0].value<Prikaz>(), Prikaz::mnuVolbyPrepocitavat);
    EXPECT_FALSE(prepocitavat->isChecked());
    EXPECT_FALSE(g.nastaveni.Prepocitavat);

    // The abandoned wizard hides the sheet's frame.
    m.ZakazPrikazySorveniky();
    EXPECT_TRUE(okno.Ram->isHidden());
    EXPECT_FALSE(okno.akce(Prikaz::mnu_Tisk)->isEnabled());
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

namespace {

// Typed as a keyboard types it, Czech letters included.
void pis(QWidget* w, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

struct Okna : IModalniOkno, IObjednavka {
    int zobrazeno = 0;
    QList<PolozkaObjednavky> pridane;
    void ZobrazModalne() override { ++zobrazeno; }
    void Zobraz() override { ++zobrazeno; }
    void PridatObjednavku(const PolozkaObjednavky& p) override { pridane << p; }
};

}  // namespace

TEST(CostingSheet, TypingIntoTheGridEditsTheCosting) {
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Sorvenika.ini"), g).chyba);
    frmSorvenika okno(g, {});
    ModelListu& m = okno.model();
    spocitejUkazku(g, m);
    for (QLabel* l : okno.lblSystem) l->setText(g.sorvenikaParametry.SystemNazev());
    okno.nastavRozmery(QRect(0, 0, 1024, 768));
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    FlexGridView* t = okno.Tabulka;
    QLineEdit* box = okno.txtBox;
    const int volny = g.sorvenikaParametry.PocetRadku + 1;
    auto polozka = [&](int r) { return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r); };

    // An item row without recalculation: only a digit opens the editor over the quantity, Tab
    // stays in it, Enter commits and moves down, Escape drops what was typed.
    okno.akce(Prikaz::mnuVolbyPrepocitavat)->trigger();
    m.Nastav_kurzor_v_tabulce(9);
    QTest::keyClick(t, Qt::Key_A);
    EXPECT_FALSE(box->isVisible());
    QTest::keyClick(t, Qt::Key_4);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->geometry(), t->obdelnikBunky(9, 3));
    QTest::keyClick(box, Qt::Key_Tab);
    pis(box, QStringLiteral("2"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(std::tuple(box->isVisible(), polozka(9).Ks, m.Tabulka.Row()), std::tuple(false, 42.0f, 10));
    EXPECT_TRUE(t->hasFocus());
    const float pred = polozka(10).Ks;
    QTest::keyClick(t, Qt::Key_7);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(std::pair(box->isVisible(), polozka(10).Ks), std::pair(false, pred));

    // A free row, cell by cell along the arrow keys.
    m.Tabulka.setRow(volny);
    m.Tabulka.setCol(0);
    for (const char* text : {"Lávka na střechu", "LAV-1", "", "2", "1250"}) {
        if (*text) {
            pis(t, QString::fromUtf8(text).left(1));
            pis(box, QString::fromUtf8(text).mid(1));
            QTest::keyClick(box, Qt::Key_Return);
        }
        QTest::keyClick(t, Qt::Key_Right);
    }
    const Polozka& p = polozka(volny);
    EXPECT_EQ(std::tuple(p.Nazev, p.ObjZnak, p.Ks, p.Cena),
              std::tuple(QStringLiteral("Lávka na střechu"), QStringLiteral("LAV-1"), 2.0f, Currency::fromInt(1250)));

    // The coefficient: a click in the totals, digits, Enter.
    FlexGridView* s = okno.TabSuma;
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, s->visualRect(s->model()->index(kKoeficient, 1)).center());
    QTest::keyClick(s, Qt::Key_9);
    pis(okno.txtKoef, QStringLiteral("5"));
    QTest::keyClick(okno.txtKoef, Qt::Key_Enter);
    EXPECT_EQ(std::tuple(okno.txtKoef->isVisible(), g.Koeficient, m.kalkulace().soucty[kKoeficient], m.Tabulka.TextMatrix(volny, 5)),
              std::tuple(false, 0.95f, QStringLiteral("95"), QStringLiteral("2\u00a0375,00")));

    // The edited sheet without its empty rows, for the eye.
    okno.akce(Prikaz::mnuVolbyZobrazitNuloveKusy)->trigger();
    m.Nastav_kurzor_v_tabulce(volny);
    QCoreApplication::processEvents();
    ASSERT_TRUE(okno.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/sorvenika_upravy.png")));
}

TEST(CostingSheet, NoteEditorStoresOnOkOnly) {
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Sorvenika.ini"), g).chyba);
    frmSorvenika okno(g, {});
    spocitejUkazku(g, okno.model());
    okno.model().setPoznamka(QStringLiteral("a\r\n\r\nb"));
    okno.show();
    const struct {
        const char* napsano;
        std::function<void(frmPoznamka*)> konec;
        const char* poznamka;
    } pripady[] = {
        {nullptr, [](frmPoznamka* p) { p->cmdOk->click(); }, "a\r\n\r\nb"},
        {"jiná", [](frmPoznamka* p) { p->cmdStorno->click(); }, "a\r\n\r\nb"},
        {"jiná", [](frmPoznamka* p) { zaviraciPolicko(p); }, "a\r\n\r\nb"},
        // Only blanks are trimmed; line ends become CR LF.
        {"  \tnová\n ", [](frmPoznamka* p) { p->cmdOk->click(); }, "\tnová\r\n"},
    };
    for (const auto& c : pripady) {
        az([] { return modalni<frmPoznamka>(); }, [&](QWidget* w) {
            auto* p = static_cast<frmPoznamka*>(w);
            EXPECT_EQ(p->lblPoznamka->toPlainText(), doEditoru(SystemovyText(okno.model().kalkulace())));
            EXPECT_TRUE(p->lblPoznamka->isReadOnly());
            if (c.napsano) p->txtPoznamka->setPlainText(QString::fromUtf8(c.napsano));
            c.konec(p);
        });
        QTest::mouseClick(okno.lblPoznamka, Qt::LeftButton);
        EXPECT_EQ(g.sorvenikaParametry.Poznamka, QString::fromUtf8(c.poznamka));
        EXPECT_EQ(okno.model().kalkulace().parametry.Poznamka, g.sorvenikaParametry.Poznamka);
    }
}

TEST(CostingSheet, CommandsReachTheirWindowsOrSayTheyComeLater) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(inst.ini(), g).chyba);
    Okna pruvodce, objednavka;
    int menu = 0, konec = 0;
    frmSorvenika::Sluzby s;
    s.zpetDoMenu = [&] { ++menu; };
    s.konec = [&] { ++konec; };
    s.pruvodce = &pruvodce;
    s.objednavka = &objednavka;
    const QPointer<frmSorvenika> okno = new frmSorvenika(g, std::move(s));
    ModelListu& m = okno->model();
    spocitejUkazku(g, m);
    auto prikaz = [&](Prikaz p) { okno->akce(p)->trigger(); };

    prikaz(Prikaz::mnuPridat);
    EXPECT_EQ(objednavka.pridane, QList<PolozkaObjednavky>{PridaniDoObjednavky(m.kalkulace())});
    EXPECT_EQ(objednavka.zobrazeno, 1);
    QTest::mouseClick(okno->lblParametry[2], Qt::LeftButton);
    m.setZakaznik(0, QStringLiteral("Novák"));
    m.setPoznamka(QStringLiteral("pozn."));
    g.Koeficient = 0.8f;
    prikaz(Prikaz::mnu_Nova_sorvenika);
    EXPECT_EQ(std::tuple(pruvodce.zobrazeno, m.zakaznik(0), g.sorvenikaParametry.Poznamka, g.Koeficient),
              std::tuple(2, QString(), QString(), 1.0f));

    for (Prikaz p : {Prikaz::mnu_Tisk, Prikaz::mnu_Ulozit_jako_HTML, Prikaz::mnu_Email, Prikaz::mnu_Export_do_Excelu,
                     Prikaz::mnuNabidky, Prikaz::mnu_Import, Prikaz::mnu_Zakaznik, Prikaz::mnuObjednavky})
        prikaz(p);
    QTest::mouseClick(okno->lblNabidka, Qt::LeftButton);
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 9);
    for (const QString& t : sluzby.dialogs.texty()) EXPECT_TRUE(t.endsWith(QStringLiteral("v další verzi programu."))) << t.toStdString();

    az([] { return modalni<frmPomocnik>(); }, [](QWidget* w) {
        EXPECT_EQ(static_cast<frmPomocnik*>(w)->Image1->pixmap().size(), QSize(489, 455));
        zaviraciPolicko(w);
    });
    prikaz(Prikaz::mnuTahak);

    // The updater that cannot start keeps the program; the one that starts ends it, as "Konec".
    sluzby.desktop.spustitelne = false;
    prikaz(Prikaz::mnu_Aktualizace);
    EXPECT_EQ(konec, 0);
    sluzby.desktop.spustitelne = true;
    prikaz(Prikaz::mnu_Aktualizace);
    prikaz(Prikaz::mnu_Konec);
    EXPECT_EQ(konec, 2);

    prikaz(Prikaz::mnu_Zpet_do_menu);
    EXPECT_EQ(std::pair(menu, g.sorvenikaParametry.SystemKod), std::pair(1, 0));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(okno.isNull());
}
