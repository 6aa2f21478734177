// The connection-settings dialog as the user meets it: detection on opening, the controls that
// change the client at once, the test, OK, and no closing while the test waits.
#include "net/frmNastaveni.h"
#include "platform/Services.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct ProxyVPromenne : IDetekceSite {
    bool pripojeno() override { return true; }
    QString proxyServer(const QString&) override { return QStringLiteral("http://proxy:3128"); }
};

// Message boxes recorded; the program's own clock, since the test waits for real.
struct Dialogy {
    FakeDialogs fake;
    Dialogy() { platform::setDialogs(&fake); }
    ~Dialogy() { platform::setDialogs(nullptr); }
};

}  // namespace

TEST(frmNastaveni, OpensDetectedEditsLiveTestsAndSaves) {
    Dialogy d;
    QTemporaryDir dir;
    Prostredi data("SORVENIKA_DATA", dir.path().toUtf8());
    QTcpServer mlcici;  // accepts and never answers
    ASSERT_TRUE(mlcici.listen(QHostAddress::LocalHost));
    writeBytes(dir.filePath("Objednavky.ini"),
               QStringLiteral("[NASTAVENI]\r\npripojeni=0\r\nid=K-17\r\nserver=127.0.0.1:%1\r\n").arg(mlcici.serverPort()).toLatin1());
    clsHTTP http;
    http.limitTestu = {2000, 500};
    NastaveniObjednavek objednavka = NactiNastaveniObjednavek(dir.filePath("Objednavky.ini"));
    ProxyVPromenne detekce;
    frmNastaveni okno(http, objednavka, detekce);

    EXPECT_TRUE(okno.optPripojeni[2]->isChecked());
    EXPECT_EQ(okno.txtProxy->text() + ":" + okno.txtPort->text() + " " + okno.txtID->text(), "proxy:3128 K-17");
    EXPECT_FALSE(okno.txtUsr->isEnabled());
    okno.chkAutorizace->click();
    EXPECT_TRUE(okno.txtUsr->isEnabled() && http.ProxyAuthorization());
    okno.optPripojeni[0]->click();
    okno.cmdTestSpojeni->click();
    EXPECT_EQ(d.fake.texty(), QStringList{kNelzeTestovat});
    okno.txtSOCKS5Server->setText(" 127.0.0.1 ");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(okno.txtSOCKS5Server, &enter);
    EXPECT_EQ(http.SOCKS5Server(), "127.0.0.1");
    // Typed and left with a click on the test: the test uses it.
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    okno.txtProxy->setFocus();
    okno.txtProxy->selectAll();
    QTest::keyClicks(okno.txtProxy, " nova ");
    QTest::mouseClick(okno.cmdTestSpojeni, Qt::LeftButton);
    EXPECT_EQ(http.Proxy(), "nova");

    // While the test waits the dialog stays open and its commands are off.
    okno.optPripojeni[1]->click();
    okno.show();
    bool behem = false;
    QTimer::singleShot(100, &okno, [&] {
        okno.reject();
        behem = okno.isVisible() && !okno.cmdOk->isEnabled();
    });
    okno.cmdTestSpojeni->click();
    EXPECT_TRUE(behem);
    EXPECT_EQ(d.fake.texty().last(), kVyprselLimitTestu);
    EXPECT_TRUE(okno.cmdOk->isEnabled());

    // "Procházet": the folder chosen in the browser is where the copies go.
    d.fake.soubory.push_back(dir.filePath("kopie/"));
    okno.cmdProchazet->click();
    EXPECT_EQ(okno.lblVystup->text(), dir.filePath("kopie"));
    EXPECT_EQ(d.fake.titulkySlozek, QStringList{kTitulekSlozky});

    okno.txtID->setText("K-18");
    okno.cmdOk->click();
    EXPECT_EQ(okno.result(), QDialog::Accepted);
    EXPECT_EQ(NactiNastaveniObjednavek(dir.filePath("Objednavky.ini")).ID, "K-18");
    EXPECT_EQ(NactiNastaveniObjednavek(dir.filePath("Objednavky.ini")).spojeni.Pripojeni, "1");
    EXPECT_EQ(NactiNastaveniObjednavek(dir.filePath("Objednavky.ini")).Vystup, dir.filePath("kopie"));
}

// Settings read when no descriptor was left: the dialog names the file and its reason once as it
// opens and proposes no connection over them; the test names that failure, OK refuses it and the
// dialog stays, Storno closes without a word, and both files stay as they were.
// With `iniNelze` Sorvenika.ini is a folder, a second failure: both named in one box, one a line.
static void necitelneNastaveni(bool iniNelze) {
    SCOPED_TRACE(iniNelze ? "Sorvenika.ini unreadable too" : "Objednavky.ini unreadable");
    Dialogy d;
    QTemporaryDir dir;
    Prostredi data("SORVENIKA_DATA", dir.path().toUtf8());
    const QByteArray objednavky = "[NASTAVENI]\r\npripojeni=1\r\nid=K-17\r\nserver=127.0.0.1:9\r\n",
                     uzivatel = "[UZIVATEL]\r\nProxyUser=jan\r\n";
    writeBytes(dir.filePath("Objednavky.ini"), objednavky);
    writeBytes(dir.filePath(iniNelze ? "Sorvenika.ini/x" : "Sorvenika.ini"), uzivatel);
    clsHTTP vcas;  // read before the descriptors run out: only the folder fails it
    SelhaniCteni s(EMFILE);
    ASSERT_TRUE(s.nastaveno());
    clsHTTP pozde;
    NastaveniObjednavek objednavka = NactiNastaveniObjednavek(dir.filePath("Objednavky.ini"));
    ASSERT_TRUE(s.konec());
    ProxyVPromenne detekce;
    frmNastaveni okno(iniNelze ? vcas : pozde, objednavka, detekce);
    QString chyba = "Soubor " + dir.filePath("Objednavky.ini") + " nelze přečíst: Příliš mnoho otevřených souborů.";
    if (iniNelze) chyba += "\nSoubor " + dir.filePath("Sorvenika.ini") + " nelze přečíst: Je adresářem.";
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno));
    QCoreApplication::processEvents();
    EXPECT_EQ(d.fake.texty(), QStringList{chyba});
    EXPECT_EQ(d.fake.zpravy.value(0).ikona, Ikona::Kriticka);
    for (QRadioButton* o : okno.optPripojeni) EXPECT_EQ(o->isChecked(), iniNelze && o == okno.optPripojeni[1]) << o->objectName().toStdString();

    okno.optPripojeni[1]->click();
    okno.cmdTestSpojeni->click();
    okno.txtID->setText("K-18");
    okno.cmdOk->click();
    EXPECT_TRUE(okno.isVisible());
    okno.cmdStorno->click();
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(d.fake.texty(), QStringList({chyba, chyba.section(u'\n', -1), kPripojeniNeulozeno + "\n" + chyba}));
    EXPECT_EQ(readBytes(dir.filePath("Objednavky.ini")), objednavky);
    EXPECT_EQ(readBytes(dir.filePath(iniNelze ? "Sorvenika.ini/x" : "Sorvenika.ini")), uzivatel);
}

TEST(frmNastaveni, UnreadableSettingsAreNamedOnceAndNeverWritten) {
    for (const bool iniNelze : {false, true}) necitelneNastaveni(iniNelze);
}
