// The accessory picker's window: it shows its model, forwards clicks, previews the hovered box (a
// missing picture shows none) and closes with OK or Storno.
#include "parameters/frmPrislusenstvi.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void najed(QWidget* w) {
    QEvent e(QEvent::Enter);
    QCoreApplication::sendEvent(w, &e);
}

// A click on the box's indicator, as the user makes it.
void klikni(QCheckBox* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

QRect vOkne(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

}  // namespace

TEST(AccessoryPickerWindow, ShowsTheModelForwardsClicksAndStoresOnOkOnly) {
    Priznaky f{};
    f[0] = f[13] = true;
    ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, f);
    QtVyberPrislusenstvi vyber;
    for (bool ok : {false, true}) {
        const QObject kontext;
        QTimer::singleShot(0, &kontext, [&] {
            auto* okno = qobject_cast<frmPrislusenstvi*>(QApplication::activeModalWidget());
            ASSERT_TRUE(okno);
            EXPECT_EQ(okno->windowTitle(), QStringLiteral("Příslušenství"));
            EXPECT_EQ(okno->lblPrurez[0]->text(), QStringLiteral("16"));
            EXPECT_EQ(okno->lblPrurez[1]->text(), QString());
            EXPECT_EQ(okno->chkPrislusenstvi(27)->text(), QStringLiteral("prostup 150mm"));
            EXPECT_EQ(okno->chkPrislusenstvi(35)->toolTip().left(26), QStringLiteral("Slouží pro utěsnění komíno"));
            for (int i = 0; i < kPocetPrislusenstvi; ++i) {
                const QCheckBox* b = okno->chkPrislusenstvi(i);
                const StavBoxu& s = m.box(i);
                EXPECT_EQ(std::tuple(b->isVisible(), b->isEnabled(), b->isChecked()),
                          std::tuple(s.viditelny, s.povoleny, s.zaskrtnuty)) << i;
                // Every box with its caption fits the window.
                EXPECT_TRUE(!b->isVisible() || (okno->rect().contains(vOkne(b)) && b->width() >= b->sizeHint().width())) << i;
            }
            if (!ok) {
                klikni(okno->chkPrislusenstvi(1));
                klikni(okno->chkPrislusenstvi(0));
            }
            (ok ? okno->cmdOk : okno->cmdStorno)->click();
        });
        EXPECT_EQ(vyber.vyber(m), ok);
    }
    // The clicks reached the model, shown again the second time; Storno only tells the caller to drop it.
    Priznaky ocekavane{};
    ocekavane[1] = true;
    EXPECT_EQ(m.priznaky(), ocekavane);
}

// Both columns of a two-flue chimney, each under its diameter.
TEST(AccessoryPickerWindow, TwoFluesSideBySide) {
    ModelPrislusenstvi m({"MIV2R", "14/16", false, 0, 4}, {});
    frmPrislusenstvi okno(m);
    okno.show();
    ASSERT_TRUE(ukazano(&okno));
    EXPECT_EQ(okno.lblPrurez[1]->text(), QStringLiteral("16"));
    for (int r = 0; r < 6; ++r) {
        const QCheckBox* a = okno.chkPrislusenstvi(10 + r);
        const QCheckBox* b = okno.chkPrislusenstvi(16 + r);
        ASSERT_TRUE(b->isVisible());
        EXPECT_EQ(vOkne(a).top(), vOkne(b).top());
        EXPECT_LT(vOkne(a).left() + a->sizeHint().width(), vOkne(b).left());
        EXPECT_EQ(vOkne(b).left(), vOkne(okno.lblPrurez[1]).left());
    }
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
        ASSERT_TRUE(aktivni(&okno));
        QWidget* cil = naStorno ? static_cast<QWidget*>(okno.cmdStorno) : okno.chkPrislusenstvi(0);
        cil->setFocus();
        QTest::keyClick(cil, klavesa);
        EXPECT_FALSE(okno.isVisible());
        EXPECT_EQ(okno.result(), vysledek) << klavesa << naStorno;
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
    ASSERT_TRUE(ukazano(&okno));

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
