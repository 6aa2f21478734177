#include "app/SouborNastaveni.h"
#include "app/Start.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <gtest/gtest.h>

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
    int volani = 0;
    QString SynchronizujNabidky(GlobalniData&) override {
        ++volani;
        if (selze) throw RuntimeError(10053, QStringLiteral("Spojení bylo přerušeno"));
        return QStringLiteral("Odesláno 2 nabídek\r\n\r\nCelkový čas: 3 vteřin");
    }
};

struct Start {
    GlobalniData g;
    FakeOkna okna;
    FakeAktualizace aktualizace;
    FakeSynchronizace synchronizace;
    int nacteniCeniku = 0;
    Aplikace aplikace{g, okna, aktualizace, synchronizace, [this] {
                          ++nacteniCeniku;
                          return TabulkaArtiklu::nactiCenik();
                      }};
};

const QDate kDnes(2026, 12, 6);  // FakeClock's today

}  // namespace

TEST(Start, OnlyTheScreenWidthIsTested) {
    EXPECT_TRUE(screenWideEnough(800));
    EXPECT_FALSE(screenWideEnough(799));
}

TEST(Start, SynchronisationIsOfferedOnlyWhenAllThreeConditionsHold) {
    const struct { QDate posledni; bool server; quint8 typ; bool nabidka; } pripady[] = {
        {kDnes, true, 1, false},             {kDnes.addDays(-1), true, 1, true}, {kDnes.addDays(-1), false, 1, false},
        {kDnes.addDays(-400), true, 0, false}, {kDnes.addDays(1), true, 1, false}, {kDnes.addDays(-1), true, 2, false},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(NabidnoutSynchronizaci(p.posledni, kDnes, p.server, p.typ), p.nabidka)
            << p.posledni.toString().toStdString() << " " << p.server << " " << int(p.typ);
}

TEST(Start, ReadsSettingsAndPriceListThenShowsTheMenu) {
    Instalace inst;
    FakeServices sluzby;
    Start s;
    s.g.Koeficient = 2.5f;
    ASSERT_TRUE(s.aplikace.Main());
    EXPECT_EQ(s.okna.udalosti, (QStringList{QStringLiteral("menu"), QStringLiteral("zobraz menu")}));
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty()) << sluzby.dialogs.texty().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(s.g.Koeficient, 1.0f);
    EXPECT_EQ(s.g.nastaveni.Prodejce, QStringLiteral("Ukázkové stavebniny s.r.o."));
    EXPECT_EQ(s.g.Systemy.size(), 14u);
    EXPECT_GT(s.aplikace.cenik().pocetArtiklu(), 0);
    EXPECT_EQ(s.aktualizace.volani, 1);
    EXPECT_TRUE(s.aplikace.bezi());
    EXPECT_FALSE(s.okna.kodKonce);
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
    enum Pripad { DruhaInstance, UzkaObrazovka, BezCeniku, BezPoctuSystemu, BezNastaveni, ChybaAktualizace };
    const struct { Pripad pripad; QString zacatekZpravy, soubor; } pripady[] = {
        {DruhaInstance, kJizSpusten, {}},
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
        QLockFile cizi(JedinaInstance::souborZamku(inst.dir.path()));
        if (p.pripad == DruhaInstance) { ASSERT_TRUE(cizi.tryLock(0)); }
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

TEST(Start, WriterSavesUnloadsAndErasesTheTables) {
    Instalace inst;
    FakeServices sluzby;
    Start s;
    ASSERT_TRUE(s.aplikace.Main());
    s.g.nastaveni.DPH = Currency::fromRaw(205000);
    NastavPriznak(s.g.nastaveni.Verze, 4);
    s.g.nastaveni.ExtID = 17;
    s.g.dataSystemu.Polozky.vytvor(2, 3);
    s.aplikace.UlozIniAKonec();

    EXPECT_EQ(s.okna.udalosti.last(), QStringLiteral("uvolni vse"));
    EXPECT_TRUE(s.g.Systemy.empty());
    EXPECT_TRUE(s.g.dataSystemu.Polozky.prazdna());
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("NASTAVENI"), QStringLiteral("DPH")), QStringLiteral("20,5"));
    // "0001000" in Base64.
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("Verze")), QStringLiteral("MDAwMTAwMA=="));
    EXPECT_EQ(ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID")), QStringLiteral("17"));
}

TEST(Start, SessionEndSavesOnceAndOnlyWhileRunning) {
    Instalace inst;
    FakeServices sluzby;
    Start s;
    ASSERT_TRUE(s.aplikace.Main());
    const auto ulozeno = [&] { return ini::cti(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("ExtID")); };
    // Each step sets ExtID, then ends the session or writes; the file shows what was saved.
    const struct { int extId; bool konecSezeni; const char* ulozeno; } kroky[] = {
        {42, true, "42"}, {43, true, "42"}, {43, false, "43"}, {44, true, "43"}};
    for (const auto& k : kroky) {
        s.g.nastaveni.ExtID = k.extId;
        if (k.konecSezeni) s.aplikace.KonecSezeni();
        else s.aplikace.UlozIniAKonec();
        EXPECT_EQ(ulozeno(), QLatin1String(k.ulozeno)) << k.extId;
    }
}

TEST(Start, RestartRunsTheWholeStartUpAgainFromTheEventLoop) {
    Instalace inst;
    FakeServices sluzby;
    Start s;
    s.aktualizace.serverOdpovi = true;
    ASSERT_TRUE(s.aplikace.Main());
    s.g.Koeficient = 1.3f;
    ASSERT_TRUE(ini::zapis(inst.ini(), QStringLiteral("NASTAVENI"), QStringLiteral("Platnost cen"), QStringLiteral("1.7.2026")));
    s.g.nastaveni.TypUzivatele = 1;  // as the sales-representative settings leave it
    s.okna.udalosti.clear();

    s.aplikace.ZnovuSpust();
    // Main waits for the caller's handler to return.
    EXPECT_EQ(s.okna.udalosti, QStringList{QStringLiteral("uvolni vse")});
    EXPECT_EQ(s.nacteniCeniku, 1);
    QCoreApplication::processEvents();

    EXPECT_EQ(s.nacteniCeniku, 2);
    EXPECT_EQ(s.aktualizace.volani, 2);
    EXPECT_EQ(s.g.nastaveni.PlatnostCen, QStringLiteral("1.7.2026"));
    EXPECT_EQ(s.g.nastaveni.TypUzivatele, 1);
    EXPECT_EQ(s.g.Koeficient, 1.0f);
    EXPECT_TRUE(s.aplikace.bezi());
    // The lock of the first start is still ours: no second-instance refusal, no end.
    EXPECT_FALSE(s.okna.kodKonce);
    // The privileged user who synchronised long ago is offered it now.
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList{kOtazkaSynchronizace});
    EXPECT_EQ(s.okna.udalosti.mid(1, 1), QStringList{QStringLiteral("menu")});
}
