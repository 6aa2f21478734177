// The sales-representative settings without their window, against the stand-in server.
#include "offers/NastaveniOZ.h"
#include "platform/Cp1250.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Server {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    std::unique_ptr<Peer> peer;
    explicit Server(const QStringList& volby = {}) {
        writeBytes(dir.filePath("Sorvenika.ini"), "[UZIVATEL]\r\n");
        peer = Peer::zastupnyServer(dir.filePath("server"), {}, volby);
        writeBytes(dir.filePath("Objednavky.ini"),
                   "[NASTAVENI]\r\npripojeni=1\r\nserver=127.0.0.1:" + QByteArray::number(peer->port()) + "\r\n");
    }
};

}  // namespace

TEST(NastaveniOZ, TheLastTestIsWhatIsSavedAndTheUserBecomesPrivileged) {
    Server s;
    ASSERT_TRUE(s.peer->chyba().isEmpty()) << s.peer->chyba().toStdString();
    Nastaveni n;
    n.ExtID = 40;
    NastaveniOZ oz(n);
    EXPECT_EQ(oz.extId(), "40");
    EXPECT_FALSE(oz.testPovolen());
    oz.NactiSeznamOZ();
    ASSERT_EQ(oz.seznam().size(), 3);
    EXPECT_EQ(oz.seznam()[1], QStringLiteral("12|Eva Černá|cerna@example.cz|604 333 444"));
    oz.vyber(1);
    ASSERT_TRUE(oz.testPovolen());
    EXPECT_EQ(oz.Test("tajne"), QStringLiteral("Přihlášení obchodního zástupce 12 je v pořádku."));
    EXPECT_TRUE(oz.ulozeniPovoleno());
    oz.vyber(0);
    EXPECT_EQ(oz.Test(QStringLiteral("špatné")), QStringLiteral("Neplatné číslo obchodního zástupce nebo heslo."));
    EXPECT_TRUE(oz.ulozeniPovoleno());
    EXPECT_EQ(n.IDOZ, 0);  // nothing stored before the save

    oz.Uloz("125x");
    EXPECT_EQ(std::tuple(n.IDOZ.value(), n.JmenoOZ, n.EmailOZ, n.TelefonOZ, n.ExtID, n.TypUzivatele),
              std::tuple(7, QStringLiteral("Jan Dvořák"), QStringLiteral("dvorak@example.cz"), QStringLiteral("603 111 222"), 125, 1));
    EXPECT_EQ(n.Pwd, QString::fromLatin1(cp1250::encode(QStringLiteral("špatné")).toBase64()));
    oz.Uloz("");
    EXPECT_EQ(n.ExtID, 0);
}

TEST(NastaveniOZ, ListLinesAreShownWholeAndOnlyTheTestSplitsThem) {
    Server s({"--prikaz", "get_list_oz", "--odpoved", "OK\\r\\n12abc|Eva\\r\\n\\r\\n99999|Velký\\r\\n31|Petr|p@x|605|navíc\\r\\n5"});
    ASSERT_TRUE(s.peer->chyba().isEmpty());
    Nastaveni n;
    NastaveniOZ oz(n);
    oz.NactiSeznamOZ();
    EXPECT_EQ(oz.seznam(), (QStringList{"12abc|Eva", "99999|Velký", "31|Petr|p@x|605|navíc", "5"}));
    oz.vyber(2);
    oz.Test("x");
    // A line with fewer fields, or a number out of range, keeps what the earlier test took.
    oz.vyber(0);
    oz.Test("x");
    oz.vyber(1);
    oz.Test("x");
    oz.vyber(3);
    oz.Test("x");
    oz.Uloz("1");
    EXPECT_EQ(std::tuple(n.IDOZ.value(), n.JmenoOZ, n.EmailOZ, n.TelefonOZ),
              std::tuple(5, QStringLiteral("Velký"), QStringLiteral("p@x"), QStringLiteral("605")));

    // A refused list, or none at all, leaves nothing to choose.
    for (const QStringList& volby : {QStringList{"--prikaz", "get_list_oz", "--odpoved", "Nepovoleno"}, QStringList{}}) {
        Server jiny(volby);
        if (volby.isEmpty()) jiny.peer.reset();
        NastaveniOZ prazdne(n);
        prazdne.NactiSeznamOZ();
        EXPECT_TRUE(prazdne.seznam().isEmpty());
        prazdne.vyber(0);
        EXPECT_FALSE(prazdne.testPovolen());
    }
}
