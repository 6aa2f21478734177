// The offers through the program's windows: a costing becomes an offer, is saved, is listed,
// gets a state, is synchronised with the stand-in server on 127.0.0.1 and comes back from it.
#include "app/QtNabidky.h"
#include "app/QtProgram.h"
#include "app/frmStav.h"
#include "costing/QtListSorveniky.h"
#include "offers/SouboryNabidek.h"
#include "offers/frmNabidka.h"
#include "util/Soubory.h"
#include "util/VolbaSouboru.h"
#include <QFileInfo>
#include "platform/Cp1250.h"
#include "pricelist/frmArt.h"
#include "platform/IniFile.h"
#include "platform/Regional.h"
#include "support/GuiSupport.h"
#include "support/ListProgramu.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include "app/SouborNastaveni.h"
#include "offers/NabidkaHtml.h"
#include "offers/clsSorvenika.h"

#include <QCheckBox>
#include <QDialog>
#include <QTimer>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QtMath>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

struct BezAktualizace : IKontrolaAktualizace {
    void ZkontrolujAktualizaci(GlobalniData&) override {}
};

}  // namespace

TEST(Nabidky, FromTheCostingThroughTheListToTheServerAndBack) {
    Instalace inst;
    FakeServices sluzby;
    auto server = Peer::zastupnyServerPrimo(inst.dir.filePath("server"), inst.data);
    ASSERT_TRUE(server->chyba().isEmpty()) << server->chyba().toStdString();
    ASSERT_TRUE(ini::zapis(inst.ini(), "UZIVATEL",
                           {{"IDOZ", "7"}, {"JmenoOZ", "Jan Dvořák"}, {"Pwd", "aGVzbG8="}, {"ExtID", "5"}, {"Typ", "1"}}));
    BezAktualizace aktualizace;
    QtProgram::Navaznosti n;
    n.aktualizace = &aktualizace;
    QtProgram p(n);
    ASSERT_TRUE(p.aplikace().Main());
    frmSorvenika* list = kalkulaceNaListu(p);

    // The form on the new offer: a missing field first, then the save.
    bool ulozeno = false;
    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Povinné údaje k nabídce č. 5"));
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(f->size())) << f->size().width() << "x" << f->size().height() << " min " << f->minimumSizeHint().width() << "x" << f->minimumSizeHint().height();
        EXPECT_EQ(f->txtJmenoOZ->text(), QStringLiteral("Jan Dvořák"));
        EXPECT_GT(f->model().Tabulka.Rows(), 1);
        EXPECT_FALSE(f->txtCenaPoSleveSDPH->text().isEmpty());
        f->cmdUlozit->click();
        EXPECT_EQ(sluzby.dialogs.texty().value(0), QStringLiteral("Není zadán název akce"));
        f->cmbNazevAkce->setEditText(QStringLiteral("Škola <b>"));
        f->txtMistoStavby->setText(QStringLiteral("Praha"));
        f->cmbDruhStavby->setCurrentIndex(3);
        for (QLineEdit* e : {f->txtRealizacniFirma, f->txtKontaktniOsoba, f->txtTelefon, f->txtMail, f->txtObchodnikMesto})
            e->setText(QStringLiteral("x"));
        f->cmbObchodnik->setEditText(QStringLiteral("Stavebniny"));
        f->txtPoznamka->setPlainText(QStringLiteral("první\ndruhá"));
        f->cmdUlozit->click();
        ulozeno = !f->isVisible();
    });
    QTest::mouseClick(list->lblNabidka, Qt::LeftButton);
    ASSERT_TRUE(ulozeno);
    EXPECT_EQ(p.data().nastaveni.ExtID, 6);
    ASSERT_EQ(NactiNeodeslaneNabidky(p.data().nastaveni)->size(), 1);

    // The next offer carries the project over, also after it was dropped.
    for (int i = 0; i < 2; ++i) {
        mezikrok();
        az([] { return modalni<frmNabidka>(); }, [](QWidget* w) {
            auto* f = static_cast<frmNabidka*>(w);
            EXPECT_EQ(f->cmbNazevAkce->currentText(), QStringLiteral("Škola <b>"));
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Povinné údaje k nabídce č. 6"));
            f->cmdStorno->click();
        });
        // The label's press itself: clicks in quick succession would make a double click.
        emit list->lblNabidka->stisknuto(Qt::LeftButton);
        EXPECT_FALSE(p.nabidky().Nabidka) << i;
    }

    // The list: the unsent offer, its state picked and written at once.
    p.nabidky().Zobraz();
    frmNabidky* s = p.nabidky().seznam();
    ASSERT_TRUE(s);
    EXPECT_TRUE(vejdeSeNaMalouObrazovku(s->size())) << s->size().width() << "x" << s->size().height();
    ASSERT_EQ(s->model().rowCount(), 1);
    EXPECT_EQ(s->model().index(0, sKey).data().toString(), QStringLiteral("1N"));
    const QModelIndex bunka = s->Tabulka->model()->index(0, sNazevAkce);
    QTest::mouseClick(s->Tabulka->viewport(), Qt::LeftButton, {}, s->Tabulka->visualRect(bunka).center());
    ASSERT_TRUE(s->cmbStav->isVisible());
    s->cmbStav->setCurrentIndex(1);
    emit s->cmbStav->activated(1);
    EXPECT_FALSE(s->cmbStav->isVisible());
    EXPECT_EQ(s->model().index(0, sStav).data().toString(), QStringLiteral("Vyhráno"));
    EXPECT_EQ(readBytes(inst.data + "/Nabidky/StavyNabidek.txt"), "ID|ExtID|Stav\r\n0|5|1\r\n");

    // Printing opens the page in the browser; the name as it is stored, "<" and ">" as "‹" and "›".
    s->mnuTisk->trigger();
    ASSERT_EQ(sluzby.desktop.otevrene.size(), 1);
    EXPECT_TRUE(readBytes(sluzby.desktop.otevrene[0]).contains("kola \x8b" "b\x9b"));
    // Its weight comes from the program's price list.
    const QString stranka = cp1250::decode(readBytes(sluzby.desktop.otevrene[0]));
    const QString vaha = stranka.section(QStringLiteral("váha: <b>"), 1).section(QStringLiteral(" Kg"), 0, 0);
    EXPECT_GT(naDouble(vaha).value_or(0), 0.0) << vaha.toStdString();

    // Synchronised: sent, its state uploaded, and listed again as the server's offer.
    ASSERT_TRUE(s->mnuSynchronizovat->isVisible());
    const auto detail = [&] {
        QStringList t;
        for (const QLabel* l : s->RamDetail->findChildren<QLabel*>()) t << l->text();
        return t.join(u'|');
    };
    ASSERT_TRUE(detail().contains(QStringLiteral("|Praha|")) && s->lblSoucet->text() != textSouctu(0));
    az([] { return modalni<frmStav>(); }, [&](QWidget* w) {
        EXPECT_TRUE(static_cast<frmStav*>(w)->txt->toPlainText().contains(QStringLiteral("KONEC SYNCHRONIZACE")));
        // The list waits for its synchronisation, emptied with its detail and total.
        EXPECT_FALSE(s->close());
        EXPECT_EQ(s->model().rowCount(), 0);
        EXPECT_FALSE(detail().contains(QStringLiteral("Praha"))) << detail().toStdString();
        EXPECT_EQ(s->lblSoucet->text(), textSouctu(0));
        static_cast<frmStav*>(w)->cmdZavrit->click();
    });
    s->mnuSynchronizovat->trigger();
    EXPECT_FALSE(QFile::exists(inst.data + "/Nabidky/NeodeslaneNabidky.txt"));
    ASSERT_EQ(s->model().rowCount(), 1);
    EXPECT_EQ(s->model().index(0, sKey).data().toString(), QStringLiteral("1U"));
    EXPECT_NE(s->model().index(0, sID).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(s->model().index(0, sStav).data().toString(), QStringLiteral("Vyhráno"));
    EXPECT_EQ(s->lblPocet->text(), QStringLiteral("Pozice/Počet: 1/1"));
    s->close();
}

// The form the program opens on a T-REMOL offer counts its rows at the program's price list: the
// cover plate removed, the list price falls by the plate's 2 489,00.
TEST(Nabidky, TRemolFormFromTheProgramCountsItsRowsAtThePriceList) {
    Instalace inst;
    FakeServices sluzby;
    BezAktualizace aktualizace;
    QtProgram::Navaznosti n;
    n.aktualizace = &aktualizace;
    QtProgram p(n);
    ASSERT_TRUE(p.aplikace().Main());
    frmSorvenika* list = kalkulaceNaListu(p, QStringLiteral("T-REMOL"), QStringLiteral("20"), 5);
    QStringList ceny;
    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        FlexGrid& t = f->model().Tabulka;
        for (int r = 1; r < t.Rows(); ++r)
            if (t.TextMatrix(r, 1) == QStringLiteral("TRM KDS 3636")) t.setRow(r);
        ceny << f->txtCenaBezDPH->text();
        f->cmdPridatUbrat[1]->click();
        ceny << f->txtCenaBezDPH->text();
        f->cmdStorno->click();
    });
    emit list->lblNabidka->stisknuto(Qt::LeftButton);
    ASSERT_EQ(ceny.size(), 2);
    EXPECT_EQ(*naDouble(ceny[0]) - *naDouble(ceny[1]), 2489.0) << ceny.join(u'|').toStdString();
}

// "Přidat položku" through the price list in its offer mode, "Odebrat položku", the prices that
// follow; the project name learnt on leaving the box and forgotten with Delete.
TEST(Nabidky, FormPartsThroughThePriceListAndProjectNames) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    g.nastaveni.DPH = Currency::fromInt(21);
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(testData(QStringLiteral("cenik/Art")));
    QtSeznamPolozek seznam(cenik, {});
    QtNabidky nabidky(g, {&seznam, &cenik, {}, {}});
    auto n = std::make_shared<clsNabidka>();
    n->ExtID = 3;
    n->ProjektovaSleva = 10;

    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        // Closed with the close box however the checks end.
        const std::unique_ptr<QWidget, void (*)(QWidget*)> zavri(f, [](QWidget* o) { zaviraciPolicko(o); });
        EXPECT_EQ(f->model().Tabulka.Rows(), 1);
        az([] { return modalni<frmArt>(); }, [](QWidget* a) {
            auto* okno = static_cast<frmArt*>(a);
            QTest::keyClicks(okno->cmbFilter[2]->lineEdit(), QStringLiteral("ab"));
            FlexGridView* v = okno->TabulkaArt;
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->grid()->index(0, 1)).center());
            QTest::keyClick(v, Qt::Key_4);
            QTest::keyClick(okno->txtBox, Qt::Key_Return);
            QTest::mouseClick(okno->cmdVlozit, Qt::LeftButton);
        });
        f->cmdPridatUbrat[0]->click();
        ASSERT_EQ(f->model().Tabulka.Rows(), 2);
        // Four at 35,00 priced at the offer's 90 %: 31,50 each, the discount taken once.
        EXPECT_EQ(f->model().Tabulka.TextMatrix(1, 0), QStringLiteral("abrazivní pasta"));
        EXPECT_EQ(f->model().Tabulka.TextMatrix(1, 4), QStringLiteral("31,50"));
        EXPECT_EQ(f->txtCenaBezDPH->text(), QStringLiteral("140,00"));
        EXPECT_EQ(f->txtCenaPoSleveBezDPH->text(), QStringLiteral("126,00"));
        EXPECT_EQ(f->txtCenaPoSleveSDPH->text(), QStringLiteral("152,50"));
        EXPECT_TRUE(f->cmdPridatUbrat[1]->isEnabled());
        f->cmdPridatUbrat[1]->click();
        EXPECT_EQ(f->model().Tabulka.Rows(), 1);
        EXPECT_EQ(f->txtCenaPoSleveSDPH->text(), QStringLiteral("0,00"));
        EXPECT_FALSE(f->cmdPridatUbrat[1]->isEnabled());

        // A new project name is learnt when the box is left. Editing a name picked from the list
        // (Home, Delete) forgets nothing; Delete on a name just picked forgets it.
        f->activateWindow();
        ASSERT_TRUE(aktivni(f));
        const QString soubor = inst.data + "/Nabidky/NazevAkce.txt";
        f->cmbNazevAkce->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Skola 2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f->txtMistoStavby);
        ASSERT_TRUE(QFile::exists(soubor));
        EXPECT_EQ(readBytes(soubor), QByteArray("Skola 2\r\n"));
        f->cmbNazevAkce->setFocus();
        f->cmbNazevAkce->setCurrentIndex(-1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_EQ(f->cmbNazevAkce->currentText(), QStringLiteral("Skola 2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        EXPECT_EQ(f->cmbNazevAkce->currentText(), QStringLiteral("kola 2"));
        EXPECT_EQ(readBytes(soubor), QByteArray("Skola 2\r\n"));
        // Nor does a picked name edited and typed back: Delete on it all selected empties the box.
        f->cmbNazevAkce->setCurrentIndex(-1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(f->cmbNazevAkce->lineEdit()->selectedText(), QStringLiteral("Skola 2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        EXPECT_EQ(f->cmbNazevAkce->currentText(), QString());
        ASSERT_TRUE(QFile::exists(soubor));
        EXPECT_EQ(readBytes(soubor), QByteArray("Skola 2\r\n"));
        f->cmbNazevAkce->setCurrentIndex(-1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        EXPECT_FALSE(QFile::exists(soubor));
        EXPECT_EQ(f->cmbNazevAkce->count(), 0);
    });
    nabidky.zobrazFormular(n, false);
    // The close box dropped the offer; the changed parts stay on the object.
    EXPECT_FALSE(nabidky.pamet().Nabidka);
    EXPECT_EQ(n->CenaBezDPH, 0.0);
}

// The HTML offer of a worked offer drawn by Qt's text document: the page lays out and shows the
// offer's text (SORVENIKA_UKAZKA_PNG names a file to keep the picture in).
TEST(Nabidky, HtmlOfferRendersAsAPage) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(inst.ini(), g).chyba);
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(inst.data + QStringLiteral("/Art"));
    clsSorvenika s;
    s.System = QStringLiteral("MIV");
    s.SysPoznamka = QStringLiteral("Základní souprava MIV 25\r\n\r\nDodací lhůta je 10 pracovních dní od potvrzení objednávky.\r\n");
    for (int i = 1; i <= 6; ++i)
        s.Rozpis += clsSorvenika::RadekRozpisu({QStringLiteral("Komínová tvárnice %1").arg(i), QStringLiteral("MIV%1").arg(i), {},
                                                QString::number(i), QStringLiteral("1 250,00"), QStringLiteral("2 500,00")});
    s.GenerXml();
    clsNabidka n(g.nastaveni);
    n.NazevAkce = QStringLiteral("Rodinný dům <Novák>");
    n.RealizacniFirma = QStringLiteral("Stavby & syn");
    n.Sorvenika = s.Xml;
    const QString cesta = inst.data + QStringLiteral("/Tmp2Print/nabidka.htm");
    ASSERT_TRUE(UlozJakoHtml(n, cesta, true, true, {cenik, g.Systemy, QDateTime(QDate(2026, 12, 7), QTime(6, 0))}));

    QTextDocument d;
    d.setHtml(cp1250::decode(readBytes(cesta)));
    for (const char* t : {"Rodinný dům <Novák>", "Stavby & syn", "Komínová tvárnice 6"})
        EXPECT_TRUE(d.toPlainText().contains(QString::fromUtf8(t))) << t;
    d.setTextWidth(780);
    QImage obraz(780, qCeil(d.size().height()), QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    d.drawContents(&p);
    p.end();
    EXPECT_GT(obraz.height(), 600);
    if (const QString kam = qEnvironmentVariable("SORVENIKA_UKAZKA_PNG"); !kam.isEmpty()) obraz.save(kam);
}

// The list's commands on a listed offer: nothing selected, save as HTML with the overwrite
// question and the remembered folder, mail under the project's name, view, copy.
TEST(Nabidky, ListCommandsOnTheSelectedOffer) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    g.nastaveni.IDOZ = Integer(7);
    g.nastaveni.ExtID = 40;
    int prohlizeni = 0, kopie = 0;
    frmNabidky::Sluzby s;
    s.formular = [&](std::shared_ptr<clsNabidka> n, bool jenProhlizeni) {
        ++(jenProhlizeni ? prohlizeni : kopie);
        if (!jenProhlizeni) {
            EXPECT_EQ(std::tuple(n->ID, n->ExtID), std::tuple(0, 40));
        }
    };
    frmNabidky prazdny(g, s);
    prazdny.mnuTisk->trigger();
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList{QStringLiteral("Není vybrána nabídka !")});
    EXPECT_FALSE(prazdny.mnuSynchronizovat->isVisible());

    writeBytes(inst.data + "/Nabidky/UlozeneNabidky.txt",
               cp1250::encode(QStringLiteral("ID|ExtID|IDOZ|NazevAkce|CenaPoSleveSDPH\r\n8|2|7|Škola 2/2026|100\r\n9|1|12|Cizí|5\r\n")));
    frmNabidky okno(g, s);
    EXPECT_EQ(okno.lblPocet->text(), QStringLiteral("Pozice/Počet: 1/1"));
    okno.show();
    EXPECT_EQ(okno.lblPocet->text(), QStringLiteral("Pozice/Počet: 1/1"));
    okno.chkZobrazitOstatni->click();
    ASSERT_EQ(okno.model().rowCount(), 2);
    EXPECT_EQ(okno.lblPocet->text(), QStringLiteral("Pozice/Počet: 2/2"));
    const QAbstractItemModel* m = okno.Tabulka->model();
    EXPECT_EQ(m->index(1, sNazevAkce).data(Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));
    EXPECT_EQ(m->index(1, sNazevAkce).data(Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
    EXPECT_FALSE(m->index(0, sNazevAkce).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(okno.lblSoucet->text(), QStringLiteral("Součet: 105,00 Kč"));
    okno.Tabulka->setCurrentIndex(m->index(0, sStav));
    ASSERT_EQ(okno.aktualniRadek(), 0);
    const QString cil = inst.dir.filePath(QStringLiteral("vystup/nabidka.htm"));
    writeBytes(cil, "stará");
    sluzby.dialogs.soubory = {cil, cil};
    sluzby.dialogs.odpovedi = {Odpoved::No, Odpoved::Yes, Odpoved::Ok};
    okno.mnuUlozitJakoHtml_Click();
    EXPECT_TRUE(readBytes(cil).contains(cp1250::encode(QStringLiteral("Škola 2/2026"))));
    EXPECT_EQ(sluzby.dialogs.texty().mid(1), (QStringList{kSouborExistuje, kSouborExistuje, QStringLiteral("Nabídka byla právě uložena")}));
    EXPECT_EQ(ini::cti(inst.ini(), "UZIVATEL", "Export HTML"), QFileInfo(cil).absolutePath());

    // The mailed page goes without the logo and the picture, which are files of this computer;
    // it is made without them.
    QDir(inst.data + QStringLiteral("/Pict")).removeRecursively();
    okno.mnuPoslatEmailem_Click();
    ASSERT_EQ(sluzby.desktop.maily.size(), 1);
    EXPECT_EQ(QFileInfo(sluzby.desktop.maily[0].value(0)).fileName(), QStringLiteral("Škola 2-2026.htm"));
    const QByteArray mailovana = readBytes(sluzby.desktop.maily[0].value(0));
    EXPECT_TRUE(mailovana.contains(cp1250::encode(QStringLiteral("Škola 2/2026"))));
    EXPECT_FALSE(mailovana.contains("<img"));
    // The mail program's refusal is shown by the window.
    sluzby.desktop.navratPosty = 3;
    const qsizetype zprav = sluzby.dialogs.zpravy.size();
    okno.mnuPoslatEmailem_Click();
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), zprav + 1);
    EXPECT_TRUE(sluzby.dialogs.zpravy.last().text.startsWith(QStringLiteral("Chyba č. 3\n")));
    // One that comes after the command returned (it does not wait) is shown when it comes.
    sluzby.desktop.postaOdpovidaHned = false;
    QTimer::singleShot(0, &okno, [&] { sluzby.desktop.odpovediPosty.takeFirst()(3); });
    okno.mnuPoslatEmailem_Click();
    EXPECT_EQ(sluzby.dialogs.zpravy.size(), zprav + 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), zprav + 2);
    EXPECT_TRUE(sluzby.dialogs.zpravy.last().text.startsWith(QStringLiteral("Chyba č. 3\n")));
    sluzby.desktop.postaOdpovidaHned = true;
    sluzby.desktop.navratPosty = 0;
    // Without its template no page is mailed, and the message names the template.
    QFile::remove(inst.data + QStringLiteral("/nabidka.htm"));
    okno.mnuPoslatEmailem_Click();
    EXPECT_EQ(sluzby.desktop.maily.size(), 3);
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), zprav + 3);
    EXPECT_EQ(sluzby.dialogs.zpravy.last().text, QStringLiteral("Soubor ") + inst.data + QStringLiteral("/nabidka.htm neexistuje !"));

    okno.cmdDetail_Click();
    okno.mnuKopirovat_Click();
    EXPECT_EQ(std::pair(prohlizeni, kopie), std::pair(1, 1));
    // The copy is not saved, so the reloaded list shows the offer as it was.
    EXPECT_EQ(okno.model().nabidka(0)->ID, 8);
}

// The amount shown is the one the list goes by, however the box is left (letting the focus go), and
// only while ticked; left unchanged, it keeps the column filters, while Enter always lists afresh.
// A window torn down with an amount typed in its focused box lists nothing.
TEST(Nabidky, TheListIsFilteredByTheAmountShown) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    g.nastaveni.IDOZ = Integer(7);
    writeBytes(inst.data + "/Nabidky/UlozeneNabidky.txt",
               "ID|ExtID|IDOZ|NazevAkce|CenaPoSleveBezDPH|CenaPoSleveSDPH\r\n1|1|7|A|40000|48400\r\n2|2|7|B|60000|72600\r\n"
               "3|3|7|C|120000|145200\r\n");
    enum Jak { Enter, Tab, KlikDoSeznamu, JineOkno, Prikaz };
    const struct { bool zapnuto; const char* filtr; const char* castka; Jak jak; const char* nabidky; const char* filtrPo; } radky[] = {
        {true, "", "100000", Enter, "C", ""},
        {true, "", "100000", Tab, "C", ""},
        {true, "", "100000", KlikDoSeznamu, "C", ""},
        {true, "", "30000", JineOkno, "ABC", ""},
        {true, "", "100000", Prikaz, "C", ""},  // Ctrl+H over the box: the list first
        {true, "", "abc", Tab, "ABC", ""},  // no number: above nothing, as with Enter
        {true, "c", "50000", Tab, "C", "c"},  // the project's filter typed first
        {true, "c", "50000", Enter, "BC", ""},
        {false, "c", "100000", Tab, "C", "c"},
    };
    for (const auto& r : radky) {
        SCOPED_TRACE(testing::Message() << r.zapnuto << " " << r.filtr << " " << r.castka << " / " << r.jak);
        frmNabidky okno(g, {});
        okno.show();
        ASSERT_TRUE(aktivni(&okno));
        if (r.zapnuto) okno.chkCastka->click();
        QTest::keyClicks(okno.cmbFilter[4]->lineEdit(), QString::fromUtf8(r.filtr));
        okno.txtCastka->setFocus();
        okno.txtCastka->selectAll();
        QTest::keyClicks(okno.txtCastka, QString::fromUtf8(r.castka));
        if (r.jak <= Tab) QTest::keyClick(okno.txtCastka, r.jak == Enter ? Qt::Key_Return : Qt::Key_Tab);
        else if (r.jak == Prikaz) QTest::keyClick(okno.txtCastka, Qt::Key_H, Qt::ControlModifier);
        else if (r.jak == JineOkno) { QWidget jine; jine.show(); jine.activateWindow(); ASSERT_TRUE(aktivni(&jine)); }
        else QTest::mouseClick(okno.Tabulka->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QString nabidky;
        for (int i = 0; i < okno.model().rowCount(); ++i) nabidky += okno.model().index(i, sNazevAkce).data().toString();
        EXPECT_EQ(std::pair(nabidky, okno.cmbFilter[4]->currentText()), std::pair(QString::fromUtf8(r.nabidky), QString::fromUtf8(r.filtrPo)));
        if (r.jak == Tab || r.jak == KlikDoSeznamu) { EXPECT_NE(okno.focusWidget(), okno.txtCastka); }
        okno.txtCastka->setFocus();
        QTest::keyClicks(okno.txtCastka, "1");
    }
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
}

// Viewing from the list: no saving or parts commands, the fields disabled; the close box.
TEST(Nabidky, FormForViewingOnly) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    QtNabidky nabidky(g, {});
    auto n = std::make_shared<clsNabidka>();
    n->NazevAkce = QStringLiteral("Akce");
    n->Ulice = QStringLiteral("Dlouhá");
    n->DruhStavby = 2;
    n->Obchodnik = QStringLiteral("Stavebniny");
    n->Poznamka = QStringLiteral("pozn.");
    bool videno = false;
    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        for (QPushButton* b : {f->cmdUlozit, f->cmdStorno, f->cmdPridatUbrat[0], f->cmdPridatUbrat[1]}) EXPECT_TRUE(b->isHidden());
        EXPECT_FALSE(f->cmdVymazat->isHidden());
        for (QWidget* x : std::initializer_list<QWidget*>{f->txtDatumNabidky, f->cmbNazevAkce, f->txtUlice, f->cmbDruhStavby,
                                                          f->cmbObchodnik, f->txtObchodnikMesto, f->txtPoznamka})
            EXPECT_FALSE(x->isEnabled()) << x->objectName().toStdString();
        // The representative's and the prices' boxes only show, in any form.
        for (QLineEdit* e : {f->txtCisloOZ, f->txtTelefonOZ, f->txtCenaBezDPH, f->txtCenaPoSleveSDPH}) EXPECT_TRUE(e->isReadOnly());
        EXPECT_EQ(f->cmbNazevAkce->currentText(), QStringLiteral("Akce"));
        // "Vymazat" empties the project and customer fields, not the date.
        const QString datum = f->txtDatumNabidky->text();
        f->cmdVymazat->click();
        EXPECT_EQ((QStringList{f->txtDatumNabidky->text(), f->cmbNazevAkce->currentText(), f->txtUlice->text(),
                               QString::number(f->cmbDruhStavby->currentIndex()), f->cmbObchodnik->currentText(), f->txtPoznamka->toPlainText()}),
                  (QStringList{datum, "", "", "0", "", ""}));
        EXPECT_FALSE(datum.isEmpty());
        videno = true;
        zaviraciPolicko(f);
    });
    nabidky.zobrazFormular(n, true);
    EXPECT_TRUE(videno);
    EXPECT_EQ(n->NazevAkce, QStringLiteral("Akce"));
}

// The list by keyboard, keys sent to whatever has the focus as a user's keys go: the grid has it
// at opening; F4 opens the state list of one's own offer, Home and Enter pick "V řešení" and the
// keys go back to the grid; arrows on the closed state box open its list and pick nothing;
// Delete empties a filter box; the commands act from a filter box too.
TEST(Nabidky, ListByKeyboard) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    g.nastaveni.IDOZ = Integer(7);
    int kopie = 0;
    frmNabidky::Sluzby sl;
    std::optional<bool> stavPriProhlizeni;
    frmNabidky* seznam = nullptr;
    sl.formular = [&](std::shared_ptr<clsNabidka>, bool jenProhlizeni) {
        kopie += !jenProhlizeni;
        if (jenProhlizeni) stavPriProhlizeni = seznam->cmbStav->isVisible();
    };
    writeBytes(inst.data + "/Nabidky/UlozeneNabidky.txt",
               cp1250::encode(QStringLiteral("ID|ExtID|IDOZ|Stav|NazevAkce|MistoStavby|Obchodnik\r\n"
                                             "8|2|7|3|<script>x</script>|Praha|Stavebniny Kůň s.r.o., Brno a okolí\r\n")));
    frmNabidky okno(g, sl);
    seznam = &okno;
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(aktivni(&okno));
    const auto klavesa = [](Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(QApplication::focusWidget(), k, m); };
    EXPECT_EQ(QApplication::focusWidget(), okno.Tabulka);
    ASSERT_EQ(okno.aktualniRadek(), 0);
    // The detail panel shows a name as typed, not as markup.
    const auto stitky = okno.RamDetail->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(stitky.begin(), stitky.end(), [](QLabel* l) {
        return l->text() == QStringLiteral("<script>x</script>") && l->textFormat() == Qt::PlainText;
    }));

    const QString stavy = inst.data + "/Nabidky/StavyNabidek.txt";
    // The picker closed, the keys back on the grid, state 0 shown and stored.
    const auto zavrenoVResen = [&](const char* krok) {
        SCOPED_TRACE(krok);
        EXPECT_FALSE(okno.cmbStav->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), okno.Tabulka);
        EXPECT_EQ(okno.model().index(0, sStav).data().toString(), QStringLiteral("V řešení"));
        EXPECT_EQ(readBytes(stavy), "ID|ExtID|Stav\r\n8|2|0\r\n");
    };
    klavesa(Qt::Key_F4);
    ASSERT_TRUE(okno.cmbStav->isVisible());
    ASSERT_TRUE(okno.cmbStav->view()->isVisible());
    // The list opens on the present state, "Alternativa".
    EXPECT_EQ(okno.cmbStav->view()->currentIndex().row(), 3);
    klavesa(Qt::Key_Home);
    klavesa(Qt::Key_Return);
    zavrenoVResen("Home, Enter");

    // The state box over a clicked cell, then the arrows: its list opens, no state is taken.
    const QAbstractItemModel* m = okno.Tabulka->model();
    QTest::mouseClick(okno.Tabulka->viewport(), Qt::LeftButton, {}, okno.Tabulka->visualRect(m->index(0, sNazevAkce)).center());
    ASSERT_TRUE(okno.cmbStav->isVisible());
    okno.cmbStav->setFocus();
    klavesa(Qt::Key_Down);
    klavesa(Qt::Key_Down);
    EXPECT_TRUE(okno.cmbStav->view()->isVisible());
    // One Escape closes the list and leaves no empty box over the cell.
    klavesa(Qt::Key_Escape);
    zavrenoVResen("arrows, Escape");
    klavesa(Qt::Key_F4);
    ASSERT_TRUE(okno.cmbStav->view()->isVisible());
    klavesa(Qt::Key_Escape);
    zavrenoVResen("F4, Escape");
    // Nor does a view of the offer leave one.
    QTest::mouseClick(okno.Tabulka->viewport(), Qt::LeftButton, {}, okno.Tabulka->visualRect(m->index(0, sNazevAkce)).center());
    ASSERT_TRUE(okno.cmbStav->isVisible());
    QTest::mouseClick(okno.cmdDetail, Qt::LeftButton);
    EXPECT_EQ(stavPriProhlizeni, std::optional(false));
    EXPECT_FALSE(okno.cmbStav->isVisible());
    // Nor a list closed by a click elsewhere, nor a message over the box, its list open or not.
    const auto zprava = [&] {
        QDialog d(&okno);
        QTimer::singleShot(0, &d, [&] { EXPECT_TRUE(aktivni(&d)); d.accept(); });
        d.exec();
        okno.activateWindow();
        ASSERT_TRUE(aktivni(&okno));
    };
    const struct {
        const char* krok;
        bool seznam;
        std::function<void()> zavri;
    } zavreni[] = {
        // Through the window, as the system delivers it: the open list takes the click and closes.
        {"F4, a click elsewhere", true,
         [&] { QTest::mouseClick(okno.windowHandle(), Qt::LeftButton, {}, okno.RamDetail->mapTo(&okno, QPoint(5, 5))); }},
        {"F4, a message", true, zprava},
        {"a click on the cell, a message", false, zprava},
    };
    for (const auto& z : zavreni) {
        SCOPED_TRACE(z.krok);
        okno.activateWindow();
        ASSERT_TRUE(aktivni(&okno));
        okno.Tabulka->setFocus();
        if (z.seznam) QTest::keyClick(okno.Tabulka, Qt::Key_F4);
        else QTest::mouseClick(okno.Tabulka->viewport(), Qt::LeftButton, {}, okno.Tabulka->visualRect(m->index(0, sNazevAkce)).center());
        ASSERT_TRUE(okno.cmbStav->isVisible());
        ASSERT_EQ(okno.cmbStav->view()->isVisible(), z.seznam);
        z.zavri();
        EXPECT_FALSE(okno.cmbStav->isVisible());
        // The keys go back to the grid once the window has them again.
        EXPECT_EQ(okno.focusWidget(), okno.Tabulka);
        EXPECT_EQ(okno.model().index(0, sStav).data().toString(), QStringLiteral("V řešení"));
    }
    okno.activateWindow();
    ASSERT_TRUE(aktivni(&okno));

    // A filter typed into and emptied with Delete where the box has the keys.
    QComboBox* misto = okno.cmbFilter[5];
    ASSERT_EQ(misto->objectName(), QStringLiteral("cmbFilter8"));
    misto->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Brn"));
    EXPECT_EQ(okno.model().rowCount(), 0);
    klavesa(Qt::Key_Delete);
    EXPECT_EQ(misto->currentText(), QString());
    EXPECT_EQ(okno.model().rowCount(), 1);
    // The list's commands from the filter box act on the selected offer.
    klavesa(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(sluzby.desktop.maily.size(), 1);
    klavesa(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(kopie, 1);
    // A dealer's name is read whole in its drop-down, however narrow the column.
    QComboBox* obchodnik = okno.cmbFilter[7];
    EXPECT_GE(obchodnik->view()->minimumWidth(),
              obchodnik->view()->fontMetrics().horizontalAdvance(QStringLiteral("Stavebniny Kůň s.r.o., Brno a okolí")));
    EXPECT_LT(obchodnik->width(), obchodnik->view()->minimumWidth());
}

// Tab goes down the project column, then the customer column, as the boxes stand.
TEST(Nabidky, FormTabFollowsTheLayout) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    QtNabidky nabidky(g, {});
    auto n = std::make_shared<clsNabidka>();
    QList<QWidget*> poradi, cekane;
    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        cekane = {f->txtDatumNabidky, f->cmbNazevAkce, f->txtMistoStavby, f->txtUlice, f->txtUliceCP, f->cmbDruhStavby,
                  f->txtRealizacniFirma, f->txtKontaktniOsoba, f->txtTelefon, f->txtMail, f->cmbObchodnik, f->txtObchodnikMesto,
                  f->txtPoznamka};
        f->activateWindow();
        if (aktivni(f)) {
            f->txtDatumNabidky->setFocus();
            for (int i = 0; i < cekane.size(); ++i) {
                poradi << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        }
        // The first six stand left of the next six, each column top to bottom.
        for (int i = 0; i < 6; ++i) {
            EXPECT_LT(cekane[i]->mapTo(f, QPoint()).x(), cekane[i + 6]->mapTo(f, QPoint()).x()) << i;
            if (i > 0) {
                EXPECT_GT(cekane[i]->mapTo(f, QPoint()).y(), cekane[i - 1]->mapTo(f, QPoint()).y()) << i;
            }
        }
        zaviraciPolicko(f);
    });
    nabidky.zobrazFormular(n, false);
    EXPECT_EQ(poradi, cekane);
}
