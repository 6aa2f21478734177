// The parameter wizard's window as the user meets it, and its accessory link over the sheet.
#include "costing/QtListSorveniky.h"
#include "parameters/PotvrzeniParametru.h"
#include "parameters/QtPruvodceParametru.h"
#include "parameters/TextyParametru.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"
#include "systems/Kalkulacky.h"
#include "systems/SystemFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using P = Prvek;

GlobalniData miv() {
    GlobalniData g;
    EXPECT_EQ(nactiDodanySystem(g, QStringLiteral("MIV")), QString());
    return g;
}

struct Okno {
    FakeServices sluzby;
    GlobalniData g = miv();
    int potvrzeno = 0;
    int prislusenstvi = 0;
    frmParametry w{g, {[this](ModelParametru&) { return ++potvrzeno > 0; }, {}, [this] { ++prislusenstvi; }, {}}};

    Okno() {
        w.show();
        w.activateWindow();
        EXPECT_TRUE(aktivni(&w));
    }
    template <typename T = QWidget>
    T* c(P p) const {
        return qobject_cast<T*>(w.prvek(p));
    }
    QWidget* ram() const { return w.findChild<QStackedWidget*>()->currentWidget(); }
    void napis(P p, const QString& text) {
        c(p)->setFocus();
        QTest::keyClicks(c(p), text);
        QTest::keyClick(c(p), Qt::Key_Return);
    }
    void klik(P p) { QTest::mouseClick(c(p), Qt::LeftButton); }
};

}  // namespace

TEST(WizardWindow, EnterConfirmsABoxAndAnUnconfirmedHeightHoldsTheFocus) {
    Okno o;
    auto* prurez = o.c<QComboBox>(P::cmbPrurez);
    prurez->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(prurez, Qt::Key_Down);
    QTest::keyClick(prurez, Qt::Key_Return);
    EXPECT_EQ(o.w.model().koncept().Prurez, QStringLiteral("16"));
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::txtVyska));
    QTest::keyClicks(o.c(P::txtVyska), QStringLiteral("8,2"));
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Return);
    EXPECT_EQ(o.c<QLineEdit>(P::txtVyska)->text(), QStringLiteral("8,33"));
    EXPECT_TRUE(o.c<QAbstractButton>(P::optUkonceni0)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::optUkonceni0));
    // "Další" is enabled now; Enter in the box again presses no button.
    EXPECT_TRUE(o.c(P::cmdDalsi)->isEnabled());
    o.c(P::txtVyska)->setFocus();
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Return);
    EXPECT_EQ(o.ram(), o.c(P::ram1));
    for (P p : {P::cmdZpet, P::cmdDalsi, P::cmdOk}) EXPECT_FALSE(o.c<QPushButton>(p)->autoDefault());
    EXPECT_TRUE(o.sluzby.dialogs.zpravy.isEmpty());

    // A changed height left with the mouse: the warning, and the click goes nowhere.
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Backspace);
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_7);
    o.klik(P::optUkonceni1);
    EXPECT_EQ(o.sluzby.dialogs.texty(), QStringList{texty::kStisknoteEnter});
    EXPECT_FALSE(o.c<QAbstractButton>(P::optUkonceni1)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::txtVyska));
    o.klik(P::cmdDalsi);
    EXPECT_EQ(o.sluzby.dialogs.texty().size(), 2);
    EXPECT_EQ(o.ram(), o.c(P::ram1));
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Return);

    // The frames switch on Next and Back.
    o.klik(P::cmdDalsi);
    EXPECT_EQ(o.ram(), o.c(P::ram2a));
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::txtVyskaOrlex));
    EXPECT_FALSE(o.c(P::cmdDalsi)->isEnabled());
    o.napis(P::txtVyskaOrlex, QStringLiteral("1,5"));
    o.klik(P::cmdDalsi);
    EXPECT_EQ(o.ram(), o.c(P::ram3));
    EXPECT_TRUE(o.c(P::cmdDalsi)->isHidden());
    o.klik(P::cmdZpet);
    o.klik(P::cmdZpet);
    EXPECT_EQ(o.ram(), o.c(P::ram1));
    EXPECT_FALSE(o.c(P::cmdZpet)->isEnabled());
    EXPECT_EQ(o.sluzby.dialogs.texty().size(), 2);
}

// The keyboard alone: Tab reaches the accessory link and Enter opens the picker; Enter in a
// height box confirms it and focuses the button, Enter on the button presses it.
TEST(WizardWindow, TabReachesTheLinkAndEnterStepsOn) {
    Okno o;
    o.w.model().cmbPrurez_Click(4);
    o.w.sync();
    o.napis(P::txtVyska, QStringLiteral("6"));
    for (int i = 0; i < 20 && QApplication::focusWidget() != o.c(P::lblPrislusenstvi); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), o.c(P::lblPrislusenstvi));
    QTest::keyClick(o.c(P::lblPrislusenstvi), Qt::Key_Return);
    EXPECT_EQ(o.prislusenstvi, 1);

    QTest::mouseClick(o.c(P::cmdDalsi), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), o.c(P::txtVyskaOrlex));
    QTest::keyClicks(o.c(P::txtVyskaOrlex), QStringLiteral("1,5"));
    QTest::keyClick(o.c(P::txtVyskaOrlex), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), o.c(P::cmdDalsi));
    QTest::keyClick(o.c(P::cmdDalsi), Qt::Key_Return);
    EXPECT_EQ(o.ram(), o.c(P::ram3));

    // "NE" chosen with the arrow key: the focus goes to Ok all the same.
    ASSERT_EQ(QApplication::focusWidget(), o.c(P::optVolbaStatZajisteni0));
    QTest::keyClick(o.c(P::optVolbaStatZajisteni0), Qt::Key_Right);
    EXPECT_TRUE(o.c<QAbstractButton>(P::optVolbaStatZajisteni1)->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == o.c(P::cmdOk); }, 30000));
    QTest::keyClick(o.c(P::cmdOk), Qt::Key_Return);
    EXPECT_EQ(o.potvrzeno, 1);
    EXPECT_TRUE(o.sluzby.dialogs.zpravy.isEmpty()) << o.sluzby.dialogs.texty().join('|').toStdString();
}

TEST(WizardWindow, ComputedCountsShowWholeAndTypingStaysLimited) {
    Okno o;
    ModelParametru& m = o.w.model();
    m.cmbPrurez_Click(10);  // "60"
    m.optSachta_Click(1);
    m.fokusNa(P::txtVyska);
    m.zmenText(P::txtVyska, QStringLiteral("9"));
    m.txtVyska_KeyPress();
    m.optUkonceni_Click(1);
    m.cmdDalsi_Click();
    o.w.sync();
    o.napis(P::txtVyskaObezdivky, QStringLiteral("4"));
    auto* cihly = o.c<QLineEdit>(P::txtPocetCihel);
    EXPECT_EQ(cihly->text(), QStringLiteral("1044"));
    cihly->setFocus();
    cihly->end(false);
    QTest::keyClick(cihly, Qt::Key_5);
    EXPECT_EQ(cihly->text(), QStringLiteral("1044"));
    cihly->selectAll();
    QTest::keyClicks(cihly, QStringLiteral("12a34"));
    EXPECT_EQ(cihly->text(), QStringLiteral("123"));
    QTest::keyClick(cihly, Qt::Key_Return);
    EXPECT_EQ(m.koncept().PocetCihel, 123);
}

TEST(WizardWindow, EveryFrameReadsWell) {
    Okno o;
    ModelParametru& m = o.w.model();
    m.cmbPrurez_Click(4);
    m.fokusNa(P::txtVyska);
    m.zmenText(P::txtVyska, QStringLiteral("8,2"));
    m.txtVyska_KeyPress();
    m.klik(P::chkHorniDvirka);
    auto napis = [&](P p, const char* t) {
        m.fokusNa(p);
        m.zmenText(p, QString::fromLatin1(t));
        m.enter(p);
    };
    const struct {
        const char* jmeno;
        int ukonceni;
        std::function<void()> vyplnit;
    } snimky[] = {
        {"1", 0, [] {}},
        {"2a", 0, [&] { napis(P::txtVyskaOrlex, "1,5"); }},
        {"2b", 1, [&] { napis(P::txtVyskaObezdivky, "1,2"); }},
        {"2c", 2, [&] { m.cmbVyskaPlaste_Click(3); }},
        {"3", 1, [&] { napis(P::txtVyskaObezdivky, "1"); m.cmdDalsi_Click(); napis(P::txtVyskaNadstresniCasti, "1,8"); }},
    };
    for (const auto& s : snimky) {
        SCOPED_TRACE(s.jmeno);
        while (m.krokZpet() > 0) m.cmdZpet_Click();
        m.optUkonceni_Click(s.ukonceni);
        if (s.jmeno[0] != '1') m.cmdDalsi_Click();
        s.vyplnit();
        o.w.sync();
        QCoreApplication::processEvents();
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(o.w.frameGeometry().size())) << o.w.width() << "x" << o.w.height();
        // No caption is cut off.
        for (QWidget* x : o.ram()->findChildren<QWidget*>()) {
            if (!x->isVisible() || !(qobject_cast<QLabel*>(x) || qobject_cast<QAbstractButton*>(x))) continue;
            EXPECT_GE(x->width(), x->sizeHint().width()) << x->objectName().toStdString();
        }
        const QString soubor = QCoreApplication::applicationDirPath() + QStringLiteral("/pruvodce_%1.png").arg(s.jmeno);
        EXPECT_TRUE(o.w.grab().save(soubor));
    }
    EXPECT_TRUE(o.c<QAbstractButton>(P::chkStatickaSouprava1)->isChecked());
    EXPECT_TRUE(o.sluzby.dialogs.zpravy.isEmpty());
}

// The wizard opens modal over the sheet. Accessories picked through its link, offered by what frame
// 1 shows, belong to the draft: they are offered again at OK and committed with it. Escape keeps it
// open; its close box leaves the costing's flags alone, and a finished costing on the sheet as it
// was; only over a sheet without a costing it hides the sheet's frame and its costing commands.
TEST(WizardWindow, OverTheSheetTheLinksChoicesWaitForOkAndTheCloseBoxAbandons) {
    FakeServices sluzby;
    GlobalniData g = miv();
    QtListSorveniky list(g, {}, {});
    struct : IVyberPrislusenstvi {
        std::vector<Priznaky> videno;
        std::vector<int> zaskrtni;
        bool vyber(ModelPrislusenstvi& m) override {
            videno.push_back(m.priznaky());
            for (int i : zaskrtni) m.nastav(i, true);
            zaskrtni.clear();
            return true;
        }
    } vyber;
    QtPruvodceParametru pruvodce(g, list, {}, &vyber);
    const auto priznaky = [](std::initializer_list<int> i) {
        Priznaky f{};
        for (int x : i) f[static_cast<size_t>(x)] = true;
        return f;
    };

    const QObject kontext;
    QTimer::singleShot(0, &kontext, [&] {
        frmParametry* w = pruvodce.okno();
        ASSERT_TRUE(w);
        EXPECT_EQ(QApplication::activeModalWidget(), w);
        EXPECT_EQ(w->parentWidget(), list.okno());
        ModelParametru& m = w->model();
        m.cmbPrurez_Click(static_cast<int>(m.polozky(P::cmbPrurez).indexOf(QStringLiteral("16"))));
        m.fokusNa(P::txtVyska);
        m.zmenText(P::txtVyska, QStringLiteral("8"));
        m.enter(P::txtVyska);
        m.optUkonceni_Click(3);
        m.optKourovod_Click(1);  // 45° before any Next: no wall passage
        w->sync();
        vyber.zaskrtni = {0, 26, 27};
        QTest::mouseClick(w->prvek(P::lblPrislusenstvi), Qt::LeftButton);
        EXPECT_EQ(priznakyZ(m.koncept().Prislusenstvi), priznaky({0, 26}));
        EXPECT_FALSE(g.sorvenikaParametry.Prislusenstvi(0));
        m.cmdDalsi_Click();
        m.optVolbaStatZajisteni_Click(1);
        w->sync();
        QTest::mouseClick(w->prvek(P::cmdOk), Qt::LeftButton);
    });
    pruvodce.ZobrazModalne();
    ASSERT_EQ(vyber.videno.size(), 2u);
    EXPECT_EQ(vyber.videno[0], Priznaky{});
    EXPECT_EQ(vyber.videno[1], priznaky({0, 26}));
    EXPECT_EQ(priznakyZ(g.sorvenikaParametry.Prislusenstvi), priznaky({0, 26}));
    EXPECT_TRUE(list.okno()->isVisible());

    // The user's edits on the finished costing.
    frmSorvenika* sheet = list.okno();
    sheet->model().setZakaznik(0, QStringLiteral("Novák"));
    const Kalkulace kalkulace = sheet->model().kalkulace();
    const auto obsah = [](const Kalkulace& k) { return std::tuple(k.radky.size(), k.soucty, k.zakaznik, k.souhrn.parametry); };
    const auto povolene = [&] {
        QList<bool> p;
        for (const PolozkaMenu& m : polozkyMenu()) p << sheet->akce(m.prikaz)->isEnabled();
        return p;
    };
    const QList<bool> predtim = povolene();
    QPointer<frmParametry> videno;
    QTimer::singleShot(0, &kontext, [&] {
        videno = pruvodce.okno();
        vyber.zaskrtni = {1};
        QTest::mouseClick(videno->prvek(P::lblPrislusenstvi), Qt::LeftButton);
        QTest::keyClick(videno, Qt::Key_Escape);
        EXPECT_TRUE(videno->isVisible());
        zaviraciPolicko(videno);
    });
    pruvodce.ZobrazModalne();
    EXPECT_EQ(vyber.videno.size(), 3u);
    EXPECT_EQ(priznakyZ(g.sorvenikaParametry.Prislusenstvi), priznaky({0, 26}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(videno.isNull());
    EXPECT_EQ(list.okno(), sheet);
    EXPECT_TRUE(sheet->isVisible() && sheet->Ram->isVisible());
    EXPECT_EQ(povolene(), predtim);
    EXPECT_TRUE(sheet->akce(Prikaz::mnu_Tisk)->isEnabled());
    EXPECT_EQ(obsah(sheet->model().kalkulace()), obsah(kalkulace));
    EXPECT_EQ(sheet->model().zakaznik(0), QStringLiteral("Novák"));
    delete sheet;

    // Over a sheet that holds no costing yet, the close box takes the sheet's frame away.
    QTimer::singleShot(0, &kontext, [&] { zaviraciPolicko(pruvodce.okno()); });
    pruvodce.ZobrazModalne();
    EXPECT_TRUE(list.okno()->Ram->isHidden());
    EXPECT_FALSE(list.okno()->akce(Prikaz::mnu_Tisk)->isEnabled());
    delete list.okno();
}

// A box left without Enter: the connecting pieces (KALVIR) are taken as by Enter; a height (MIV)
// retyped after `predtim` is warned about, holding the focus, Ok included; else Ok commits the price.
// Back and "NE" read no height: no box refuses them, and Back leaves its text as typed.
TEST(WizardWindow, ABoxLeftWithoutEnterIsTakenOrWarned) {
    // NeAnoOk: typed under "NE", then "ANO" and Ok; StiskZpetDalsi: Back pressed and released off it, then Next.
    enum Jak { Enter, Tab, Klik, Dalsi, Ok, NeAnoOk, Zpet, Ne, StiskZpetDalsi };
    const struct { P box; const char* predtim; const char* text; Jak jak; QString pouzito; int souprava = -1; } radky[] = {
        {P::txtPocetNapojovacichDilu, nullptr, "1", Enter, QStringLiteral("31\u00a0349,00")},
        {P::txtPocetNapojovacichDilu, nullptr, "1", Tab, QStringLiteral("31\u00a0349,00")},
        {P::txtPocetNapojovacichDilu, nullptr, "1", Klik, QStringLiteral("31\u00a0349,00")},
        {P::txtPocetNapojovacichDilu, "2", "1", Dalsi, QStringLiteral("31\u00a0349,00")},
        {P::txtPocetNapojovacichDilu, nullptr, "", Tab, QStringLiteral("30\u00a0059,00")},
        {P::txtPocetNapojovacichDilu, nullptr, "x", Tab, texty::kSpatnaHodnota},
        {P::txtPocetNapojovacichDilu, "1", "x", Dalsi, texty::kSpatnaHodnota},
        {P::txtVyskaOrlex, "1,5", "1", Tab, texty::kStisknoteEnter},
        {P::txtVyskaObezdivky, "1", "2", Klik, texty::kStisknoteEnter},
        {P::txtVyskaObezdivky, "1", "2", Dalsi, texty::kStisknoteEnter},
        {P::txtVyskaObezdivky, "1", "2", StiskZpetDalsi, texty::kStisknoteEnter},
        {P::txtVyskaOrlex, "1,5", "1", StiskZpetDalsi, texty::kStisknoteEnter},
        {P::txtVyskaNadstresniCasti, "1,8", "2,5", Tab, texty::kStisknoteEnter},
        {P::txtVyskaNadstresniCasti, "1,8", "2,5", Ok, texty::kStisknoteEnter},
        {P::txtVyskaNadstresniCasti, "1,8", "2,5", NeAnoOk, texty::kStisknoteEnter},
        {P::txtVyskaNadstresniCasti, "1,8", "2,5", Enter, QStringLiteral("48\u00a0951,00"), 2},
        {P::txtVyskaNadstresniCasti, "2,5", "1,8", Enter, QStringLiteral("47\u00a0306,00"), 1},
        {P::txtVyskaNadstresniCasti, "1,8", "1,8", Tab, QStringLiteral("47\u00a0306,00"), 1},
        {P::txtVyskaOrlex, nullptr, "", Zpet, {}},
        {P::txtVyskaObezdivky, "1", "2", Zpet, {}},
        {P::txtVyskaNadstresniCasti, nullptr, "", Zpet, {}},
        {P::txtVyskaNadstresniCasti, nullptr, "", Ne, QStringLiteral("42\u00a0481,00")},
        {P::txtVyskaNadstresniCasti, "1,8", "2,5", Ne, QStringLiteral("42\u00a0481,00")},
    };
    for (const auto& r : radky) {
        SCOPED_TRACE(::testing::Message() << "row " << (&r - radky) << ": " << r.text);
        const bool dily = r.box == P::txtPocetNapojovacichDilu;
        FakeServices sluzby;
        GlobalniData g;
        ASSERT_EQ(nactiDodanySystem(g, QLatin1String(dily ? "KALVIR" : "MIV")), QString());
        ModelListu list{g};
        list.Form_Load();
        struct : IVyberPrislusenstvi { bool vyber(ModelPrislusenstvi&) override { return true; } } ok;
        frmParametry w{g, {[&](ModelParametru& m) { PotvrdPruvodce(m, g, vytvorKalkulacky(g), list, ok); return true; }, {}, {}, {}}};
        w.show();
        ASSERT_TRUE(aktivni(&w));
        ModelParametru& m = w.model();
        const auto e = [&](P p) { return static_cast<QLineEdit*>(w.prvek(p)); };
        const auto napis = [&](P p, const char* text, bool enter = false) {
            e(p)->setFocus();
            e(p)->selectAll();  // a retyped text replaces the one shown
            QTest::keyClicks(e(p), QString::fromUtf8(text));
            if (enter) QTest::keyClick(e(p), Qt::Key_Return);
        };
        // At the left end, where a wide option's text begins.
        const auto klik = [&](P p) { QTest::mouseClick(w.prvek(p), Qt::LeftButton, {}, QPoint(6, w.prvek(p)->height() / 2)); };
        const auto naRam3 = [&] { if (m.ram() == Ram::R1) m.cmdDalsi_Click(); m.cmbVyskaPlaste_Click(1); m.cmdDalsi_Click(); };
        m.cmbPrurez_Click(static_cast<int>(m.polozky(P::cmbPrurez).indexOf(QLatin1String(dily ? "14" : "20"))));
        w.sync();
        napis(P::txtVyska, dily ? "6" : "8", true);
        klik(optUkonceni(r.box == P::txtVyskaOrlex ? 0 : r.box == P::txtVyskaObezdivky ? 1 : 2));
        if (r.box == P::txtVyskaNadstresniCasti) naRam3();
        else if (!dily) m.cmdDalsi_Click();
        w.sync();
        if (r.predtim) napis(r.box, r.predtim, true);
        if (r.jak == NeAnoOk) klik(P::optVolbaStatZajisteni1);
        // The Orlex counts show what the height gives: typing reaches none of them.
        for (P p : {P::txtDil_Orlex, P::txtTyc_Orlex, P::txtZSLKT}) {
            const QString pocet = e(p)->text();
            if (r.box == P::txtVyskaOrlex) napis(p, "9");
            EXPECT_EQ(std::pair(e(p)->text(), m.stav(p).text), std::pair(pocet, pocet));
        }
        napis(r.box, r.text);
        if (r.jak == NeAnoOk) klik(P::optVolbaStatZajisteni0);
        if (r.jak <= Tab) QTest::keyClick(e(r.box), r.jak == Enter ? Qt::Key_Return : Qt::Key_Tab);
        else if (r.jak == StiskZpetDalsi)
            QTest::mousePress(w.prvek(P::cmdZpet), Qt::LeftButton), QTest::mouseRelease(w.prvek(P::cmdZpet), Qt::LeftButton, {}, QPoint(-20, -20)), klik(P::cmdDalsi);
        else klik(r.jak == Dalsi ? P::cmdDalsi : r.jak == Zpet ? P::cmdZpet : r.jak == Ne ? P::optVolbaStatZajisteni1
                  : r.jak != Klik ? P::cmdOk : dily ? optUkonceni(2) : P::optCihla0);
        if (!sluzby.dialogs.zpravy.isEmpty()) { EXPECT_EQ(QApplication::focusWidget(), w.prvek(r.box)); }
        else if (r.jak == Zpet) { EXPECT_EQ(std::pair(e(r.box)->isVisible(), e(r.box)->text()), std::pair(false, QString::fromUtf8(r.text))); }
        else if (dily) naRam3(), m.optVolbaStatZajisteni_Click(1), w.sync(), klik(P::cmdOk);
        else klik(P::cmdOk);
        EXPECT_EQ(sluzby.dialogs.texty().join('|') + list.kalkulace().soucty[2], r.pouzito);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(g.sorvenikaParametry.Prislusenstvi(3 + i), i == r.souprava) << i;
    }
}
