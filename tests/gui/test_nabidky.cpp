// The offers through the program's windows: a costing becomes an offer, is saved, is listed,
// gets a state, is synchronised with the stand-in server on 127.0.0.1 and comes back from it.
#include "app/QtNabidky.h"
#include "app/QtProgram.h"
#include "app/frmStav.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "offers/SouboryNabidek.h"
#include "offers/frmNabidka.h"
#include "platform/Cp1250.h"
#include "pricelist/frmArt.h"
#include "parameters/NastavSorveniku.h"
#include "platform/IniFile.h"
#include "support/GuiSupport.h"
#include "support/Peers.h"
#include "support/TestSupport.h"
#include "systems/Kalkulacky.h"

#include <QComboBox>
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

// An MIV costing of cross-section 25 on the program's sheet.
frmSorvenika* kalkulace(QtProgram& p) {
    GlobalniData& g = p.data();
    SorvenikaParametry& s = g.sorvenikaParametry;
    s.System = QStringLiteral("MIV");
    s.SystemKod = ZjistiKodSystemu(s.System);
    EXPECT_TRUE(NactiSystem(g, p.aplikace().cenik()));
    SorvenikaParametry n = s;
    n.Prurez = QStringLiteral("25");
    for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c)
        if (g.dataSystemu.Prurezy(c) == n.Prurez) n.IdPrurez = Integer(c);
    n.Vyska = 7;
    n.Ukonceni = 4;
    frmSorvenika* list = p.list()->nacti();
    NastavSorveniku(g, vytvorKalkulacky(g), list->model(), n);
    list->show();
    return list;
}

void zavriStav() {
    az([] { return modalni<frmStav>(); }, [](QWidget* w) { static_cast<frmStav*>(w)->cmdZavrit->click(); });
}

}  // namespace

TEST(Nabidky, FromTheCostingThroughTheListToTheServerAndBack) {
    Instalace inst;
    FakeServices sluzby;
    auto server = Peer::zastupnyServer(inst.dir.filePath("server"));
    ASSERT_TRUE(server->chyba().isEmpty()) << server->chyba().toStdString();
    ASSERT_TRUE(ini::zapis(inst.data + "/Objednavky.ini", "NASTAVENI",
                           {{"pripojeni", "1"}, {"server", "127.0.0.1:" + QString::number(server->port())}}));
    ASSERT_TRUE(ini::zapis(inst.ini(), "UZIVATEL",
                           {{"IDOZ", "7"}, {"JmenoOZ", "Jan Dvořák"}, {"Pwd", "aGVzbG8="}, {"ExtID", "5"}, {"Typ", "1"}}));
    BezAktualizace aktualizace;
    QtProgram::Navaznosti n;
    n.aktualizace = &aktualizace;
    QtProgram p(n);
    ASSERT_TRUE(p.aplikace().Main());
    frmSorvenika* list = kalkulace(p);

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
    ASSERT_EQ(NactiNeodeslaneNabidky(p.data().nastaveni).size(), 1);

    // The next offer carries the project over, also after it was dropped.
    for (int i = 0; i < 2; ++i) {
        az([] { return modalni<frmNabidka>(); }, [](QWidget* w) {
            auto* f = static_cast<frmNabidka*>(w);
            EXPECT_EQ(f->cmbNazevAkce->currentText(), QStringLiteral("Škola <b>"));
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Povinné údaje k nabídce č. 6"));
            f->cmdStorno->click();
        });
        // Far enough apart not to make a double click.
        QTest::mouseClick(list->lblNabidka, Qt::LeftButton, {}, QPoint(), 1000);
        EXPECT_FALSE(p.nabidky().Nabidka);
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

    // Printing opens the page in the browser; the page shows the name as text.
    s->mnuTisk->trigger();
    ASSERT_EQ(sluzby.desktop.otevrene.size(), 1);
    EXPECT_TRUE(readBytes(sluzby.desktop.otevrene[0]).contains("kola &lt;b&gt;"));

    // Synchronised: sent, its state uploaded, and listed again as the server's offer.
    ASSERT_TRUE(s->mnuSynchronizovat->isVisible());
    zavriStav();
    s->mnuSynchronizovat->trigger();
    EXPECT_FALSE(QFile::exists(inst.data + "/Nabidky/NeodeslaneNabidky.txt"));
    ASSERT_EQ(s->model().rowCount(), 1);
    EXPECT_EQ(s->model().index(0, sKey).data().toString(), QStringLiteral("1U"));
    EXPECT_NE(s->model().index(0, sID).data().toString(), QStringLiteral("0"));
    EXPECT_EQ(s->model().index(0, sStav).data().toString(), QStringLiteral("Vyhráno"));
    EXPECT_EQ(s->lblPocet->text(), QStringLiteral("Pozice/Počet: 1/1"));

    // The server's replies lose every "<...>" on the way (the clean-up of every reply).
    EXPECT_EQ(s->model().index(0, sNazevAkce).data().toString(), QStringLiteral("Škola "));
    s->close();
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
        EXPECT_EQ(f->model().Tabulka.TextMatrix(1, 0), QStringLiteral("abrazivní pasta"));
        EXPECT_EQ(f->txtCenaBezDPH->text(), QStringLiteral("140,00"));
        EXPECT_EQ(f->txtCenaPoSleveBezDPH->text(), QStringLiteral("126,00"));
        EXPECT_EQ(f->txtCenaPoSleveSDPH->text(), QStringLiteral("152,46"));
        EXPECT_TRUE(f->cmdPridatUbrat[1]->isEnabled());
        f->cmdPridatUbrat[1]->click();
        EXPECT_EQ(f->model().Tabulka.Rows(), 1);
        EXPECT_EQ(f->txtCenaPoSleveSDPH->text(), QStringLiteral("0,00"));
        EXPECT_FALSE(f->cmdPridatUbrat[1]->isEnabled());

        // A new project name is learnt when the box is left, and Delete forgets a listed one.
        f->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        f->cmbNazevAkce->setFocus();
        QTest::keyClicks(f->cmbNazevAkce->lineEdit(), QStringLiteral("Skola 2"));
        f->txtMistoStavby->setFocus();
        ASSERT_TRUE(QFile::exists(inst.data + "/Nabidky/NazevAkce.txt"));
        EXPECT_EQ(readBytes(inst.data + "/Nabidky/NazevAkce.txt"), QByteArray("Skola 2\r\n"));
        f->cmbNazevAkce->setCurrentIndex(0);
        f->cmbNazevAkce->setFocus();
        QTest::keyClick(f->cmbNazevAkce->lineEdit(), Qt::Key_Delete);
        EXPECT_FALSE(QFile::exists(inst.data + "/Nabidky/NazevAkce.txt"));
        EXPECT_EQ(f->cmbNazevAkce->count(), 0);
    });
    nabidky.zobrazFormular(n, false);
    // The close box dropped the offer; the changed parts stay on the object.
    EXPECT_FALSE(nabidky.pamet().Nabidka);
    EXPECT_EQ(n->CenaBezDPH, 0.0);
}
