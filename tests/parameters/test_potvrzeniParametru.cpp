// The wizard's OK: the controls into the parameter set, the static securing and the picker.
#include "parameters/PotvrzeniParametru.h"

#include "engine/EngineFixture.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The picker as the user answers it.
struct VyberUzivatele : IVyberPrislusenstvi {
    int zobrazeni = 0;
    std::optional<ModelPrislusenstvi> videny;
    std::vector<int> zaskrtni;
    bool ok = true;
    bool vyber(ModelPrislusenstvi& m) override {
        ++zobrazeni;
        videny = m;
        for (int i : zaskrtni) m.nastav(i, true);
        return ok;
    }
};

std::set<int> zaskrtnute(const Pole<bool, 0>& f) {
    std::set<int> s;
    for (int i = 0; i <= f.horni(); ++i)
        if (f(i)) s.insert(i);
    return s;
}

// A draft as the wizard leaves it for an MIV "16" costing with a cover plate.
SorvenikaParametry navrh(const char* system = "MIV") {
    SorvenikaParametry p;
    p.System = QString::fromLatin1(system);
    p.Vyska = 8;
    p.Prislusenstvi.vytvor(35);
    return p;
}

HodnotyPruvodce ovladace() {
    HodnotyPruvodce h;
    h.prurez = QStringLiteral("16");
    h.indexPrurezu = 2;
    h.ukonceni[3] = true;
    return h;
}

struct Potvrzeni : ::testing::Test {
    FakeServices sluzby;
    PevneNastaveni cs;
    Nastaveni n;
    VyberUzivatele vyber;
    SorvenikaParametry potvrd(SorvenikaParametry p, const HodnotyPruvodce& h) {
        return PotvrdParametry(std::move(p), h, n, vyber);
    }
};

}  // namespace

// The members the controls decide, beside the ones the draft brings.
struct Zapsano {
    int druhPaty, kepo, bloky, ukonceni;
    float vyskaUkonceni;
    int idPlaste, druhPlaste;
    float cihly, pytle;
    friend bool operator==(const Zapsano&, const Zapsano&) = default;
};

TEST_F(Potvrzeni, ControlsIntoTheParameterSet) {
    using H = HodnotyPruvodce;
    using U = std::array<bool, 6>;
    // From a draft with KEPO, Orlex of 1,2 m and 77 bricks, and the cover plate of ovladace().
    const Zapsano z{0, 1, 0, 4, 1.2f, 0, 0, 77, 0};
    const struct {
        const char* nazev;
        const char* system;
        void (*nastav)(H&);
        Zapsano ocekavano;
    } kPripady[] = {
        {"right foot where the side is offered", "KARNELO", [](H& h) { h.pata = h.pataStranyPovoleny = h.pataPrava = true; },
         {2, 1, 0, 4, 1.2f, 0, 0, 77, 0}},
        {"left foot", "KARNELO", [](H& h) { h.pata = h.pataStranyPovoleny = h.pataLeva = true; }, {1, 1, 0, 4, 1.2f, 0, 0, 77, 0}},
        {"a side that is not offered does not count", "KARNELO2S", [](H& h) { h.pata = h.pataPrava = true; },
         {1, 1, 0, 4, 1.2f, 0, 0, 77, 0}},
        {"neither base set: the previous one stays", "KARNELO", [](H&) {}, z},
        {"standard base set", "KARNELO", [](H& h) { h.zakladniSouprava = true; }, {0, 0, 0, 4, 1.2f, 0, 0, 77, 0}},
        {"blocks: '.' only, half to even", "MIV", [](H& h) { h.termoTvarnice = "2.5"; }, {0, 1, 2, 4, 1.2f, 0, 0, 77, 0}},
        {"blocks 3.5", "MIV", [](H& h) { h.termoTvarnice = "3.5"; }, {0, 1, 4, 4, 1.2f, 0, 0, 77, 0}},
        {"blocks with a comma", "MIV", [](H& h) { h.termoTvarnice = "2,5"; }, {0, 1, 2, 4, 1.2f, 0, 0, 77, 0}},
        {"KDS: code 5 and no details", "MIV", [](H& h) { h.ukonceni = U{0, 0, 0, 0, 1, 0}, h.pocetCihel = "300", h.vyskaPlaste = "150"; },
         {0, 1, 0, 5, 1.2f, 0, 0, 77, 0}},
        {"cladding 150 in brick", "MIV",
         [](H& h) { h.ukonceni = U{0, 0, 1, 0, 0, 0}, h.vyskaPlaste = "150", h.indexVyskyPlaste = 3, h.omitka = false; },
         {0, 1, 0, 2, 150, 4, 2, 77, 0}},
        {"casing with empty counts", "MIV", [](H& h) { h.ukonceni = U{0, 1, 0, 0, 0, 0}; }, {0, 1, 0, 1, 1.2f, 0, 0, 0, 0}},
        {"casing counts by the regional settings", "MIV",
         [](H& h) { h.ukonceni = U{0, 1, 0, 0, 0, 0}, h.pocetCihel = "1044", h.pocetPytlu = "7,5"; },
         {0, 1, 0, 1, 1.2f, 0, 0, 1044, 7.5f}},
        {"no termination chosen: the code stays", "MIV", [](H& h) { h.ukonceni = {}; }, {0, 1, 0, 3, 1.2f, 0, 0, 77, 0}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        SorvenikaParametry p = navrh(c.system);
        p.SoupravaKEPO = Integer(1);
        p.Ukonceni = 3;
        p.VyskaUkonceni = 1.2f;
        p.PocetCihel = 77;
        HodnotyPruvodce h = ovladace();
        c.nastav(h);
        const SorvenikaParametry q = potvrd(p, h);
        EXPECT_EQ((Zapsano{q.DruhPaty, q.SoupravaKEPO, q.PocetTermoTvarnic, q.Ukonceni, q.VyskaUkonceni, q.IdVyskaPlaste,
                           q.DruhPlaste, q.PocetCihel, q.PocetPytlu}),
                  c.ocekavano);
    }

    HodnotyPruvodce h = ovladace();
    h.prurez = QStringLiteral("14/16");
    h.indexPrurezu = 4;
    h.bezSachty = h.kourovod90 = false;
    h.horniDvirka = h.druheNapojeni = true;
    const SorvenikaParametry p = potvrd(navrh(), h);
    EXPECT_EQ(std::tie(p.Prurez, p.IdPrurez, p.Kourovod, p.Kourovod2), std::tuple(QStringLiteral("14/16"), 5, 1, 0));
    EXPECT_TRUE(p.Sachta && p.HorniDvirka && p.DruheNapojeni);
    EXPECT_EQ(p.Vyska, 8.0f);  // the confirmed height of the draft
}

TEST_F(Potvrzeni, BlockCountBeyondSixteenBitsIsAnOverflowNotACommit) {
    HodnotyPruvodce h = ovladace();
    h.termoTvarnice = QStringLiteral("99999");
    EXPECT_EQ(cisloChyby([&] { potvrd(navrh(), h); }), 6);
    EXPECT_EQ(vyber.zobrazeni, 0);
}

// Kits and anchor reach flags 3 to 7 through the hidden boxes; with "NE" none of them. Earlier
// choices are offered again and kept, unless the parameters no longer allow them.
TEST_F(Potvrzeni, StaticSecuringGoesThroughTheHiddenBoxes) {
    SorvenikaParametry p = navrh();
    for (int i : {0, 13}) p.Prislusenstvi(i) = true;  // 13 is not offered for "16"
    HodnotyPruvodce h = ovladace();
    h.statika = {.soupravy = {false, true, false}, .doKrovu = false, .doHrebene = true};
    h.statickeZajisteni = true;
    vyber.zaskrtni = {26};
    const SorvenikaParametry q = potvrd(p, h);
    ASSERT_EQ(vyber.zobrazeni, 1);
    for (int i = 3; i <= 7; ++i) EXPECT_EQ(vyber.videny->box(i).zaskrtnuty, i == 4 || i == 7) << i;
    EXPECT_EQ(zaskrtnute(q.Prislusenstvi), (std::set<int>{0, 4, 7, 26}));

    h.statickeZajisteni = false;
    EXPECT_EQ(zaskrtnute(potvrd(p, h).Prislusenstvi), (std::set<int>{0, 26}));
}

// Storno keeps the other flags the parameters offer (13 is not offered for "16"), but the static
// securing is stored anyway.
TEST_F(Potvrzeni, CancelledPickerStillStoresTheStaticSecuring) {
    SorvenikaParametry p = navrh();
    for (int i : {1, 5, 13, 27}) p.Prislusenstvi(i) = true;
    HodnotyPruvodce h = ovladace();
    h.statickeZajisteni = true;
    h.statika = {.soupravy = {true, false, false}, .doKrovu = true, .doHrebene = false};
    vyber.ok = false;
    vyber.zaskrtni = {0};
    EXPECT_EQ(zaskrtnute(potvrd(p, h).Prislusenstvi), (std::set<int>{1, 3, 6, 27}));
}

TEST_F(Potvrzeni, PickerAndSalesMessageBySystemAndUser) {
    struct Pripad {
        const char* system;
        quint8 typ;
        const char* verze;
        bool zprava;
        bool ukazan;
    };
    const Pripad kPripady[] = {
        {"T-REMOL2S", 0, "0000000", true, false}, {"T-REMOL", 0, "0000001", false, false},
        {"T-REMOL2R", 1, "0000000", false, true}, {"DORVA", 0, "0000000", false, true},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.system);
        FakeServices& s = sluzby;
        s.dialogs.zpravy.clear();
        n.TypUzivatele = c.typ;
        n.Verze = QString::fromLatin1(c.verze);
        vyber = {};
        vyber.zaskrtni = {0};
        HodnotyPruvodce h = ovladace();
        h.statickeZajisteni = true;
        h.statika.soupravy[2] = true;
        const SorvenikaParametry p = potvrd(navrh(c.system), h);
        EXPECT_EQ(s.dialogs.texty(), c.zprava ? QStringList{QStringLiteral("MIV***TRENA je nejprodávanější komínový systém v ČR.")}
                                              : QStringList());
        EXPECT_EQ(vyber.zobrazeni, c.ukazan ? 1 : 0);
        // Unseen, the picker's OK stores the hand-over as it stands.
        std::set<int> ocekavane{5};
        if (c.ukazan && vyber.videny->box(0).povoleny) ocekavane.insert(0);
        EXPECT_EQ(zaskrtnute(p.Prislusenstvi), ocekavane);
    }
}

// KALVIR and ORVIK write the anchor flags themselves, whatever "ANO" or "NE", and show no picker.
TEST_F(Potvrzeni, KalvirAndOrvikWriteTheAnchorFlagsDirectly) {
    for (const char* s : {"KALVIR", "ORVIK"}) {
        SorvenikaParametry p = navrh(s);
        p.Prislusenstvi(0) = true;
        HodnotyPruvodce h = ovladace();
        h.statickeZajisteni = false;
        h.statika = {.soupravy = {true, true, true}, .doKrovu = true, .doHrebene = false};
        EXPECT_EQ(zaskrtnute(potvrd(p, h).Prislusenstvi), (std::set<int>{0, 6})) << s;
    }
    EXPECT_EQ(vyber.zobrazeni, 0);
}
