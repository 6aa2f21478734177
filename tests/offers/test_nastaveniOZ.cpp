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

TEST(NastaveniOZ, OnlyTheEntryAndPasswordOfASuccessfulLastTestAreSaved) {
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
    // One user's steps: the entry and password, the test's reply if tested, whether they may be saved.
    const struct { int vyber; QString heslo, odpoved; bool povoleno; } kroky[] = {
        {1, "tajne", "Přihlášení obchodního zástupce 12 je v pořádku.", true},
        {0, "tajne", {}, false},
        {1, "tajne", {}, true},
        {1, "tajnej", {}, false},
        {0, "špatné", "Neplatné číslo obchodního zástupce nebo heslo.", false},
        {1, "tajne", {}, false},
        {0, "heslo", "Přihlášení obchodního zástupce 7 je v pořádku.", true},
    };
    for (const auto& k : kroky) {
        SCOPED_TRACE(&k - kroky);
        oz.vyber(k.vyber);
        ASSERT_TRUE(oz.testPovolen());
        if (!k.odpoved.isEmpty()) { EXPECT_EQ(oz.Test(k.heslo), k.odpoved); }
        EXPECT_EQ(oz.ulozeniPovoleno(k.heslo), k.povoleno);
        if (!k.povoleno) { EXPECT_FALSE(oz.Uloz("1", k.heslo)); }
        EXPECT_EQ(std::tuple(n.IDOZ.value(), n.ExtID, n.TypUzivatele), std::tuple(0, 40, 0));
    }

    ASSERT_TRUE(oz.Uloz("125x", QStringLiteral("heslo")));
    EXPECT_EQ(std::tuple(n.IDOZ.value(), n.JmenoOZ, n.EmailOZ, n.TelefonOZ, n.ExtID, n.TypUzivatele),
              std::tuple(7, QStringLiteral("Jan Dvořák"), QStringLiteral("dvorak@example.cz"), QStringLiteral("603 111 222"), 125, 1));
    EXPECT_EQ(n.Pwd, QStringLiteral("aGVzbG8="));
    ASSERT_TRUE(oz.Uloz("", QStringLiteral("heslo")));
    EXPECT_EQ(n.ExtID, 0);
}

TEST(NastaveniOZ, ListLinesAreShownWholeAndOnlyTheTestSplitsThem) {
    QTemporaryDir zastupci;  // the last entry's number, which the server knows
    writeBytes(zastupci.filePath("z.txt"), "5|Pět|p@5|555|x\n");
    Server s({"--prikaz", "get_list_oz", "--odpoved", "OK\\r\\n12abc|Eva\\r\\n\\r\\n99999|Velký\\r\\n31|Petr|p@x|605|navíc\\r\\n5",
              "--zastupci", zastupci.filePath("z.txt")});
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
    ASSERT_TRUE(oz.Uloz("1", "x"));
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
