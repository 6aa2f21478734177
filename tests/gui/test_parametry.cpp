// The parameter wizard's window as the user meets it.
#include "app/QtProgram.h"
#include "app/SouborNastaveni.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "parameters/QtPruvodceParametru.h"
#include "parameters/TextyParametru.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace {

using P = Prvek;

GlobalniData mivBezDat() {
    GlobalniData g;
    g.sorvenikaParametry.System = QStringLiteral("MIV");
    const QStringList prurezy = {"12", "14", "16", "18", "20", "25", "30", "35", "40", "45", "60"};
    g.dataSystemu.Prurezy.vytvor(static_cast<int>(prurezy.size()));
    g.dataSystemu.SachtaPovolena.vytvor(static_cast<int>(prurezy.size()));
    for (int i = 0; i < prurezy.size(); ++i) {
        g.dataSystemu.Prurezy(i + 1) = prurezy[i];
        g.dataSystemu.SachtaPovolena(i + 1) = true;
    }
    return g;
}

// A test before may have ended the application, after which every modal loop returns at once;
// a run of the main loop clears that.
void obnovSmycky() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

struct Okno {
    FakeServices sluzby;
    GlobalniData g = mivBezDat();
    int potvrzeno = 0;
    int zavreno = 0;
    frmParametry w{g, {[this](ModelParametru&) { return ++potvrzeno > 0; }, [this] { ++zavreno; }, {}}};

    Okno() {
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
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
};

}  // namespace

TEST(WizardWindow, EnterConfirmsTheBoxAndPressesNoButton) {
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
    EXPECT_TRUE(o.c(P::cmdDalsi)->isEnabled());
    EXPECT_TRUE(o.c<QAbstractButton>(P::optUkonceni0)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::optUkonceni0));
    // "Další" is enabled now; Enter in the box again still stays on the frame.
    o.c(P::txtVyska)->setFocus();
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Return);
    EXPECT_EQ(o.ram(), o.c(P::ram1));
    EXPECT_EQ(o.w.model().krokDalsi(), 1);
    EXPECT_TRUE(o.sluzby.dialogs.zpravy.isEmpty());
    for (P p : {P::cmdZpet, P::cmdDalsi, P::cmdOk}) EXPECT_FALSE(o.c<QPushButton>(p)->autoDefault());
}

TEST(WizardWindow, FramesSwitchOnNextAndBackAndAnUnconfirmedHeightHoldsTheFocus) {
    Okno o;
    o.w.model().cmbPrurez_Click(4);
    o.w.sync();
    o.napis(P::txtVyska, QStringLiteral("6"));

    // A changed height left with the mouse: the warning, and the click goes nowhere.
    o.c(P::txtVyska)->setFocus();
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Backspace);
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_7);
    QTest::mouseClick(o.c(P::optUkonceni1), Qt::LeftButton);
    EXPECT_EQ(o.sluzby.dialogs.texty(), QStringList{texty::kStisknoteEnter});
    EXPECT_FALSE(o.c<QAbstractButton>(P::optUkonceni1)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::txtVyska));
    QTest::mouseClick(o.c(P::cmdDalsi), Qt::LeftButton);
    EXPECT_EQ(o.sluzby.dialogs.texty().size(), 2);
    EXPECT_EQ(o.ram(), o.c(P::ram1));
    QTest::keyClick(o.c(P::txtVyska), Qt::Key_Return);

    QTest::mouseClick(o.c(P::cmdDalsi), Qt::LeftButton);
    EXPECT_EQ(o.ram(), o.c(P::ram2a));
    EXPECT_EQ(QApplication::focusWidget(), o.c(P::txtVyskaOrlex));
    EXPECT_FALSE(o.c(P::cmdDalsi)->isEnabled());
    o.napis(P::txtVyskaOrlex, QStringLiteral("1,5"));
    QTest::mouseClick(o.c(P::cmdDalsi), Qt::LeftButton);
    EXPECT_EQ(o.ram(), o.c(P::ram3));
    EXPECT_TRUE(o.c(P::cmdDalsi)->isHidden());
    QTest::mouseClick(o.c(P::cmdZpet), Qt::LeftButton);
    QTest::mouseClick(o.c(P::cmdZpet), Qt::LeftButton);
    EXPECT_EQ(o.ram(), o.c(P::ram1));
    EXPECT_FALSE(o.c(P::cmdZpet)->isEnabled());
    EXPECT_EQ(o.sluzby.dialogs.texty().size(), 2);
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

TEST(WizardWindow, EscapeKeepsItOpenAndTheCloseBoxAbandons) {
    {
        Okno o;
        QTest::keyClick(o.c(P::cmbPrurez), Qt::Key_Escape);
        QTest::keyClick(&o.w, Qt::Key_Escape);
        EXPECT_TRUE(o.w.isVisible());
        zaviraciPolicko(&o.w);
        EXPECT_FALSE(o.w.isVisible());
        EXPECT_EQ(o.w.result(), QDialog::Rejected);
        EXPECT_EQ(o.zavreno, 1);
        EXPECT_EQ(o.potvrzeno, 0);
    }
    {
        Okno o;
        ModelParametru& m = o.w.model();
        m.cmbPrurez_Click(4);
        m.fokusNa(P::txtVyska);
        m.zmenText(P::txtVyska, QStringLiteral("6"));
        m.txtVyska_KeyPress();
        m.optUkonceni_Click(3);
        m.cmdDalsi_Click();
        m.optVolbaStatZajisteni_Click(1);
        o.w.sync();
        QTest::mouseClick(o.c(P::cmdOk), Qt::LeftButton);
        EXPECT_EQ(o.potvrzeno, 1);
        EXPECT_EQ(o.w.result(), QDialog::Accepted);
        EXPECT_FALSE(o.w.isVisible());
        o.w.close();
        EXPECT_EQ(o.zavreno, 0);
    }
}

TEST(WizardWindow, OpensModallyOverTheSheetAndItsCloseBoxAbandons) {
    FakeServices sluzby;
    GlobalniData g;
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    ASSERT_FALSE(NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba);
    g.sorvenikaParametry.SystemKod = 1;
    g.sorvenikaParametry.System = QStringLiteral("MIV");
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
    {
        Prostredi prostredi("SORVENIKA_DATA", data.toUtf8());
        ASSERT_TRUE(NactiSystem(g, cenik));
    }
    QtListSorveniky list(g, {}, {});
    list.Zobraz();
    struct : IVyberPrislusenstvi {
        int zobrazeni = 0;
        bool vyber(ModelPrislusenstvi&) override { return ++zobrazeni > 0; }
    } prislusenstvi;
    QtPruvodceParametru pruvodce(g, list, {}, &prislusenstvi);
    obnovSmycky();

    // The window is modal over the sheet; its close box leaves the sheet without a costing.
    QPointer<frmParametry> videno;
    QTimer::singleShot(0, [&] {
        videno = pruvodce.okno();
        ASSERT_TRUE(videno);
        EXPECT_EQ(QApplication::activeModalWidget(), videno.data());
        EXPECT_EQ(videno->parentWidget(), list.okno());
        zaviraciPolicko(videno);
    });
    pruvodce.ZobrazModalne();
    EXPECT_EQ(prislusenstvi.zobrazeni, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(videno.isNull());
    EXPECT_FALSE(list.okno()->model().ramViditelny());
    delete list.okno();
}
TEST(WizardWindow, EveryFrameReadsWell) {
    Okno o;
    ModelParametru& m = o.w.model();
    m.cmbPrurez_Click(4);
    m.fokusNa(P::txtVyska);
    m.zmenText(P::txtVyska, QStringLiteral("8,2"));
    m.txtVyska_KeyPress();
    m.klik(P::chkHorniDvirka);
    struct Snimek {
        const char* jmeno;
        int ukonceni;
        std::function<void()> vyplnit;
    };
    auto napis = [&](P p, const char* t) {
        m.fokusNa(p);
        m.zmenText(p, QString::fromLatin1(t));
        m.enter(p);
    };
    const Snimek snimky[] = {
        {"1", 0, [] {}},
        {"2a", 0, [&] { napis(P::txtVyskaOrlex, "1,5"); }},
        {"2b", 1, [&] { napis(P::txtVyskaObezdivky, "1,2"); }},
        {"2c", 2, [&] { m.cmbVyskaPlaste_Click(3); }},
        {"3", 1, [&] { napis(P::txtVyskaObezdivky, "1"); m.cmdDalsi_Click(); napis(P::txtVyskaNadstresniCasti, "1,8"); }},
    };
    for (const Snimek& s : snimky) {
        SCOPED_TRACE(s.jmeno);
        while (m.krokZpet() > 0) m.cmdZpet_Click();
        m.optUkonceni_Click(s.ukonceni);
        if (s.jmeno[0] != '1') m.cmdDalsi_Click();
        s.vyplnit();
        o.w.sync();
        QCoreApplication::processEvents();
        EXPECT_LE(o.w.width(), 800);
        EXPECT_LE(o.w.height(), 600);
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
