// The accessory picker's window: it shows its model, forwards clicks, previews the hovered box
// (a missing picture shows none) and closes with OK or Storno; and the sheet's summary frame.
#include "costing/frmSorvenika.h"
#include "parameters/frmPrislusenstvi.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");

// A copy of the sample data for the test's duration, as the program's data folder.
struct KopieDat {
    QTemporaryDir dir;
    QString data = copySampleData(dir);
    QByteArray predtim = qgetenv("SORVENIKA_DATA");
    KopieDat() { qputenv("SORVENIKA_DATA", data.toUtf8()); }
    ~KopieDat() {
        if (predtim.isNull()) qunsetenv("SORVENIKA_DATA");
        else qputenv("SORVENIKA_DATA", predtim);
    }
};

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
    KopieDat kopie;
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
