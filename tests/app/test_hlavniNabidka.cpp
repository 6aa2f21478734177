#include "app/HlavniNabidka.h"
#include "platform/Regional.h"
#include "support/TestSupport.h"
#include "engine/Systemy.h"

#include <gtest/gtest.h>

// The names themselves are checked against the shipped settings (SampleSettings).
TEST(HlavniNabidka, SystemNamesAndCodesRoundTrip) {
    for (int kod = 1; kod <= 13; ++kod) EXPECT_EQ(ZjistiKodSystemu(NazevSystemu(kod)), kod);
    for (const char* cizi : {"miv", "", " MIV", "TREMOL", "T-Remol", "MIV "}) EXPECT_EQ(ZjistiKodSystemu(QString::fromUtf8(cizi)), -1) << cizi;
    EXPECT_EQ(NazevSystemu(0), QString());
    EXPECT_EQ(NazevSystemu(14), QString());
}

TEST(HlavniNabidka, JePovolenoReadsOneFlagOrGrantsEverythingToPrivilegedUsers) {
    for (const QStringList& p : pripady("pripady/jePovoleno.txt")) {
        Nastaveni n;
        n.Verze = p[0];
        n.TypUzivatele = static_cast<quint8>(p[1].toInt());
        EXPECT_EQ(JePovoleno(n, p[2].toInt()), p[3] == "1") << p.join(u' ').toStdString();
    }
}

TEST(HlavniNabidka, ChoiceOfSystem) {
    const std::optional<int> zavreno;
    const struct {
        const char* popis;
        int index;
        QString verze;
        quint8 typ;
        std::optional<int> polozka;  // what the popup returns
        std::deque<Odpoved> odpovedi;
        bool spustit;
        int kod;
        QStringList zpravy;
        bool nabidka;  // whether the popup was shown
    } pripady[] = {
        {"DORVA at once", 3, "0000000", 0, zavreno, {}, true, 4, {}, false},
        {"ORVIK at once", 7, "0000000", 0, zavreno, {}, true, 13, {}, false},
        {"MIV dismissed", 1, "0000000", 0, zavreno, {}, false, 0, {}, true},
        {"MIV second item", 1, "0000000", 0, 1, {}, true, 3, {}, true},
        {"MIV third item", 1, "0000000", 0, 2, {}, true, 2, {}, true},
        {"KARNELO notice also when dismissed", 4, "0000000", 0, zavreno, {}, false, 0, {kUpozorneniKarnelo}, true},
        {"KARNELO2R", 4, "0000000", 0, 2, {}, true, 8, {kUpozorneniKarnelo}, true},
        {"T-REMOL yes: question, then warranty", 5, "0000000", 0, 0, {Odpoved::Yes}, true, 9,
         {kOtazkaTRemol, kUpozorneniZaruka}, true},
        {"T-REMOL no ends the handler", 5, "0000000", 0, 1, {Odpoved::No}, false, 10, {kOtazkaTRemol}, true},
        {"T-REMOL question also when dismissed", 5, "0000000", 0, zavreno, {Odpoved::Yes}, false, 0, {kOtazkaTRemol}, true},
        {"T-REMOL flag 7 silences both", 5, "0000001", 0, 2, {}, true, 11, {}, true},
        {"T-REMOL privileged user hears nothing", 5, "0000000", 1, 0, {}, true, 9, {}, true},
        {"MIV past the popup's items", 1, "0000000", 0, 3, {}, false, 0, {}, true},
        {"no such button", 2, "0000000", 0, 0, {}, false, 0, {}, false},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.popis);
        FakeServices sluzby;
        sluzby.dialogs.odpovedi = p.odpovedi;
        GlobalniData g;
        g.nastaveni.Verze = p.verze;
        g.nastaveni.TypUzivatele = p.typ;
        g.sorvenikaParametry.SystemKod = 13;  // the choice before is forgotten first
        g.sorvenikaParametry.System = QStringLiteral("ORVIK");
        bool nabidka = false;
        const bool spustit = VolbaSystemu(p.index, g, [&](const TlacitkoSystemu&) {
            nabidka = true;
            return p.polozka;
        });
        EXPECT_EQ(spustit, p.spustit);
        EXPECT_EQ(nabidka, p.nabidka);
        EXPECT_EQ(g.sorvenikaParametry.SystemKod, p.kod);
        EXPECT_EQ(g.sorvenikaParametry.System, NazevSystemu(p.kod));
        EXPECT_EQ(sluzby.dialogs.texty(), p.zpravy);
        for (const Zprava& z : sluzby.dialogs.zpravy) {
            EXPECT_EQ(z.ikona, Ikona::Zadna);
            if (z.text == kOtazkaTRemol) {
                EXPECT_EQ(z.tlacitka, Tlacitka::YesNo);
                EXPECT_EQ(z.vychozi, 2);  // No
            }
        }
    }
}

TEST(HlavniNabidka, VatEnterStoresARegionalNumberFrom0To100AndWarnsOtherwise) {
    const QString cislo = QStringLiteral("Zadejte číslo !!!\nPoužijte desetinný oddělovač uvedený v Místním nastavení.");
    const struct { const char* locale; QString text; std::optional<qint64> ulozeno; QString varovani; } pripady[] = {
        {"cs_CZ", " 15 ", 150000, {}}, {"cs_CZ", "20,5", 205000, {}}, {"cs_CZ", "", {}, cislo},
        {"cs_CZ", "20.5", {}, cislo},  {"C", "20.5", 205000, {}},     {"C", "20,5x", {}, cislo},
        {"cs_CZ", "0", 0, {}},         {"cs_CZ", "100", 1000000, {}}, {"cs_CZ", "-50", {}, kSazbaDPHMimoRozsah},
        {"cs_CZ", "150", {}, kSazbaDPHMimoRozsah}, {"cs_CZ", "100,01", {}, kSazbaDPHMimoRozsah},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::string(p.locale) + " [" + p.text.toStdString() + "]");
        Regional::setCurrent(QString::fromLatin1(p.locale));
        FakeServices sluzby;
        Nastaveni n;
        n.DPH = Currency::fromInt(19);
        EXPECT_EQ(PotvrdDPH(n, p.text), p.ulozeno.has_value());
        EXPECT_EQ(n.DPH.raw(), p.ulozeno.value_or(190000));
        if (p.ulozeno) {
            EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
        } else {
            ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
            EXPECT_EQ(sluzby.dialogs.zpravy[0].text, p.varovani);
            EXPECT_EQ(sluzby.dialogs.zpravy[0].ikona, Ikona::Vykricnik);
            EXPECT_EQ(sluzby.dialogs.zpravy[0].titulek, QStringLiteral("Upozornění"));
        }
    }
    Regional::setCurrent(QString());
}

TEST(HlavniNabidka, SellerIsAskedForUntilANameIsGiven) {
    FakeServices sluzby;
    Nastaveni n;
    n.Prodejce.clear();
    sluzby.dialogs.vstupy = {std::nullopt, QString(), QStringLiteral(" "), QStringLiteral("nepoužito")};
    NactiProdejce(n);
    EXPECT_EQ(n.Prodejce, QStringLiteral(" "));
    EXPECT_EQ(sluzby.dialogs.vstupy.size(), 1u);

    n.Prodejce = QStringLiteral("Firma");
    NactiProdejce(n);
    EXPECT_EQ(sluzby.dialogs.vstupy.size(), 1u);

    PotvrdProdejce(n, QStringLiteral("  Nová firma  "));
    EXPECT_EQ(n.Prodejce, QStringLiteral("Nová firma"));
}

TEST(HlavniNabidka, ButtonRowsSwapAndTRemolStaysOnceShown) {
    ViditelnostTlacitek v;
    auto viditelna = [&] {
        QList<int> r;
        for (int i = 1; i <= 7; ++i)
            if (v.viditelne(i)) r << i;
        return r;
    };
    EXPECT_EQ(viditelna(), (QList<int>{1, 3, 4}));
    v.prohodRady();
    EXPECT_EQ(viditelna(), (QList<int>{6, 7}));
    v.ukazTRemol();
    v.prohodRady();
    EXPECT_EQ(viditelna(), (QList<int>{1, 3, 4, 5}));
    v.prohodRady();
    EXPECT_EQ(viditelna(), (QList<int>{5, 6, 7}));
    EXPECT_FALSE(v.viditelne(0));
    EXPECT_FALSE(v.viditelne(8));
}

TEST(HlavniNabidka, ConnectionTypeThatIsNoNumberCountsAsNone) {
    const struct { QString text; bool nastaveno; } pripady[] = {
        {"", false}, {"abc", false}, {"0", false}, {"3", true}, {" 2 ", true}, {"1x", false}};
    for (const auto& p : pripady) EXPECT_EQ(PripojeniNastaveno(p.text), p.nastaveno) << p.text.toStdString();
}
