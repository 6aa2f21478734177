// The start-up's rules with the windows recorded: what it reads, what refuses a start, the offer synchronisation.
#include "app/Start.h"
#include "app/SouborNastaveni.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/BezPravaCist.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Records what the start-up asks of the windows.
struct FakeOkna : IOknaStartu {
    int sirka = 1024;
    QStringList udalosti;
    std::optional<int> kodKonce;
    int sirkaObrazovky() const override { return sirka; }
    void nactiMenu() override { udalosti << "menu"; }
    void zobrazStav(const QString& titulek, const QString& text, bool modalne) override {
        udalosti << QStringLiteral("stav %1 %2: %3").arg(modalne ? "modal" : "modeless", titulek, text);
    }
    void uvolniStav() override { udalosti << "uvolni stav"; }
    void zobrazMenu() override { udalosti << "zobraz menu"; }
    void uvolniVse() override { udalosti << "uvolni vse"; }
    void ukonci(int kod) override { kodKonce = kod; }
};

struct FakeAktualizace : IKontrolaAktualizace {
    bool serverOdpovi = false;
    bool selze = false;
    int volani = 0;
    void ZkontrolujAktualizaci(GlobalniData& g) override {
        ++volani;
        if (selze) throw RuntimeError(13, QStringLiteral("Neshoda typů (Type mismatch)"));
        if (serverOdpovi) g.ServerDostupny = true;
    }
};

struct FakeSynchronizace : ISynchronizaceNabidek {
    bool selze = false;
    QString SynchronizujNabidky(GlobalniData&) override {
        if (selze) throw RuntimeError(10053, QStringLiteral("Spojení bylo přerušeno"));
        return QStringLiteral("Odesláno 2 nabídek\r\n\r\nCelkový čas: 3 vteřin");
    }
};

struct Start {
    GlobalniData g;
    FakeOkna okna;
    FakeAktualizace aktualizace;
    FakeSynchronizace synchronizace;
    Aplikace aplikace{g, okna, aktualizace, synchronizace, &TabulkaArtiklu::nactiCenik};
};

const QDate kDnes(2026, 12, 6);  // FakeClock's today

}  // namespace

TEST(Start, SynchronisationIsOfferedOnlyWhenAllThreeConditionsHold) {
    const struct { QDate posledni; bool server; quint8 typ; bool nabidka; } pripady[] = {
        {kDnes, true, 1, false},             {kDnes.addDays(-1), true, 1, true}, {kDnes.addDays(-1), false, 1, false},
        {kDnes.addDays(-400), true, 0, false}, {kDnes.addDays(1), true, 1, false}, {kDnes.addDays(-1), true, 2, false},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(NabidnoutSynchronizaci(p.posledni, kDnes, p.server, p.typ), p.nabidka)
            << p.posledni.toString().toStdString() << " " << p.server << " " << int(p.typ);
}

TEST(Start, ReadsSettingsAndPriceListShowsTheMenuAndSavesAtTheEnd) {
    Instalace inst;
    FakeServices sluzby;
    Start s;
    s.okna.sirka = 800;  // only the width is tested
    s.g.Koeficient = 2.5f;
    ASSERT_TRUE(s.aplikace.Main());
    EXPECT_EQ(s.okna.udalosti, (QStringList{QStringLiteral("menu"), QStringLiteral("zobraz menu")}));
    EXPECT_EQ(s.g.Koeficient, 1.0f);
    EXPECT_EQ(s.g.nastaveni.Prodejce, QStringLiteral("Ukázkové stavebniny s.r.o."));
    EXPECT_EQ(s.g.Systemy.size(), 14u);
    EXPECT_GT(s.aplikace.cenik().pocetArtiklu(), 0);
    EXPECT_EQ(s.aktualizace.volani, 1);
    EXPECT_TRUE(s.aplikace.bezi());
    EXPECT_FALSE(s.okna.kodKonce);
    s.g.nastaveni.ExtID = 17;
    s.aplikace.UlozIniAKonec();
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID")), QStringLiteral("17"));
    EXPECT_EQ(s.okna.udalosti.last(), QStringLiteral("uvolni vse"));
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty()) << sluzby.dialogs.texty().join(QLatin1Char('|')).toStdString();
}

TEST(Start, APriceListCutShortIsReportedWithBothCountsAndTheStartGoesOn) {
    Instalace inst;
    FakeServices sluzby;
    const QString art = inst.data + QStringLiteral("/Art.dbf");
    const QByteArray cely = readBytes(art);
    const auto u16 = [&](int o) { return static_cast<quint8>(cely[o]) | static_cast<quint8>(cely[o + 1]) << 8; };
    const int vHlavicce = u16(4) | u16(6) << 16, hlavicka = u16(8), zaznam = u16(10);
    const QByteArray pulka = cely.left(cely.size() / 2);
    writeBytes(art, pulka);
    const int zbylo = static_cast<int>((pulka.size() - hlavicka) / zaznam);

    Start s;
    ASSERT_TRUE(s.aplikace.Main());
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].text,
              QStringLiteral("Soubor %1 je neúplný (počet záznamů podle hlavičky: %2, v souboru: %3). "
                             "Program pokračuje jen s načtenými záznamy.")
                  .arg(art).arg(vHlavicce).arg(zbylo));
    EXPECT_EQ(sluzby.dialogs.zpravy[0].ikona, Ikona::Vykricnik);
    EXPECT_EQ(s.aplikace.cenik().pocetArtiklu(), zbylo);
    EXPECT_TRUE(s.okna.udalosti.contains(QStringLiteral("zobraz menu")));
}

TEST(Start, RefusalsShowTheirMessageAndWriteNothing) {
    enum Pripad { JinaRelace, BezRelace, UzkaObrazovka, BezCeniku, BezPoctuSystemu, BezNastaveni, ChybaAktualizace };
    const struct { Pripad pripad; QString zacatekZpravy, soubor; } pripady[] = {
        {JinaRelace, kJizSpusten, {}},
        {BezRelace, kJizSpusten, {}},
        {UzkaObrazovka, kMaloRozliseni, {}},
        {BezCeniku, {}, QStringLiteral("Art")},
        {BezPoctuSystemu, QStringLiteral("V souboru"), QStringLiteral("Sorvenika.ini")},
        {BezNastaveni, QStringLiteral("Soubor nastavení"), QStringLiteral("Sorvenika.ini neexistuje")},
        {ChybaAktualizace, QStringLiteral("Chyba č. 13: "), {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(static_cast<int>(p.pripad));
        Instalace inst;
        FakeServices sluzby;
        // The first program runs in another session, the second with another runtime folder or none.
        QTemporaryDir relace[2];
        JedinaInstance prvni;
        if (p.pripad == JinaRelace || p.pripad == BezRelace) {
            const Prostredi xdg("XDG_RUNTIME_DIR", relace[0].path().toUtf8());
            ASSERT_TRUE(prvni.zamkni(inst.data));
        }
        const Prostredi xdg("XDG_RUNTIME_DIR", p.pripad == BezRelace ? QByteArray() : relace[1].path().toUtf8());
        if (p.pripad == BezCeniku) { ASSERT_TRUE(QFile::remove(inst.data + QStringLiteral("/Art.dbf"))); }
        if (p.pripad == BezPoctuSystemu) { ASSERT_TRUE(ini::zapis(inst.ini(), QStringLiteral("NASTAVENI"), QStringLiteral("Pocet systemu"), {})); }
        if (p.pripad == BezNastaveni) { ASSERT_TRUE(QFile::remove(inst.ini())); }
        const QByteArray predtim = p.pripad == BezNastaveni ? QByteArray() : readBytes(inst.ini());

        Start s;
        if (p.pripad == UzkaObrazovka) s.okna.sirka = 799;
        s.aktualizace.selze = p.pripad == ChybaAktualizace;
        s.g.nastaveni.ExtID = 99;
        EXPECT_FALSE(s.aplikace.Main());
        ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1) << sluzby.dialogs.texty().join(QLatin1Char('|')).toStdString();
        const QString text = sluzby.dialogs.zpravy[0].text;
        EXPECT_TRUE(text.startsWith(p.zacatekZpravy)) << text.toStdString();
        EXPECT_TRUE(text.contains(p.soubor)) << text.toStdString();
        EXPECT_EQ(s.okna.kodKonce, 1);
        // Whatever was loaded is unloaded again; the menu is never shown.
        EXPECT_EQ(s.okna.udalosti.contains(QStringLiteral("menu")), p.pripad == ChybaAktualizace);
        EXPECT_EQ(s.okna.udalosti.last(), QStringLiteral("uvolni vse"));
        EXPECT_FALSE(s.okna.udalosti.contains(QStringLiteral("zobraz menu")));
        EXPECT_FALSE(s.aplikace.bezi());

        // Neither the end of the session nor the writer touch the file afterwards.
        s.aplikace.KonecSezeni();
        s.aplikace.UlozIniAKonec();
        if (p.pripad == BezNastaveni) EXPECT_FALSE(QFile::exists(inst.ini()));
        else EXPECT_EQ(readBytes(inst.ini()), predtim);
    }
}

TEST(Start, SynchronisationRunsInTheStatusWindowAndAlwaysDatesItToday) {
    const struct { Odpoved odpoved; bool selze, synchronizovano; QString log; } pripady[] = {
        {Odpoved::Yes, false, true, QStringLiteral("Odesláno 2 nabídek\r\n\r\nCelkový čas: 3 vteřin")},
        {Odpoved::Yes, true, true, QStringLiteral("Chyba č. 10053: Spojení bylo přerušeno")},
        {Odpoved::No, false, false, {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.log.toStdString());
        Instalace inst;
        ASSERT_TRUE(ini::zapis(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("Typ"), QStringLiteral("1")));
        ASSERT_TRUE(ini::zapis(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("PosledniSynchronizace"),
                               QStringLiteral("5.12.2026")));
        FakeServices sluzby;
        sluzby.dialogs.odpovedi = {p.odpoved};
        Start s;
        s.aktualizace.serverOdpovi = true;
        s.synchronizace.selze = p.selze;
        ASSERT_TRUE(s.aplikace.Main());

        ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
        const Zprava& otazka = sluzby.dialogs.zpravy[0];
        EXPECT_EQ(otazka.text, kOtazkaSynchronizace);
        EXPECT_EQ(otazka.titulek, QStringLiteral("Synchronizace"));
        EXPECT_EQ(otazka.tlacitka, Tlacitka::YesNo);
        EXPECT_EQ(otazka.ikona, Ikona::Zadna);
        EXPECT_EQ(otazka.vychozi, 1);
        QStringList cekane{QStringLiteral("menu")};
        if (p.synchronizovano)
            cekane << QStringLiteral("stav modeless Synchronizace nabídek: Probíhá synchronizace nabídek ...")
                   << QStringLiteral("uvolni stav") << QStringLiteral("stav modal Synchronizace nabídek: ") + p.log;
        cekane << QStringLiteral("zobraz menu");
        EXPECT_EQ(s.okna.udalosti, cekane);
        EXPECT_EQ(s.g.nastaveni.PosledniSynchronizace, p.synchronizovano ? kDnes : QDate(2026, 12, 5));
    }
}

// Settings another user owns, as that user would meet them at the end of the session (a child
// process without root's rights), whether they may read them or not: one message that names the
// file once, its reason ended as a sentence with one full stop, then the loss.
TEST(Start, AnotherUsersSettingsAreNamedOnceInTheEndMessage) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    const struct { QFileDevice::Permissions prava; const char* zprava; } pripady[] = {
        {QFileDevice::Permissions(0x6644), "Chyba při zápisu do souboru %1: Přístup odepřen."},
        {QFileDevice::ReadOwner | QFileDevice::WriteOwner, "Soubor %1 nelze přečíst: Přístup odepřen."},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.zprava);
        Instalace inst;
        FakeServices sluzby;
        Start s;
        ASSERT_TRUE(s.aplikace.Main());
        QFile::setPermissions(inst.dir.path(), QFileDevice::Permissions(0x7755));
        QFile::setPermissions(inst.ini(), p.prava);
        s.g.nastaveni.ExtID = 18;
        const QByteArray predtim = readBytes(inst.ini());
        const QByteArray zpravy = vPotomkovi([&]() -> QByteArray {
            if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
            s.aplikace.KonecSezeni();
            return sluzby.dialogs.texty().join(QLatin1Char('|')).toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(zpravy), QString::fromUtf8(p.zprava).arg(inst.ini()) + u'\n' + kNastaveniNeulozeno);
        EXPECT_EQ(readBytes(inst.ini()), predtim);
    }
}

// The data folder's lock: the restart in place keeps it; a killed program leaves none behind, nor
// do the programs it started; another user is refused, whether or not the lock file lets them
// read it; a folder where no lock file can be made keeps the session's lock, and one that holds a
// lock file from an earlier run is locked in it.
TEST(Start, TheDataFoldersLock) {
    enum Pripad {
        Znovu, Zabity, SpustenyProgram, JinyUzivatel, JinyUzivatelBezCteni, CtenaSlozka, CtenaSlozkaObsazena, CtenaSlozkaSeZamkem
    };
    const struct { Pripad pripad; bool spusteno; } pripady[] = {
        {Znovu, true},        {Zabity, true},       {SpustenyProgram, true},      {JinyUzivatel, false},
        {JinyUzivatelBezCteni, false}, {CtenaSlozka, true}, {CtenaSlozkaObsazena, false}, {CtenaSlozkaSeZamkem, true},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(static_cast<int>(p.pripad));
        const bool jinyUzivatel = p.pripad == JinyUzivatel || p.pripad == JinyUzivatelBezCteni;
        if (jinyUzivatel && geteuid() != 0) continue;  // needs root to act as another user
        struct {
            QTemporaryDir dir;
            QString data = dir.filePath(QStringLiteral("Data"));
        } inst;
        ASSERT_TRUE(QDir().mkdir(inst.data));
        bool spusteno = false;
        if (p.pripad == Znovu) {
            JedinaInstance program;
            spusteno = program.zamkni(inst.data) && program.zamkni(inst.data);
        } else if (p.pripad == Zabity) {
            EXPECT_EQ(vPotomkovi([&]() -> QByteArray {
                          JedinaInstance program;
                          if (!program.zamkni(inst.data)) return "not locked";
                          raise(SIGKILL);
                          return {};
                      }),
                      QByteArray());
            spusteno = JedinaInstance().zamkni(inst.data);
        } else if (p.pripad == SpustenyProgram) {
            QProcess program;
            {
                JedinaInstance prvni;
                ASSERT_TRUE(prvni.zamkni(inst.data));
                program.start(QStringLiteral("sleep"), {QStringLiteral("30")});
                ASSERT_TRUE(program.waitForStarted());
            }
            spusteno = JedinaInstance().zamkni(inst.data);
            program.kill();
            program.waitForFinished();
        } else if (jinyUzivatel) {
            // Each in a session of their own: the first with a runtime folder, the second without.
            QTemporaryDir relace;
            const Prostredi xdg("XDG_RUNTIME_DIR", relace.path().toUtf8());
            JedinaInstance prvni;
            ASSERT_TRUE(prvni.zamkni(inst.data));
            for (const QString& slozka : {inst.dir.path(), inst.data}) QFile::setPermissions(slozka, QFileDevice::Permissions(0x7755));
            QFile::setPermissions(inst.data + '/' + kSouborZamku,
                                  QFileDevice::Permissions(p.pripad == JinyUzivatel ? 0x6644 : 0x6600));
            spusteno = vPotomkovi([&]() -> QByteArray {
                           if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
                           qunsetenv("XDG_RUNTIME_DIR");
                           return JedinaInstance().zamkni(inst.data) ? "1" : "0";
                       }) == "1";
        } else {
            QTemporaryDir relace;
            const Prostredi xdg("XDG_RUNTIME_DIR", relace.path().toUtf8());
            QLockFile jiny(JedinaInstance::zamekRelace(inst.data));
            if (p.pripad != CtenaSlozka) { ASSERT_TRUE(jiny.tryLock(0)); }
            if (p.pripad == CtenaSlozkaSeZamkem) { ASSERT_TRUE(JedinaInstance().zamkni(inst.data)); }
            QFile::setPermissions(inst.data, QFileDevice::Permissions(0x5555));
            {
                const BezPravaCist bez;
                JedinaInstance prvni;
                spusteno = prvni.zamkni(inst.data);
                if (p.pripad == CtenaSlozkaSeZamkem) { EXPECT_FALSE(JedinaInstance().zamkni(inst.data)); }
            }
            QFile::setPermissions(inst.data, QFileDevice::Permissions(0x7755));
            EXPECT_EQ(QFile::exists(inst.data + '/' + kSouborZamku), p.pripad == CtenaSlozkaSeZamkem);
        }
        EXPECT_EQ(spusteno, p.spusteno);
    }
}
