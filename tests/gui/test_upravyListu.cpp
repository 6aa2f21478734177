// Editing the costing sheet through real keys, the note editor and where each command leads.
#include "app/HlavniNabidka.h"
#include "app/QtProgram.h"
#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "costing/QtListSorveniky.h"
#include "costing/frmPomocnik.h"
#include "costing/frmPoznamka.h"
#include "platform/FileStore.h"
#include "platform/Services.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"
#include "systems/Kalkulacky.h"
#include "engine/Systemy.h"
#include "costing/Kalkulace.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
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

GlobalniData dodaneNastaveni() {
    GlobalniData g;
    EXPECT_FALSE(NactiIni(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Sorvenika.ini"), g).chyba);
    return g;
}

// The sample costing on a sheet of the shipped settings, with its system's title.
struct Ukazka {
    FakeServices sluzby;
    GlobalniData g = dodaneNastaveni();
    frmSorvenika okno;
    ModelListu& m = okno.model();
    explicit Ukazka(frmSorvenika::Sluzby s = {}) : okno(g, std::move(s)) {
        spocitejUkazku(g, m);
        for (QLabel* l : okno.lblSystem) l->setText(g.sorvenikaParametry.SystemNazev());
    }
    // The sheet on a screen of that size, active.
    bool ukaz(QSize obrazovka) {
        okno.nastavRozmery(QRect(QPoint(), obrazovka));
        okno.show();
        okno.activateWindow();
        return aktivni(&okno);
    }
};

}  // namespace

namespace {

// Typed as a keyboard types it, Czech letters included.
void pis(QWidget* w, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

struct Okna : IModalniOkno, IObjednavka {
    int zobrazeno = 0;
    QList<PolozkaObjednavky> pridane;
    std::function<void()> potvrzeni;  // what the wizard's OK does; none: its close box
    void ZobrazModalne() override {
        ++zobrazeno;
        if (potvrzeni) potvrzeni();
    }
    void Zobraz() override { ++zobrazeno; }
    void PridatObjednavku(const PolozkaObjednavky& p) override { pridane << p; }
};

}  // namespace

TEST(CostingSheet, TypingIntoTheGridEditsTheCosting) {
    Ukazka u;
    frmSorvenika& okno = u.okno;
    ModelListu& m = u.m;
    GlobalniData& g = u.g;
    ASSERT_TRUE(u.ukaz({1024, 768}));
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
    t->verticalScrollBar()->setValue(3);  // scrolled meanwhile, it stays over the row it writes to
    EXPECT_EQ(std::pair(box->geometry(), t->verticalScrollBar()->value()), std::pair(t->obdelnikBunky(9, 3), 3));
    t->verticalScrollBar()->setValue(0);
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
    Ukazka u;
    frmSorvenika& okno = u.okno;
    const GlobalniData& g = u.g;
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

TEST(CostingSheet, CommandsReachTheirWindows) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(inst.ini(), g).chyba);
    Okna pruvodce, objednavka, objednavky, nabidky, import, adresar;
    int menu = 0, konec = 0;
    QStringList vystupy;
    frmSorvenika::Sluzby s;
    s.zpetDoMenu = [&] { ++menu; };
    s.konec = [&] { ++konec; };
    s.pruvodce = &pruvodce;
    s.objednavka = &objednavka;
    s.objednavky = &objednavky;
    s.nabidky = &nabidky;
    s.nabidka = [&](const Kalkulace&) { vystupy << QStringLiteral("nabidka"); };
    s.importZakazniku = &import;
    s.adresar = &adresar;
    s.vystupy.Tisk = [&](const Kalkulace&) -> Vysledek<> {
        vystupy << QStringLiteral("tisk");
        return {};
    };
    s.vystupy.ExportDoExcelu = [&](const Kalkulace&) -> Vysledek<> {
        vystupy << QStringLiteral("excel");
        return {};
    };
    s.vystupy.Sorvenika2Html = [&](const Kalkulace&, const QString& cesta) -> Vysledek<> {
        vystupy << QFileInfo(cesta).fileName();
        return filestore::replace(cesta, "<html>");
    };
    const QPointer<frmSorvenika> okno = new frmSorvenika(g, std::move(s));
    ModelListu& m = okno->model();
    spocitejUkazku(g, m);
    auto prikaz = [&](Prikaz p) { okno->akce(p)->trigger(); };

    prikaz(Prikaz::mnuPridat);
    EXPECT_EQ(objednavka.pridane, QList<PolozkaObjednavky>{PridaniDoObjednavky(m.kalkulace())});
    EXPECT_EQ(objednavka.zobrazeno, 1);
    QTest::mouseClick(okno->lblParametry[2], Qt::LeftButton);
    m.setZakaznik(0, QStringLiteral("Novák"));
    m.setZakaznik(2, QStringLiteral("Brno"));
    m.setPoznamka(QStringLiteral("pozn."));
    g.Koeficient = 0.8f;
    // The new costing's wizard closed with its close box: the costing stays whole.
    prikaz(Prikaz::mnu_Nova_sorvenika);
    EXPECT_EQ(std::tuple(pruvodce.zobrazeno, m.zakaznik(0), m.zakaznik(2), g.sorvenikaParametry.Poznamka, m.kalkulace().parametry.Poznamka,
                         g.Koeficient),
              std::tuple(2, QStringLiteral("Novák"), QStringLiteral("Brno"), QStringLiteral("pozn."), QStringLiteral("pozn."), 0.8f));
    pruvodce.potvrzeni = [&] { spocitejUkazku(g, m); };
    prikaz(Prikaz::mnu_Nova_sorvenika);
    EXPECT_EQ(std::tuple(pruvodce.zobrazeno, m.zakaznik(0), m.zakaznik(2), g.sorvenikaParametry.Poznamka, g.Koeficient),
              std::tuple(3, QString(), QString(), QString(), 1.0f));

    for (Prikaz p : {Prikaz::mnu_Tisk, Prikaz::mnu_Ulozit_jako_HTML, Prikaz::mnu_Email, Prikaz::mnu_Export_do_Excelu,
                     Prikaz::mnuNabidky, Prikaz::mnu_Import, Prikaz::mnu_Zakaznik, Prikaz::mnuObjednavky})
        prikaz(p);
    QTest::mouseClick(okno->lblNabidka, Qt::LeftButton);
    // No file chosen for the HTML page: nothing written.
    EXPECT_EQ(vystupy, (QStringList{QStringLiteral("tisk"), QStringLiteral("MIV.htm"), QStringLiteral("excel"), QStringLiteral("nabidka")}));
    EXPECT_EQ(sluzby.desktop.maily.size(), 1);
    EXPECT_EQ(std::tuple(objednavky.zobrazeno, nabidky.zobrazeno, import.zobrazeno, adresar.zobrazeno), std::tuple(1, 1, 1, 1));
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList());

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

namespace {

// A key as the keyboard sends it, to whatever has the focus: press and release, with the
// modifiers held and the text the layout produces.
void klavesa(int k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_TRUE(w);
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key(k), text, m);
    QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), Qt::Key(k), text, m);
}

// Digits on the Czech layout: Shift held for each one and let go between them.
void cislice(const QString& cisla) {
    for (QChar c : cisla) {
        QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), Qt::Key_Shift, QString(), Qt::ShiftModifier);
        klavesa(Qt::Key_0 + (c.unicode() - u'0'), Qt::ShiftModifier, QString(c));
        QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), Qt::Key_Shift, QString(), Qt::NoModifier);
    }
}

}  // namespace

// Every key pressed in an open editor stays in it: Shift between digits, arrows, Page keys and
// the line edit's shortcuts (the sheet's Ctrl+Z and Ctrl+X are its menu commands elsewhere).
TEST(CostingSheet, EveryKeyInAnEditorIsTheEditors) {
    Ukazka u;
    frmSorvenika& okno = u.okno;
    ModelListu& m = u.m;
    GlobalniData& g = u.g;
    ASSERT_TRUE(u.ukaz({1024, 768}));
    QSignalSpy prikazy(&okno, &frmSorvenika::prikaz);
    QLineEdit* box = okno.txtBox;
    const int volny = g.sorvenikaParametry.PocetRadku + 1;
    auto polozka = [&](int r) { return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r); };
    okno.akce(Prikaz::mnuVolbyPrepocitavat)->trigger();
    prikazy.clear();

    // An item row and a free row's quantity, typed "15" with Shift.
    for (auto [radek, sloupec] : {std::pair(9, 0), std::pair(volny, 3)}) {
        m.Nastav_kurzor_v_tabulce(radek);
        m.Tabulka.setCol(sloupec);
        okno.Tabulka->setFocus();
        cislice(QStringLiteral("15"));
        ASSERT_TRUE(box->isVisible()) << radek;
        EXPECT_EQ(box->text(), QStringLiteral("15"));
        klavesa(Qt::Key_Return);
        EXPECT_EQ(polozka(radek).Ks, 15.0f) << radek;
    }
    EXPECT_EQ(std::pair(g.Koeficient, okno.txtKoef->isVisible()), std::pair(1.0f, false));

    // A free row's name: moving and selecting keys keep the editor and its text; Ctrl+X cuts and
    // Ctrl+V pastes there instead of ending the program; Ctrl+Z undoes instead of going to the menu.
    m.Tabulka.setRow(volny + 1);
    m.Tabulka.setCol(0);
    okno.Tabulka->setFocus();
    klavesa(Qt::Key_L, Qt::ShiftModifier, QStringLiteral("L"));
    pis(box, QStringLiteral("ávka"));
    for (auto [k, mod] : {std::pair(Qt::Key_Down, Qt::NoModifier), std::pair(Qt::Key_PageDown, Qt::NoModifier),
                          std::pair(Qt::Key_Up, Qt::NoModifier), std::pair(Qt::Key_Control, Qt::ControlModifier),
                          std::pair(Qt::Key_Alt, Qt::AltModifier), std::pair(Qt::Key_Home, Qt::NoModifier),
                          std::pair(Qt::Key_A, Qt::ControlModifier)}) {
        klavesa(k, mod);
        EXPECT_TRUE(box->isVisible() && box->hasFocus()) << k;
        EXPECT_EQ(box->text(), QStringLiteral("Lávka")) << k;
    }
    EXPECT_EQ(box->selectedText(), QStringLiteral("Lávka"));
    klavesa(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QString());
    klavesa(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("Lávka"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" na střechu"));
    klavesa(Qt::Key_End);
    klavesa(Qt::Key_V, Qt::ControlModifier);
    klavesa(Qt::Key_Enter);
    EXPECT_EQ(polozka(volny + 1).Nazev, QStringLiteral("Lávka na střechu"));
    EXPECT_EQ(prikazy.count(), 0);

    // The coefficient editor: Escape, or a click elsewhere on the sheet, shows the coefficient in
    // force again; 0 is refused.
    FlexGridView* s = okno.TabSuma;
    const QPoint koeficient = s->visualRect(s->model()->index(kKoeficient, 1)).center();
    for (int konec : {0, 1, 2}) {
        SCOPED_TRACE(konec);
        QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, koeficient);
        s->setFocus();
        cislice(QStringLiteral("5"));
        ASSERT_TRUE(okno.txtKoef->hasFocus());
        if (konec == 0) klavesa(Qt::Key_Escape);
        else if (konec == 1) QTest::mouseClick(okno.Tabulka->viewport(), Qt::LeftButton, {}, okno.Tabulka->visualRect(m.Tabulka.index(3, 1)).center());
        else klavesa(Qt::Key_Backspace), cislice(QStringLiteral("0")), klavesa(Qt::Key_Return);
        EXPECT_EQ(okno.txtKoef->isVisible(), konec == 2);
        EXPECT_EQ(s->hasFocus(), konec == 0);
        EXPECT_EQ(std::pair(g.Koeficient, m.TabSuma.TextMatrix(kKoeficient, 1)), std::pair(1.0f, QStringLiteral("100")));
    }
    EXPECT_EQ(u.sluzby.dialogs.texty(), QStringList{kSpatnaHodnotaSouctu});

    // Outside an editor Alt and a letter open a menu of the sheet.
    okno.Tabulka->setFocus();
    klavesa(Qt::Key_V, Qt::AltModifier, QStringLiteral("v"));
    auto* volby = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(volby);
    EXPECT_EQ(volby->objectName(), QStringLiteral("mnuVolby"));
    volby->close();
}

// A free row edited at the bottom of a long bill stays in view: the refill after a quantity, a
// price or Delete does not scroll the bill back to its top.
TEST(CostingSheet, FreeRowEditsKeepTheUsersPlace) {
    Ukazka u;
    frmSorvenika& okno = u.okno;
    ModelListu& m = u.m;
    ASSERT_TRUE(u.ukaz({800, 600}));
    FlexGridView* t = okno.Tabulka;
    const int posledni = m.Tabulka.Rows() - 1;
    m.Tabulka.setRow(posledni);
    QCoreApplication::processEvents();
    const int odshora = t->verticalScrollBar()->value();
    ASSERT_GT(odshora, 0);
    for (auto [sloupec, text] : {std::pair(3, "2"), std::pair(4, "10")}) {
        m.Tabulka.setRow(posledni);
        m.Tabulka.setCol(sloupec);
        t->setFocus();
        pis(t, QString::fromLatin1(text));
        QTest::keyClick(okno.txtBox, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(t->verticalScrollBar()->value(), odshora) << sloupec;
        EXPECT_TRUE(t->viewport()->rect().intersects(t->visualRect(m.Tabulka.index(m.Tabulka.radekModelu(posledni), sloupec))));
    }
    QTest::keyClick(t, Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(t->verticalScrollBar()->value(), odshora);
    EXPECT_EQ(m.kalkulace().radky.back().CenaKs, Currency());
}

// A print error is titled with its source; the updater starts under the wait cursor, which is
// gone again before any message.
TEST(CostingSheet, PrintErrorTitleAndTheUpdatersCursor) {
    Instalace inst;
    FakeServices sluzby;
    struct Kurzor : FakeDesktop {
        QList<bool> hodiny;
        bool spust(const QString& p, const QStringList& a) override {
            hodiny << (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
            return FakeDesktop::spust(p, a);
        }
    } desktop;
    desktop.spustitelne = false;
    platform::setDesktop(&desktop);
    GlobalniData g;
    ASSERT_FALSE(NactiIni(inst.ini(), g).chyba);
    frmSorvenika::Sluzby s;
    s.vystupy.Tisk = [](const Kalkulace&) -> Vysledek<> { return Chyba{QStringLiteral("Chyba při tisku: 482 (Chyba tiskárny: X)"), QStringLiteral("Tiskárna")}; };
    frmSorvenika okno(g, std::move(s));
    okno.akce(Prikaz::mnu_Tisk)->trigger();
    okno.akce(Prikaz::mnu_Aktualizace)->trigger();
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 2);
    EXPECT_EQ(std::tuple(sluzby.dialogs.zpravy[0].titulek, sluzby.dialogs.zpravy[0].ikona), std::tuple(QStringLiteral("Tiskárna"), Ikona::Zadna));
    EXPECT_EQ(sluzby.dialogs.zpravy[1].titulek, kTitulekUpozorneni);
    EXPECT_EQ(desktop.hodiny, QList<bool>{true});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A command that reads the costing over an open editor uses what it shows: committed first as
// Enter commits it, and a value refused stops the command. Escape and a click in the grid still
// drop what was typed. A shortcut over the editor is the command's, also one that reads nothing.
TEST(CostingSheet, CommandsCommitAnOpenEditorFirst) {
    Instalace inst;
    Okna pruvodce, objednavka;
    QStringList uzito;  // what each command got: the first row's quantity / the coefficient
    const auto zaznam = [&](const Kalkulace& k, const auto&...) {
        return uzito << QString::number(k.radky[0].Ks) + u'/' + k.soucty[kKoeficient], Vysledek<>{};
    };
    frmSorvenika::Sluzby s;
    s.pruvodce = &pruvodce, s.objednavka = &objednavka, s.nabidka = zaznam, s.vystupy = {zaznam, zaznam, zaznam};
    s.konec = [&] { uzito << QStringLiteral("konec"); }, s.zpetDoMenu = [&] { uzito << QStringLiteral("menu"); };
    Ukazka u(std::move(s));
    pruvodce.potvrzeni = [&] { (void)zaznam(u.m.kalkulace()); };
    ASSERT_TRUE(u.ukaz({1024, 768}));
    u.okno.akce(Prikaz::mnuVolbyPrepocitavat)->trigger();  // the quantity as typed, not one derived from it
    const QString pred = QString::number(u.m.kalkulace().radky[0].Ks);
    const auto ctrl = [](Qt::Key k) { return [k] { QTest::keyClick(QApplication::focusWidget(), k, Qt::ControlModifier); }; };
    const auto klik = [](QWidget* w, QPoint p = {}) { return [=] { QTest::mouseClick(w, Qt::LeftButton, {}, p); }; };
    const auto bunka = [&](FlexGridView* v, int r) { return klik(v->viewport(), v->visualRect(v->grid()->index(v->grid()->radekModelu(r), 1)).center()); };
    const auto doObjednavky = [&] { ctrl(Qt::Key_O)(), uzito << objednavka.pridane.last().Kusy.section(u'|', 0, 0); };
    // A command of the "Volby" menu, and the first row's quantity after it.
    const auto volba = [&](Prikaz p) {
        return [&, p] { u.m.setPovoleny(p, true), u.okno.akce(p)->trigger(), uzito << QString::number(u.m.kalkulace().radky[0].Ks); };
    };
    const struct {
        std::function<void()> prikaz;
        QString uzito;  // none when the command did not run
        const char* napsano = "3";
        bool koeficient = false;  // typed into the coefficient, not the first row's quantity
        bool necte = false;       // the command reads nothing: the editor stays as it is
    } pripady[] = {
        {[&] { u.sluzby.dialogs.soubory = {inst.dir.filePath("a.htm")}, ctrl(Qt::Key_H)(); }, "3/100"},
        {ctrl(Qt::Key_E), "3/100"},
        {doObjednavky, "3"},
        {ctrl(Qt::Key_P), "3/100"},
        {[&] { u.okno.akce(Prikaz::mnu_Export_do_Excelu)->trigger(); }, "3/100"},
        {klik(u.okno.lblNabidka), "3/100"},
        {[&] { az(modalni<frmPoznamka>, [&](QWidget* w) { (void)zaznam(u.m.kalkulace()), zaviraciPolicko(w); }), klik(u.okno.lblPoznamka)(); }, "3/100"},
        {ctrl(Qt::Key_N), "3/100"},
        {klik(u.okno.lblParametry[0]), "3/100"},
        {ctrl(Qt::Key_P), "", "40000"},
        {ctrl(Qt::Key_P), "", "0", true},
        {ctrl(Qt::Key_P), pred + "/90", "90", true},
        {volba(Prikaz::mnuSadaStred), "3"},
        {volba(Prikaz::mnuVolbyZobrazitNuloveKusy), "3"},
        {ctrl(Qt::Key_X), "konec", "3", false, true},
        {[&] { klavesa(Qt::Key_Escape), ctrl(Qt::Key_P)(); }, pred + "/100"},
        {[&] { bunka(u.okno.Tabulka, 1)(), doObjednavky(); }, pred},
        {ctrl(Qt::Key_Z), "menu", "90", true},  // last: the sheet goes
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(&c - pripady);
        u.g.Koeficient = 1.0f;
        spocitejUkazku(u.g, u.m);
        mezikrok();
        u.okno.activateWindow();
        ASSERT_TRUE(aktivni(&u.okno));
        uzito.clear();
        u.sluzby.dialogs.zpravy.clear();
        (c.koeficient ? bunka(u.okno.TabSuma, kKoeficient) : bunka(u.okno.Tabulka, 1))();
        cislice(QString::fromLatin1(c.napsano));
        c.prikaz();
        QLineEdit* box = c.koeficient ? u.okno.txtKoef : u.okno.txtBox;
        EXPECT_EQ(std::tuple(uzito.value(0), box->isVisible(), u.sluzby.dialogs.texty().contains(c.koeficient ? kSpatnaHodnotaSouctu : kZadejteCiselnouHodnotu)),
                  std::tuple(c.uzito, c.uzito.isEmpty() || c.necte, c.uzito.isEmpty()));
        if (box->isVisible()) QTest::keyClick(box, Qt::Key_Escape);
    }
}
