#include "platform/Errors.h"
#include "platform/FlexGrid.h"
#include "support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

QStringList radek(const FlexGrid& g, int r) {
    QStringList s;
    for (int c = 0; c < g.Cols(); ++c) s << g.TextMatrix(r, c);
    return s;
}

QStringList sloupec(const FlexGrid& g, int c) {
    QStringList s;
    for (int r = 0; r < g.Rows(); ++r) s << g.TextMatrix(r, c);
    return s;
}

using Kurzor = std::array<int, 4>;
Kurzor kurzor(const FlexGrid& g) { return {g.Row(), g.Col(), g.RowSel(), g.ColSel()}; }

}  // namespace

TEST(FlexGrid, AddItemSplitsTabsIntoTheColumnsItHasAndDroppedFieldsStayDropped) {
    struct { const char* co; std::function<void(FlexGrid&)> f; QStringList po; } cases[] = {
        {"one field", [](FlexGrid& g) { g.AddItem("a"); }, {"a", "", "", ""}},
        {"empty fields", [](FlexGrid& g) { g.AddItem("a\t\tc"); }, {"a", "", "c", ""}},
        {"more fields than columns", [](FlexGrid& g) { g.setCols(2); g.AddItem("a\tb\tc\td"); g.setCols(4); },
         {"a", "b", "", ""}},
        {"columns shrunk after a write", [](FlexGrid& g) { g.AddItem("a\tb\tc"); g.setTextMatrix(1, 0, "x"); g.setCols(2); g.setCols(4); },
         {"x", "b", "", ""}},
        {"a written cell may hold a tab", [](FlexGrid& g) { g.AddItem("a\tb\tc\td"); g.setTextMatrix(1, 1, "b1\tb2"); },
         {"a", "b1\tb2", "c", "d"}},
        {"rows grown are empty", [](FlexGrid& g) { g.setRows(2); g.setCols(5); g.setCols(4); }, {"", "", "", ""}},
    };
    for (const auto& k : cases) {
        FlexGrid g(1, 4);
        k.f(g);
        ASSERT_EQ(g.Rows(), 2) << k.co;
        EXPECT_EQ(radek(g, 1), k.po) << k.co;
        for (int c = 0; c < g.Cols(); ++c) EXPECT_EQ(g.TextView(1, c), k.po[c]) << k.co;
        EXPECT_EQ(g.RowHeight(1), g.vychoziVyskaRadku());
    }

    FlexGrid g(1, 1);
    for (const char* t : {"a", "c"}) g.AddItem(t);
    g.AddItem("b", 2);
    g.AddItem("0", 1);
    g.AddItem("d", g.Rows());
    EXPECT_EQ(sloupec(g, 0), (QStringList{"", "0", "a", "b", "c", "d"}));
}

TEST(FlexGrid, RowsFromASourceAreAskedForWhenFirstReadAndActAsAddedText) {
    QList<int> zadane;
    const auto zdroj = [&](int k) {
        zadane << k;
        return QStringLiteral("r%1\t%2\tc\td\te").arg(k).arg(100 - k);
    };
    FlexGrid g(1, 4);
    EXPECT_THROW(g.AddItems({1}), RuntimeError);  // no source
    g.setZdrojRadku(zdroj);
    QSignalSpy vlozeno(&g, &QAbstractItemModel::rowsInserted);
    g.AddItems({7, 3, 9});
    g.AddItems({});
    g.AddItem("x	y");
    EXPECT_EQ(std::tuple(g.Rows(), vlozeno.count()), std::tuple(5, 2));
    EXPECT_EQ(std::tuple(vlozeno[0].at(1).toInt(), vlozeno[0].at(2).toInt()), std::tuple(0, 2));
    EXPECT_TRUE(zadane.isEmpty());

    // Read once, cut to the grid's columns, then like any added row.
    EXPECT_EQ(radek(g, 2), (QStringList{"r3", "97", "c", "d"}));
    EXPECT_EQ(g.TextView(2, 1), QStringLiteral("97"));
    EXPECT_EQ(zadane, QList<int>{3});
    g.setCols(2);
    g.setCols(4);
    EXPECT_EQ(radek(g, 1), (QStringList{"r7", "93", "", ""}));
    g.setTextMatrix(3, 0, "w");
    EXPECT_EQ(radek(g, 3), (QStringList{"w", "91", "", ""}));
    g.setCol(1);
    g.setRow(1);
    g.setRowSel(4);
    g.Sort();
    EXPECT_EQ(sloupec(g, 0), (QStringList{"", "w", "r7", "r3", "x"}));
    EXPECT_EQ(zadane, (QList<int>{3, 7, 9}));
    EXPECT_FALSE(g.maVlastniVysky());
    g.setRowHeight(2, -1);
    EXPECT_FALSE(g.maVlastniVysky());
    g.setRowHeight(2, 0);
    EXPECT_TRUE(g.maVlastniVysky());
}

TEST(FlexGrid, RowsShrinkAndGrowKeepTheHeader) {
    FlexGrid g(1, 2);
    g.setTextMatrix(0, 0, "Název");
    g.setTextMatrix(0, 1, "Ks");
    for (int i = 1; i <= 5; ++i) g.AddItem(QString("r%1\t%1").arg(i));
    g.setRowHeight(2, 0);
    g.setRows(3);
    EXPECT_EQ(sloupec(g, 0), (QStringList{"Název", "r1", "r2"}));
    EXPECT_EQ(g.RowHeight(2), 0);
    g.setRows(5);
    EXPECT_EQ(sloupec(g, 0), (QStringList{"Název", "r1", "r2", "", ""}));
    EXPECT_EQ(g.RowHeight(4), g.vychoziVyskaRadku());
    // A refill without redrawing keeps TopRow where it still fits; a shrink that is drawn moves it.
    g.setTopRow(4);
    {
        FlexGridDavka davka(g);
        g.setRows(1);
        for (int i = 1; i <= 5; ++i) g.AddItem(QString("n%1\t%1").arg(i));
    }
    EXPECT_EQ(g.TopRow(), 4);
    g.setRows(3);
    EXPECT_EQ(g.TopRow(), 2);
    g.setRows(1);
    EXPECT_EQ(g.rowCount(), 0);
    g.AddItem("x\t1");
    EXPECT_EQ(g.headerData(1, Qt::Horizontal).toString(), "Ks");
    EXPECT_EQ(g.data(g.index(0, 0)).toString(), "x");

    // Without a fixed row every row is data.
    g.setFixedRows(0);
    g.setRows(0);
    for (const char* t : {"Z původní ceny\t100", "Celkem\t"}) g.AddItem(t);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.data(g.index(0, 1)).toString(), "100");
    EXPECT_FALSE(g.headerData(0, Qt::Horizontal).isValid());
    g.setRowHeight(1, 0);
    EXPECT_EQ(g.headerData(1, Qt::Vertical, FlexGrid::VyskaRole).toInt(), 0);
    g.RemoveItem(0);
    EXPECT_EQ(g.TextMatrix(0, 0), "Celkem");
}

TEST(FlexGrid, SettingRowOrColCollapsesTheSelection) {
    FlexGrid g(10, 6);
    struct { const char* krok; std::function<void()> f; Kurzor po; } kroky[] = {
        {"start", [] {}, {1, 0, 1, 0}},
        {"whole row 4", [&] { g.setCol(0); g.setRow(4); g.setColSel(g.Cols() - 1); }, {4, 0, 4, 5}},
        {"Col to itself", [&] { g.setCol(g.Col()); }, {4, 0, 4, 0}},
        {"stretch down and right", [&] { g.setRowSel(7); g.setColSel(2); }, {4, 0, 7, 2}},
        {"Row", [&] { g.setRow(6); }, {6, 0, 6, 0}},
        {"stretch up, then Col", [&] { g.setRowSel(2); g.setColSel(5); g.setCol(3); }, {6, 3, 6, 3}},
        {"header row by code", [&] { g.setRow(0); }, {0, 3, 0, 3}},
        {"selection past the end shrinks", [&] { g.setRow(8); g.setRowSel(9); g.setColSel(5); g.setRows(5); g.setCols(2); },
         {4, 1, 4, 1}},
        {"removing rows below", [&] { g.RemoveItem(4); g.RemoveItem(3); }, {2, 1, 2, 1}},
    };
    for (const auto& k : kroky) {
        k.f();
        EXPECT_EQ(kurzor(g), k.po) << k.krok;
    }
    g.setText("tady");
    EXPECT_EQ(g.TextMatrix(2, 1), "tady");
}

TEST(FlexGrid, SortOrdersOnlyTheSelectedRowsOnTheCurrentColumn) {
    for (const QStringList& k : pripady("pripady/razeni.txt")) {
        const QStringList klice = k[1].split(u','), po = k[4].split(u',');
        const int row = k[2].toInt(), rowSel = k[3].toInt();
        FlexGrid g(1, 3);
        g.setTextMatrix(0, 1, "Obj.č.");
        for (int i = 0; i < klice.size(); ++i) g.AddItem(QString("%1\t%2\t").arg(i).arg(klice[i]));
        g.setCol(1);
        g.setRow(row);
        g.setRowSel(rowSel);
        g.Sort();
        EXPECT_EQ(sloupec(g, 1), QStringList{"Obj.č."} + po) << k[0].toStdString();
        // The other cells went with their keys.
        for (int r = 1; r < g.Rows(); ++r) EXPECT_EQ(klice[g.TextMatrix(r, 0).toInt()], g.TextMatrix(r, 1)) << k[0].toStdString();
        EXPECT_EQ(kurzor(g), (Kurzor{row, 1, rowSel, 1})) << k[0].toStdString();
    }

    // Stable, and colours, bold and heights (a filtered price list) go with their rows.
    FlexGrid g(1, 2);
    for (const char* t : {"B\t1", "A\t2", "B\t3", "A\t4"}) g.AddItem(t);
    g.setCellForeColorAt(1, 1, 255);
    g.setCellFontBoldAt(2, 0, true);
    g.setRowHeight(3, 0);
    g.setCol(0);
    g.setRow(1);
    g.setRowSel(4);
    g.Sort();
    EXPECT_EQ(sloupec(g, 1), (QStringList{"", "2", "4", "1", "3"}));
    EXPECT_EQ(std::pair(g.CellForeColorAt(3, 1), g.CellForeColorAt(1, 1)), std::pair(255, 0));
    EXPECT_TRUE(g.CellFontBoldAt(1, 0));
    EXPECT_EQ(std::pair(g.RowHeight(4), g.RowHeight(3)), std::pair(0, g.vychoziVyskaRadku()));
}

// Colours, heights and widths as drawn are the view's test; here what the model keeps.
TEST(FlexGrid, DefaultSizesBoldAndAlignment) {
    FlexGrid g(4, 4);
    g.setRowHeight(2, 0);
    g.setRowHeight(3, 500);
    // A new default reaches the rows and columns that never got their own size.
    g.setVychoziVyskaRadku(300);
    g.setVychoziSirkaSloupce(900);
    EXPECT_EQ((std::array{g.RowHeight(1), g.RowHeight(2), g.RowHeight(3), g.ColWidth(0)}), (std::array{300, 0, 500, 900}));

    const auto role = [&](int r, int c, int role) { return g.data(g.index(g.radekModelu(r), c), role); };
    g.setRow(2);
    g.setCol(1);
    g.setCellFontBold(true);
    EXPECT_TRUE(role(2, 1, FlexGrid::TucneRole).toBool());
    EXPECT_FALSE(role(2, 2, FlexGrid::TucneRole).toBool());
    g.setFontBold(true);
    EXPECT_TRUE(role(1, 2, FlexGrid::TucneRole).toBool() && g.headerData(0, Qt::Horizontal, FlexGrid::TucneRole).toBool());
    g.setFontBold(false);
    EXPECT_TRUE(g.CellFontBoldAt(2, 1));
    g.setCellForeColor(255);
    g.Clear();
    EXPECT_EQ(g.CellForeColorAt(2, 1), 0);
    EXPECT_FALSE(g.CellFontBoldAt(2, 1));

    // The general alignment (column 3) puts numbers right and other text left.
    g.setColAlignment(0, FlexGrid::VlevoStred);
    g.setColAlignment(1, FlexGrid::StredStred);
    g.setColAlignment(2, FlexGrid::VpravoStred);
    g.setTextMatrix(1, 3, "12,5");
    g.setTextMatrix(2, 3, "abc");
    const int ocekavano[4] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignRight};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(role(1, c, Qt::TextAlignmentRole).toInt(), ocekavano[c] | Qt::AlignVCenter) << c;
    EXPECT_EQ(role(2, 3, Qt::TextAlignmentRole).toInt(), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST(FlexGrid, BadIndexesAndValuesAreRunTimeErrors) {
    FlexGrid g(3, 2);
    struct { const char* co; std::function<void()> f; int cislo; } cases[] = {
        {"TextMatrix row past end", [&] { g.TextMatrix(3, 0); }, 381},
        {"set TextMatrix column past end", [&] { g.setTextMatrix(1, 2, "x"); }, 381},
        {"RowSel", [&] { g.setRowSel(-1); }, 381},
        {"TopRow in the header", [&] { g.setTopRow(0); }, 381},
        {"AddItem into the header", [&] { g.AddItem("x", 0); }, 381},
        {"AddItem past the end", [&] { g.AddItem("x", 4); }, 381},
        {"RemoveItem of the header", [&] { g.RemoveItem(0); }, 381},
        {"Rows below the fixed row", [&] { g.setRows(0); }, 380},
        {"two fixed rows", [&] { g.setFixedRows(2); }, 380},
        {"negative height", [&] { g.setRowHeight(1, -2); }, 380},
        {"colour out of range", [&] { g.setCellForeColor(0x1000000); }, 380},
        {"alignment not known", [&] { g.setColAlignment(0, static_cast<FlexGrid::Zarovnani>(3)); }, 380},
    };
    for (const auto& k : cases) EXPECT_EQ(cisloChyby(k.f), k.cislo) << k.co;
    EXPECT_EQ(std::pair(g.Rows(), g.Cols()), std::pair(3, 2));
    // No current cell at all once every row is gone.
    g.setFixedRows(0);
    g.setRows(0);
    EXPECT_EQ(cisloChyby([&] { g.Text(); }), 381);
}

TEST(FlexGrid, TheModelStaysConsistentThroughFillsSortsAndResizes) {
    QStringList hlaseni;
    static QStringList* zachyt = nullptr;
    zachyt = &hlaseni;
    const QtMessageHandler puvodni = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        zachyt->append(m);
    });

    FlexGrid g(1, 3);
    QAbstractItemModelTester tester(&g, QAbstractItemModelTester::FailureReportingMode::Warning);
    QSignalSpy vlozeno(&g, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&g, &QAbstractItemModel::modelReset);
    for (int i = 0; i < 30; ++i) g.AddItem(QString("n%1\t%2\t%3").arg(i).arg((i * 7) % 30, 2, 10, QChar('0')).arg(i));
    EXPECT_EQ(vlozeno.count(), 30);

    // A view holding a cell keeps it while the rows move under it.
    const QPersistentModelIndex drzena = g.index(g.radekModelu(5), 1);
    const QString text = drzena.data().toString();
    g.setCol(1);
    g.setRow(1);
    g.setRowSel(g.Rows() - 1);
    g.Sort();
    EXPECT_EQ(drzena.data().toString(), text);
    EXPECT_NE(drzena.row(), g.radekModelu(5));
    g.setRows(10);
    g.AddItem("vložený\t\t", 3);
    g.RemoveItem(1);
    g.setCols(5);
    g.setCols(2);
    g.setFixedRows(0);
    g.setFixedRows(1);
    g.setRows(1);

    // A batch fill reaches the views as one reset, with no row-by-row signals, even when it throws.
    vlozeno.clear();
    reset.clear();
    {
        FlexGridDavka davka(g);
        for (int i = 0; i < 200; ++i) g.AddItem(QString("%1\t%2").arg(i).arg(200 - i));
        g.setRowHeight(5, 0);
    }
    EXPECT_EQ(std::tuple(vlozeno.count(), reset.count()), std::tuple(0, 1));
    EXPECT_EQ(g.rowCount(), 200);
    EXPECT_THROW(
        {
            FlexGridDavka davka(g);
            g.AddItem("a\tb");
            g.setTextMatrix(500, 0, "x");
        },
        RuntimeError);
    EXPECT_TRUE(g.Redraw());
    EXPECT_EQ(std::tuple(reset.count(), g.rowCount()), std::tuple(2, 201));

    qInstallMessageHandler(puvodni);
    EXPECT_TRUE(hlaseni.isEmpty()) << hlaseni.join('\n').toStdString();
}
