// The account window from the main menu's hidden switch to the program started again as the
// chosen representative, against the stand-in server on 127.0.0.1.
#include "app/QtProgram.h"
#include "orders/ModelObjednavky.h"
#include "platform/IniFile.h"
#include "support/GuiSupport.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

// With sub-orders on the order sheet "Uložit" asks the sheet's close question first: "Ne" stores
// nothing and keeps the window and the sheet, "Ano" saves and restarts.
TEST(frmNastaveniOZ, SavingStoresTheRepresentativeAndStartsTheProgramAgainPrivileged) {
    for (const bool podobjednavky : {false, true}) {
        SCOPED_TRACE(podobjednavky);
        Instalace inst;
        FakeServices sluzby;
        auto server = Peer::zastupnyServerPrimo(inst.dir.filePath("server"), inst.data);
        ASSERT_TRUE(server->chyba().isEmpty()) << server->chyba().toStdString();
        struct : IKontrolaAktualizace {
            void ZkontrolujAktualizaci(GlobalniData& g) override { g.ServerDostupny = true; }
        } aktualizace;
        QtProgram::Navaznosti n;
        n.aktualizace = &aktualizace;
        QtProgram p(n);
        ASSERT_TRUE(p.aplikace().Main());
        ASSERT_EQ(p.data().nastaveni.TypUzivatele, 0);
        const QPointer<frmMenu> staryMenu = p.menu();
        if (podobjednavky) {
            p.objednavkovyList().PridatObjednavku({"Sklad", "DVM|", "1|", {}, {}});
            p.objednavkovyList().Zobraz();
        }
        const QPointer<frmObjednavka> list = p.objednavkovyList().okno();
        const QByteArray ini = readBytes(inst.ini());

        bool hotovo = false;
        az([] {
               auto* w = modalni<frmNastaveniOZ>();
               return w && w->isEnabled() && w->cmbSeznamOZ->count() == 3 ? w : nullptr;
           },
           [&](QWidget* w) {
               auto* o = static_cast<frmNastaveniOZ*>(w);
               EXPECT_EQ(o->windowTitle(), QStringLiteral("Nastavení účtu"));
               EXPECT_TRUE(vejdeSeNaMalouObrazovku(o->sizeHint()));
               EXPECT_EQ(o->txtExtID->text(), "1");
               EXPECT_EQ(o->txtPwd->echoMode(), QLineEdit::Password);
               EXPECT_FALSE(o->cmdTest->isEnabled());
               EXPECT_FALSE(o->cmdUlozit->isEnabled());
               QTest::keyClick(o->cmbSeznamOZ, Qt::Key_Down);
               QTest::keyClick(o->cmbSeznamOZ, Qt::Key_Down);
               ASSERT_TRUE(o->cmdTest->isEnabled());
               QTest::keyClicks(o->txtPwd, "tajne");
               o->cmdTest->click();
               ASSERT_TRUE(o->cmdUlozit->isEnabled());
               // "Uložit" only for the entry and password shown of a test that succeeded last (7 refuses "tajne").
               const std::tuple<QWidget*, Qt::Key, bool> kroky[] = {{o->txtPwd, Qt::Key_X, false}, {o->txtPwd, Qt::Key_Backspace, true},
                   {o->cmbSeznamOZ, Qt::Key_Up, false}, {o->cmdTest, {}, false}, {o->cmbSeznamOZ, Qt::Key_Down, false}, {o->cmdTest, {}, true}};
               for (const auto& [kam, klavesa, povoleno] : kroky) {
                   kam == o->cmdTest ? o->cmdTest->click() : QTest::keyClick(kam, klavesa);
                   EXPECT_EQ(o->cmdUlozit->isEnabled(), povoleno) << kam->objectName().toStdString() << " " << klavesa;
               }
               o->txtExtID->clear();
               QTest::keyClicks(o->txtExtID, "300");
               if (podobjednavky) {
                   o->cmdUlozit->click();
                   EXPECT_TRUE(o->isVisible());
                   EXPECT_EQ(readBytes(inst.ini()), ini);
                   EXPECT_EQ(p.data().nastaveni.TypUzivatele, 0);
                   ASSERT_TRUE(list);
                   EXPECT_EQ(list->lstObjednavky->count(), 1);
               }
               o->cmdUlozit->click();
               hotovo = true;
           });
        sluzby.dialogs.odpovedi = {Odpoved::Ok, Odpoved::Ok, Odpoved::Ok, Odpoved::Yes};
        if (podobjednavky) sluzby.dialogs.odpovedi.insert(sluzby.dialogs.odpovedi.begin() + 3, {Odpoved::No, Odpoved::Yes});
        QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p.menu()->findChild<QLabel*>("Label2_1"), &e);
        ASSERT_TRUE(hotovo);
        // The start-up runs again once the handler has returned, and the privileged user's
        // synchronisation runs against the server in the status window.
        QString log;
        az([] {
               auto* w = modalni<frmStav>();
               return w && w->cmdZavrit->isEnabled() ? w : nullptr;
           },
           [&](QWidget* w) {
               auto* stav = static_cast<frmStav*>(w);
               log = stav->txt->toPlainText();
               stav->cmdZavrit->click();
           });
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QStringList texty{QStringLiteral("Přihlášení obchodního zástupce 12 je v pořádku."), kOtazkaSynchronizace};
        texty = QStringList{texty[0], QStringLiteral("Neplatné číslo obchodního zástupce nebo heslo.")} + texty;
        if (podobjednavky) texty.insert(3, 2, kZavritList);
        EXPECT_EQ(sluzby.dialogs.texty(), texty);
        const auto uzivatel = [&](const char* klic) { return ini::cti(inst.ini(), "UZIVATEL", klic); };
        for (const auto& [klic, hodnota] : {std::pair("IDOZ", "12"), {"JmenoOZ", "Eva Černá"}, {"EmailOZ", "cerna@example.cz"},
                                            {"TelefonOZ", "604 333 444"}, {"Pwd", "dGFqbmU="}, {"ExtID", "300"}, {"Typ", "1"}})
            EXPECT_EQ(uzivatel(klic), QString::fromUtf8(hodnota)) << klic;
        EXPECT_TRUE(log.contains(QStringLiteral("\n4/4>Stažení seznamu obchodníků............OK\n"))) << log.toStdString();
        EXPECT_EQ(uzivatel("PosledniSynchronizace"), "1.1.2000");  // written when the settings are saved next
        EXPECT_EQ(p.data().nastaveni.PosledniSynchronizace, QDate(2026, 12, 6));
        EXPECT_EQ(p.data().nastaveni.TypUzivatele, 1);
        EXPECT_EQ(p.data().nastaveni.IDOZ, 12);
        EXPECT_TRUE(staryMenu.isNull());
        ASSERT_TRUE(p.menu());
        EXPECT_TRUE(p.menu()->isVisible());
        EXPECT_FALSE(p.kodKonce());
        EXPECT_TRUE(list.isNull());
    }
}
