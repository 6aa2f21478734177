// The accessory picker's window: it shows its model, forwards clicks, previews the hovered box
// (a missing picture shows none) and closes with OK or Storno; and the sheet's summary frame.
#include "costing/QtListSorveniky.h"
#include "costing/frmSorvenika.h"
#include "parameters/QtPruvodceParametru.h"
#include "parameters/frmPrislusenstvi.h"
#include "support/TestSupport.h"
#include "systems/SystemFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QCloseEvent>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");

void najed(QWidget* w) {
    QEvent e(QEvent::Enter);
    QCoreApplication::sendEvent(w, &e);
}

// A click on the box's indicator, as the user makes it.
void klikni(QCheckBox* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

Priznaky priznaky(std::initializer_list<int> i) {
    Priznaky f{};
    for (int x : i) f[static_cast<size_t>(x)] = true;
    return f;
}

}  // namespace

TEST(AccessoryPickerWindow, ShowsTheModelAndForwardsClicks) {
    ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, priznaky({0}));
    frmPrislusenstvi okno(m);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Příslušenství"));
    EXPECT_EQ(okno.lblPrurez[0]->text(), QStringLiteral("16"));
    EXPECT_EQ(okno.lblPrurez[1]->text(), QString());
    EXPECT_TRUE(okno.chkPrislusenstvi(0)->isChecked());
    EXPECT_FALSE(okno.chkPrislusenstvi(13)->isEnabled());
    for (int i : {3, 7, 16, 21}) EXPECT_FALSE(okno.chkPrislusenstvi(i)->isVisible()) << i;
    EXPECT_EQ(okno.chkPrislusenstvi(27)->text(), QStringLiteral("prostup 150mm"));
    EXPECT_EQ(okno.chkPrislusenstvi(35)->toolTip().left(26), QStringLiteral("Slouží pro utěsnění komíno"));

    klikni(okno.chkPrislusenstvi(1));
    klikni(okno.chkPrislusenstvi(0));
    klikni(okno.chkPrislusenstvi(13));
    EXPECT_EQ(m.priznaky(), priznaky({1}));
    EXPECT_FALSE(okno.chkPrislusenstvi(0)->isChecked());

    // Every box with its caption fits the window.
    for (int i = 0; i < kPocetPrislusenstvi; ++i) {
        const QCheckBox* b = okno.chkPrislusenstvi(i);
        if (!b->isVisible()) continue;
        EXPECT_GE(b->width(), b->sizeHint().width()) << i;
        EXPECT_TRUE(okno.rect().contains(QRect(b->mapTo(&okno, QPoint(0, 0)), b->size()))) << i;
    }

    okno.cmdOk->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

// Both columns of a two-flue chimney, each under its diameter.
TEST(AccessoryPickerWindow, TwoFluesSideBySide) {
    ModelPrislusenstvi m({"MIV2R", "14/16", false, 0, 4}, {});
    frmPrislusenstvi okno(m);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    EXPECT_EQ(okno.lblPrurez[1]->text(), QStringLiteral("16"));
    for (int r = 0; r < 6; ++r) {
        const QCheckBox* a = okno.chkPrislusenstvi(10 + r);
        const QCheckBox* b = okno.chkPrislusenstvi(16 + r);
        ASSERT_TRUE(b->isVisible());
        const QRect ra(a->mapTo(&okno, QPoint(0, 0)), a->size());
        const QRect rb(b->mapTo(&okno, QPoint(0, 0)), b->size());
        EXPECT_EQ(ra.top(), rb.top());
        EXPECT_LT(ra.left() + a->sizeHint().width(), rb.left());
        EXPECT_EQ(rb.left(), okno.lblPrurez[1]->mapTo(&okno, QPoint(0, 0)).x());
    }
}

TEST(AccessoryPickerWindow, HoverPreviewsPictureNameAndText) {
    Instalace kopie;
    // 28 is missing, 29 is not a picture.
    ASSERT_TRUE(QFile::remove(kopie.data + QStringLiteral("/Pict/Prislusenstvi/28.jpg")));
    writeBytes(kopie.data + QStringLiteral("/Pict/Prislusenstvi/29.jpg"), QByteArray("no picture here"));
    ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, {});
    frmPrislusenstvi okno(m);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));

    najed(okno.chkPrislusenstvi(27));
    ASSERT_TRUE(okno.imgPrislusenstvi->isVisible());
    const QSize obr = okno.imgPrislusenstvi->pixmap().size();
    EXPECT_EQ(obr, QSize(300, 300));
    const QRect r = okno.imgPrislusenstvi->geometry();
    EXPECT_NEAR(r.left(), (okno.frmNahled->width() - obr.width()) / 2, 1);
    EXPECT_NEAR(r.top(), (okno.frmNahled->height() - obr.height()) / 2, 1);
    EXPECT_EQ(okno.lblNazev->text(), QStringLiteral("prostup 150mm"));
    EXPECT_EQ(okno.txtPopis->toPlainText(), QStringLiteral("Slouží k prostupu kouřovodu hořlavou stěnou"));

    // A disabled box previews nothing.
    najed(okno.chkPrislusenstvi(13));
    EXPECT_EQ(okno.lblNazev->text(), QStringLiteral("prostup 150mm"));

    for (int i : {28, 29}) {
        najed(okno.chkPrislusenstvi(i));
        EXPECT_FALSE(okno.imgPrislusenstvi->isVisible()) << i;
        EXPECT_TRUE(okno.imgPrislusenstvi->pixmap().isNull()) << i;
        EXPECT_EQ(okno.lblNazev->text(), polozkaPrislusenstvi(i).popisek);
        EXPECT_EQ(okno.txtPopis->toPlainText(), polozkaPrislusenstvi(i).popis);
    }
    najed(okno.chkPrislusenstvi(0));
    EXPECT_TRUE(okno.imgPrislusenstvi->isVisible());
}

// Enter is Ok wherever the focus is but on Storno; Escape is Storno.
TEST(AccessoryPickerWindow, EnterIsOkAndEscapeIsStorno) {
    for (const auto& [klavesa, naStorno, vysledek] : {std::tuple{Qt::Key_Return, false, QDialog::Accepted},
                                                     {Qt::Key_Return, true, QDialog::Rejected},
                                                     {Qt::Key_Escape, false, QDialog::Rejected}}) {
        ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, {});
        frmPrislusenstvi okno(m);
        okno.show();
        okno.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
        QWidget* cil = naStorno ? static_cast<QWidget*>(okno.cmdStorno) : okno.chkPrislusenstvi(0);
        cil->setFocus();
        QTest::keyClick(cil, klavesa);
        EXPECT_FALSE(okno.isVisible());
        EXPECT_EQ(okno.result(), vysledek) << klavesa << naStorno;
    }
}

TEST(AccessoryPickerWindow, StornoAndCloseStoreNothing) {
    ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, {});
    QtVyberPrislusenstvi vyber;
    QTimer::singleShot(0, [] {
        auto* okno = qobject_cast<frmPrislusenstvi*>(QApplication::activeModalWidget());
        ASSERT_TRUE(okno);
        okno->cmdStorno->click();
    });
    EXPECT_FALSE(vyber.vyber(m));
    QTimer::singleShot(0, [] {
        auto* okno = qobject_cast<frmPrislusenstvi*>(QApplication::activeModalWidget());
        ASSERT_TRUE(okno);
        okno->chkPrislusenstvi(26)->click();
        okno->cmdOk->click();
    });
    EXPECT_TRUE(vyber.vyber(m));
    EXPECT_EQ(m.priznaky(), priznaky({26}));
}

// The sheet's summary frame follows the model; a picture that does not load leaves none.
TEST(CostingSheetSummary, LabelsAndPicture) {
    FakeServices sluzby;
    GlobalniData g;
    frmSorvenika okno(g, {});
    ModelListu& m = okno.model();
    m.setSouhrn({{"Průměr komína : 16 cm", "Výška : 8 m", "Typ : Bez větrací šachty", "Ukončení : Orlex (1,2 m)"},
                 "vnější r. 32/32 cm",
                 kData + "/Pict/MIV_P.gif"});
    EXPECT_EQ(okno.lblParametry[3]->text(), QStringLiteral("Ukončení : Orlex (1,2 m)"));
    EXPECT_EQ(okno.lblTvarnice->text(), QStringLiteral("vnější r. 32/32 cm"));
    EXPECT_EQ(okno.imgPrurez->pixmap().size(), QSize(100, 88));

    m.setSouhrn({{"Průměr komína : 16 cm", "Výška : 7 m", "Typ : Bez větrací šachty", "Ukončení : KDS"},
                 "",
                 kData + "/Pict/neni.gif"});
    EXPECT_EQ(okno.lblTvarnice->text(), QString());
    EXPECT_TRUE(okno.imgPrurez->pixmap().isNull());
}

// Accessories picked through the wizard's link belong to the draft: they are offered again at
// OK and committed with it, and a wizard closed without OK leaves the costing's flags alone.
TEST(AccessoryPickerWindow, ChoicesFromTheWizardsLinkReachTheCommit) {
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_EQ(nactiDodanySystem(g, QStringLiteral("MIV")), QString());
    QtListSorveniky list(g, {}, {});
    struct Zaznam : IVyberPrislusenstvi {
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
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();

    using P = Prvek;
    QTimer::singleShot(0, [&] {
        frmParametry* w = pruvodce.okno();
        ASSERT_TRUE(w);
        ModelParametru& m = w->model();
        m.cmbPrurez_Click(static_cast<int>(m.polozky(P::cmbPrurez).indexOf(QStringLiteral("16"))));
        m.fokusNa(P::txtVyska);
        m.zmenText(P::txtVyska, QStringLiteral("8"));
        m.enter(P::txtVyska);
        m.optUkonceni_Click(3);
        w->sync();
        vyber.zaskrtni = {0, 26};
        QTest::mouseClick(w->prvek(P::lblPrislusenstvi), Qt::LeftButton);
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

    QTimer::singleShot(0, [&] {
        frmParametry* w = pruvodce.okno();
        vyber.zaskrtni = {1};
        QTest::mouseClick(w->prvek(P::lblPrislusenstvi), Qt::LeftButton);
        QCloseEvent e;
        QSpontaneKeyEvent::setSpontaneous(&e);
        qApp->notify(w, &e);
    });
    pruvodce.ZobrazModalne();
    EXPECT_EQ(vyber.videno.size(), 3u);
    EXPECT_EQ(priznakyZ(g.sorvenikaParametry.Prislusenstvi), priznaky({0, 26}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete list.okno();
}
