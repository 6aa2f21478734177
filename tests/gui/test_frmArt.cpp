// The price-list browser's window: a filter and quantities typed through real keys, the filter
// boxes over their columns, the editor's keys and the insert into the order sheet.
#include "pricelist/QtSeznamPolozek.h"
#include "support/FakeCileVlozeni.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

TEST(PriceListWindow, FilterQuantityAndInsertThroughTheKeys) {
    FakeServices sluzby;
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(testData(QStringLiteral("cenik/Art")));
    QtSeznamPolozek seznam(cenik, {});
    FakeObjednavka objednavka;
    seznam.Zobraz(&objednavka);
    frmArt* okno = seznam.okno();
    // The program's window registry owns it there; here the test does.
    const std::unique_ptr<frmArt> vlastnik(okno);
    ASSERT_TRUE(ukazano(okno));
    FlexGridView* v = okno->TabulkaArt;
    const FlexGrid& g = *v->grid();
    const auto klikni = [&](int radek) {
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(g.index(g.radekModelu(radek), 1)).center());
    };

    for (int i = 0; i < ModelArt::kFiltru; ++i) {
        const int c = ModelArt::kNadSloupcem[i];
        const QPoint sloupec = v->viewport()->mapTo(okno, QPoint(v->horizontalHeader()->sectionViewportPosition(c), 0));
        EXPECT_EQ(okno->cmbFilter[i]->mapTo(okno, QPoint()).x(), sloupec.x()) << i;
        EXPECT_EQ(okno->cmbFilter[i]->width(), v->columnWidth(c)) << i;
    }

    // Scrolled while a quantity is typed, the editor stays over the row it writes to.
    okno->resize(okno->width(), okno->height() - v->viewport()->height() + 3 * v->rowHeight(0));
    QCoreApplication::processEvents();
    klikni(1), QTest::keyClick(v, Qt::Key_3), v->verticalScrollBar()->setValue(2);
    EXPECT_EQ(std::pair(okno->txtBox->geometry(), v->verticalScrollBar()->value()), std::pair(v->obdelnikBunky(1, ModelArt::kSloupecKs), 2));
    QTest::keyClick(okno->txtBox, Qt::Key_Escape);

    QTest::keyClicks(okno->cmbFilter[2]->lineEdit(), QStringLiteral("ab"));
    ASSERT_EQ(g.Rows(), 3);  // abrazivní pasta, AB kotva

    // A digit opens the editor over the row's Ks cell, Enter confirms; Escape and a click on the
    // list cancel, and a quantity too large is refused with the editor left open.
    klikni(1);
    QTest::keyClick(v, Qt::Key_4);
    EXPECT_EQ(okno->txtBox->geometry(), v->obdelnikBunky(1, ModelArt::kSloupecKs));
    // Down, PageDown and Shift stay in the editor: the row being edited stays the grid's.
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Shift}) {
        QTest::sendKeyEvent(QTest::Press, okno->txtBox, k, QString(), k == Qt::Key_Shift ? Qt::ShiftModifier : Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, okno->txtBox, k, QString(), Qt::NoModifier);
    }
    EXPECT_EQ(std::tuple(g.Row(), okno->txtBox->isVisible(), okno->txtBox->hasFocus()), std::tuple(1, true, true));
    QTest::keyClicks(okno->txtBox, QStringLiteral("2.5"));
    QTest::keyClick(okno->txtBox, Qt::Key_Return);
    QTest::keyClick(v, Qt::Key_7);
    QTest::keyClick(okno->txtBox, Qt::Key_Escape);
    EXPECT_TRUE(okno->isVisible());
    klikni(2);
    QTest::keyClick(v, Qt::Key_9);
    QTest::keyClicks(okno->txtBox, QStringLiteral("0000"));
    QTest::keyClick(okno->txtBox, Qt::Key_Return);
    EXPECT_TRUE(okno->txtBox->isVisible());
    klikni(2);
    EXPECT_FALSE(okno->txtBox->isVisible());
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].titulek + sluzby.dialogs.zpravy[0].text, kTitulekUpozorneni + kZadejteHodnotu);
    EXPECT_EQ(g.TextMatrix(1, 3) + g.TextMatrix(2, 3), QStringLiteral("420"));

    // Delete empties a box; "Vložit" empties them all, inserts and hides the window.
    QTest::keyClick(okno->cmbFilter[2]->lineEdit(), Qt::Key_Delete);
    EXPECT_GT(g.Rows(), 3);
    QTest::keyClicks(okno->cmbFilter[0]->lineEdit(), QStringLiteral("xa"));
    QTest::mouseClick(okno->cmdVlozit, Qt::LeftButton);
    EXPECT_EQ(objednavka.radky, QStringList{QStringLiteral("abrazivní pasta\tab12\t42\t35,00")});
    EXPECT_FALSE(okno->isVisible());
    for (const QComboBox* box : okno->cmbFilter) EXPECT_EQ(box->currentText(), QString());
}

// The boxes' lists come in when the user first opens or walks them, leaving what was typed alone.
TEST(PriceListWindow, FilterListsComeWhenOpenedOrWalked) {
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(testData(QStringLiteral("cenik/Art")));
    QtSeznamPolozek seznam(cenik, {});
    seznam.Zobraz({});
    frmArt* okno = seznam.okno();
    // The program's window registry owns it there; here the test does.
    std::unique_ptr<frmArt> vlastnik(okno);
    ASSERT_TRUE(ukazano(okno));
    const FlexGrid& g = okno->model().TabulkaArt();

    QComboBox* nazev = okno->cmbFilter[2];
    QTest::keyClicks(nazev->lineEdit(), QStringLiteral("ab"));
    nazev->showPopup();
    EXPECT_EQ(nazev->count(), okno->model().seznamFiltru(2).size());
    EXPECT_EQ(std::tuple(nazev->currentText(), g.Rows()), std::tuple(QStringLiteral("ab"), 3));
    nazev->hidePopup();
    QTest::keyClick(nazev->lineEdit(), Qt::Key_Delete);

    // Down walks the list from no choice: "(vše)", then the first value, which filters.
    QComboBox* kod = okno->cmbFilter[0];
    const QStringList hodnoty = okno->model().seznamFiltru(0);
    ASSERT_GT(hodnoty.size(), 2);
    QTest::keyClick(kod->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(std::tuple(kod->count(), kod->currentText()), std::tuple(hodnoty.size(), kVse));
    QTest::keyClick(kod->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(kod->currentText(), hodnoty[1]);
    ASSERT_GT(g.Rows(), 1);
    for (int r = 1; r < g.Rows(); ++r) EXPECT_TRUE(g.TextMatrix(r, 0).startsWith(hodnoty[1], Qt::CaseInsensitive)) << r;

    // Minimised meanwhile, it comes back modal for the offer: an icon would block every window.
    okno->showMinimized();
    Qt::WindowStates stav;
    az([] { return modalni<frmArt>(); }, [&](QWidget* w) {
        stav = w->windowState();
        w->hide();
    });
    FakeNabidka nabidka;
    (void)vlastnik.release();  // the end of a modal run deletes the window that closes itself
    seznam.Zobraz(&nabidka);
    EXPECT_FALSE(stav & Qt::WindowMinimized);
}

// "Vložit" over an open quantity editor confirms it first as Enter does, and a refused one stops
// the insert; Escape and a click on the list still drop it. So does every refill (a filter typed
// or cleared, the window shown again) and another row's entry: a refused quantity keeps its
// editor and the filter waits. After each the Ks column shows what "Vložit" inserts.
TEST(PriceListWindow, InsertConfirmsTheOpenEditorFirst) {
    const auto klikni = [](frmArt& o, int r) { QTest::mouseClick(o.TabulkaArt->viewport(), Qt::LeftButton, {}, o.TabulkaArt->visualRect(o.TabulkaArt->grid()->index(r, 1)).center()); };
    const auto filtr = [](frmArt& o) { QTest::keyClicks(o.cmbFilter[1]->lineEdit(), "T"), QTest::keyClick(o.cmbFilter[1]->lineEdit(), Qt::Key_Delete); };
    const auto jinyRadek = [](frmArt& o) {  // Tab leaves the editor as it is; 5 on the first row
        QTest::keyClick(o.txtBox, Qt::Key_Tab), o.TabulkaArt->setFocus(), QTest::keyClick(o.TabulkaArt, Qt::Key_Up);
        QTest::keyClick(o.TabulkaArt, Qt::Key_5), QTest::keyClick(o.txtBox, Qt::Key_Return);
    };
    const struct {
        bool nabidka;
        const char* napsano;  // on the second row, after 2 confirmed on the first
        std::function<void(frmArt&)> pak;
        const char* ukazano;  // Ks of both rows before "Vložit" (the editor's text over its cell), the filter
        const char* vlozeno;  // the quantities inserted; none when refused, its editor left open
        int odmitnuti;
    } pripady[] = {
        {false, "3", {}, "2|3|", "2|3|", 0}, {true, "3", {}, "2|3|", "2|3|", 0}, {false, "40000", {}, "2|40000|", "", 1},
        {false, "3\x1b", {}, "2|0|", "2|", 0}, {false, "3", [&](frmArt& o) { klikni(o, 1); }, "2|0|", "2|", 0},
        {false, "3", filtr, "2|3|", "2|3|", 0}, {false, "40000", filtr, "2|40000|", "", 3},  // refused at the letter, Delete, "Vložit"
        {false, "3", jinyRadek, "5|3|", "3|5|", 0},
        {false, "3", [](frmArt& o) { o.otevri(o.model().cil()); }, "2|3|", "2|3|", 0},  // shown again
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(&c - pripady);
        FakeServices sluzby;
        TabulkaArtiklu cenik = TabulkaArtiklu::nacti(testData(QStringLiteral("cenik/Art")));
        QtSeznamPolozek seznam(cenik, {});
        FakeObjednavka objednavka;
        FakeNabidka nabidka;
        QString ukazano;
        const auto vloz = [&](QWidget* w) {
            auto* okno = static_cast<frmArt*>(w);
            FlexGridView* v = okno->TabulkaArt;
            for (auto [r, ks] : {std::pair(0, QStringLiteral("2\r")), std::pair(1, QString::fromLatin1(c.napsano))})
                klikni(*okno, r), QTest::keyClicks(v, ks.left(1)), QTest::keyClicks(okno->txtBox, ks.mid(1));
            if (c.pak) c.pak(*okno);
            for (int r : {1, 2})
                ukazano += (okno->txtBox->isVisible() && okno->model().radekZadani() == r ? okno->txtBox->text() : v->grid()->TextMatrix(r, 3)) + u'|';
            ukazano += okno->cmbFilter[1]->currentText();
            QTest::mouseClick(okno->cmdVlozit, Qt::LeftButton);
        };
        if (c.nabidka) az(modalni<frmArt>, [&](QWidget* w) { vloz(w), w->hide(); }), seznam.Zobraz(&nabidka);
        else seznam.Zobraz(&objednavka), vloz(seznam.okno());
        const std::unique_ptr<frmArt> vlastnik(seznam.okno());
        QString vlozeno = objednavka.ks;
        for (const QString& r : nabidka.radky) vlozeno += r.section(u'\t', 3, 3) + u'|';
        EXPECT_EQ(std::tuple(ukazano, vlozeno, vlastnik && vlastnik->txtBox->isVisible(), sluzby.dialogs.texty()),
                  std::tuple(QString::fromLatin1(c.ukazano), QString::fromLatin1(c.vlozeno), !*c.vlozeno, QStringList(c.odmitnuti, kZadejteHodnotu)));
    }
}
