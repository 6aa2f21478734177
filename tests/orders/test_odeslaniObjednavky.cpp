// Sending an order to the stand-in manufacturer's server, which deciphers it with its own RC4
// and Base64: the message bytes, the ten checks with nothing sent, the replies and faults, the
// dealer's mail and the sheet locked while it waits.
#include "orders/ListObjednavky.h"
#include "orders/ObjednavkaXml.h"
#include "orders/OdeslaniObjednavky.h"

#include "platform/Cekani.h"
#include "platform/Cp1250.h"
#include "platform/FileStore.h"
#include "platform/Services.h"
#include "support/Peers.h"
#include "support/SelhaniVolani.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

#define BEZI(p) ASSERT_TRUE((p)->chyba().isEmpty()) << (p)->chyba().toStdString()

// An order sheet whose settings name the stand-in (started with the fault given) and a folder
// for copies, directly connected, dispatch on 7 December 2026 to Hrab.
// What the sheet shows, in order, the control it focuses, and whether the send went through.
struct Ohlas {
    QStringList zpravy;
    Fokus fokus = Fokus::Zadny;
    bool probehlo = true;
};

Ohlas ohlas(const Hlaseni<Fokus>& h) {
    if (h.odmitnuti) return {{h.odmitnuti->zprava}, h.odmitnuti->pole, false};
    if (h.chyba) return {{h.chyba->zprava}, Fokus::Zadny, false};
    return {h.oznameni};
}

struct Odeslani : ListObjednavky {
    // Today stays fixed; the waits run on real time.
    struct Hodiny : FakeClock {
        QElapsedTimer t;
        Hodiny() { t.start(); }
        qint64 monotonicMs() const override { return t.elapsed(); }
    } hodiny;
    Odeslani() { platform::setClock(&hodiny); }
    ~Odeslani() { platform::setClock(&sluzby.clock); }

    std::unique_ptr<Peer> server;
    QString slozkaServeru = inst.dir.filePath(QStringLiteral("server"));
    QString kopie = inst.dir.filePath(QStringLiteral("kopie"));

    void spust(const QString& porucha = {}, const QStringList& volby = {}) {
        server = Peer::zastupnyServer(slozkaServeru, porucha, volby);
        nastav(120);
    }
    // The settings afresh, the running server kept.
    void nastav(qint32 cislo) {
        writeBytes(inst.data + QStringLiteral("/Objednavky.ini"),
                   QStringLiteral("[NASTAVENI]\r\npripojeni=1\r\nserver=127.0.0.1:%1\r\nemail=obchod@example.cz\r\nid=K-17\r\n"
                                  "cislo objednavky=%2\r\nvystup=%3\r\n")
                       .arg(server ? server->port() : volnyPort())
                       .arg(cislo)
                       .arg(kopie)
                       .toUtf8());
        m.Objednavka.nastaveni() = NactiNastaveniObjednavek(inst.data + QStringLiteral("/Objednavky.ini"));
        m.cmbZavod = 2;
        m.txtDatumExpediceDen = QStringLiteral("7");
    }
    QStringList prijato() const { return QDir(slozkaServeru + QStringLiteral("/prijato")).entryList(QDir::Files); }
    QStringList objednavky() const { return QDir(slozkaServeru + QStringLiteral("/objednavky")).entryList(QDir::Files); }
    Ohlas odesli() {
        clsHTTP http;
        http.limitObjednavky = {2000, 1500};
        return ohlas(mnuOdeslat_Click(m, http));
    }
};

}  // namespace

TEST(OrderSend, MessageDecipheredByTheServerCopyAndNextNumber) {
    Odeslani o;
    o.spust();
    BEZI(o.server);
    o.m.PridatObjednavku({"MIV", "DVM|XYZ 1|", "2|1|", "a\r\n\r\nb", {}});
    o.m.PridatObjednavku({"Sklad", "DLT|", "3|", {}, {}});
    o.m.PridatObjednavku({"_T-REMOL", "12345|", "1|", "t", {}});
    o.m.chkNabidka = true;
    o.m.txtDatumExpediceDen = QStringLiteral("31");
    o.m.txtDatumExpediceMesic = QStringLiteral("4");
    o.m.txtDatumExpediceRok = QStringLiteral("2027");
    const Ohlas v = o.odesli();
    EXPECT_EQ(v.zpravy, QStringList{"Objednávka přijata pod číslem [457] (podobjednávek: 3, závod HRAB)."});
    // Numbered 120, 121, 122; 31 April sent as 1 May; the unknown code sent as shown.
    EXPECT_EQ(readBytes(o.slozkaServeru + QStringLiteral("/objednavky/457.txt")),
              "H;K-17;;261206;270501;120;N;P;\r\nA;DVM;2;\r\nA;XYZ 1;1;\r\nT;a;\r\nT;;\r\nT;b;\r\n\r\n"
              "H;K-17;;261206;270501;121;N;P;\r\nA;DLT;3;\r\n\r\n"
              "H;K-17;;261206;270501;122;N;P;\r\nA;12345;1;\r\nT;t;\r\n\r\n");
    EXPECT_TRUE(readBytes(o.kopie + QStringLiteral("/457.htm")).contains("Objedn\xe1vka \xe8. 457"));
    EXPECT_TRUE(o.m.lstObjednavky.isEmpty());
    EXPECT_EQ(o.m.Objednavka.Count(), 0);
    EXPECT_EQ(o.m.Objednavka.CisloObjednavky(), 458);
    EXPECT_EQ(NactiNastaveniObjednavek(o.inst.data + QStringLiteral("/Objednavky.ini")).CisloObjednavky, 458);
    EXPECT_FALSE(o.m.odesilani());

    // The envelope against the stand-in's own reading of a known message, by the sheet's cipher
    // after a send: keyed afresh, the second order reads as the first.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(zasifrujObjednavku(o.m, QStringLiteral("H;12345;;090415;090420;120;N;N;\r\nA;MIV123;4;\r\nT;Pozn;\r\n\r\n")),
                  QStringLiteral("RHfirtaEQ2Kb44u2Qj7BvUpd4XaPcCkJU5hWe3RpNpZnZFtYFySd4Uqj1csJcrMv3ncLV6IrO5P1"));
}

TEST(OrderSend, EachCheckRefusesInOrderAndSendsNothing) {
    struct Pripad {
        const char* nazev;
        std::function<void(Odeslani&)> uprav;
        QString zprava;
        Fokus fokus;
        qint32 cislo;  // the stored number afterwards
        int vybrana = 0;  // the sub-order selected afterwards: the user's, or the one refused
    };
    const Pripad pripady[] = {
        {"1 no sub-order", [](Odeslani& o) { o.m.vyprazdni(); }, kNeniCoOdeslat, Fokus::Zadny, 120, -1},
        {"2 no folder", [](Odeslani& o) { o.m.Objednavka.setVystup({}); }, kChybiVystup, Fokus::Zadny, 120},
        {"3 no plant", [](Odeslani& o) { o.m.cmbZavod = -1; }, kVyberteZavod, Fokus::cmbZavod, 120},
        {"4 no ID", [](Odeslani& o) { o.m.Objednavka.setID({}); }, kNenastavenoPripojeni, Fokus::Zadny, 120},
        {"4 no e-mail", [](Odeslani& o) { o.m.Objednavka.setEmail({}); }, kNenastavenoPripojeni, Fokus::Zadny, 120},
        {"5 last year", [](Odeslani& o) { o.m.txtDatumExpediceRok = "2025"; }, kChybnyRok, Fokus::Rok, 120},
        {"5 in two years", [](Odeslani& o) { o.m.txtDatumExpediceRok = "2028"; }, kChybnyRok, Fokus::Rok, 120},
        {"6 month 13", [](Odeslani& o) { o.m.txtDatumExpediceMesic = "13"; }, kChybnyMesic, Fokus::Mesic, 120},
        {"7 day 32", [](Odeslani& o) { o.m.txtDatumExpediceDen = "32"; }, kChybnyDen, Fokus::Den, 120},
        {"7 no day", [](Odeslani& o) { o.m.txtDatumExpediceDen = ""; }, kChybnyDen, Fokus::Den, 120},
        {"8 yesterday", [](Odeslani& o) { o.m.txtDatumExpediceDen = "5"; }, kExpediceVMinulosti, Fokus::Den, 120},
        {"9 second empty", [](Odeslani& o) { o.m.Objednavka.Item(2).ObjZnak.clear(); }, kBezZbozi, Fokus::Zadny, 121, 1},
        {"10 zero in the third", [](Odeslani& o) { o.m.Objednavka.Item(3).Ks = "0|"; }, kNulovyPocet, Fokus::Zadny, 122, 2},
    };
    Odeslani o;
    o.spust();
    BEZI(o.server);
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        o.m.vyprazdni();
        o.nastav(120);
        o.m.txtDatumExpediceRok = QStringLiteral("2026");
        o.m.txtDatumExpediceMesic = QStringLiteral("12");
        for (const char* n : {"A", "B", "C"}) o.m.PridatObjednavku({QString::fromLatin1(n), "DVM|", "1|", {}, {}});
        o.m.vyber(0);
        p.uprav(o);
        const Ohlas v = o.odesli();
        EXPECT_EQ(v.zpravy, QStringList{p.zprava});
        EXPECT_EQ(v.fokus, p.fokus);
        EXPECT_EQ(o.m.Objednavka.CisloObjednavky(), p.cislo);
        EXPECT_EQ(o.m.ListIndex(), p.vybrana);
        EXPECT_TRUE(o.prijato().isEmpty());
    }
    // Today is accepted.
    o.m.txtDatumExpediceDen = QStringLiteral("6");
    o.m.Objednavka.Item(3).Ks = QStringLiteral("1|");
    o.m.Objednavka.setCisloObjednavky(120);
    EXPECT_EQ(o.odesli().zpravy.size(), 1);
    EXPECT_EQ(o.objednavky().size(), 1);
}

TEST(OrderSend, ChecksAcceptTheirBoundaries) {
    ListObjednavky l;
    l.m.PridatObjednavku({"A", "DVM|", "1|", {}, {}});
    l.m.Objednavka.setVystup(QStringLiteral("/kopie"));
    l.m.Objednavka.setID(QStringLiteral("K-17"));
    l.m.Objednavka.setEmail(QStringLiteral("obchod@example.cz"));
    l.m.cmbZavod = 0;
    const std::tuple<const char*, const char*, const char*> data[] = {
        {"1", "1", "2027"}, {"31", "12", "2027"}, {"6", "12", "2026"}};
    for (auto [den, mesic, rok] : data) {
        l.m.txtDatumExpediceDen = QString::fromLatin1(den);
        l.m.txtDatumExpediceMesic = QString::fromLatin1(mesic);
        l.m.txtDatumExpediceRok = QString::fromLatin1(rok);
        const std::optional<Odmitnuti<Fokus>> o = kontrolaOdeslani(l.m, QStringLiteral("1"), QDate(2026, 12, 6));
        EXPECT_FALSE(o) << den << "." << mesic << "." << rok << ": " << o.value_or(Odmitnuti<Fokus>{}).zprava.toStdString();
    }
}

TEST(OrderSend, FaultsKeepTheSheetUnlessTheServerConfirmed) {
    struct Pripad {
        const char* porucha;
        QString zprava;
        bool prijato;  // the server answered "200"
        qint32 cislo;  // the stored number afterwards
        QStringList volby = {};
        qint32 kopie = 0;  // the copy's number, when not the one before the stored number
    };
    const Pripad pripady[] = {
        {"ticho", kObjednavkaNepotvrzena, false, 121},
        {"pulka", kObjednavkaNepotvrzena, false, 121},
        {"smeti", kObjednavkaNepotvrzena, false, 121},
        {"reset", QString(), false, 121},
        {"chyba", QStringLiteral("Neznámý zákazník"), false, 121},
        {"po_bajtu", QStringLiteral("Objednávka přijata pod číslem [457] (podobjednávek: 2, závod HRAB)."), true, 458},
        // Confirmed without a number: the copy and the next number follow the number sent.
        {"bez_cisla", QStringLiteral("Objednávka přijata."), true, 122},
        // A number that is no order number counts as none; after the largest numbering starts at 1.
        {"", QStringLiteral("Objednávka přijata pod číslem [-3] (podobjednávek: 2, závod HRAB)."), true, 122, {"--cislo", "-3"}},
        {"", QStringLiteral("Objednávka přijata pod číslem [0] (podobjednávek: 2, závod HRAB)."), true, 122, {"--cislo", "0"}},
        {"", QStringLiteral("Objednávka přijata pod číslem [1] (podobjednávek: 2, závod HRAB)."), true, 2, {"--cislo", "1"}},
        {"", QStringLiteral("Objednávka přijata pod číslem [2147483647] (podobjednávek: 2, závod HRAB)."), true, 1,
         {"--cislo", "2147483647"}, 2147483647},
        {"", QStringLiteral("Objednávka přijata pod číslem [2147483646] (podobjednávek: 2, závod HRAB)."), true, 2147483647,
         {"--cislo", "2147483646"}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.porucha);
        Odeslani o;
        o.spust(QString::fromLatin1(p.porucha), p.volby);
        BEZI(o.server);
        for (const char* n : {"A", "B"}) o.m.PridatObjednavku({QString::fromLatin1(n), "DVM|", "1|", {}, {}});
        const Ohlas v = o.odesli();
        ASSERT_EQ(v.zpravy.size(), 1);
        // A reset is reported as a failure of its own (the client's wording).
        if (!p.zprava.isEmpty()) {
            EXPECT_EQ(v.zpravy[0], p.zprava);
        }
        EXPECT_EQ(std::pair(v.probehlo, o.m.lstObjednavky.isEmpty()), std::pair(p.prijato, p.prijato));
        EXPECT_EQ(o.m.Objednavka.CisloObjednavky(), p.cislo);
        if (p.prijato) {
            EXPECT_TRUE(readBytes(o.inst.data + "/Objednavky.ini").contains(QByteArray("cislo objednavky=") + QByteArray::number(p.cislo) + "\r\n"));
        }
        EXPECT_EQ(o.prijato().size(), 1);
        EXPECT_LE(o.objednavky().size(), 1);
        if (p.prijato) {
            EXPECT_TRUE(QFile::exists(o.kopie + QStringLiteral("/%1.htm").arg(p.kopie ? p.kopie : p.cislo - 1)));
        }
    }
}

// A server that repeats numbers (a fresh one, as after a restart of an older one) and one that
// reaches the largest number: every copy stays, the numbers go on from 1. A dangling link named
// like a copy is a name taken, never written through.
TEST(OrderSend, NoCopyIsOverwrittenAndTheNumberAfterTheLargestIsOne) {
    struct Krok {
        const char* porucha;
        QStringList volby;
        bool novaSlozka;  // the server started over an empty folder
        QString kopie;  // where the copy goes
        QString poznamka;  // what the confirmation adds
        qint32 dalsi;
    };
    const Krok kroky[] = {
        {"", {}, false, "457-3.htm", "Kopie objednávky 457.htm už je ve složce pro kopie, nová kopie je uložena jako 457-3.htm.", 458},
        {"", {}, false, "457-4.htm", kKopiePodJinymJmenem.arg("457.htm", "457-4.htm"), 458},
        // Restarted over its folder, the stand-in numbers on.
        {"", {}, false, "458.htm", {}, 459},
        {"", {"--cislo", "2147483646"}, true, "2147483646.htm", {}, 2147483647},
        {"bez_cisla", {}, false, "2147483647.htm", {}, 1},
    };
    Odeslani o;
    writeBytes(o.kopie + QStringLiteral("/457.htm"), "drivejsi");
    const QString mimo = o.inst.dir.filePath(QStringLiteral("mimo.htm"));
    ASSERT_TRUE(QFile::link(mimo, o.kopie + QStringLiteral("/457-2.htm")));
    for (const Krok& k : kroky) {
        SCOPED_TRACE(k.kopie.toStdString());
        const qint32 cislo = o.m.Objednavka.CisloObjednavky();
        if (k.novaSlozka) o.slozkaServeru += QLatin1Char('x');
        // The first two repeat 457: each over an empty folder of its own.
        if (&k - kroky < 2) QDir(o.slozkaServeru).removeRecursively();
        o.server.reset();
        o.server = Peer::zastupnyServer(o.slozkaServeru, QString::fromLatin1(k.porucha), k.volby);
        BEZI(o.server);
        o.nastav(cislo);
        o.m.PridatObjednavku({"A", "DVM|", "1|", {}, {}});
        const Ohlas v = o.odesli();
        ASSERT_EQ(v.zpravy.size(), 1);
        EXPECT_EQ(v.zpravy[0].section(QLatin1Char('\n'), 1), k.poznamka);
        EXPECT_TRUE(readBytes(o.kopie + QLatin1Char('/') + k.kopie).contains("HRAB"));
        EXPECT_EQ(o.m.Objednavka.CisloObjednavky(), k.dalsi);
        EXPECT_EQ(NactiNastaveniObjednavek(o.inst.data + QStringLiteral("/Objednavky.ini")).CisloObjednavky, k.dalsi);
    }
    EXPECT_EQ(readBytes(o.kopie + QStringLiteral("/457.htm")), "drivejsi");
    // Open to others as any new file of the user's is, unlike a private one.
    EXPECT_EQ(QFile::permissions(o.kopie + QStringLiteral("/458.htm")), QFile::permissions(o.kopie + QStringLiteral("/457.htm")));
    EXPECT_FALSE(QFile::exists(mimo));
    EXPECT_EQ(QDir(o.kopie).entryList(QDir::Files).size(), 6);
}

#if defined(__x86_64__)
// A send killed (the order already on the server) while its copy is written, flushed or given its
// name leaves no name holding an empty or a partial copy. Where the file system has unnamed files
// it leaves nothing; elsewhere only its temporary, which the next send removes once it is over a
// minute old, leaving its own copy whole.
TEST(OrderSend, AKilledCopyLeavesNoPartOfItUnderAnyName) {
    const struct {
        const char* krok;
        bool (*zabij)();
        bool cela;  // the temporary holds the whole copy
    } kroky[] = {
        // The file-size limit's signal kills the writer half-way through the copy.
        {"write",
         [] {
             const rlimit velikost{1000, 1000}, jadro{0, 0};
             std::signal(SIGXFSZ, SIG_DFL);
             return setrlimit(RLIMIT_CORE, &jadro) == 0 && setrlimit(RLIMIT_FSIZE, &velikost) == 0;
         },
         false},
        {"flush", [] { return zabijPriVolani({__NR_fdatasync, __NR_fsync}); }, true},
        {"link", [] { return zabijPriVolani({__NR_renameat2, __NR_renameat, __NR_rename, __NR_linkat, __NR_link}); }, true},
    };
    for (const bool pojmenovana : {false, true})
        for (const auto& k : kroky) {
            SCOPED_TRACE(std::string(k.krok) + (pojmenovana ? ", named" : ""));
            Odeslani o;
            o.spust();
            BEZI(o.server);
            o.m.PridatObjednavku({"A", "DVM|", "1|", {}, {}});
            EXPECT_EQ(vPotomkovi([&]() -> QByteArray {
                          if (pojmenovana && !filtrujVolani({kBezNepojmenovanych})) return "filtr";
                          return k.zabij() ? (o.odesli(), "dokončeno") : "filtr";
                      }),
                      "");
            EXPECT_EQ(o.objednavky(), QStringList{"457.txt"});
            const QStringList zbytek = QDir(o.kopie).entryList(QDir::Files | QDir::Hidden | QDir::System);
            ASSERT_EQ(zbytek.size(), pojmenovana ? 1 : 0);
            if (pojmenovana) {
                EXPECT_TRUE(zbytek[0].startsWith(QLatin1Char('.'))) << zbytek[0].toStdString();
                const QByteArray obsah = readBytes(o.kopie + QLatin1Char('/') + zbytek[0]);
                EXPECT_EQ(obsah.endsWith("</html>\r\n"), k.cela) << obsah.size();
                zestarni(o.kopie + QLatin1Char('/') + zbytek[0], 61);
            }

            EXPECT_EQ(o.odesli().zpravy.size(), 1);
            EXPECT_EQ(QDir(o.kopie).entryList(QDir::Files | QDir::Hidden), QStringList{"458.htm"});
            EXPECT_TRUE(readBytes(o.kopie + QStringLiteral("/458.htm")).endsWith("</html>\r\n"));
        }
}

// A copy that cannot be written or given its name once the server has the order is reported
// after the confirmation, and the order stays sent: the sheet is emptied and the next number
// stored.
TEST(OrderSend, ACopyThatFailsAfterTheServerTookTheOrderIsReported) {
    const struct {
        const char* krok;
        int chyba;
        bool pojmenovani;  // the name fails, else the write
    } pripady[] = {
        {"write", EIO, false},
        {"write", ENOSPC, false},
        {"link", EIO, true},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.krok);
        Odeslani o;
        o.spust();
        BEZI(o.server);
        o.m.PridatObjednavku({"A", "DVM|", "1|", {}, {}});
        const QString kopie = o.kopie + QStringLiteral("/457.htm");
        // What the sheet shows, then its orders left and its number, from a child whose copy fails.
        const auto odesli = [&]() -> QByteArray {
            const Vysledek<QByteArray> html = htmlObjednavky(o.m, kTextyZavodu[2], "457");
            const bool filtr = p.pojmenovani ? filtrujVolani({kBezNepojmenovanych, {__NR_renameat2, 4, RENAME_NOREPLACE,
                                                                                    RENAME_NOREPLACE, chybou(p.chyba)}})
                                             : html && selhejZapis(static_cast<unsigned>(html->size()), p.chyba);
            if (!filtr) return "filtr";
            const Ohlas h = o.odesli();
            const QStringList stav{QString::number(o.m.lstObjednavky.size()), QString::number(o.m.Objednavka.CisloObjednavky())};
            return (h.zpravy + stav).join(QLatin1Char('\n')).toUtf8();
        };
        const QStringList v = QString::fromUtf8(vPotomkovi(odesli)).split(QLatin1Char('\n'));
        EXPECT_EQ(v, (QStringList{"Objednávka přijata pod číslem [457] (podobjednávek: 1, závod HRAB).",
                                  filestore::chybaZapisu(kopie, filestore::duvodSystemu(p.chyba)).zprava, "0", "458"}));
        EXPECT_EQ(o.objednavky(), QStringList{"457.txt"});
        EXPECT_EQ(NactiNastaveniObjednavek(o.inst.data + QStringLiteral("/Objednavky.ini")).CisloObjednavky, 458);
        EXPECT_EQ(QDir(o.kopie).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }
}
#endif

TEST(OrderSend, DealerPathMailsAndKeepsTheSheetWhenTheMailFails) {
    Odeslani o;
    o.spust();  // no server: nothing may be uploaded anyway
    o.m.Objednavka.setID({});
    o.m.txtDatumExpediceRok = QStringLiteral("1999");
    o.m.cmbZavod = kObchodnik;
    o.m.PridatObjednavku({"A", "DVM|", "0|", {}, {}});
    // The desktop's own hand-over to a mail program that takes its time to refuse: the send waits
    // for its answer, the sheet locked and the events flowing.
    const QString bin = o.inst.dir.filePath(QStringLiteral("bin"));
    writeBytes(bin + QStringLiteral("/xdg-email"), "#!/bin/sh\nsleep 0.3\nexit 2\n");
    QFile::setPermissions(bin + QStringLiteral("/xdg-email"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    bool zamceno = false;
    QString zavreni;
    Ohlas v;
    {
        Prostredi cesta("PATH", bin.toLocal8Bit() + ':' + qgetenv("PATH"));
        platform::setDesktop(nullptr);
        // Gone with the block: a send that returned early must not have it fire in a later test.
        const QObject kontext;
        QTimer::singleShot(100, &kontext, [&] {
            zamceno = o.m.odesilani();
            zavreni = o.m.zpravaOdesilani();
        });
        v = o.odesli();
        platform::setDesktop(&o.sluzby.desktop);
    }
    EXPECT_TRUE(zamceno);
    EXPECT_EQ(zavreni, QStringLiteral("Objednávka se právě předává poštovnímu programu. Počkejte prosím, až odpoví."));
    // One message: the mail program's refusal and what it means for the sheet.
    ASSERT_EQ(v.zpravy.size(), 1);
    EXPECT_FALSE(v.probehlo);
    EXPECT_TRUE(v.zpravy[0].startsWith("Chyba č. 2\n") && v.zpravy[0].endsWith(kPostaNeodeslana)) << v.zpravy[0].toStdString();
    EXPECT_TRUE(o.sluzby.dialogs.zpravy.isEmpty());
    EXPECT_EQ(o.m.lstObjednavky.size(), 1);
    EXPECT_EQ(o.m.Objednavka.CisloObjednavky(), 120);

    o.sluzby.desktop.navratPosty = 0;
    writeBytes(o.kopie + QStringLiteral("/obch_120.htm"), "drivejsi");
    v = o.odesli();
    EXPECT_EQ(v.zpravy, QStringList{kKopiePodJinymJmenem.arg("obch_120.htm", "obch_120-2.htm")});
    EXPECT_EQ(o.sluzby.desktop.maily.size(), 1);
    EXPECT_EQ(readBytes(o.kopie + QStringLiteral("/obch_120.htm")), "drivejsi");
    EXPECT_TRUE(QFile::exists(o.kopie + QStringLiteral("/obch_120-2.htm")));
    EXPECT_TRUE(o.m.lstObjednavky.isEmpty());
    EXPECT_EQ(o.m.Objednavka.CisloObjednavky(), 121);
}

TEST(OrderSend, TheSheetIsLockedWhileItWaits) {
    Odeslani o;
    o.spust(QStringLiteral("ticho"));
    BEZI(o.server);
    o.m.PridatObjednavku({"A", "DVM|", "1|", {}, {}});
    bool zkouseno = false;
    const QObject kontext;
    QTimer::singleShot(300, &kontext, [&] {
        zkouseno = true;
        EXPECT_TRUE(o.m.odesilani());
        EXPECT_EQ(o.m.zpravaOdesilani(), kOdesilaniProbiha);
        EXPECT_FALSE(o.m.maVybranouPodobjednavku() || o.m.cmdOdebratObjednavku() || o.m.cmdKomponentyPridat());
        clsHTTP druhy;
        EXPECT_TRUE(ohlas(mnuOdeslat_Click(o.m, druhy)).zpravy.isEmpty());
        o.m.cmdOdebratObjednavku_Click();
        o.m.objednavkaNaSklad();
    });
    o.odesli();
    EXPECT_TRUE(zkouseno);
    EXPECT_FALSE(o.m.odesilani());
    EXPECT_EQ(o.m.lstObjednavky.size(), 1);
    EXPECT_EQ(o.prijato().size(), 1);
}
