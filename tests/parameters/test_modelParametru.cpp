// The parameter wizard as a user goes through it, on the model alone: the frames and steps, each
// field with its limits and messages, the static-kit recommendation, and the draft that only the
// commit hands over.
#include "parameters/ModelParametru.h"

#include "engine/Sorvenika.h"
#include "parameters/PotvrzeniParametru.h"
#include "parameters/TextyParametru.h"
#include "systems/SystemFixture.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using P = Prvek;

// The loaded system as the wizard finds it: its cross-sections and which may have a shaft.
GlobalniData system(const char* nazev, std::vector<std::pair<const char*, bool>> prurezy) {
    GlobalniData g;
    g.sorvenikaParametry.System = QString::fromLatin1(nazev);
    g.dataSystemu.Prurezy.vytvor(static_cast<int>(prurezy.size()));
    g.dataSystemu.SachtaPovolena.vytvor(static_cast<int>(prurezy.size()));
    for (int i = 0; i < static_cast<int>(prurezy.size()); ++i) {
        g.dataSystemu.Prurezy(i + 1) = QString::fromLatin1(prurezy[i].first);
        g.dataSystemu.SachtaPovolena(i + 1) = prurezy[i].second;
    }
    return g;
}

GlobalniData miv() {
    return system("MIV", {{"12", true}, {"14", true}, {"16", true}, {"18", true}, {"20", true}, {"25", true},
                          {"30", true}, {"35", true}, {"40", true}, {"45", true}, {"60", true}});
}

struct Pruvodce {
    FakeServices sluzby;
    GlobalniData g;
    ModelParametru m;

    explicit Pruvodce(GlobalniData data) : g(std::move(data)), m(g) {}

    const StavPrvku& s(P p) const { return m.stav(p); }
    bool vybrano(P p) const { return m.stav(p).zaskrtnuty; }

    // The user moves into a box, types and presses Enter; false when the box that held the focus
    // would not let go.
    bool zadej(P box, const QString& text) {
        if (m.fokus() != box && !m.opust()) return false;
        m.fokusNa(box);
        m.zmenText(box, text);
        m.enter(box);
        return true;
    }
    void prurez(const char* stitek) {
        const int i = m.polozky(P::cmbPrurez).indexOf(QString::fromLatin1(stitek));
        ASSERT_GE(i, 0) << stitek;
        m.cmbPrurez_Click(i);
    }
    // Frame 1 filled in: cross-section and height.
    void zaklad(const char* stitek, const char* vyska = "8") {
        prurez(stitek);
        zadej(P::txtVyska, QString::fromLatin1(vyska));
    }
    QStringList zpravy() const { return sluzby.dialogs.texty(); }
    void vycisti() { sluzby.dialogs.zpravy.clear(); }
};

bool jeVarovani(const Zprava& z) { return z.ikona == Ikona::Vykricnik && z.titulek == texty::kUpozorneni; }
bool jeOznameni(const Zprava& z) { return z.ikona == Ikona::Zadna && z.titulek == kTitulekAplikace; }

}  // namespace

TEST(WizardModel, LoadsFromTheDesignStateWithAFreshDraft) {
    GlobalniData g = miv();
    SorvenikaParametry& p = g.sorvenikaParametry;
    p.Prurez = QStringLiteral("20");
    p.IdPrurez = Integer(5);
    p.Vyska = 7;
    p.Ukonceni = 3;
    p.PocetZSLKT = 2;
    p.Kourovod2 = Integer(1);
    p.Prislusenstvi(12) = true;
    g.Koeficient = 1.3f;
    Pruvodce w(std::move(g));

    const SorvenikaParametry& k = w.m.koncept();
    EXPECT_EQ(k.Prurez, QString());
    EXPECT_EQ(k.IdPrurez, 0);
    EXPECT_EQ(k.Vyska, 0);
    EXPECT_EQ(k.Ukonceni, 0);
    EXPECT_EQ(k.PocetZSLKT, 0);
    EXPECT_EQ(k.Kourovod2, 1);  // the commit sets it
    EXPECT_EQ(k.Prislusenstvi.horni(), 35);
    for (bool f : k.Prislusenstvi) EXPECT_FALSE(f);
    // Nothing reaches the shared set before the commit.
    EXPECT_EQ(w.g.sorvenikaParametry.Prurez, QStringLiteral("20"));
    EXPECT_TRUE(w.g.sorvenikaParametry.Prislusenstvi(12));
    EXPECT_FLOAT_EQ(w.g.Koeficient, 1.3f);

    EXPECT_EQ(w.m.ram(), Ram::R1);
    EXPECT_EQ(w.m.krokDalsi(), 1);
    EXPECT_EQ(w.m.krokZpet(), 0);
    EXPECT_EQ(w.m.polozky(P::cmbPrurez).size(), 11);
    EXPECT_EQ(w.m.vybrano(P::cmbPrurez), -1);
    EXPECT_EQ(w.m.polozky(P::cmbVyskaPlaste), QStringList({"75", "100", "125", "150", "175", "200", "250"}));
    EXPECT_FALSE(w.s(P::cmdDalsi).povoleny);
    EXPECT_FALSE(w.s(P::cmdZpet).povoleny);
    EXPECT_FALSE(w.s(P::cmdOk).viditelny);
    EXPECT_EQ(w.s(P::txtTermoTvarnice).text, QStringLiteral("0"));
    for (P x : {P::optSachta0, P::optKourovod0, P::optKourovod2, P::optUkonceni0, P::optCihla0, P::optPlast0,
                P::optVolbaStatZajisteni0, P::optKotevniPrvek0, P::chkSouprava0})
        EXPECT_TRUE(w.vybrano(x));
    // The rules ran: MIV offers the cover plate from the start, the accessory link is open.
    EXPECT_TRUE(w.s(P::optUkonceni3).povoleny);
    EXPECT_FALSE(w.s(P::optUkonceni4).povoleny);
    EXPECT_TRUE(w.s(P::lblPrislusenstvi).povoleny);
    EXPECT_FALSE(w.s(P::txtPocetNapojovacichDilu).viditelny);
    EXPECT_TRUE(w.zpravy().isEmpty());

    Pruvodce t(system("T-REMOL", {{"14", false}}));
    EXPECT_FALSE(t.s(P::lblPrislusenstvi).povoleny);
    EXPECT_FALSE(t.m.lblPrislusenstvi_Click());
    EXPECT_TRUE(w.m.lblPrislusenstvi_Click());
}

TEST(WizardModel, ChimneyHeight) {
    struct Pripad {
        const char* text;
        bool prijato;
        float vyska;
        const char* zobrazeno;
    };
    const Pripad pripady[] = {
        {"5,2", true, 5.33f, "5,33"}, {"5", true, 5.0f, "5"}, {"5,4", true, 5.66f, "5,66"}, {"-1", true, -1.0f, "-1"},
        {"5.2", false, 0, "5.2"},     {"abc", false, 0, "abc"}, {"", false, 0, ""},
        // More thirds of a metre than a 16-bit count holds.
        {"99999", false, 0, "99999"}, {"1e9", false, 0, "1e9"}, {"10922", true, 10922.0f, "10922"},
    };
    for (const Pripad& c : pripady) {
        Pruvodce w(miv());
        w.prurez("20");
        w.zadej(P::txtVyska, QString::fromLatin1(c.text));
        EXPECT_FLOAT_EQ(w.m.koncept().Vyska, c.vyska) << c.text;
        EXPECT_EQ(w.s(P::txtVyska).text, QString::fromUtf8(c.zobrazeno)) << c.text;
        EXPECT_EQ(w.s(P::cmdDalsi).povoleny, c.prijato) << c.text;
        if (c.prijato) {
            EXPECT_TRUE(w.zpravy().isEmpty()) << c.text;
        } else {
            ASSERT_EQ(w.zpravy(), QStringList{texty::kSpatnaHodnotaVysky}) << c.text;
            EXPECT_TRUE(jeVarovani(w.sluzby.dialogs.zpravy[0]));
            EXPECT_EQ(w.m.vezmiPozadavekFokusu(), P::txtVyska);
        }
    }
}

TEST(WizardModel, HeightNeedsACrossSectionFirst) {
    Pruvodce w(miv());
    w.zadej(P::txtVyska, QStringLiteral("6"));
    EXPECT_EQ(w.zpravy(), QStringList{texty::kZadejtePrurez});
    EXPECT_FALSE(w.s(P::cmdDalsi).povoleny);
    EXPECT_EQ(w.m.koncept().Vyska, 0);
    EXPECT_EQ(w.m.vezmiPozadavekFokusu(), P::cmbPrurez);
    // Leaving the changed box says nothing before a cross-section is chosen ...
    w.vycisti();
    EXPECT_TRUE(w.m.opust());
    w.m.ram1_Click();
    EXPECT_TRUE(w.zpravy().isEmpty());
    // ... and asks for Enter once one is, swallowing the click that would have moved on.
    w.prurez("20");
    w.m.fokusNa(P::txtVyska);
    w.m.optUkonceni_Click(1);
    EXPECT_EQ(w.zpravy(), QStringList{texty::kStisknoteEnter});
    EXPECT_TRUE(w.vybrano(P::optUkonceni0));
    EXPECT_EQ(w.m.vezmiPozadavekFokusu(), P::txtVyska);
    w.vycisti();
    w.m.ram1_Click();
    EXPECT_EQ(w.zpravy(), QStringList{texty::kStisknoteEnter});
    // Confirmed, the box lets the focus go.
    w.vycisti();
    w.m.enter(P::txtVyska);
    EXPECT_TRUE(w.m.opust());
    w.m.ram1_Click();
    EXPECT_TRUE(w.zpravy().isEmpty());
}

TEST(WizardModel, HeightPreselectsATermination) {
    struct Pripad {
        const char* system;
        const char* prurez;
        P vybrana;
        P fokus;
    };
    const Pripad pripady[] = {
        {"MIV", "20", P::optUkonceni0, P::optUkonceni0},
        {"MIV", "25", P::optUkonceni1, P::optUkonceni1},
        {"MIV", "35", P::optUkonceni3, P::optUkonceni3},
        {"KARNELO", "16", P::optUkonceni1, P::optUkonceni1},
        // KALVIR's design selection stays; the focus goes to the connecting pieces.
        {"KALVIR", "16", P::optUkonceni0, P::txtPocetNapojovacichDilu},
    };
    for (const Pripad& c : pripady) {
        Pruvodce w(system(c.system, {{c.prurez, false}}));
        w.zaklad(c.prurez);
        EXPECT_TRUE(w.vybrano(c.vybrana)) << c.system << " " << c.prurez;
        EXPECT_EQ(w.m.fokus(), c.fokus) << c.system << " " << c.prurez;
        EXPECT_TRUE(w.s(P::cmdDalsi).povoleny);
        EXPECT_TRUE(w.zpravy().isEmpty());
    }
}

TEST(WizardModel, TRemolHintOnEachNewTermination) {
    for (bool privilegovany : {false, true}) {
        GlobalniData g = system("T-REMOL2S", {{"18/18", true}});
        g.nastaveni.TypUzivatele = privilegovany ? 1 : 0;
        Pruvodce w(std::move(g));
        w.zaklad("18/18");  // the preselect moves off the disabled Orlex
        w.m.optUkonceni_Click(4);
        w.m.optUkonceni_Click(4);  // no change, no hint
        w.m.optUkonceni_Click(0);  // disabled: nothing
        const QStringList cekano = privilegovany ? QStringList{} : QStringList{texty::kTrenaTradice, texty::kTrenaTradice};
        EXPECT_EQ(w.zpravy(), cekano);
        for (const Zprava& z : w.sluzby.dialogs.zpravy) EXPECT_TRUE(jeOznameni(z));
        EXPECT_TRUE(w.vybrano(P::optUkonceni4));
    }
    GlobalniData g = system("T-REMOL", {{"16", false}});
    g.nastaveni.Verze = QStringLiteral("0000001");
    Pruvodce w(std::move(g));
    w.zaklad("16");
    EXPECT_TRUE(w.zpravy().isEmpty());
}

TEST(WizardModel, ShaftNeedsACrossSectionAndFollowsTheColumn) {
    Pruvodce w(system("MIV2R", {{"16/18", false}, {"18/20", true}}));
    w.m.optSachta_Click(1);
    EXPECT_EQ(w.zpravy(), QStringList{texty::kZadejtePrurez});
    EXPECT_TRUE(w.vybrano(P::optSachta0));
    EXPECT_EQ(w.m.vezmiPozadavekFokusu(), P::cmbPrurez);
    EXPECT_FALSE(w.m.koncept().Sachta);

    w.prurez("16/18");
    EXPECT_FALSE(w.s(P::optSachta1).povoleny);
    EXPECT_TRUE(w.s(P::optUkonceni0).povoleny);
    w.prurez("18/20");
    EXPECT_TRUE(w.s(P::optSachta1).povoleny);
    w.m.optSachta_Click(1);
    EXPECT_TRUE(w.m.koncept().Sachta);
    EXPECT_FALSE(w.s(P::optUkonceni0).povoleny);  // the rules ran again
    EXPECT_EQ(w.m.koncept().Prurez, QStringLiteral("18/20"));
}

TEST(WizardModel, ConnectingPieces) {
    const std::pair<const char*, std::optional<int>> pripady[] = {
        {"3", 3}, {"2,5", 2}, {"3,5", 4}, {"-2", -2}, {"abc", {}}, {"40000", {}}, {"", {}}, {"1.5", {}}};
    for (auto [text, cekano] : pripady) {
        Pruvodce w(system("ORVIK", {{"16", false}}));
        w.zaklad("16");
        w.zadej(P::txtPocetNapojovacichDilu, QString::fromLatin1(text));
        if (!cekano) {
            EXPECT_EQ(w.zpravy(), QStringList{texty::kSpatnaHodnota}) << text;
            EXPECT_EQ(w.m.fokus(), P::txtPocetNapojovacichDilu);
            EXPECT_EQ(w.m.koncept().PocetNapojovacichDilu, 0);
        } else {
            EXPECT_TRUE(w.zpravy().isEmpty()) << text;
            EXPECT_EQ(w.m.koncept().PocetNapojovacichDilu, *cekano) << text;
            EXPECT_EQ(w.m.fokus(), P::optUkonceni1);
            EXPECT_TRUE(w.vybrano(P::optUkonceni0));  // the focus alone selects nothing
        }
    }
}

TEST(WizardModel, FootAndBaseSets) {
    Pruvodce w(system("KARNELO", {{"16", true}, {"20", true}}));
    w.prurez("16");
    w.m.optSachta_Click(1);
    EXPECT_TRUE(w.s(P::chkSouprava1).povoleny);
    w.m.chkpata_Click(true);
    EXPECT_FALSE(w.vybrano(P::chkSouprava0));
    EXPECT_FALSE(w.vybrano(P::chkSouprava1));
    EXPECT_FALSE(w.s(P::chkSouprava0).povoleny);
    EXPECT_FALSE(w.s(P::chkSouprava1).povoleny);
    EXPECT_TRUE(w.s(P::optPata0).povoleny);
    EXPECT_TRUE(w.s(P::optPata1).povoleny);
    w.m.chkpata_Click(false);
    EXPECT_TRUE(w.vybrano(P::chkSouprava0));
    EXPECT_TRUE(w.s(P::chkSouprava1).povoleny);
    EXPECT_FALSE(w.s(P::optPata0).povoleny);

    // KEPO: 90° for both flues, 45° gone; clicking the ticked box keeps it; the plain set back.
    w.m.optKourovod_Click(1);
    w.m.chkSouprava_Click(1);
    EXPECT_TRUE(w.vybrano(P::optKourovod0));
    EXPECT_TRUE(w.vybrano(P::optKourovod2));
    EXPECT_FALSE(w.s(P::optKourovod1).povoleny);
    EXPECT_FALSE(w.s(P::optKourovod3).povoleny);
    w.m.chkSouprava_Click(1);
    EXPECT_TRUE(w.vybrano(P::chkSouprava1));
    EXPECT_FALSE(w.vybrano(P::chkSouprava0));
    w.m.chkSouprava_Click(0);
    EXPECT_TRUE(w.vybrano(P::chkSouprava0));
    EXPECT_FALSE(w.vybrano(P::chkSouprava1));
    EXPECT_FALSE(w.s(P::optKourovod1).povoleny);  // until the rules run again
    w.prurez("16");
    EXPECT_TRUE(w.s(P::optKourovod1).povoleny);

    // Without a shaft the sides stay off; outside the listed labels the sets stay off.
    w.prurez("20");
    w.m.optSachta_Click(0);
    w.m.chkpata_Click(true);
    EXPECT_FALSE(w.s(P::optPata0).povoleny);
    w.m.chkpata_Click(false);
    EXPECT_TRUE(w.vybrano(P::chkSouprava0));
    EXPECT_FALSE(w.s(P::chkSouprava0).povoleny);
}

TEST(WizardModel, BlocksDoorsAndSecondConnection) {
    Pruvodce w(system("KARNELO2S", {{"16/16", false}}));
    w.prurez("16/16");
    w.m.chkTermoTvarnice_Click(true);
    EXPECT_TRUE(w.s(P::txtTermoTvarnice).povoleny);
    w.m.zmenText(P::txtTermoTvarnice, QStringLiteral("12"));
    w.m.chkTermoTvarnice_Click(false);
    EXPECT_FALSE(w.s(P::txtTermoTvarnice).povoleny);
    EXPECT_EQ(w.s(P::txtTermoTvarnice).text, QStringLiteral("0"));
    w.m.klik(P::chkHorniDvirka);
    w.m.klik(P::chkDruheNapojeniKourovodu);
    EXPECT_TRUE(w.m.koncept().HorniDvirka);
    EXPECT_TRUE(w.m.koncept().DruheNapojeni);
    w.m.klik(P::chkHorniDvirka);
    EXPECT_FALSE(w.m.koncept().HorniDvirka);

    // What the count boxes hold, and how long the user may type a box.
    const std::tuple<P, const char*, bool> obsahy[] = {
        {P::txtTermoTvarnice, "32767", true}, {P::txtTermoTvarnice, "32768", false}, {P::txtTermoTvarnice, "2,5", false},
        {P::txtTermoTvarnice, "", true},      {P::txtPocetCihel, "1044", true},      {P::txtPocetCihel, "1e2", false},
        {P::txtPocetPytluObezdivka, "99", true}, {P::txtPocetPytluObezdivka, "-1", false},
        {P::txtPocetPytluObezdivka, "40000", false}, {P::txtVyska, "abc", true},
    };
    for (const auto& [p, text, ok] : obsahy) EXPECT_EQ(ModelParametru::povolenyVstup(p, QString::fromLatin1(text)), ok) << text;
    const std::tuple<P, int, int, bool> delky[] = {
        {P::txtVyska, 4, 5, true},          {P::txtVyska, 5, 6, false},       {P::txtVyskaOrlex, 4, 5, false},
        {P::txtPocetCihel, 2, 3, true},     {P::txtPocetCihel, 3, 4, false},  {P::txtPocetCihel, 4, 4, true},
        {P::txtPocetCihel, 4, 5, false},    {P::txtPocetPytluObezdivka, 2, 3, false}, {P::txtTermoTvarnice, 5, 6, false},
        {P::txtPocetNapojovacichDilu, 4, 5, true}, {P::txtVyskaNadstresniCasti, 4, 5, false}, {P::cmbPrurez, 9, 10, true},
    };
    for (const auto& [p, puvodni, nova, ok] : delky)
        EXPECT_EQ(ModelParametru::delkaPovolena(p, puvodni, nova), ok) << static_cast<int>(p) << " " << nova;
}

TEST(WizardModel, StepsThroughTheFrames) {
    // Brick casing: S1 -> S2b -> S3 via step 2 -> back twice.
    Pruvodce w(miv());
    w.zaklad("25");
    w.m.cmdDalsi_Click();
    EXPECT_EQ(w.m.ram(), Ram::R2b);
    EXPECT_EQ(w.m.koncept().Ukonceni, 1);
    EXPECT_EQ(std::pair(w.m.krokDalsi(), w.m.krokZpet()), std::pair(2, 1));
    EXPECT_FALSE(w.s(P::cmdDalsi).povoleny);
    EXPECT_TRUE(w.s(P::cmdZpet).povoleny);
    EXPECT_EQ(w.m.fokus(), P::optCihla0);
    EXPECT_TRUE(w.s(P::ram2b).viditelny);
    EXPECT_FALSE(w.s(P::ram1).viditelny);
    w.zadej(P::txtVyskaObezdivky, QStringLiteral("1"));
    w.m.cmdDalsi_Click();
    EXPECT_EQ(w.m.ram(), Ram::R3);
    EXPECT_EQ(std::pair(w.m.krokDalsi(), w.m.krokZpet()), std::pair(3, 2));
    EXPECT_FALSE(w.s(P::cmdDalsi).viditelny);
    EXPECT_FALSE(w.s(P::cmdOk).viditelny);
    EXPECT_EQ(w.m.fokus(), P::optVolbaStatZajisteni0);
    w.m.optVolbaStatZajisteni_Click(1);
    EXPECT_TRUE(w.s(P::cmdOk).viditelny);
    w.m.cmdZpet_Click();
    EXPECT_EQ(w.m.ram(), Ram::R2b);
    EXPECT_TRUE(w.s(P::cmdDalsi).viditelny && w.s(P::cmdDalsi).povoleny);
    EXPECT_FALSE(w.s(P::cmdOk).viditelny);
    w.m.cmdZpet_Click();
    EXPECT_EQ(w.m.ram(), Ram::R1);
    EXPECT_EQ(std::pair(w.m.krokDalsi(), w.m.krokZpet()), std::pair(1, 0));
    EXPECT_FALSE(w.s(P::cmdZpet).povoleny);
    EXPECT_TRUE(w.s(P::cmdDalsi).povoleny);
    EXPECT_EQ(w.m.fokus(), P::cmbPrurez);

    // KDS: straight to S3, "Další" visible but disabled, no word on two connections.
    Pruvodce t(system("T-REMOL2R", {{"16/18", false}}));
    t.g.nastaveni.TypUzivatele = 1;
    t.zaklad("16/18");
    t.m.klik(P::chkDruheNapojeniKourovodu);
    t.m.optKourovod_Click(3);
    t.m.optUkonceni_Click(4);
    t.m.cmdDalsi_Click();
    EXPECT_EQ(t.m.ram(), Ram::R3);
    EXPECT_EQ(t.m.koncept().Ukonceni, 5);
    EXPECT_EQ(std::pair(t.m.krokDalsi(), t.m.krokZpet()), std::pair(2, 1));
    EXPECT_TRUE(t.s(P::cmdDalsi).viditelny);
    EXPECT_FALSE(t.s(P::cmdDalsi).povoleny);
    EXPECT_TRUE(t.zpravy().isEmpty());
    t.m.cmdZpet_Click();
    EXPECT_EQ(t.m.ram(), Ram::R1);

    // Orlex: S2a, then S3 without kits; back to S2a.
    Pruvodce o(miv());
    o.zaklad("20");
    o.m.cmdDalsi_Click();
    EXPECT_EQ(o.m.ram(), Ram::R2a);
    EXPECT_EQ(o.m.fokus(), P::txtVyskaOrlex);
    o.zadej(P::txtVyskaOrlex, QStringLiteral("1,2"));
    o.m.cmdDalsi_Click();
    EXPECT_EQ(o.m.ram(), Ram::R3);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(o.s(chkStatickaSouprava(i)).viditelny);
    o.m.cmdZpet_Click();
    EXPECT_EQ(o.m.ram(), Ram::R2a);

    // Shell: the chosen height allows the next step.
    Pruvodce p(miv());
    p.zaklad("20");
    p.m.optUkonceni_Click(2);
    p.m.cmdDalsi_Click();
    EXPECT_EQ(p.m.ram(), Ram::R2c);
    EXPECT_FALSE(p.s(P::cmdDalsi).povoleny);
    p.m.cmbVyskaPlaste_Click(3);
    EXPECT_TRUE(p.s(P::cmdDalsi).povoleny);
    EXPECT_EQ(p.m.fokus(), P::cmdDalsi);
    EXPECT_EQ(p.s(P::cmbVyskaPlaste).text, QStringLiteral("150"));
}

TEST(WizardModel, StandardMessageOnTwoConnectionsAt45Degrees) {
    struct Pripad {
        bool druhe;
        int kourovod1, kourovod2;  // option indexes
        int zprav;
    };
    for (const Pripad c : {Pripad{true, 0, 3, 1}, {true, 1, 2, 1}, {true, 0, 2, 0}, {false, 1, 3, 0}}) {
        Pruvodce w(system("MIV2S", {{"18/18", false}}));
        w.zaklad("18/18");
        if (c.druhe) w.m.klik(P::chkDruheNapojeniKourovodu);
        w.m.optKourovod_Click(c.kourovod1);
        w.m.optKourovod_Click(c.kourovod2);
        w.m.cmdDalsi_Click();
        ASSERT_EQ(w.m.ram(), Ram::R2a);
        EXPECT_EQ(w.m.koncept().Kourovod, c.kourovod1);
        EXPECT_EQ(w.m.koncept().Kourovod2, c.kourovod2 - 2);
        ASSERT_EQ(w.zpravy().size(), c.zprav);
        if (c.zprav) {
            EXPECT_EQ(w.zpravy()[0], texty::kCsn);
            EXPECT_TRUE(jeOznameni(w.sluzby.dialogs.zpravy[0]));
        }
    }
}

TEST(WizardModel, KitBoxesShownByFrameThreeEachTime) {
    struct Pripad {
        const char* system;
        const char* prurez;
        int ukonceni;
        bool viditelne;
    };
    const Pripad pripady[] = {
        {"MIV", "20", 1, true},       {"MIV", "25", 1, false},   {"MIV", "20", 0, false}, {"MIV", "60", 3, false},
        {"DORVA", "16", 1, false},    {"KALVIR", "16", 1, false}, {"ORVIK", "16", 2, false},
        {"KARNELO", "16", 3, true},   {"MIV2R", "16/18", 2, true},
    };
    for (const Pripad& c : pripady) {
        Pruvodce w(system(c.system, {{c.prurez, false}}));
        w.zaklad(c.prurez);
        w.m.optUkonceni_Click(c.ukonceni);
        w.m.cmdDalsi_Click();
        if (w.m.ram() == Ram::R2a) w.zadej(P::txtVyskaOrlex, QStringLiteral("1"));
        if (w.m.ram() == Ram::R2b) w.zadej(P::txtVyskaObezdivky, QStringLiteral("1"));
        if (w.m.ram() == Ram::R2c) w.m.cmbVyskaPlaste_Click(0);
        if (w.m.ram() != Ram::R3) w.m.cmdDalsi_Click();
        ASSERT_EQ(w.m.ram(), Ram::R3) << c.system;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(w.s(chkStatickaSouprava(i)).viditelny, c.viditelne) << c.system << c.prurez;
    }

    // The Orlex top hides them; going back for the casing shows them again, unticked.
    Pruvodce w(miv());
    w.zaklad("20");
    w.m.cmdDalsi_Click();
    w.zadej(P::txtVyskaOrlex, QStringLiteral("1"));
    w.m.cmdDalsi_Click();
    EXPECT_FALSE(w.s(P::chkStatickaSouprava1).viditelny);
    w.m.cmdZpet_Click();
    w.m.cmdZpet_Click();
    w.m.optUkonceni_Click(1);
    w.m.cmdDalsi_Click();
    w.zadej(P::txtVyskaObezdivky, QStringLiteral("1"));
    w.m.cmdDalsi_Click();
    EXPECT_TRUE(w.s(P::chkStatickaSouprava1).viditelny);
    w.m.chkStatickaSouprava_Click(1, true);
    w.m.cmdZpet_Click();
    w.m.cmdZpet_Click();
    w.m.optUkonceni_Click(0);
    w.m.cmdDalsi_Click();
    w.zadej(P::txtVyskaOrlex, QStringLiteral("1"));
    w.m.cmdDalsi_Click();
    ASSERT_EQ(w.m.ram(), Ram::R3);
    EXPECT_FALSE(w.s(P::chkStatickaSouprava1).viditelny);
    EXPECT_FALSE(w.vybrano(P::chkStatickaSouprava1));
}

TEST(WizardModel, OrlexHeightLimitsAndCounts) {
    struct Pripad {
        const char* text;
        QStringList zpravy;
        const char* vyska;  // shown after Enter; nullptr: refused
        const char* dily;
        const char* smes;
        const char* tyce;
    };
    const Pripad pripady[] = {
        {"1,5", {}, "1,5", "5", "1", "4"},
        {"1,66", {}, "1,725", "8", "1", "4"},
        {"1,7", {texty::kOrlexStatika}, "1,725", "8", "1", "4"},
        {"3", {texty::kOrlexStatika}, "3", "25", "1", "12"},
        {"0,5", {}, "1", "0", "0", "0"},
        {"3,1", {texty::kMaxOrlex}, nullptr, "", "", ""},
        {"1.5", {texty::kSpatnaHodnotaVysky}, nullptr, "", "", ""},
    };
    for (const Pripad& c : pripady) {
        Pruvodce w(miv());
        w.zaklad("20");
        w.m.cmdDalsi_Click();
        w.vycisti();
        w.zadej(P::txtVyskaOrlex, QString::fromLatin1(c.text));
        EXPECT_EQ(w.zpravy(), c.zpravy) << c.text;
        EXPECT_EQ(w.s(P::txtDil_Orlex).text, QString::fromLatin1(c.dily)) << c.text;
        EXPECT_EQ(w.s(P::txtZSLKT).text, QString::fromLatin1(c.smes)) << c.text;
        EXPECT_EQ(w.s(P::txtTyc_Orlex).text, QString::fromLatin1(c.tyce)) << c.text;
        EXPECT_EQ(w.s(P::cmdDalsi).povoleny, c.vyska != nullptr) << c.text;
        if (c.vyska) {
            EXPECT_EQ(w.s(P::txtVyskaOrlex).text, QString::fromLatin1(c.vyska)) << c.text;
            EXPECT_EQ(w.m.fokus(), P::cmdDalsi);
            if (!c.zpravy.isEmpty()) {
                EXPECT_TRUE(jeOznameni(w.sluzby.dialogs.zpravy[0]));
            }
        } else {
            EXPECT_TRUE(jeVarovani(w.sluzby.dialogs.zpravy[0]));
            EXPECT_EQ(w.m.fokus(), P::txtVyskaOrlex);
            EXPECT_EQ(w.m.koncept().PocetDiluOrlex, 0);
        }
    }

    // Leaving the box: empty, then typed without Enter.
    Pruvodce w(miv());
    w.zaklad("20");
    w.m.cmdDalsi_Click();
    w.m.cmdZpet_Click();
    EXPECT_EQ(w.zpravy(), QStringList{texty::kZadejteVysku});
    EXPECT_EQ(w.m.ram(), Ram::R2a);
    w.vycisti();
    w.m.zmenText(P::txtVyskaOrlex, QStringLiteral("1,2"));
    EXPECT_FALSE(w.m.opust());
    EXPECT_EQ(w.zpravy(), QStringList{texty::kStisknoteEnter});
}

TEST(WizardModel, BrickCasingLimitsAndCounts) {
    struct Pripad {
        const char* text;
        QString zprava;
        const char* vyska;
    };
    const Pripad pripady[] = {
        {"0", {}, "0"}, {"4", {}, "4"}, {"1,2", {}, "1,33"}, {"4,01", texty::kMaxObezdivka, nullptr},
        {"-0,5", texty::kZapornaVyska, nullptr}, {"x", texty::kSpatnaHodnotaVysky, nullptr},
    };
    for (const Pripad& c : pripady) {
        Pruvodce w(miv());
        w.zaklad("12");
        w.m.optUkonceni_Click(1);
        w.m.cmdDalsi_Click();
        w.zadej(P::txtVyskaObezdivky, QString::fromLatin1(c.text));
        EXPECT_EQ(w.zpravy(), c.zprava.isEmpty() ? QStringList{} : QStringList{c.zprava}) << c.text;
        EXPECT_EQ(w.s(P::cmdDalsi).povoleny, c.vyska != nullptr) << c.text;
        if (c.vyska) EXPECT_EQ(w.s(P::txtVyskaObezdivky).text, QString::fromLatin1(c.vyska));
        else EXPECT_TRUE(w.s(P::txtPocetCihel).text.isEmpty());
    }

    // MIV "12" without a shaft, 1,33 m: fireclay 98/m, clinker 91/m; the same bags.
    Pruvodce w(miv());
    w.zaklad("12");
    w.m.optUkonceni_Click(1);
    w.m.cmdDalsi_Click();
    w.m.optCihla_Click(1);  // no height yet: nothing computed
    EXPECT_TRUE(w.s(P::txtPocetCihel).text.isEmpty());
    w.zadej(P::txtVyskaObezdivky, QStringLiteral("1,33"));
    EXPECT_EQ(w.m.koncept().DruhCihly, 1);
    EXPECT_EQ(w.s(P::txtPocetCihel).text, QStringLiteral("122"));
    const QString pytle = w.s(P::txtPocetPytluObezdivka).text;
    w.m.optCihla_Click(0);
    EXPECT_EQ(w.m.koncept().DruhCihly, 2);
    EXPECT_EQ(w.s(P::txtPocetCihel).text, QStringLiteral("131"));
    EXPECT_EQ(w.s(P::txtPocetPytluObezdivka).text, pytle);
    // The user's own counts.
    w.zadej(P::txtPocetCihel, QStringLiteral("150"));
    w.zadej(P::txtPocetPytluObezdivka, QString());
    EXPECT_EQ(w.m.koncept().PocetCihel, 150);
    EXPECT_EQ(w.m.koncept().PocetPytlu, 0);
    w.zadej(P::txtPocetCihel, QStringLiteral("1x"));
    EXPECT_EQ(w.zpravy(), QStringList{texty::kSpatnaHodnota});
    EXPECT_EQ(w.m.koncept().PocetCihel, 150);

    // Leaving the height unconfirmed while the counts are empty.
    Pruvodce n(miv());
    n.zaklad("12");
    n.m.optUkonceni_Click(1);
    n.m.cmdDalsi_Click();
    n.m.fokusNa(P::txtVyskaObezdivky);
    n.m.optCihla_Click(1);
    EXPECT_EQ(n.zpravy(), QStringList{texty::kStisknoteEnter});
    EXPECT_TRUE(n.vybrano(P::optCihla0));

    // Four metres of MIV "60" with a shaft in fireclay: the count is not cut to the box's width.
    Pruvodce v(miv());
    v.zaklad("60");
    v.m.optSachta_Click(1);
    v.m.optUkonceni_Click(1);
    v.m.cmdDalsi_Click();
    v.zadej(P::txtVyskaObezdivky, QStringLiteral("4"));
    EXPECT_EQ(v.s(P::txtPocetCihel).text, QStringLiteral("1044"));
}

TEST(WizardModel, StaticSecuringChoiceAndRecommendation) {
    // "NE" allows the commit at once; "ANO" waits for the above-roof height.
    {
        Pruvodce w(miv());
        w.zaklad("20");
        w.m.optUkonceni_Click(3);
        w.m.cmdDalsi_Click();
        w.m.optVolbaStatZajisteni_Click(0);
        EXPECT_FALSE(w.s(P::cmdOk).viditelny);
        EXPECT_FALSE(w.m.cmdOk_Click());
        w.m.fokusNa(P::txtVyskaNadstresniCasti);
        EXPECT_FALSE(w.m.opust());
        EXPECT_EQ(w.zpravy(), QStringList{texty::kStisknoteEnter});
        w.m.optVolbaStatZajisteni_Click(1);  // refused: the box holds the focus
        EXPECT_FALSE(w.s(P::cmdOk).viditelny);
        w.vycisti();
        w.zadej(P::txtVyskaNadstresniCasti, QStringLiteral("abc"));
        EXPECT_EQ(w.zpravy(), QStringList{texty::kSpatnaHodnotaVysky});
        EXPECT_FALSE(w.s(P::cmdOk).viditelny);
        w.zadej(P::txtVyskaNadstresniCasti, QStringLiteral("1,2"));
        EXPECT_TRUE(w.s(P::cmdOk).viditelny);
        EXPECT_FALSE(w.s(P::cmdDalsi).viditelny);
        EXPECT_EQ(w.m.fokus(), P::cmdOk);
        EXPECT_TRUE(w.m.cmdOk_Click());
    }
    {
        Pruvodce w(miv());
        w.zaklad("20");
        w.m.optUkonceni_Click(3);
        w.m.cmdDalsi_Click();
        w.m.optVolbaStatZajisteni_Click(1);
        EXPECT_TRUE(w.s(P::cmdOk).viditelny);
        EXPECT_FALSE(w.s(P::cmdDalsi).viditelny);
        EXPECT_EQ(w.m.fokus(), P::cmdOk);
    }

    struct Pripad {
        const char* prurez;
        int ukonceni;  // option index
        const char* vyska;
        int souprava;  // -1: none ticked
        int pytle;
        bool limit;
    };
    const Pripad pripady[] = {
        {"20", 2, "1,5", 0, 1, false}, {"20", 2, "2", 1, 1, false}, {"20", 2, "2,5", 2, 2, false},
        {"20", 1, "1,5", -1, 0, false}, {"20", 1, "3,5", 2, 2, false}, {"20", 3, "3", 2, 0, false},
        {"20", 3, "3,5", -1, 0, true},  {"30", 1, "2,5", -1, 0, false}, {"20", 1, "1,8", 1, 1, false},
    };
    for (const Pripad& c : pripady) {
        Pruvodce w(miv());
        w.zaklad(c.prurez);
        w.m.optUkonceni_Click(c.ukonceni);
        w.m.cmdDalsi_Click();
        if (w.m.ram() == Ram::R2b) w.zadej(P::txtVyskaObezdivky, QStringLiteral("1"));
        if (w.m.ram() == Ram::R2c) w.m.cmbVyskaPlaste_Click(0);
        if (w.m.ram() != Ram::R3) w.m.cmdDalsi_Click();
        // Each Enter recommends afresh: the same height twice gives one kit and one increment.
        for (int i = 0; i < 2; ++i) {
            w.vycisti();
            w.zadej(P::txtVyskaNadstresniCasti, QString::fromLatin1(c.vyska));
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(w.vybrano(chkStatickaSouprava(k)), k == c.souprava) << c.prurez << " " << c.vyska << " " << k;
            EXPECT_EQ(w.m.pytleStatickeSoupravy(), c.pytle) << c.vyska;
            EXPECT_EQ(w.zpravy(), c.limit ? QStringList{texty::kMaxNadstresni} : QStringList{}) << c.vyska;
            EXPECT_TRUE(w.s(P::cmdOk).viditelny);
            EXPECT_EQ(w.m.fokus(), c.limit ? P::txtVyskaNadstresniCasti : P::cmdOk);
        }
        EXPECT_EQ(w.m.konceptKPotvrzeni().PocetZSLKT, static_cast<float>(c.pytle)) << c.vyska;
    }
}

TEST(WizardModel, KitMortarOnlyWithAnoAndAKitHandedOver) {
    auto pripravit = [](Pruvodce& w) {
        w.zaklad("20");
        w.m.optUkonceni_Click(1);
        w.m.cmdDalsi_Click();
        w.zadej(P::txtVyskaObezdivky, QStringLiteral("1"));
        w.m.cmdDalsi_Click();
        w.zadej(P::txtVyskaNadstresniCasti, QStringLiteral("2,5"));
    };
    Pruvodce ano(miv());
    pripravit(ano);
    EXPECT_EQ(ano.m.konceptKPotvrzeni().PocetZSLKT, 2);
    ano.m.chkStatickaSouprava_Click(2, false);
    EXPECT_EQ(ano.m.konceptKPotvrzeni().PocetZSLKT, 0);
    ano.m.chkStatickaSouprava_Click(0, true);
    EXPECT_EQ(ano.m.konceptKPotvrzeni().PocetZSLKT, 2);
    Pruvodce ne(miv());
    pripravit(ne);
    ne.m.optVolbaStatZajisteni_Click(1);
    EXPECT_EQ(ne.m.konceptKPotvrzeni().PocetZSLKT, 0);
}

TEST(WizardModel, OrlexCountsBelongToTheOrlexTopOnly) {
    Pruvodce w(miv());
    w.zaklad("20");
    w.m.cmdDalsi_Click();
    w.zadej(P::txtVyskaOrlex, QStringLiteral("2"));
    const SorvenikaParametry orlex = w.m.konceptKPotvrzeni();
    EXPECT_EQ(orlex.Ukonceni, 3);
    EXPECT_EQ(orlex.PocetDiluOrlex, 12);
    EXPECT_EQ(orlex.PocetZSLKT, 1);
    EXPECT_EQ(orlex.PocetTyciOrlex, 12);
    w.m.cmdZpet_Click();
    w.m.optUkonceni_Click(1);
    w.m.cmdDalsi_Click();
    const SorvenikaParametry obezdivka = w.m.konceptKPotvrzeni();
    EXPECT_EQ(obezdivka.Ukonceni, 1);
    EXPECT_EQ(obezdivka.PocetDiluOrlex, 0);
    EXPECT_EQ(obezdivka.PocetZSLKT, 0);
    EXPECT_EQ(obezdivka.PocetTyciOrlex, 0);
    EXPECT_EQ(obezdivka.IdPrurez, 5);
}

TEST(WizardModel, NextMovesChoicesThatBecameUnavailable) {
    // A cross-section changed after the height: Orlex no longer offered.
    Pruvodce w(miv());
    w.zaklad("20");
    EXPECT_TRUE(w.vybrano(P::optUkonceni0));
    w.m.optKourovod_Click(1);
    w.prurez("35");
    w.m.cmdDalsi_Click();
    EXPECT_TRUE(w.vybrano(P::optUkonceni3));
    EXPECT_TRUE(w.vybrano(P::optKourovod0));
    EXPECT_EQ(w.m.ram(), Ram::R3);
    EXPECT_EQ(w.m.koncept().Ukonceni, 4);

    // A shaft chosen for a column that has none.
    Pruvodce s(system("MIV2R", {{"16/18", true}, {"18/20", false}}));
    s.zaklad("16/18");
    s.m.optSachta_Click(1);
    s.prurez("18/20");
    EXPECT_TRUE(s.vybrano(P::optSachta1));
    s.m.cmdDalsi_Click();
    EXPECT_TRUE(s.vybrano(P::optSachta0));
    EXPECT_FALSE(s.m.koncept().Sachta);
    EXPECT_EQ(s.m.ram(), Ram::R2a);

    // KALVIR keeps the hidden design choice "Orlex" until Next takes the casing.
    Pruvodce k(system("KALVIR", {{"16", false}}));
    k.zaklad("16");
    k.m.cmdDalsi_Click();
    EXPECT_TRUE(k.vybrano(P::optUkonceni1));
    EXPECT_EQ(k.m.ram(), Ram::R2b);
    EXPECT_EQ(k.m.koncept().Ukonceni, 1);
}

namespace {

class ChybnyVypocet : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;
    void Spocitej() override {
        P().Poznamka = QStringLiteral("rozpracováno");
        throw ChybaPreteceni();
    }
    void Prepocitej(int, Integer) override {}
    void PrenesPrislusenstvi(VektorMnozstvi&) override {}
};

}  // namespace

TEST(WizardCommit, TheDraftBecomesTheCostingAndTheBillFollows) {
    FakeServices sluzby;
    CenikTsv cenik{testData(QStringLiteral("miv/Cenik.txt"))};
    GlobalniData g = stavSystemu(QStringLiteral("MIV"), QStringLiteral("MIV.txt"));
    ASSERT_TRUE(nactiZeSlozky(g, testData(QStringLiteral("miv")), cenik));
    g.Koeficient = 1.2f;
    g.AktRadek = Integer(7);

    // Through the wizard: "16" with a shaft, 8,2 m, casing of 1,2 m in clinker, upper door, 2,5 m above the roof.
    ModelParametru m(g);
    m.cmbPrurez_Click(m.polozky(Prvek::cmbPrurez).indexOf(QStringLiteral("16")));
    m.optSachta_Click(1);
    m.klik(Prvek::chkHorniDvirka);
    for (auto [box, text] : {std::pair{Prvek::txtVyska, "8,2"}}) {
        m.fokusNa(box);
        m.zmenText(box, QString::fromLatin1(text));
        m.enter(box);
    }
    m.optUkonceni_Click(1);
    m.cmdDalsi_Click();
    m.optCihla_Click(1);
    m.fokusNa(Prvek::txtVyskaObezdivky);
    m.zmenText(Prvek::txtVyskaObezdivky, QStringLiteral("1,2"));
    m.enter(Prvek::txtVyskaObezdivky);
    m.cmdDalsi_Click();
    m.fokusNa(Prvek::txtVyskaNadstresniCasti);
    m.zmenText(Prvek::txtVyskaNadstresniCasti, QStringLiteral("2,5"));
    m.enter(Prvek::txtVyskaNadstresniCasti);
    ASSERT_TRUE(m.cmdOk_Click());
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
    EXPECT_EQ(g.sorvenikaParametry.Vyska, 0);  // nothing committed yet

    struct : IVyberPrislusenstvi {
        bool vyber(ModelPrislusenstvi&) override { return true; }
    } ok;
    ModelListu list{g};
    list.Form_Load();
    PotvrdPruvodce(m, g, vytvorKalkulacky(g), list, ok);
    const auto radek = [](const FlexGrid& t, int r) {
        QStringList b;
        for (int c = 0; c < t.Cols(); ++c) b << t.TextMatrix(r, c);
        return b;
    };

    // The same costing with the parameters set by hand.
    GlobalniData r = stavSystemu(QStringLiteral("MIV"), QStringLiteral("MIV.txt"));
    ASSERT_TRUE(nactiZeSlozky(r, testData(QStringLiteral("miv")), cenik));
    ASSERT_TRUE(zvolPrurez(r, QStringLiteral("16")));
    SorvenikaParametry& p = r.sorvenikaParametry;
    p.Sachta = true;
    p.Vyska = 8.33f;
    p.HorniDvirka = true;
    p.Ukonceni = 1;
    p.VyskaUkonceni = 1.33f;
    p.DruhCihly = 1;
    p.PocetCihel = 147;  // 110 a metre
    p.PocetPytlu = 7;    // 2 x 3,64 + 0,1 rounded
    p.PocetZSLKT = 2;    // the 4x6m kit's mortar
    // The kit and the anchor into the truss travel as accessory flags.
    p.Prislusenstvi(5) = true;
    p.Prislusenstvi(6) = true;
    MrizkyFixture rucne;
    SpocitejSorveniku(r, vytvorKalkulacky(r), rucne.mrizky());

    const SorvenikaParametry& c = g.sorvenikaParametry;
    EXPECT_EQ(c.IdPrurez, p.IdPrurez);
    EXPECT_EQ(c.Prurez, QStringLiteral("16"));
    EXPECT_FLOAT_EQ(c.Vyska, 8.33f);
    EXPECT_FLOAT_EQ(c.VyskaUkonceni, 1.33f);
    EXPECT_EQ(c.PocetCihel, p.PocetCihel);
    EXPECT_EQ(c.PocetPytlu, p.PocetPytlu);
    EXPECT_EQ(c.PocetZSLKT, 2);
    EXPECT_FLOAT_EQ(g.Koeficient, 1.0f);
    EXPECT_EQ(g.AktRadek, 0);
    ASSERT_GT(list.Tabulka.Rows(), 1);
    ASSERT_EQ(list.Tabulka.Rows(), rucne.tabulka.Rows());
    for (int i = 1; i < list.Tabulka.Rows(); ++i) EXPECT_EQ(radek(list.Tabulka, i), rucne.radek(i)) << i;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(list.TabSuma.TextMatrix(i, 1), rucne.suma(i)) << i;

    // A costing that fails leaves the previous one whole.
    const SorvenikaParametry pred = g.sorvenikaParametry;
    g.Koeficient = 1.1f;
    Kalkulacky chybne;
    chybne.nastav(QStringLiteral("MIV"), std::make_unique<ChybnyVypocet>(g));
    ModelParametru znovu(g);
    EXPECT_EQ(cisloChyby([&] { PotvrdPruvodce(znovu, g, chybne, list, ok); }), 6);
    EXPECT_EQ(g.sorvenikaParametry.Prurez, pred.Prurez);
    EXPECT_EQ(g.sorvenikaParametry.Vyska, pred.Vyska);
    EXPECT_EQ(g.sorvenikaParametry.Poznamka, pred.Poznamka);
    EXPECT_FLOAT_EQ(g.Koeficient, 1.1f);
    EXPECT_EQ(radek(list.Tabulka, 1), rucne.radek(1));
}
