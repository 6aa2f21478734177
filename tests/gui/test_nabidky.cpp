// The offers through the program's windows: a costing becomes an offer, is saved, is listed,
// gets a state, is synchronised with the stand-in server on 127.0.0.1 and comes back from it.
#include "app/QtNabidky.h"
#include "app/QtProgram.h"
#include "app/frmStav.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "offers/SouboryNabidek.h"
#include "offers/frmNabidka.h"
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
        QTest::mouseClick(list->lblNabidka, Qt::LeftButton);
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
