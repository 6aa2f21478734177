// The order sheet's window in the program: a costing added from the costing sheet's command,
// two articles from the price list typed in with real keys, the count editor, and the order sent
// from the menu through tinyproxy to the stand-in server; the copy and the next number.
#include "app/QtProgram.h"
#include <QPlainTextEdit>
#include "platform/IniFile.h"
#include "platform/Services.h"
#include "support/GuiSupport.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

#define BEZI(p) ASSERT_TRUE((p)->chyba().isEmpty()) << (p)->chyba().toStdString()

struct Hodiny : FakeClock {
    QElapsedTimer t;
    Hodiny() { t.start(); }
    qint64 monotonicMs() const override { return t.elapsed(); }
};

}  // namespace

TEST(OrderSheetWindow, CostingAndTwoArticlesSentThroughTinyproxy) {
    Instalace inst;
    FakeServices sluzby;
    Hodiny hodiny;
    platform::setClock(&hodiny);
    auto server = Peer::zastupnyServer(inst.dir.filePath("server"));
    BEZI(server);
    auto proxy = Peer::tinyproxy(inst.dir.path(), "tester", QStringLiteral("heslo"));
    BEZI(proxy);
    const QString kopie = inst.dir.filePath("kopie");
    writeBytes(inst.data + "/Objednavky.ini",
               QStringLiteral("[NASTAVENI]\r\npripojeni=2\r\nproxy=127.0.0.1\r\nport=%1\r\nserver=127.0.0.1:%2\r\n"
                              "email=obchod@example.cz\r\nid=K-17\r\ncislo objednavky=32767\r\nvystup=%3\r\n")
                   .arg(proxy->port()).arg(server->port()).arg(kopie).toUtf8());
    ASSERT_TRUE(ini::zapis(inst.ini(), "UZIVATEL", {{"ProxyAuthorization", "-1"}, {"ProxyUser", "tester"}, {"ProxyPwd", "aGVzbG8="}}));

    {
        QtProgram program;
        ASSERT_TRUE(program.aplikace().Main());
        // What the costing sheet's "Přidat do objednávky" hands over, then shows.
        IObjednavka& list = program.objednavkovyList();
        list.PridatObjednavku({"MIV s větr. š., průměr: 16, výška: 8 m, ukončení: ORLEX", "DVM|", "2|", "k\r\npoznámce", {}});
        list.Zobraz();
        frmObjednavka* okno = program.objednavkovyList().okno();
        ASSERT_TRUE(ukazano(okno));
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(okno->size())) << okno->width() << "x" << okno->height();
        ModelObjednavky& m = okno->model();
        // Every column header reads whole in its section, on one line or wrapped.
        const QHeaderView* h = okno->Tabulka->horizontalHeader();
        const int okraj = h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int c = 0; c < ModelObjednavky::kSloupcu; ++c) {
            const QString text = m.Tabulka.TextMatrix(0, c);
            const QSize misto(h->sectionSize(c) - 2 * okraj, h->height() - 2 * okraj);
            const bool radek = h->fontMetrics().horizontalAdvance(text) <= misto.width();
            const QRect zalomeno = h->fontMetrics().boundingRect(QRect(QPoint(), misto), Qt::TextWordWrap, text);
            EXPECT_TRUE(radek || (okno->Tabulka->zalamovaniHlavicky() && zalomeno.width() <= misto.width() &&
                                  zalomeno.height() <= misto.height()))
                << text.toStdString() << " in " << misto.width() << "x" << misto.height();
        }
        okno->aktivovano();
        ASSERT_EQ(okno->lstObjednavky->currentRow(), 0);
        EXPECT_EQ(okno->txtPoznamka->toPlainText(), "k\npoznámce");
        EXPECT_EQ(okno->lblCenaVybraneObjednavky[0]->text(), "258,00");

        // The price list: two articles with their quantities, "Vložit".
        QTest::mouseClick(okno->cmdKomponentyPridat, Qt::LeftButton);
        frmArt* cenik = program.seznamPolozek().okno();
        ASSERT_TRUE(cenik && cenik->isVisible());
        const FlexGrid& g = cenik->model().TabulkaArt();
        for (auto [kod, ks] : {std::pair{"DLT", Qt::Key_3}, {"DTK", Qt::Key_4}}) {
            QTest::keyClicks(cenik->cmbFilter[1]->lineEdit(), QString::fromLatin1(kod));
            ASSERT_GE(g.Rows(), 2);
            cenik->TabulkaArt->setFocus();
            QTest::keyClick(cenik->TabulkaArt, ks);
            QTest::keyClick(cenik->txtBox, Qt::Key_Return);
            cenik->cmbFilter[1]->clearEditText();
        }
        QTest::mouseClick(cenik->cmdVlozit, Qt::LeftButton);
        EXPECT_FALSE(cenik->isVisible());
        EXPECT_EQ(m.Objednavka.Item(1).ObjZnak, "DVM|DLT|DTK|");
        EXPECT_EQ(m.Objednavka.Item(1).Ks, "2|3|4|");

        // The count editor: a digit on the first row, Enter.
        m.Tabulka.setRow(1);
        okno->Tabulka->setFocus();
        QTest::keyClick(okno->Tabulka, Qt::Key_5);
        ASSERT_TRUE(okno->txtBox->isVisible());
        QTest::keyClick(okno->txtBox, Qt::Key_Return);
        EXPECT_EQ(m.Objednavka.Item(1).Ks, "5|3|4|");

        QTest::keyClicks(okno->txtDatumExpediceDen, "7");
        okno->cmbZavod->setCurrentIndex(0);
        okno->grab().save(QCoreApplication::applicationDirPath() + "/objednavka_pred_odeslanim.png");
        okno->mnuOdeslat->trigger();
        ASSERT_EQ(sluzby.dialogs.texty().size(), 1) << sluzby.dialogs.texty().join(" | ").toStdString();
        EXPECT_EQ(sluzby.dialogs.texty()[0], "Objednávka přijata pod číslem [457] (podobjednávek: 1, závod DOLMARKA).");
        EXPECT_EQ(readBytes(inst.dir.filePath("server/objednavky/457.txt")),
                  "H;K-17;;261206;261207;32767;N;N;\r\nA;DVM;5;\r\nA;DLT;3;\r\nA;DTK;4;\r\nT;k;\r\nT;pozn\xe1mce;\r\n\r\n");
        EXPECT_TRUE(QFile::exists(kopie + "/457.htm"));
        EXPECT_EQ(okno->lstObjednavky->count(), 0);
        EXPECT_EQ(m.Objednavka.CisloObjednavky(), 458);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(okno->mnuOdeslat->isEnabled());
        okno->grab().save(QCoreApplication::applicationDirPath() + "/objednavka_po_odeslani.png");

        // "Konec" asks nothing; the sheet goes and the next use starts afresh.
        const QPointer<frmObjednavka> p(okno);
        okno->mnuKonec->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(p.isNull());
    }
    EXPECT_TRUE(readBytes(inst.data + "/Objednavky.ini").contains("cislo objednavky=458\r\n"));
    platform::setClock(&sluzby.clock);
}

// "Import objednávky ...": a file that cannot be read is the window's message and changes nothing;
// a readable one appends its sub-orders.
TEST(OrderSheetWindow, ImportOfAMissingFileSaysSoAndAddsNothing) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    program.objednavkovyList().Zobraz();
    frmObjednavka* okno = program.objednavkovyList().okno();
    ASSERT_TRUE(okno && QTest::qWaitForWindowExposed(okno));
    const QString chybi = inst.dir.filePath("nic.xml"), soubor = inst.dir.filePath("o.xml");
    writeBytes(soubor, "<objednavka1><nazev>A</nazev><obj_znaky>DVM|</obj_znaky><kusy>1|</kusy></objednavka1>");
    sluzby.dialogs.soubory = {chybi, soubor};
    sluzby.dialogs.zpravy.clear();
    okno->mnuImportObjednavky->trigger();
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList{"Soubor " + chybi + " neexistuje !"});
    EXPECT_EQ(okno->lstObjednavky->count(), 0);
    okno->mnuImportObjednavky->trigger();
    EXPECT_EQ(okno->lstObjednavky->count(), 1);
    EXPECT_EQ(sluzby.dialogs.texty().size(), 1);
}
