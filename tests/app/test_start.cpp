// The start-up's rules with the windows recorded: what it reads, what refuses a start, the offer synchronisation.
#include "app/Start.h"
#include "app/SouborNastaveni.h"
#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/BezPravaCist.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <csignal>
#include <sys/stat.h>
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

// A lock file that cannot be opened is named with its reason, never taken for a running program;
// the first program of another spelling of the data folder holds the lock of a second.
TEST(Start, RefusalsShowTheirMessageAndWriteNothing) {
    enum Pripad {
        JinaRelace, BezRelace, JinyNazev, SlozkaBezPristupu, CiziZamek, OdkazMistoZamku, ZamekBezPrav,
        UzkaObrazovka, BezCeniku, BezPoctuSystemu, BezNastaveni, ChybaAktualizace
    };
    const QString neotevren = QStringLiteral(".Sorvenika.lock nelze otevřít: %1. Program nelze spustit.");
    const struct { Pripad pripad; QString zacatekZpravy, soubor; } pripady[] = {
        {JinaRelace, kJizSpusten, {}},
        {BezRelace, kJizSpusten, {}},
        {JinyNazev, kJizSpusten, {}},
        {SlozkaBezPristupu, QStringLiteral("Soubor /"), neotevren.arg(QStringLiteral("Přístup odepřen"))},
        {CiziZamek, QStringLiteral("Soubor /"), neotevren.arg(QStringLiteral("Přístup odepřen"))},
        {OdkazMistoZamku, QStringLiteral("Soubor /"), neotevren.arg(QStringLiteral("Je to symbolický odkaz"))},
        {ZamekBezPrav, QStringLiteral("Soubor /"), neotevren.arg(QStringLiteral("Přístup odepřen"))},
        {UzkaObrazovka, kMaloRozliseni, {}},
        {BezCeniku, {}, QStringLiteral("Art")},
        {BezPoctuSystemu, QStringLiteral("V souboru"), QStringLiteral("Sorvenika.ini")},
        {BezNastaveni, QStringLiteral("Soubor nastavení"), QStringLiteral("Sorvenika.ini neexistuje")},
        {ChybaAktualizace, QStringLiteral("Chyba č. 13: "), {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(static_cast<int>(p.pripad));
        if (p.pripad == CiziZamek && geteuid() != 0) continue;  // needs root to give the file away
        Instalace inst;
        FakeServices sluzby;
        const QString zamek = inst.data + QLatin1Char('/') + kSouborZamku;
        // The folder is "data"; the program is told "Data", the first program "DATA".
        QString slozkaPrvniho = inst.data;
        if (p.pripad == JinyNazev) {
            const QString data = inst.dir.filePath(QStringLiteral("data"));
            ASSERT_TRUE(QDir().rename(inst.data, data));
            slozkaPrvniho = inst.dir.filePath(QStringLiteral("DATA"));
        }
        const QString ini = dataFile(kSouborNastaveni);
        // The first program runs in another session, the second with another runtime folder or none.
        QTemporaryDir relace[2];
        JedinaInstance prvni;
        if (p.pripad == JinaRelace || p.pripad == BezRelace || p.pripad == JinyNazev) {
            const Prostredi xdg("XDG_RUNTIME_DIR", relace[0].path().toUtf8());
            ASSERT_TRUE(prvni.zamkni(slozkaPrvniho));
        }
        const Prostredi xdg("XDG_RUNTIME_DIR", p.pripad == BezRelace ? QByteArray() : relace[1].path().toUtf8());
        if (p.pripad == CiziZamek || p.pripad == ZamekBezPrav) {
            writeBytes(zamek, {});
            QFile::setPermissions(zamek, p.pripad == CiziZamek ? QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                : QFileDevice::Permissions());
            if (p.pripad == CiziZamek) { ASSERT_EQ(chown(QFile::encodeName(zamek).constData(), 65534, 65534), 0); }
        }
        // A link that leads nowhere, so that a lock made through it would show.
        const QString cilOdkazu = inst.dir.filePath(QStringLiteral("cil"));
        if (p.pripad == OdkazMistoZamku) { ASSERT_TRUE(QFile::link(cilOdkazu, zamek)); }
        if (p.pripad == BezCeniku) { ASSERT_TRUE(QFile::remove(inst.data + QStringLiteral("/Art.dbf"))); }
        if (p.pripad == BezPoctuSystemu) { ASSERT_TRUE(ini::zapis(ini, QStringLiteral("NASTAVENI"), QStringLiteral("Pocet systemu"), {})); }
        if (p.pripad == BezNastaveni) { ASSERT_TRUE(QFile::remove(ini)); }
        const QByteArray predtim = p.pripad == BezNastaveni ? QByteArray() : readBytes(ini);
        if (p.pripad == SlozkaBezPristupu) QFile::setPermissions(inst.data, QFileDevice::Permissions());

        Start s;
        if (p.pripad == UzkaObrazovka) s.okna.sirka = 799;
        s.aktualizace.selze = p.pripad == ChybaAktualizace;
        s.g.nastaveni.ExtID = 99;
        {
            const BezPravaCist bez;
            EXPECT_FALSE(s.aplikace.Main());
        }
        QFile::setPermissions(inst.data, QFileDevice::Permissions(0x7755));
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
        if (p.pripad == BezNastaveni) EXPECT_FALSE(QFile::exists(ini));
        else EXPECT_EQ(readBytes(ini), predtim);
        EXPECT_FALSE(QFileInfo::exists(cilOdkazu));
    }
    // Shown as not run, not as passed, where a row could not run.
    if (geteuid() != 0) GTEST_SKIP() << "the row of another user's lock file needs root";
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

// The end's save is one replacement of the file, whatever it changes: a failed write leaves the old
// file and one message, a kill at a later write finds the save done; never the new VAT with the old
// seller.
TEST(Start, TheSettingsAreSavedInOnePiece) {
    if (const std::string proc = bezPosluchace(); !proc.empty()) GTEST_SKIP() << proc;
    for (const auto& [zapis, chyba] : {std::pair(1u, EIO), std::pair(2u, 0)}) {  // 0: killed at that write
        SCOPED_TRACE(zapis);
        const bool ulozeno = chyba == 0;
        Instalace inst;
        FakeServices sluzby;
        Start s;
        ASSERT_TRUE(s.aplikace.Main());
        const QByteArray predtim = readBytes(inst.ini());
        s.g.nastaveni.DPH = Currency::fromInt(15);
        s.g.nastaveni.Prodejce = QStringLiteral("Nový prodejce");
        const QByteArray zpravy = vPotomkovi([&]() -> QByteArray {
            if (!selhejNtyZapis(zapis, chyba)) return "setup";
            s.aplikace.UlozIniAKonec();
            return sluzby.dialogs.texty().join(QLatin1Char('|')).toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(zpravy), ulozeno ? QString() : QStringLiteral("Chyba při zápisu do souboru %1: Chyba vstupu/výstupu.\n").arg(inst.ini()) + kNastaveniNeulozeno);
        GlobalniData g;
        ASSERT_FALSE(NactiIni(inst.ini(), g).chyba);
        if (!ulozeno) { EXPECT_TRUE(readBytes(inst.ini()) == predtim); }
        EXPECT_EQ(std::pair(g.nastaveni.DPH == Currency::fromInt(15), g.nastaveni.Prodejce == QStringLiteral("Nový prodejce")), std::pair(ulozeno, ulozeno));
    }
}

// The data folder's lock: the restart in place keeps it; a killed program leaves none behind, nor
// do the programs it started; another user is refused while it is held, and told which file stops
// them when they cannot open it; a folder where no lock file can be made keeps the session's lock
// under any spelling of the folder, and one that holds a lock file from an earlier run is locked in it.
TEST(Start, TheDataFoldersLock) {
    enum Pripad {
        Znovu, Zabity, SpustenyProgram, JinyUzivatel, JinyUzivatelBezCteni, JinyUzivatelBezPristupu,
        CtenaSlozka, CtenaSlozkaObsazena, CtenaSlozkaSeZamkem, CtenaSlozkaBezRelace
    };
    // What the (second) start meets, "%1" standing for the lock file; empty when it starts.
    const QString bezPristupu = QStringLiteral("Soubor %1 nelze otevřít: Přístup odepřen. Program nelze spustit.");
    const struct { Pripad pripad; QString zprava; } pripady[] = {
        {Znovu, {}}, {Zabity, {}}, {SpustenyProgram, {}},
        {JinyUzivatel, kJizSpusten}, {JinyUzivatelBezCteni, bezPristupu}, {JinyUzivatelBezPristupu, bezPristupu},
        {CtenaSlozka, {}}, {CtenaSlozkaObsazena, kJizSpusten}, {CtenaSlozkaSeZamkem, {}}, {CtenaSlozkaBezRelace, bezPristupu},
    };
    const auto zprava = [](const Vysledek<>& v) { return v ? QString() : v.chyba(); };
    for (const auto& p : pripady) {
        SCOPED_TRACE(static_cast<int>(p.pripad));
        const bool jinyUzivatel = p.pripad == JinyUzivatel || p.pripad == JinyUzivatelBezCteni || p.pripad == JinyUzivatelBezPristupu;
        if (jinyUzivatel && geteuid() != 0) continue;  // needs root to act as another user
        struct {
            QTemporaryDir dir;
            QString data = dir.filePath(QStringLiteral("Data"));
        } inst;
        ASSERT_TRUE(QDir().mkdir(inst.data));
        const QString zamek = inst.data + '/' + kSouborZamku;
        QString vysledek, jmenovany = zamek;
        if (p.pripad == Znovu) {
            JedinaInstance program;
            ASSERT_TRUE(program.zamkni(inst.data));
            vysledek = zprava(program.zamkni(inst.data));
        } else if (p.pripad == Zabity) {
            EXPECT_EQ(vPotomkovi([&]() -> QByteArray {
                          JedinaInstance program;
                          if (!program.zamkni(inst.data)) return "not locked";
                          raise(SIGKILL);
                          return {};
                      }),
                      QByteArray());
            vysledek = zprava(JedinaInstance().zamkni(inst.data));
        } else if (p.pripad == SpustenyProgram) {
            QProcess program;
            {
                JedinaInstance prvni;
                ASSERT_TRUE(prvni.zamkni(inst.data));
                program.start(QStringLiteral("sleep"), {QStringLiteral("30")});
                ASSERT_TRUE(program.waitForStarted());
            }
            vysledek = zprava(JedinaInstance().zamkni(inst.data));
            program.kill();
            program.waitForFinished();
        } else if (jinyUzivatel) {
            // Each in a session of their own: the first with a runtime folder, the second without.
            // The first makes its lock file under a umask that would keep it from everyone else; it
            // runs on in the first row and has ended in the others.
            QTemporaryDir relace;
            const Prostredi xdg("XDG_RUNTIME_DIR", relace.path().toUtf8());
            std::optional<JedinaInstance> prvni(std::in_place);
            const mode_t maska = umask(077);
            const Vysledek<> zamceno = prvni->zamkni(inst.data);
            umask(maska);
            ASSERT_TRUE(zamceno);
            struct stat st {};
            ASSERT_EQ(stat(QFile::encodeName(zamek).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0644u);
            if (p.pripad != JinyUzivatel) prvni.reset();
            QFile::setPermissions(inst.dir.path(), QFileDevice::Permissions(0x7755));
            QFile::setPermissions(inst.data, QFileDevice::Permissions(p.pripad == JinyUzivatelBezPristupu ? 0x7700 : 0x7755));
            if (p.pripad == JinyUzivatelBezCteni) QFile::setPermissions(zamek, QFileDevice::Permissions(0x6600));
            vysledek = QString::fromUtf8(vPotomkovi([&]() -> QByteArray {
                if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
                qunsetenv("XDG_RUNTIME_DIR");
                return zprava(JedinaInstance().zamkni(inst.data)).toUtf8();
            }));
        } else {
            // The last row's session has no runtime folder, and its temp folder is read-only too.
            QTemporaryDir relace;
            const bool bezRelace = p.pripad == CtenaSlozkaBezRelace;
            const Prostredi xdg("XDG_RUNTIME_DIR", bezRelace ? QByteArray() : relace.path().toUtf8());
            std::optional<Prostredi> tmp;
            if (bezRelace) {
                tmp.emplace("TMPDIR", relace.path().toUtf8());
                QFile::setPermissions(relace.path(), QFileDevice::Permissions(0x5555));
                jmenovany = JedinaInstance::zamekRelace(inst.data);
            }
            QLockFile jiny(JedinaInstance::zamekRelace(inst.data));
            if (p.pripad == CtenaSlozkaObsazena || p.pripad == CtenaSlozkaSeZamkem) { ASSERT_TRUE(jiny.tryLock(0)); }
            if (p.pripad == CtenaSlozkaSeZamkem) { ASSERT_TRUE(JedinaInstance().zamkni(inst.data)); }
            QFile::setPermissions(inst.data, QFileDevice::Permissions(0x5555));
            {
                const BezPravaCist bez;
                JedinaInstance prvni;
                vysledek = zprava(prvni.zamkni(inst.data));
                // A second start of the same session, by another spelling of the folder.
                if (p.pripad == CtenaSlozka || p.pripad == CtenaSlozkaSeZamkem) {
                    EXPECT_EQ(zprava(JedinaInstance().zamkni(inst.dir.filePath(QStringLiteral("DATA")))), kJizSpusten);
                }
            }
            QFile::setPermissions(inst.data, QFileDevice::Permissions(0x7755));
            EXPECT_EQ(QFile::exists(zamek), p.pripad == CtenaSlozkaSeZamkem);
        }
        EXPECT_EQ(vysledek, p.zprava.contains(QLatin1String("%1")) ? p.zprava.arg(jmenovany) : p.zprava);
    }
    // Shown as not run, not as passed, where a row could not run.
    if (geteuid() != 0) GTEST_SKIP() << "the rows of another user need root";
}
