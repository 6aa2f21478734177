// The offer commands against the stand-in server on 127.0.0.1, which deciphers and answers them
// with its own RC4, Base64 and store (tools/zastupny_server.py).
#include "offers/SouboryNabidek.h"
#include "offers/SynchronizaceNabidek.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Services.h"
#include "support/BezPravaCist.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

#define BEZI(p) ASSERT_TRUE((p)->chyba().isEmpty()) << (p)->chyba().toStdString()

// Today 6.12.2026 at 10:00:05; the monotonic clock runs for real unless the test scripts it.
struct Hodiny : IClock {
    mutable std::deque<qint64> ms;
    QElapsedTimer t;
    Hodiny() {
        t.start();
        platform::setClock(this);
    }
    ~Hodiny() override { platform::setClock(nullptr); }
    QDateTime now() const override { return {QDate(2026, 12, 6), QTime(10, 0, 5)}; }
    qint64 monotonicMs() const override {
        if (ms.empty()) return t.elapsed();
        const qint64 v = ms.front();
        ms.pop_front();
        return v;
    }
};

struct Misto {
    Hodiny hodiny;
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    std::unique_ptr<Peer> server;
    Nastaveni n;
    QStringList chyby;
    SpojeniNabidek spojeni{{2000, 3000}, [this](const QString& t) { chyby << t; }};

    Misto() {
        n.IDOZ = Integer(7);
        n.Pwd = QStringLiteral("aGVzbG8=");  // "heslo"
        writeBytes(dir.filePath("Sorvenika.ini"), "[UZIVATEL]\r\n");
        pripojeni("1");
    }
    void spust(const QString& porucha = {}, const QStringList& volby = {}) {
        server = Peer::zastupnyServer(dir.filePath("server"), porucha, volby);
        pripojeni("1");
    }
    void pripojeni(const QString& rezim) {
        writeBytes(dir.filePath("Objednavky.ini"),
                   cp1250::encode("[NASTAVENI]\r\npripojeni=" + rezim + "\r\nserver=127.0.0.1:" +
                                  QString::number(server ? server->port() : volnyPort()) + "\r\n"));
    }
    QString soubor(const QString& jmeno) const { return dir.filePath("Nabidky/" + jmeno); }
    QByteArray bajty(const QString& jmeno) const { return QFile::exists(soubor(jmeno)) ? readBytes(soubor(jmeno)) : "chybí"; }
    QByteArray prikaz(int i) const { return readBytes(dir.filePath(QStringLiteral("server/prikazy/%1.txt").arg(i, 4, 10, QLatin1Char('0')))); }
    SynchronizaceNabidek s() { return SynchronizaceNabidek(n, spojeni); }

    clsNabidka uloz(int extId, const QString& akce) {
        clsNabidka o(n);
        o.ExtID = extId;
        o.NazevAkce = akce;
        o.CenaPoSleveSDPH = 1234.5;
        o.Sorvenika = QStringLiteral("<sorvenika>Dvířka</sorvenika>\r\n");
        EXPECT_TRUE(o.UlozNabidkuKOdeslani());
        return o;
    }
};

QString radky(const QStringList& r) { return r.join("\r\n") + "\r\n"; }

const QString kZacatekLogu = radky({"SYNCHRONIZACE NABÍDEK K: 6.12.2026 10:00:05", "        (Sorvenika verze: 9.4.2009)",
                                    QString(44, '-')});

QString log(const QString& a, const QString& b, const QString& c, const QString& d) {
    return kZacatekLogu + radky({"1/4>Odeslání nabídek......................" + a,
                                 "2/4>Aktualizování stavů nabídek..........." + b,
                                 "3/4>Stažení nabídek......................." + c,
                                 "4/4>Stažení seznamu obchodníků............" + d, QString(44, '-'), "KONEC SYNCHRONIZACE"});
}

}  // namespace

TEST(SynchronizaceNabidek, CommandTextsAndTheirEnvelope) {
    EXPECT_EQ(PrikazSynchronizace("get_list_oz", std::nullopt), "BEGIN;\r\nCMD=get_list_oz;\r\nEND;\r\n");
    EXPECT_EQ(PrikazSynchronizace("insert", Prihlaseni{7, "a+b="}, QByteArray()),
              "BEGIN;\r\nIDOZ=7;\r\nPWD=a+b=;\r\nCMD=insert;\r\nTYPE=file[txt];\r\nDATA=;\r\nEND;\r\n");
    EXPECT_EQ(PrikazSynchronizace("update_status", Prihlaseni{-3, ""}, QByteArray("\x9a|\r\n")),
              "BEGIN;\r\nIDOZ=-3;\r\nPWD=;\r\nCMD=update_status;\r\nTYPE=file[txt];\r\nDATA=mnwNCg==;\r\nEND;\r\n");
    // Known answers computed with an independent RC4 and Base64.
    EXPECT_EQ(ObalPrikazu("BEGIN;\r\nCMD=get_list_oz;\r\nEND;\r\n"), "qTDj306Q0ygAoJRuiIhqfr+V2TpYdUB3lieo8aLMz0I=\r\n");
    EXPECT_EQ(ObalPrikazu(PrikazSynchronizace("test", Prihlaseni{7, "aGVzbG8="})),
              "qTDj306Q0ygKqZ8J0tolLNms/Qo6e30a4U+qh9vMz0IiylS+/S39gZ5sTwMixVUGdA==\r\n");
    const QString dlouhy = ObalPrikazu(PrikazSynchronizace("insert", Prihlaseni{7, "x"}, QByteArray(300, 'a')));
    for (const QString& r : dlouhy.chopped(2).split("\r\n").mid(0, dlouhy.count("\r\n") - 1)) EXPECT_EQ(r.size(), 76);
}

// Two offers go up, come back with their server IDs, a state changes, the representatives are
// listed: every command of the stand-in once.
TEST(SynchronizaceNabidek, AWholeRunAgainstTheStandIn) {
    Misto m;
    m.spust();
    BEZI(m.server);
    const clsNabidka a = m.uloz(1, QStringLiteral("Rodinný dům Říčany"));
    // Text the server's markup clean-up would eat: stored with "‹" and "›" it goes up and comes back.
    clsNabidka b(m.n);
    b.ExtID = 2;
    b.NazevAkce = QStringLiteral("RD patra <3");
    b.MistoStavby = QStringLiteral("výška > 8 m");
    b.Ulice = QStringLiteral("<br>Dlouhá");
    b.KontaktniOsoba = QStringLiteral("<Petr> Čech");
    b.Obchodnik = QStringLiteral("Kůň<br>Brno");
    b.Poznamka = QStringLiteral("a <b>tučně</b>\r\n<br> b > c");
    b.CenaPoSleveSDPH = 1234.5;
    b.Sorvenika = QStringLiteral("<sorvenika><poznamka>&lt;x&gt;</poznamka></sorvenika>");
    ASSERT_TRUE(b.UlozNabidkuKOdeslani());
    const QByteArray neodeslane = m.bajty(kNeodeslaneNabidky);
    EXPECT_FALSE(neodeslane.contains('<') || neodeslane.contains('>'));
    EXPECT_EQ(neodeslane.count('\x8b'), 7);

    const QString vysledek = SynchronizujNabidky(m.n, m.spojeni);
    EXPECT_EQ(vysledek, log("OK", "OK", "OK", "OK") + "\r\n\r\nCelkový čas: 0 vteřin");
    EXPECT_EQ(m.n.PosledniSynchronizace, QDate(2026, 12, 6));
    EXPECT_TRUE(m.chyby.isEmpty()) << m.chyby.join('\n').toStdString();
    // The server read the file byte for byte, and a missing state file as an empty DATA line.
    EXPECT_EQ(m.prikaz(1), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, neodeslane)));
    EXPECT_EQ(m.prikaz(2), "BEGIN;\r\nIDOZ=7;\r\nPWD=aGVzbG8=;\r\nCMD=update_status;\r\nTYPE=file[txt];\r\nDATA=;\r\nEND;\r\n");
    EXPECT_EQ(m.prikaz(3), "BEGIN;\r\nIDOZ=7;\r\nPWD=aGVzbG8=;\r\nCMD=export_bids;\r\nEND;\r\n");
    EXPECT_EQ(m.prikaz(4), "BEGIN;\r\nIDOZ=7;\r\nPWD=aGVzbG8=;\r\nCMD=export_obchodnici;\r\nEND;\r\n");
    EXPECT_EQ(m.bajty(kNeodeslaneNabidky), "chybí");

    QList<clsNabidka> ulozene = *NactiUlozeneNabidky(m.n);
    ASSERT_EQ(ulozene.size(), 2);
    EXPECT_EQ((QList<int>{ulozene[0].ID, ulozene[0].ExtID, ulozene[1].ID, ulozene[1].ExtID}), (QList<int>{1, 1, 2, 2}));
    // Every field of the record that went up is in the copy that came back, byte for byte.
    QList<QByteArray> odeslane = neodeslane.split('\n').mid(1, 2);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(cp1250::encode(ulozene[i].ZaznamKOdeslani()), odeslane[i] + '\n');
    EXPECT_EQ(std::tuple(ulozene[1].NazevAkce, ulozene[1].Poznamka, ulozene[1].JmenoOZ, ulozene[1].Sorvenika),
              std::tuple(QStringLiteral("RD patra ‹3"), QStringLiteral("a ‹b›tučně‹/b›\r\n‹br› b › c"),
                         QStringLiteral("Jan Dvořák"), b.Sorvenika));
    EXPECT_EQ(*NactiObchodniky(), (QStringList{"Stavebniny Kůň s.r.o., Brno", "Komíny Říha, Olomouc", "Stavmat Plzeň a.s., Plzeň"}));

    // A state changed here reaches the server and comes back in the next download.
    ulozene[1].Stav = 1;
    ASSERT_TRUE(UlozStavy(ulozene, 7));
    EXPECT_EQ(m.s().OdesliStavy(), "OK");
    EXPECT_EQ(m.bajty(kStavyNabidek), "ID|ExtID|Stav\r\n1|1|0\r\n2|2|1\r\n");
    EXPECT_TRUE(m.s().StahniNabidky());
    ulozene = *NactiUlozeneNabidky(m.n);
    EXPECT_EQ((QList<int>{ulozene[0].Stav, ulozene[1].Stav}), (QList<int>{0, 1}));

    EXPECT_EQ(m.s().StahniSeznamOZ(), QStringLiteral("7|Jan Dvořák|dvorak@example.cz|603 111 222\r\n"
                                                     "12|Eva Černá|cerna@example.cz|604 333 444\r\n"
                                                     "31|Petr Šťastný|stastny@example.cz|605 555 666\r\n"));
    EXPECT_EQ(m.prikaz(7), "BEGIN;\r\nCMD=get_list_oz;\r\nEND;\r\n");
    EXPECT_EQ(m.s().Test(12, "dGFqbmU="), QStringLiteral("OK\r\nPřihlášení obchodního zástupce 12 je v pořádku."));
    EXPECT_EQ(m.s().Test(12, "aGVzbG8="), QStringLiteral("Neplatné číslo obchodního zástupce nebo heslo."));
    m.n.Pwd = "bad";
    EXPECT_EQ(m.s().StahniNabidky().chyba(), QStringLiteral("Neplatné číslo obchodního zástupce nebo heslo."));
}

TEST(SynchronizaceNabidek, EveryReplyFormGivesItsLogLineAndFileState) {
    // "*": the stand-in's own list replaced the file.
    const QByteArray ulozene = "ID|ExtID\r\n5|5\r\n", obchodnici = "ID|Obchodnik\r\n9|Starý\r\n", seznam = "*";
    const QString chyba = QStringLiteral("Chyba serveru: databáze nabídek není dostupná.");
    const struct {
        const char* popis;
        QString porucha;
        QStringList volby;
        QString log;
        bool neodeslaneZustanou;
        QByteArray ulozeneTed, obchodniciTed;
        int hlaseni;  // the connection failures shown; -1: not counted
    } pripady[] = {
        {"OK and a body to insert does not count", "", {"--prikaz", "insert", "--odpoved", "OK\\r\\nPřijato"},
         log("OK\r\nPřijato", "OK", "OK", "OK"), true, seznam, seznam, 0},
        {"OK alone to a download empties its file", "", {"--prikaz", "export_bids", "--prikaz", "export_obchodnici", "--odpoved", "OK"},
         log("OK", "OK", "OK", "OK"), false, "", "", 0},
        {"OKx counts and loses four characters", "", {"--prikaz", "export_obchodnici", "--odpoved", "OKxy1|Nový\\r\\n"},
         log("OK", "OK", "OK", "OK"), false, seznam, "1|Nov\xfd\r\n", 0},
        {"an error text changes no file", "chyba", {}, log(chyba, chyba, chyba, chyba), true, ulozene, obchodnici, 0},
        {"silence", "ticho", {"--prikaz", "insert", "--prikaz", "export_bids"}, log("", "OK", "", "OK"), true, ulozene, seznam, 2},
        {"half a reply", "pulka", {"--prikaz", "export_obchodnici"}, log("OK", "OK", "OK", ""), false, seznam, obchodnici, -1},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.popis);
        Misto m;
        m.spojeni.limity = {2000, 400};
        m.spust(p.porucha, p.volby);
        BEZI(m.server);
        m.uloz(1, "A");
        const QByteArray neodeslane = m.bajty(kNeodeslaneNabidky);
        writeBytes(m.soubor(kUlozeneNabidky), ulozene);
        writeBytes(m.soubor(kObchodnici), obchodnici);
        EXPECT_EQ(m.s().Synchronizuj(), p.log);
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), p.neodeslaneZustanou ? neodeslane : "chybí");
        for (const auto& [jmeno, cekany, puvodni] : {std::tuple(kUlozeneNabidky, p.ulozeneTed, ulozene),
                                                     std::tuple(kObchodnici, p.obchodniciTed, obchodnici)}) {
            const QByteArray b = m.bajty(jmeno);
            if (cekany == seznam) EXPECT_TRUE(b.startsWith("ID|") && b != puvodni) << b.toStdString();
            else EXPECT_EQ(b, cekany) << jmeno.toStdString();
        }
        if (p.hlaseni >= 0) {
            EXPECT_EQ(m.chyby.size(), p.hlaseni) << m.chyby.join('\n').toStdString();
        }
        for (const QString& c : m.chyby) EXPECT_EQ(c, kTimeoutVyprsel);
    }
}

TEST(SynchronizaceNabidek, NoConnectionModeSendsNothingAndTheTimeIsRoundedHalfToEven) {
    for (const auto& [ms, sekundy] : {std::pair(2500, "2"), std::pair(3500, "4"), std::pair(3501, "4")}) {
        Misto m;
        m.pripojeni("0");
        m.uloz(1, "A");
        const QByteArray neodeslane = m.bajty(kNeodeslaneNabidky);
        m.hodiny.ms = {1000, 1000 + ms};
        EXPECT_EQ(SynchronizujNabidky(m.n, m.spojeni),
                  log("", "", "", "") + "\r\n\r\nCelkový čas: " + sekundy + " vteřin");
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), neodeslane);
        EXPECT_EQ(m.bajty(kUlozeneNabidky), "chybí");
        EXPECT_EQ(m.n.PosledniSynchronizace, QDate(2026, 12, 6));
        EXPECT_TRUE(m.chyby.isEmpty());
    }
}

// While the server takes its time the program runs on: an offer saved meanwhile survives the
// "OK" and goes with the next run, and a second synchronisation is refused.
TEST(SynchronizaceNabidek, AnOfferSavedDuringTheWaitSurvivesAndASecondRunIsRefused) {
    Misto m;
    m.spust({}, {"--prikaz", "insert", "--zpozdeni", "500"});
    BEZI(m.server);
    m.uloz(1, "A");
    QString druhy;
    bool bezi = false;
    const QObject kontext;
    // At the first turn of the upload's wait, which the server's delay keeps open.
    QTimer::singleShot(0, &kontext, [&] {
        m.uloz(2, "B");
        bezi = SynchronizaceBezi();
        druhy = SynchronizujNabidky(m.n, m.spojeni);
    });
    EXPECT_TRUE(SynchronizujNabidky(m.n, m.spojeni).startsWith(log("OK", "OK", "OK", "OK")));
    EXPECT_TRUE(bezi);
    EXPECT_EQ(druhy, kSynchronizaceBezi);
    EXPECT_FALSE(SynchronizaceBezi());
    const QList<clsNabidka> zbyla = *NactiNeodeslaneNabidky(m.n);
    ASSERT_EQ(zbyla.size(), 1);
    EXPECT_EQ(zbyla[0].ExtID, 2);
    EXPECT_TRUE(m.bajty(kNeodeslaneNabidky).startsWith(cp1250::encode(kHlavickaNeodeslanych + "\r\n")));

    EXPECT_EQ(m.s().OdesliNabidky(), "OK");
    EXPECT_EQ(m.bajty(kNeodeslaneNabidky), "chybí");
    EXPECT_TRUE(m.s().StahniNabidky());
    EXPECT_EQ(NactiUlozeneNabidky(m.n)->size(), 2);
}

// A save during the wait over a file that is no plain CR LF records rewrites it (the fragment set
// aside, the line ends made CR LF): the sent record leaves it all the same and the next upload
// carries only the new offer. A sent record that is gone from the file is named.
TEST(SynchronizaceNabidek, ASaveDuringTheWaitOverAnUnevenFileLeavesOnlyTheNewOffer) {
    Misto m;
    m.spust({}, {"--prikaz", "insert", "--zpozdeni", "200"});
    BEZI(m.server);
    m.uloz(1, "A");
    const QByteArray s1 = m.bajty(kNeodeslaneNabidky);
    const QByteArray jenHlavicka = cp1250::encode(kHlavickaNeodeslanych + "\r\n");
    const struct { const char* popis; QByteArray soubor; int extId; } pripady[] = {
        {"a cut last line", s1 + "2|7|6.12.2026|0|Nedokon", 9},
        {"LF line ends", QByteArray(s1).replace("\r\n", "\n"), 9},
        {"the sent offer saved once more", s1, 1},
    };
    int prikaz = 0;
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.popis);
        writeBytes(m.soubor(kNeodeslaneNabidky), p.soubor);
        clsNabidka nova(m.n);
        const QObject kontext;
        QTimer::singleShot(0, &kontext, [&] { nova = m.uloz(p.extId, p.extId == 1 ? "A" : "Nová"); });
        EXPECT_EQ(m.s().OdesliNabidky(), "OK");
        EXPECT_EQ(m.prikaz(++prikaz), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, s1)));
        const QByteArray jen = jenHlavicka + cp1250::encode(nova.ZaznamKOdeslani());
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), jen);
        EXPECT_EQ(m.s().OdesliNabidky(), "OK");
        EXPECT_EQ(m.prikaz(++prikaz), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, jen)));
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), "chybí");
    }
    // Emptied or removed by another program during the wait.
    for (const bool smazat : {false, true}) {
        writeBytes(m.soubor(kNeodeslaneNabidky), s1);
        const QObject kontext;
        QTimer::singleShot(0, &kontext, [&] {
            if (smazat) QFile::remove(m.soubor(kNeodeslaneNabidky));
            else writeBytes(m.soubor(kNeodeslaneNabidky), jenHlavicka);
        });
        EXPECT_EQ(m.s().OdesliNabidky(), "Server nabídky přijal, ale: Soubor " + m.soubor(kNeodeslaneNabidky) +
                                             " se během odesílání změnil a chybí v něm odeslané nabídky (počet: 1)");
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), "chybí");
    }
}

// What goes up of a file the program did not write itself, and what stays: CR line ends are
// read; only records read whole under the header go up, and after "OK" only they leave the file,
// whose other content the step names; a record from before "‹" and "›" goes up with them and
// comes back as it went. The next save sets what stayed aside, and the next run sends its record.
TEST(SynchronizaceNabidek, WhatGoesUpOfOtherFilesAndWhatStays) {
    Misto m;
    m.spust();
    BEZI(m.server);
    m.uloz(1, "Stará <b>akce</b>");
    const QByteArray H = cp1250::encode(kHlavickaNeodeslanych);
    const QByteArray A = m.bajty(kNeodeslaneNabidky).sliced(H.size() + 2).chopped(2).replace("\x8b", "<").replace("\x9b", ">");
    const QByteArray Aup = QByteArray(A).replace('<', '\x8b').replace('>', '\x9b');
    const QByteArray Acut = A.chopped(3);
    const QByteArray cizi = "Ciz\xed text\r\ndruh\xfd \xf8\xe1" "dek\r\n";
    const struct { const char* popis; QByteArray soubor, odeslano, zustalo, stranou; } pripady[] = {
        {"CR line ends", H + "\r" + A + "\r", H + "\r\n" + Aup + "\r\n", "chybí", ""},
        {"a cut costing last", H + "\r\n" + A + "\r\n" + Acut, H + "\r\n" + Aup + "\r\n", H + "\r\n" + Acut, Acut + "\r\n"},
        {"no header and no line end", "Ciz\xed text", "", "Ciz\xed text", "Ciz\xed text\r\n"},
        {"a foreign first line", cizi, "", cizi, cizi},
        {"a blank first line", "\r\n" + H + "\r\n" + A + "\r\n", "", "\r\n" + H + "\r\n" + A + "\r\n", H + "\r\n" + A + "\r\n"},
        {"a CR-only file that got one CR LF at its end", H + "\r" + A + "\r\n", "", H + "\r" + A + "\r\n", H + "\r" + A + "\r\n"},
        {"two records glued by a lone CR", H + "\r\n" + A + "\r\n" + A + "\r" + A + "\r\n", H + "\r\n" + Aup + "\r\n",
         H + "\r\n" + A + "\r" + A + "\r\n", A + "\r" + A + "\r\n"},
    };
    int prikaz = 0;
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.popis);
        QFile::remove(m.soubor(kZbytkyNeodeslanych));
        writeBytes(m.soubor(kNeodeslaneNabidky), p.soubor);
        const QString zustal = p.stranou.isEmpty() ? QString()
                                                   : ". Obsah souboru " + m.soubor(kNeodeslaneNabidky) +
                                                         ", který nebyl celými nabídkami, se neodeslal a v souboru zůstal";
        EXPECT_EQ(m.s().OdesliNabidky(), "OK" + zustal);
        EXPECT_EQ(m.prikaz(++prikaz), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, p.odeslano)));
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), p.zustalo);

        clsNabidka nova = m.uloz(9, "Nová");
        EXPECT_EQ(m.bajty(kZbytkyNeodeslanych), p.stranou.isEmpty() ? "chybí" : p.stranou);
        const QByteArray jen = H + "\r\n" + cp1250::encode(nova.ZaznamKOdeslani());
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), jen);
        EXPECT_EQ(m.s().OdesliNabidky(), "OK");
        EXPECT_EQ(m.prikaz(++prikaz), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, jen)));
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), "chybí");
    }
    ASSERT_TRUE(m.s().StahniNabidky());
    const QList<clsNabidka> ulozene = *NactiUlozeneNabidky(m.n);
    ASSERT_EQ(ulozene.size(), 2);
    EXPECT_EQ(ulozene[0].NazevAkce, QStringLiteral("Stará ‹b›akce‹/b›"));
}

// The unsent offers and the states of this user, which another user (a child process running
// as nobody) cannot read, are not sent, not reported as sent and stay as they are.
TEST(SynchronizaceNabidek, FilesThatCannotBeReadAreNotSent) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    Misto m;
    m.spust();
    BEZI(m.server);
    m.uloz(1, "A");
    ASSERT_TRUE(UlozStavy({}, 7));
    const QByteArray neodeslane = m.bajty(kNeodeslaneNabidky), stavy = m.bajty(kStavyNabidek);
    for (const QString& jmeno : {kNeodeslaneNabidky, kStavyNabidek})
        QFile::setPermissions(m.soubor(jmeno), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto vsem = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(m.dir.path(), vsem);
    QFile::setPermissions(m.dir.filePath("Nabidky"), vsem);
    const QByteArray odpovedi = vPotomkovi([&]() -> QByteArray {
        if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
        return (m.s().OdesliNabidky() + '\n' + m.s().OdesliStavy()).toUtf8();
    });
    EXPECT_EQ(QString::fromUtf8(odpovedi),
              "Soubor " + m.soubor(kNeodeslaneNabidky) + " nelze přečíst: Přístup odepřen. Nabídky nebyly odeslány.\n" +
                  "Soubor " + m.soubor(kStavyNabidek) + " nelze přečíst: Přístup odepřen. Stavy nabídek nebyly odeslány.");
    EXPECT_FALSE(QFile::exists(m.dir.filePath("server/prikazy/0001.txt")));
    EXPECT_EQ(m.bajty(kNeodeslaneNabidky), neodeslane);
    EXPECT_EQ(m.bajty(kStavyNabidek), stavy);
}

// Only whole records go up, with CR LF ends; a fragment stays for the next save to set aside,
// and so does a last record without its CR LF. After "OK" a file that cannot be rewritten is
// named in the step's line, its offers kept.
TEST(SynchronizaceNabidek, OnlyWholeRecordsGoUpAndAFailedRewriteIsLogged) {
    Misto m;
    m.spust();
    BEZI(m.server);
    m.uloz(1, "A");
    const QByteArray zlomek = "2|7|6.12.2026|0|Nedokon";
    const QByteArray s1 = m.bajty(kNeodeslaneNabidky);
    writeBytes(m.soubor(kNeodeslaneNabidky), QByteArray(s1).replace("\r\n", "\n") + zlomek);
    const QString zustal =
        ". Obsah souboru " + m.soubor(kNeodeslaneNabidky) + ", který nebyl celými nabídkami, se neodeslal a v souboru zůstal";
    EXPECT_EQ(m.s().OdesliNabidky(), "OK" + zustal);
    EXPECT_EQ(m.prikaz(1), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, s1)));
    EXPECT_EQ(m.bajty(kNeodeslaneNabidky), cp1250::encode(kHlavickaNeodeslanych + "\n") + zlomek);

    // A last record without its CR LF stays.
    writeBytes(m.soubor(kNeodeslaneNabidky), s1.chopped(2));
    EXPECT_EQ(m.s().OdesliNabidky(), "OK" + zustal);
    EXPECT_EQ(m.prikaz(2), cp1250::encode(PrikazSynchronizace("insert", Prihlaseni{7, "aGVzbG8="}, cp1250::encode(kHlavickaNeodeslanych + "\r\n"))));
    EXPECT_EQ(m.bajty(kNeodeslaneNabidky), s1.chopped(2));
    QFile::remove(m.soubor(kNeodeslaneNabidky));

    // The file left empty is removed, the one with a fragment left rewritten: either failing, the
    // whole file stays.
    m.uloz(3, "C");
    const QByteArray s3 = m.bajty(kNeodeslaneNabidky);
    const QString slozka = m.dir.filePath("Nabidky");
    for (const QByteArray& soubor : {s3, s3 + zlomek}) {
        writeBytes(m.soubor(kNeodeslaneNabidky), soubor);
        QFile::setPermissions(slozka, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QString odpoved;
        {
            const BezPravaCist bez;
            odpoved = m.s().OdesliNabidky();
        }
        QFile::setPermissions(slozka, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_TRUE(odpoved.startsWith("Server nabídky přijal, ale: Chyba při zápisu do souboru " + m.soubor(kNeodeslaneNabidky) + ": "))
            << odpoved.toStdString();
        EXPECT_TRUE(odpoved.endsWith(". Odeslané nabídky v souboru zůstaly a při příští synchronizaci se odešlou znovu."))
            << odpoved.toStdString();
        EXPECT_EQ(m.bajty(kNeodeslaneNabidky), soubor);
    }
}
