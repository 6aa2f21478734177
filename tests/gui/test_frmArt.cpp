// The price-list browser's window: a filter and a quantity typed through real keys, the filter
// boxes over their columns, the editor's Enter and the insert into the order sheet.
#include "pricelist/QtSeznamPolozek.h"
#include "support/FakeCileVlozeni.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(PriceListWindow, FilterQuantityAndInsertThroughTheKeys) {
    FakeServices sluzby;
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(testData(QStringLiteral("cenik/Art")));
    QtSeznamPolozek seznam(cenik, {});
    FakeObjednavka objednavka;
    seznam.Zobraz(&objednavka);
    frmArt* okno = seznam.okno();
    ASSERT_TRUE(okno && QTest::qWaitForWindowExposed(okno));
    FlexGridView* v = okno->TabulkaArt;
    const FlexGrid& g = *v->grid();

    // Each box stands over its column.
    for (int i = 0; i < ModelArt::kFiltru; ++i) {
        const int c = ModelArt::kNadSloupcem[i];
        const QComboBox* box = okno->cmbFilter[static_cast<size_t>(i)];
        const QPoint sloupec = v->viewport()->mapTo(okno, QPoint(v->horizontalHeader()->sectionViewportPosition(c), 0));
        EXPECT_EQ(box->mapTo(okno, QPoint()).x(), sloupec.x()) << i;
        EXPECT_EQ(box->width(), v->columnWidth(c)) << i;
        EXPECT_EQ(box->currentText(), QString()) << i;
    }

    QTest::keyClicks(okno->cmbFilter[2]->lineEdit(), QStringLiteral("ab"));
    ASSERT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("abrazivní pasta"));  // old-code order

    // A digit on a row opens the editor over its Ks cell; Enter confirms.
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(g.index(0, 1)).center());
    QTest::keyClick(v, Qt::Key_4);
    ASSERT_TRUE(okno->txtBox->isVisible());
    EXPECT_EQ(okno->txtBox->geometry(), v->obdelnikBunky(1, ModelArt::kSloupecKs));
    QTest::keyClicks(okno->txtBox, QStringLiteral("2.5"));
    QTest::keyClick(okno->txtBox, Qt::Key_Return);
    EXPECT_FALSE(okno->txtBox->isVisible());
    EXPECT_EQ(g.TextMatrix(1, 3), QStringLiteral("42"));
    EXPECT_TRUE(okno->isVisible());
    EXPECT_TRUE(objednavka.radky.isEmpty());

    // Too large: the warning, and the editor stays open until a click on the list.
    QTest::keyClick(v, Qt::Key_9);
    QTest::keyClicks(okno->txtBox, QStringLiteral("0000"));
    QTest::keyClick(okno->txtBox, Qt::Key_Return);
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].text, kZadejteHodnotu);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].titulek, kTitulekUpozorneni);
    EXPECT_TRUE(okno->txtBox->isVisible());
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(g.index(1, 1)).center());
    EXPECT_FALSE(okno->txtBox->isVisible());
    // So does Escape, and the window stays.
    QTest::keyClick(v, Qt::Key_7);
    QTest::keyClick(okno->txtBox, Qt::Key_Escape);
    EXPECT_FALSE(okno->txtBox->isVisible());
    EXPECT_TRUE(okno->isVisible());
    EXPECT_EQ(g.TextMatrix(1, 3), QStringLiteral("42"));

    // Delete empties the box and the whole list is back.
    QTest::keyClick(okno->cmbFilter[2]->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(okno->cmbFilter[2]->currentText(), QString());
    EXPECT_GT(g.Rows(), 3);

    // "Vložit" empties every box.
    QTest::keyClicks(okno->cmbFilter[0]->lineEdit(), QStringLiteral("xa"));
    QTest::mouseClick(okno->cmdVlozit, Qt::LeftButton);
    EXPECT_EQ(objednavka.radky, QStringList{QStringLiteral("abrazivní pasta\tab12\t42\t35,00")});
    EXPECT_FALSE(okno->isVisible());
    for (const QComboBox* box : okno->cmbFilter) EXPECT_EQ(box->currentText(), QString());
}
