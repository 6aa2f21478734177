// The order sheet's window in the program: a costing added from the costing sheet's command,
// two articles from the price list typed in with real keys, the count editor, and the order sent
// from the menu through tinyproxy to the stand-in server; the copy and the next number.
#include "app/QtNabidky.h"
#include "app/QtProgram.h"
#include "net/clsHTTP.h"
#include "orders/ObjednavkaXml.h"
#include "orders/OdeslaniObjednavky.h"
#include "platform/Cp1250.h"
#include "platform/QtUserDialogs.h"
#include <QPlainTextEdit>
#include "platform/IniFile.h"
#include "platform/Services.h"
#include "support/GuiSupport.h"
#include "support/ListProgramu.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

#define BEZI(p) ASSERT_TRUE((p)->chyba().isEmpty()) << (p)->chyba().toStdString()

struct Hodiny : FakeClock {
    QElapsedTimer t;
    Hodiny() { t.start(); }
    qint64 monotonicMs() const override { return t.elapsed(); }
};

struct Odesilani {
    Instalace inst;
    Hodiny hodiny;  // before the fakes: it outlives them and is never left installed after it goes
    FakeServices sluzby;
    std::unique_ptr<Peer> server = Peer::zastupnyServerPrimo(inst.dir.filePath("server"), inst.data);
    Odesilani() { platform::setClock(&hodiny); }
};

}  // namespace

TEST(OrderSheetWindow, CostingAndTwoArticlesSentThroughTinyproxy) {
    auto&& [inst, hodiny, sluzby, server] = Odesilani();
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
        // The focus comes back to the sheet, its sub-order still selected.
        EXPECT_TRUE(QTest::qWaitForWindowActive(okno, 30000));
        EXPECT_EQ(QApplication::focusWidget(), okno->Tabulka);
        // The menus have Alt letters; the captions read as before.
        QStringList popisky;
        for (QAction* a : okno->menuBar()->actions() + okno->menuBar()->actions()[0]->menu()->actions()) {
            if (a->isSeparator()) continue;
            EXPECT_EQ(a->text().count(u'&'), 1) << a->text().toStdString();
            popisky << QString(a->text()).remove(u'&');
        }
        EXPECT_EQ(popisky, QStringList({"Objednávka", "Nastavení", "Nápověda", "Objednávka na sklad", "Import objednávky ...",
                                        "Export objednávky ...", "Tisk ...", "Odeslat ...", "Konec"}));
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
        // The window's totals follow the added articles at once.
        EXPECT_NE(m.lblCenaCelkem[0], "258,00");
        EXPECT_EQ(okno->lblCenaVybraneObjednavky[0]->text(), m.lblCenaVybraneObjednavky[0]);
        EXPECT_EQ(okno->lblCenaCelkem[0]->text(), m.lblCenaCelkem[0]);

        // The count editor: a digit on the first row, Enter.
        m.Tabulka.setRow(1);
        okno->Tabulka->setFocus();
        QTest::keyClick(okno->Tabulka, Qt::Key_5);
        ASSERT_TRUE(okno->txtBox->isVisible());
        // A grid scrolled meanwhile keeps the editor over the row it writes to.
        FlexGridView* t = okno->Tabulka;
        t->setMaximumHeight(t->height() - t->viewport()->height() + 2 * t->rowHeight(0));
        QCoreApplication::processEvents(), t->verticalScrollBar()->setValue(1);
        EXPECT_EQ(std::pair(okno->txtBox->geometry(), t->verticalScrollBar()->value()), std::pair(t->obdelnikBunky(1, ModelObjednavky::PocetKs), 1));
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
}

// An imported order of three sub-orders with real message boxes: the total counts all three at
// once; a refused send leaves the user's sub-order selected, or the one it refused, also after
// the box gives the activation back to the sheet.
TEST(OrderSheetWindow, ImportTotalAndTheSubOrderKeptAfterTheSheetsOwnBoxes) {
    Instalace inst;
    FakeServices sluzby;
    QtUserDialogs skutecne;
    writeBytes(inst.data + "/Objednavky.ini", "[NASTAVENI]\r\npripojeni=1\r\nserver=127.0.0.1:9\r\nemail=a@b.cz\r\nid=K-17\r\n"
                                              "cislo objednavky=5\r\nvystup=/tmp\r\n");
    const QString xml = inst.dir.filePath("tri.xml");
    writeBytes(xml, cp1250::encode(QStringLiteral(
                        "<objednavky><objednavka1><nazev>Sklad</nazev><obj_znaky>DVM|DLT|</obj_znaky><kusy>2|3|</kusy>"
                        "</objednavka1><objednavka2><nazev>Nula</nazev><obj_znaky>DTK|</obj_znaky><kusy>0|</kusy></objednavka2>"
                        "<objednavka3><nazev>Druhá</nazev><obj_znaky>DTK|</obj_znaky><kusy>4|</kusy></objednavka3></objednavky>")));
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    program.objednavkovyList().Zobraz();
    frmObjednavka* okno = program.objednavkovyList().okno();
    ASSERT_TRUE(okno && QTest::qWaitForWindowExposed(okno));
    sluzby.dialogs.soubory.push_back(xml);
    QTest::keyClick(okno, Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(okno->lstObjednavky->count(), 3);
    EXPECT_EQ(okno->lstObjednavky->currentRow(), 2);
    // 2 × 129 + 3 × 349 + 4 × 159, with 21 % VAT.
    EXPECT_EQ(okno->lblCenaCelkem[0]->text(), QStringLiteral("1\u00A0941,00"));
    EXPECT_EQ(okno->lblCenaCelkem[1]->text(), QStringLiteral("2\u00A0348,70"));

    platform::setDialogs(&skutecne);
    QStringList texty;
    QList<QMessageBox::Icon> ikony;
    const auto odesli = [&] {
        az(modalni<QMessageBox>, [&](QWidget* w) {
            texty << static_cast<QMessageBox*>(w)->text();
            ikony << static_cast<QMessageBox*>(w)->icon();
            QTest::keyClick(w, Qt::Key_Return);
        });
        QTest::keyClick(okno, Qt::Key_O, Qt::ControlModifier);
        // What the window manager does when the box goes.
        okno->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(okno, 30000));
    };
    QTest::mouseClick(okno->lstObjednavky->viewport(), Qt::LeftButton, {},
                      okno->lstObjednavky->visualItemRect(okno->lstObjednavky->item(0)).center());
    ASSERT_EQ(okno->lstObjednavky->currentRow(), 0);
    okno->cmbZavod->setCurrentIndex(0);
    odesli();  // no dispatch day
    EXPECT_EQ(okno->lstObjednavky->currentRow(), 0);
    QTest::keyClicks(okno->txtDatumExpediceDen, "7");
    odesli();  // the zero count of the second
    EXPECT_EQ(okno->lstObjednavky->currentRow(), 1);
    EXPECT_EQ(texty, QStringList({kChybnyDen, kNulovyPocet}));
    // The sheet's refusals and its send's failure come without an icon.
    okno->cmdOdebratObjednavku->click();
    odesli();
    EXPECT_EQ(texty.value(2), kNelzeSePripojitKServeru);
    EXPECT_EQ(ikony, QList<QMessageBox::Icon>(3, QMessageBox::NoIcon));
    platform::setDialogs(&sluzby.dialogs);
}

// "Konec" (Ctrl+X) on the order sheet and on the costing sheet, and the main menu's close box,
// while an order waits for the server say why and end nothing; the order arrives. With
// sub-orders on the sheet they ask the sheet's close question.
TEST(OrderSheetWindow, CtrlXDuringASendEndsNothing) {
    Instalace inst;
    FakeServices sluzby;
    Hodiny hodiny;
    platform::setClock(&hodiny);
    auto server = Peer::zastupnyServer(inst.dir.filePath("server"), {}, {"--zpozdeni", "3000"});
    BEZI(server);
    writeBytes(inst.data + "/Objednavky.ini", QStringLiteral("[NASTAVENI]\r\npripojeni=1\r\nserver=127.0.0.1:%1\r\nemail=a@b.cz\r\n"
                                                             "id=K-17\r\ncislo objednavky=5\r\nvystup=%2\r\n")
                                                  .arg(server->port()).arg(inst.dir.filePath("kopie")).toUtf8());
    {
        QtProgram program;
        ASSERT_TRUE(program.aplikace().Main());
        frmSorvenika* list = kalkulaceNaListu(program);
        program.objednavkovyList().PridatObjednavku({"Sklad", "DVM|", "1|", {}, {}});
        program.objednavkovyList().Zobraz();
        frmObjednavka* okno = program.objednavkovyList().okno();
        ASSERT_TRUE(okno && QTest::qWaitForWindowExposed(okno));
        okno->cmbZavod->setCurrentIndex(1);
        QTest::keyClicks(okno->txtDatumExpediceDen, "7");
        const auto konec = [&] {
            list->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(list, 30000));
            QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
        };
        bool behemCekani = false;
        QTimer hlidac;
        hlidac.callOnTimeout([&] {
            if (!okno->model().odesilani()) return;
            hlidac.stop();
            behemCekani = true;
            EXPECT_TRUE(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
            EXPECT_FALSE(zaviraciPolicko(okno));
            okno->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(okno, 30000));
            QTest::keyClick(okno, Qt::Key_X, Qt::ControlModifier);
            konec();
            EXPECT_FALSE(zaviraciPolicko(program.menu()));
        });
        hlidac.start(5);
        okno->mnuOdeslat->trigger();
        EXPECT_TRUE(behemCekani);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(program.kodKonce());
        EXPECT_EQ(sluzby.dialogs.texty(), QStringList({kOdesilaniProbiha, kOdesilaniProbiha, kOdesilaniProbiha, kOdesilaniProbiha,
                                                       "Objednávka přijata pod číslem [457] (podobjednávek: 1, závod VESTRON)."}));
        for (const Zprava& z : sluzby.dialogs.zpravy)
            EXPECT_EQ(std::tuple(z.tlacitka, z.ikona, z.titulek), std::tuple(Tlacitka::Ok, Ikona::Zadna, kTitulekAplikace)) << z.text.toStdString();
        EXPECT_TRUE(okno->isVisible());
        EXPECT_EQ(okno->lstObjednavky->count(), 0);

        // Sub-orders waiting: the close question, "Ne" keeps the program, "Ano" ends it.
        program.objednavkovyList().PridatObjednavku({"Sklad", "DVM|", "1|", {}, {}});
        sluzby.dialogs.odpovedi = {Odpoved::No};
        konec();
        EXPECT_EQ(sluzby.dialogs.texty().last(), kZavritList);
        EXPECT_FALSE(program.kodKonce());
        for (QWidget* w : {static_cast<QWidget*>(program.menu()), static_cast<QWidget*>(okno)}) {
            sluzby.dialogs.odpovedi = {Odpoved::No};
            EXPECT_FALSE(zaviraciPolicko(w)) << w->objectName().toStdString();
            EXPECT_EQ(sluzby.dialogs.texty().last(), kZavritList);
        }
        EXPECT_EQ(sluzby.dialogs.texty().count(kZavritList), 3);
        EXPECT_EQ(std::pair(sluzby.dialogs.zpravy.last().tlacitka, sluzby.dialogs.zpravy.last().ikona), std::pair(Tlacitka::YesNo, Ikona::Otaznik));
        EXPECT_FALSE(program.kodKonce());
        EXPECT_TRUE(okno->isVisible());
        EXPECT_EQ(okno->lstObjednavky->count(), 1);
        sluzby.dialogs.odpovedi = {Odpoved::Yes};
        konec();
        EXPECT_EQ(program.kodKonce(), 0);
    }
    obnovSmycky();
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
    const QString chybi = inst.dir.filePath("nic.xml"), spatny = inst.dir.filePath("p.xml"), soubor = inst.dir.filePath("o.xml");
    writeBytes(soubor, "<objednavka1><nazev>A</nazev><obj_znaky>DVM|</obj_znaky><kusy>1|</kusy></objednavka1>");
    writeBytes(spatny, "<objednavka1><nazev>A</nazev><obj_znaky>DVM|</obj_znaky><kusy>1,5|</kusy></objednavka1>");
    sluzby.dialogs.soubory = {chybi, spatny, soubor};
    sluzby.dialogs.zpravy.clear();
    // Both refusals as failures: the critical icon.
    for (const QString& text : {"Soubor " + chybi + " neexistuje !", kChybnyPocetKusu.arg(spatny, "A", "1,5")}) {
        okno->mnuImportObjednavky->trigger();
        ASSERT_FALSE(sluzby.dialogs.zpravy.isEmpty());
        EXPECT_EQ(std::pair(sluzby.dialogs.zpravy.last().text, sluzby.dialogs.zpravy.last().ikona), std::pair(text, Ikona::Kriticka));
        EXPECT_EQ(okno->lstObjednavky->count(), 0);
    }
    okno->mnuImportObjednavky->trigger();
    EXPECT_EQ(okno->lstObjednavky->count(), 1);
    EXPECT_EQ(sluzby.dialogs.texty().size(), 2);

    // Both dialogs open in the folder of the last import or export.
    const QString jinde = inst.dir.filePath("jinde");
    ASSERT_TRUE(QDir().mkpath(jinde));
    sluzby.dialogs.soubory = {jinde + "/e.xml", QString()};
    okno->mnuExportObjednavky->trigger();
    ASSERT_TRUE(QFile::exists(jinde + "/e.xml"));
    okno->mnuImportObjednavky->trigger();
    EXPECT_EQ(sluzby.dialogs.slozkyOtevreni, QStringList({QDir::homePath(), inst.dir.path(), inst.dir.path(), jinde}));
    EXPECT_EQ(sluzby.dialogs.slozkyUlozeni, QStringList{inst.dir.path()});
}

// Order settings that cannot be read: the sheet names the file and its reason once as it opens,
// in a box over the sheet, which has the keys back after it.
TEST(OrderSheetWindow, UnreadableSettingsAreNamedOnceAsItOpens) {
    Instalace inst;
    FakeServices sluzby;
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    const QString soubor = inst.data + "/Objednavky.ini";
    QFile::remove(soubor);
    ASSERT_TRUE(QDir().mkdir(soubor));
    QtUserDialogs skutecne;
    platform::setDialogs(&skutecne);
    QStringList texty;
    const QWidget* nad = nullptr;
    az(modalni<QMessageBox>, [&](QWidget* w) {
        texty << static_cast<QMessageBox*>(w)->text();
        nad = w->parentWidget();
        EXPECT_EQ(static_cast<QMessageBox*>(w)->icon(), QMessageBox::Critical);
        QTest::keyClick(w, Qt::Key_Return);
    });
    program.objednavkovyList().Zobraz();
    frmObjednavka* okno = program.objednavkovyList().okno();
    ASSERT_TRUE(okno && QTest::qWaitFor([&] { return !texty.isEmpty() && !modalni<QMessageBox>(); }, kStropCekaniMs));
    platform::setDialogs(&sluzby.dialogs);
    const QString chyba = "Soubor " + soubor + " nelze přečíst: Je adresářem.";
    EXPECT_EQ(texty, QStringList{chyba});
    EXPECT_EQ(nad, okno);
    EXPECT_TRUE(aktivni(okno));
}

// A minimised window comes back with the command that shows it: restored, shown and active (the
// price list beside the order sheet, which stays active), and the next key goes to the active one.
TEST(ProgramWindows, TheCommandThatShowsAWindowBringsItBackFromMinimised) {
    using Okno = std::function<QWidget*(QtProgram&, frmSorvenika*)>;
    const Okno list = [](QtProgram& p, frmSorvenika*) -> QWidget* { return p.list()->okno(); };
    const Okno menu = [](QtProgram& p, frmSorvenika*) -> QWidget* { return p.menu(); };
    const Okno objednavky = [](QtProgram& p, frmSorvenika*) -> QWidget* { return p.objednavkovyList().okno(); };
    const Okno nabidky = [](QtProgram& p, frmSorvenika*) -> QWidget* { return p.nabidky().seznam(); };
    // A command of the costing sheet, then the window it leaves active.
    const auto naListu = [](Prikaz prikaz, Okno aktivni) -> Okno {
        return [=](QtProgram& p, frmSorvenika* l) {
            l->akce(prikaz)->trigger();
            return aktivni(p, l);
        };
    };
    // The order sheet's "Přidat položku"; the sheet keeps the keys, as its grid takes the articles.
    const Okno cenik = [=](QtProgram& p, frmSorvenika* l) -> QWidget* {
        p.objednavkovyList().okno()->cmdKomponentyPridat->click();
        return objednavky(p, l);
    };
    const struct {
        const char* okno;
        Okno ukaz;    // shows it the first time
        Okno odkud;   // the window the command is given in, active then
        Okno prikaz;  // gives the command; the window active after it
    } pripady[] = {
        {"order sheet", naListu(Prikaz::mnuObjednavky, objednavky), list, naListu(Prikaz::mnuObjednavky, objednavky)},
        {"offer list", naListu(Prikaz::mnuNabidky, nabidky), list, naListu(Prikaz::mnuNabidky, nabidky)},
        {"price list",
         [=](QtProgram& p, frmSorvenika* l) -> QWidget* {
             // Articles go into the selected sub-order: the button waits for one.
             p.objednavkovyList().PridatObjednavku({"MIV, výška: 7 m", "DVM|", "1|", {}, {}});
             p.objednavkovyList().Zobraz();
             p.objednavkovyList().okno()->lstObjednavky->setCurrentRow(0);
             cenik(p, l);
             return p.seznamPolozek().okno();
         },
         objednavky, cenik},
        {"costing sheet", list, menu,
         [=](QtProgram& p, frmSorvenika* l) {
             p.list()->Zobraz();
             return list(p, l);
         }},
        {"main menu", menu, list, naListu(Prikaz::mnu_Zpet_do_menu, menu)},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.okno);
        Instalace inst;
        FakeServices sluzby;
        QtProgram program;
        ASSERT_TRUE(program.aplikace().Main());
        frmSorvenika* l = kalkulaceNaListu(program);
        QWidget* okno = c.ukaz(program, l);
        ASSERT_TRUE(ukazano(okno));
        okno->showMinimized();
        QWidget* odkud = c.odkud(program, l);
        odkud->activateWindow();
        ASSERT_TRUE(aktivni(odkud));

        QWidget* aktivniPo = c.prikaz(program, l);
        EXPECT_FALSE(okno->windowState() & Qt::WindowMinimized);
        EXPECT_TRUE(okno->isVisible());
        EXPECT_TRUE(aktivni(aktivniPo));
        EXPECT_EQ(QApplication::activeWindow(), aktivniPo);
        // Where the next key goes.
        ASSERT_TRUE(QApplication::focusWidget());
        EXPECT_EQ(QApplication::focusWidget()->window(), aktivniPo);
    }
}

// A command that reads the sub-orders over the open count editor stores the count first, as Enter
// does, and stops on one the send refuses; a click in the grid still drops it and the stock order
// leaves it open. Another sub-order chosen, or the sheet active again, stores it for its own.
TEST(OrderSheetWindow, CommandsStoreTheOpenCountFirst) {
    auto&& [inst, hodiny, sluzby, server] = Odesilani();
    BEZI(server);
    ASSERT_TRUE(ini::zapis(inst.data + "/Objednavky.ini", "NASTAVENI", {{"email", "a@b.cz"}, {"id", "K-17"}, {"vystup", inst.dir.path()}}));
    const QString xml = inst.dir.filePath("o.xml"), odeslane = inst.dir.filePath("server/objednavky/");
    sluzby.dialogs.soubory = {xml, xml};  // the export's, then the import's
    QtProgram program;
    ASSERT_TRUE(program.aplikace().Main());
    program.objednavkovyList().Zobraz();
    frmObjednavka* okno = program.objednavkovyList().okno();
    okno->cmbZavod->setCurrentIndex(0);
    okno->txtDatumExpediceDen->setText(QStringLiteral("7"));
    const auto zapsano = [](const QString& soubor, const char* vzor) { return [=] { return QRegularExpression(vzor).match(readBytes(soubor)).captured(1); }; };
    const auto kusy = [&] { return okno->model().Objednavka.Item(1).Ks; };
    const auto ctrl = [](Qt::Key k) { return [k] { QTest::keyClick(QApplication::focusWidget(), k, Qt::ControlModifier); }; };
    const auto klik = [](QWidget* w, QPoint p = {}) { return [=] { QTest::mouseClick(w, Qt::LeftButton, {}, p); }; };
    const auto bunka = [&] { klik(okno->Tabulka->viewport(), okno->Tabulka->visualRect(okno->Tabulka->model()->index(0, 0)).center())(); };
    const auto jinyRadek = [&](Qt::Key k) {  // 8 typed on the second row and left with k, 9 on the first
        QTest::keyClick(okno->txtBox, Qt::Key_Return), QTest::keyClick(okno->Tabulka, Qt::Key_8), QTest::keyClick(okno->txtBox, k);
        okno->Tabulka->setFocus(), QTest::keyClick(okno->Tabulka, Qt::Key_Up), QTest::keyClick(okno->Tabulka, Qt::Key_9), QTest::keyClick(okno->txtBox, Qt::Key_Return);
    };
    const struct { std::function<void()> prikaz; std::function<QString()> uzito; QString ocekavano; } pripady[] = {
        {ctrl(Qt::Key_O), zapsano(odeslane + "457.txt", "A;DVM;(\\d+);"), "5"},
        {ctrl(Qt::Key_E), zapsano(xml, "<kusy>([^<]*)<"), "5|3|"},
        {ctrl(Qt::Key_P), zapsano(inst.data + "/Tmp2Print/objednavka.htm", ">DVM</td>\\s*<td[^>]*>([^<]*)<"), "5"},
        {ctrl(Qt::Key_I), kusy, "5|3|"},
        {klik(okno->cmdKomponentyOdebrat), kusy, "3|"},
        {klik(okno->cmdOdebratObjednavku), kusy, "4|"},
        {klik(okno->cmdKomponentyPridat), [&] { return program.seznamPolozek().okno()->hide(), kusy(); }, "5|3|"},
        {[&] { okno->mnuObjednavkaNaSklad->trigger(); }, [&] { return QTest::keyClick(okno->txtBox, Qt::Key_Return), kusy(); }, "5|3|"},
        {[&] { QTest::keyClicks(okno->txtBox, "\b0"), ctrl(Qt::Key_O)(); },  // refused: the message, no further order on the server
         [&] { return sluzby.dialogs.texty().filter(kNulovyPocet).join("") + QDir(odeslane).entryList(QDir::Files).join(""); }, kNulovyPocet + "457.txt"},
        {[&] { bunka(), ctrl(Qt::Key_O)(); }, zapsano(odeslane + "458.txt", "A;DVM;(\\d+);"), "2"},
        {[&] { klik(okno->lstObjednavky->viewport(), okno->lstObjednavky->visualItemRect(okno->lstObjednavky->item(1)).center())(); }, kusy, "5|3|"},
        {[&] { okno->aktivovano(); }, kusy, "5|3|"},
        // Left with Tab or Shift+Tab, the editor stays; a digit on another row stores it first.
        {[&] { jinyRadek(Qt::Key_Tab); }, kusy, "9|8|"},
        {[&] { jinyRadek(Qt::Key_Backtab); }, kusy, "9|8|"},
        {ctrl(Qt::Key_X), [&] { return QString::number(okno->isVisible()) + kusy(); }, "02|3|"},  // last: "Konec" reads no count; the sheet goes
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(&c - pripady);
        okno->model().vyprazdni();
        okno->model().PridatObjednavku({"A", "DVM|DLT|", "2|3|", {}, {}}), okno->model().PridatObjednavku({"B", "DTK|", "4|", {}, {}});
        okno->nacti();
        okno->activateWindow();
        ASSERT_TRUE(aktivni(okno));
        okno->lstObjednavky->setCurrentRow(0);
        bunka();
        QTest::keyClick(okno->Tabulka, Qt::Key_5);
        EXPECT_EQ((c.prikaz(), c.uzito()), c.ocekavano);
        EXPECT_FALSE(okno->txtBox->isVisible());
    }
}
