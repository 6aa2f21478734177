// The grid view against its model: sizes and hiding, drawing, and the current cell in both
// directions.
#include "platform/QtFlexGridView.h"
#include "platform/QtWidgety.h"

#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Header and six rows of three columns; row r, column c holds "r.c".
struct Mrizka {
    FlexGrid g{7, 3};
    FlexGridView v;
    Mrizka() {
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < 3; ++c) g.setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
        g.setColWidth(0, 1500);
        g.setColWidth(1, 1200);
        g.setColWidth(2, 750);
        v.setGrid(&g);
        v.resize(400, 300);
        v.show();
        QCoreApplication::processEvents();
    }
    int m(int radek) const { return g.radekModelu(radek); }
    QPoint stred(int radek, int sloupec) const { return v.visualRect(g.index(m(radek), sloupec)).center(); }
    // Pixels of a cell (grid numbering) as drawn.
    QImage bunka(int radek, int sloupec) {
        const QImage obraz = v.viewport()->grab().toImage();
        return obraz.copy(v.visualRect(g.index(m(radek), sloupec)).adjusted(1, 1, -1, -1));
    }
};

int pocetPixelu(const QImage& obraz, const std::function<bool(QColor)>& test) {
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) n += test(obraz.pixelColor(x, y));
    return n;
}

}  // namespace

TEST(GridView, HeightsWidthsAndHidingFollowTheGrid) {
    Mrizka t;
    FlexGrid& g = t.g;
    FlexGridView& v = t.v;
    g.setRowHeight(2, 0);
    g.setRowHeight(3, 540);
    g.setColWidth(1, 0);
    EXPECT_TRUE(v.isRowHidden(t.m(2)));
    EXPECT_EQ(v.rowHeight(t.m(3)), naPixely(v, 540));
    EXPECT_EQ(v.rowHeight(t.m(4)), naPixely(v, 270));
    EXPECT_TRUE(v.isColumnHidden(1));
    EXPECT_EQ(v.columnWidth(0), naPixely(v, 1500));
    EXPECT_EQ(v.columnWidth(2), naPixely(v, 750));
    EXPECT_EQ(naPixely(v, 1440), v.logicalDpiY());
    ASSERT_TRUE(v.horizontalHeader()->isVisible());
    EXPECT_EQ(v.horizontalHeader()->height(), naPixely(v, 270));

    g.setRowHeight(2, -1);
    g.setColWidth(1, 300);
    EXPECT_FALSE(v.isRowHidden(t.m(2)));
    EXPECT_EQ(v.rowHeight(t.m(2)), naPixely(v, 270));
    EXPECT_FALSE(v.isColumnHidden(1));
    EXPECT_EQ(v.columnWidth(1), naPixely(v, 300));

    // A bulk refill re-reads everything once it is done.
    {
        FlexGridDavka davka(g);
        g.setRows(1);
        for (int i = 0; i < 4; ++i) g.AddItem(QStringLiteral("a\tb\tc"));
        g.setRowHeight(3, 0);
        g.setColWidth(0, 0);
    }
    EXPECT_EQ(v.model()->rowCount(), 4);
    EXPECT_TRUE(v.isRowHidden(t.m(3)));
    EXPECT_FALSE(v.isRowHidden(t.m(2)));
    EXPECT_TRUE(v.isColumnHidden(0));

    // Without a fixed row there is no header.
    g.setFixedRows(0);
    EXPECT_FALSE(v.horizontalHeader()->isVisible());
    EXPECT_EQ(v.model()->rowCount(), 5);
}

// Twips to pixels by the vertical resolution (the horizontal one differs here), halves rounded
// up, and those pixels back to twips.
TEST(GridView, TwipsToPixelsAtTheVerticalResolution) {
    struct Radek {
        int dpi, twipy, pixely, zpet;
    };
    for (const Radek& r : {Radek{96, 1440, 96, 1440}, Radek{96, 7, 0, 0}, Radek{96, 8, 1, 15}, Radek{48, 15, 1, 30},
                           Radek{48, 14, 0, 0}, Radek{120, 270, 23, 276}, Radek{144, 270, 27, 270},
                           Radek{100, 58, 4, 58}}) {
        QImage obraz(1, 1, QImage::Format_RGB32);
        obraz.setDotsPerMeterY(qRound(r.dpi / 0.0254));
        obraz.setDotsPerMeterX(qRound(72 / 0.0254));
        ASSERT_EQ(obraz.logicalDpiY(), r.dpi);
        EXPECT_EQ(naPixely(obraz, r.twipy), r.pixely) << r.dpi << " dpi, " << r.twipy << " twips";
        EXPECT_EQ(naTwipy(obraz, r.pixely), r.zpet) << r.dpi << " dpi, " << r.pixely << " pixels";
    }
}

TEST(GridView, DesignWidthScalesColumnsWithTheView) {
    Mrizka t;
    FlexGridView& v = t.v;
    t.g.setColWidth(1, 0);
    v.setSirkaNavrhu(3000);
    for (int sirka : {300, 602}) {
        SCOPED_TRACE(sirka);
        v.resize(sirka, 200);
        const int uvnitr = sirka - 2 * v.frameWidth();
        EXPECT_EQ(v.columnWidth(0), qRound(uvnitr * 0.5));
        EXPECT_EQ(v.columnWidth(2), qRound(uvnitr * 0.25));
        EXPECT_TRUE(v.isColumnHidden(1));
    }
}

TEST(GridView, DrawsCellColoursAndTheGridsSelection) {
    Mrizka t;
    FlexGrid& g = t.g;
    for (int c = 0; c < 3; ++c) {
        g.setCellForeColorAt(1, c, 0x0000FF);  // red as 0xBBGGRR
        g.setCellForeColorAt(2, c, 0xFF0000);  // blue
    }
    const auto cervena = [](QColor b) { return b.red() > 160 && b.green() < 90 && b.blue() < 90; };
    const auto modra = [](QColor b) { return b.blue() > 160 && b.red() < 90 && b.green() < 90; };
    EXPECT_GT(pocetPixelu(t.bunka(1, 0), cervena), 0);
    EXPECT_EQ(pocetPixelu(t.bunka(1, 0), modra), 0);
    EXPECT_GT(pocetPixelu(t.bunka(2, 0), modra), 0);
    EXPECT_EQ(pocetPixelu(t.bunka(3, 0), cervena) + pocetPixelu(t.bunka(3, 0), modra), 0);

    const QColor zvyrazneni = t.v.palette().color(QPalette::Active, QPalette::Highlight);
    const auto podbarveno = [&](int radek, int sloupec) {
        return pocetPixelu(t.bunka(radek, sloupec), [&](QColor b) { return b == zvyrazneni; }) > 10;
    };
    // The whole row 4 selected.
    g.setRow(4);
    g.setCol(0);
    g.setColSel(2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(podbarveno(4, 0));
    EXPECT_TRUE(podbarveno(4, 2));
    EXPECT_FALSE(podbarveno(3, 1));
    t.v.setZvyrazneni(Zvyrazneni::Nikdy);
    EXPECT_FALSE(podbarveno(4, 2));
    // A single cell is never drawn highlighted.
    t.v.setZvyrazneni(Zvyrazneni::Vzdy);
    g.setCol(1);
    EXPECT_FALSE(podbarveno(4, 1));
}

TEST(GridView, CurrentCellMovesBothWays) {
    Mrizka t;
    FlexGrid& g = t.g;
    FlexGridView& v = t.v;
    g.setTextMatrix(1, 0, QStringLiteral("5 dílů"));
    g.setRowHeight(5, 0);
    QSignalSpy kliky(&v, &FlexGridView::klik);

    // A click makes the cell current and collapses the selection; Click comes with it.
    g.setRow(1);
    g.setColSel(2);
    QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, t.stred(3, 2));
    EXPECT_EQ(kliky.count(), 1);
    EXPECT_EQ(std::tuple(g.Row(), g.Col(), g.RowSel(), g.ColSel()), std::tuple(3, 2, 3, 2));
    // The right button moves nothing and is no Click.
    QTest::mouseClick(v.viewport(), Qt::RightButton, {}, t.stred(4, 0));
    EXPECT_EQ(kliky.count(), 1);
    EXPECT_EQ(g.Row(), 3);

    // What the program sets is shown.
    g.setRow(4);
    g.setCol(1);
    EXPECT_EQ(v.currentIndex(), g.index(t.m(4), 1));

    // KeyDown comes before the grid moves; the hidden row is stepped over.
    int radekPriKlavese = -1;
    QObject::connect(&v, &FlexGridView::klavesaDolu, &v, [&](int klavesa, Qt::KeyboardModifiers) {
        if (klavesa == Qt::Key_Down) radekPriKlavese = g.Row();
    });
    QTest::keyClick(&v, Qt::Key_Down);
    EXPECT_EQ(radekPriKlavese, 4);
    EXPECT_EQ(g.Row(), 6);
    EXPECT_EQ(g.Col(), 1);

    // Typed characters are reported and do not jump to a row that starts with them.
    QSignalSpy znaky(&v, &FlexGridView::znak);
    QTest::keyClick(&v, Qt::Key_5);
    QTest::keyClick(&v, Qt::Key_Return);
    ASSERT_EQ(znaky.count(), 2);
    EXPECT_EQ(znaky[0][0].value<QChar>(), QLatin1Char('5'));
    EXPECT_EQ(znaky[1][0].value<QChar>(), QLatin1Char('\r'));
    EXPECT_EQ(g.Row(), 6);
}

TEST(GridView, CellRectangleForAnEditor) {
    Mrizka t;
    FlexGrid& g = t.g;
    FlexGridView& v = t.v;
    v.resize(400, naPixely(v, 270 * 4));
    QCoreApplication::processEvents();
    // In the viewport's coordinates: the editor is the viewport's child, to scroll with its cell.
    const int podHlavickou = 0;
    EXPECT_EQ(v.obdelnikBunky(1, 0).top(), podHlavickou);
    EXPECT_EQ(v.obdelnikBunky(2, 1).top(), podHlavickou + naPixely(v, 270));
    EXPECT_EQ(v.obdelnikBunky(2, 1).left(), v.columnWidth(0));
    const int cara = v.showGrid() ? 1 : 0;  // the grid line belongs to the cell before it
    EXPECT_EQ(v.obdelnikBunky(2, 1).size(), QSize(v.columnWidth(1) - cara, naPixely(v, 270) - cara));
    // TopRow scrolls the row to the top.
    g.setTopRow(4);
    QCoreApplication::processEvents();
    EXPECT_EQ(v.obdelnikBunky(4, 0).top(), podHlavickou);
    // Neither the header nor a hidden cell has a place for an editor.
    EXPECT_TRUE(v.obdelnikBunky(0, 0).isEmpty());
    g.setColWidth(2, 0);
    EXPECT_TRUE(v.obdelnikBunky(5, 2).isEmpty());
}
