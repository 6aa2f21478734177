// The wizard's first-frame rules. Each case runs from two opposite earlier states, so a cell
// that leaves a control alone ("-") is seen to keep whatever the control had.
#include "parameters/PravidlaParametru.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using P = Prvek;

StavyPrvku vse(bool zapnuto) {
    StavyPrvku s{};
    for (StavPrvku& x : s) x.povoleny = x.viditelny = zapnuto;
    return s;
}

// '1' enabled, '0' disabled, '-' as before.
void over(const StavyPrvku& pred, const StavyPrvku& po, std::initializer_list<P> prvky, std::string_view cekano,
          const char* co) {
    ASSERT_EQ(prvky.size(), cekano.size()) << co;
    size_t i = 0;
    for (P p : prvky) {
        const char c = cekano[i++];
        const bool ocekavano = c == '-' ? pred[static_cast<size_t>(p)].povoleny : c == '1';
        EXPECT_EQ(po[static_cast<size_t>(p)].povoleny, ocekavano) << co << " #" << i - 1;
    }
}

}  // namespace

TEST(WizardRules, EveryRowOfTheTablesForEveryListedLabel) {
    for (const QStringList& c : pripady("pripady/pravidla.txt")) {
        for (const QString& prurez : c[1].split(u',')) {
            for (bool zacatek : {true, false}) {
                StavyPrvku pred = vse(zacatek);
                pred[static_cast<size_t>(P::chkpata)].zaskrtnuty = c[3] == "1";
                StavyPrvku po = pred;
                Parametry(po, c[0], prurez, c[2] == "1");
                const std::string co = (c[0] + " \"" + prurez + "\" " + c[2] + c[3] + (zacatek ? " from on" : " from off")).toStdString();
                over(pred, po, {P::optUkonceni0, P::optUkonceni1, P::optUkonceni2, P::optUkonceni3, P::optUkonceni4,
                                P::optUkonceni5}, c[4].toStdString(), co.c_str());
                over(pred, po, {P::optKourovod0, P::optKourovod1, P::optKourovod2, P::optKourovod3}, c[5].toStdString(), co.c_str());
                over(pred, po, {P::chkTermoTvarnice, P::txtTermoTvarnice, P::chkpata, P::optPata0, P::chkSouprava0,
                                P::chkDruheNapojeniKourovodu}, c[6].toStdString(), co.c_str());
                // The paired controls follow their first.
                EXPECT_EQ(po[static_cast<size_t>(P::optPata1)].povoleny, po[static_cast<size_t>(P::optPata0)].povoleny) << co;
                EXPECT_EQ(po[static_cast<size_t>(P::chkSouprava1)].povoleny,
                          po[static_cast<size_t>(P::chkSouprava0)].povoleny) << co;
                // These systems never show or hide, select or tick anything.
                for (int i = 0; i < kPocetPrvku; ++i) {
                    EXPECT_EQ(po[i].viditelny, pred[i].viditelny) << co << " control " << i;
                    EXPECT_EQ(po[i].zaskrtnuty, pred[i].zaskrtnuty) << co << " control " << i;
                }
                // Untouched controls stay as they were.
                for (P p : {P::optSachta0, P::optSachta1, P::chkHorniDvirka, P::lblPrislusenstvi, P::cmbPrurez,
                            P::txtVyska, P::cmdDalsi})
                    EXPECT_EQ(po[static_cast<size_t>(p)], pred[static_cast<size_t>(p)]) << co;
            }
        }
    }
}

TEST(WizardRules, KalvirOrvikAndUnknownSystems) {
    // KALVIR and ORVIK show only the connecting pieces and two terminations; an unknown system changes nothing.
    const std::vector<P> skryte = {
        P::chkTermoTvarnice, P::txtTermoTvarnice, P::Label1_4, P::chkpata, P::optPata0, P::optPata1, P::chkSouprava0,
        P::chkSouprava1, P::chkDruheNapojeniKourovodu, P::chkHorniDvirka, P::optSachta0, P::optSachta1, P::optKourovod0,
        P::optKourovod1, P::optKourovod2, P::optKourovod3, P::lblKourovod0, P::lblKourovod1, P::lblPrislusenstvi,
        P::optUkonceni0, P::optUkonceni3, P::optUkonceni4, P::optUkonceni5, P::Frame1_0, P::Frame1_1};
    for (const char* system : {"KALVIR", "ORVIK", "SELVAN", "miv", ""}) {
        const bool znamy = system[0] == 'K' || system[0] == 'O';
        for (bool zacatek : {true, false}) {
            const StavyPrvku pred = vse(zacatek);
            StavyPrvku po = pred;
            Parametry(po, QString::fromLatin1(system), QStringLiteral("16"), true);
            const std::string co = std::string(system) + (zacatek ? " from on" : " from off");
            if (!znamy) {
                EXPECT_EQ(po, pred) << co;
                continue;
            }
            for (int i = 0; i < kPocetPrvku; ++i) {
                const P p = static_cast<P>(i);
                const bool ukazany = p == P::lblPocetNapojovacichDilu || p == P::txtPocetNapojovacichDilu;
                const bool skryty = std::find(skryte.begin(), skryte.end(), p) != skryte.end();
                EXPECT_EQ(po[i].viditelny, ukazany || (!skryty && pred[i].viditelny)) << co << " control " << i;
            }
            over(pred, po, {P::optUkonceni0, P::optUkonceni1, P::optUkonceni2, P::optUkonceni3, P::optUkonceni4,
                            P::optUkonceni5, P::optKourovod1, P::chkpata}, "011000--", co.c_str());
        }
    }
}

TEST(WizardRules, LeftAloneMeansWhatTheCallsBeforeLeft) {
    // A MIV2R angle state set for a listed label stays for one outside the lists.
    StavyPrvku s = vse(true);
    for (auto [prurez, cekano] : {std::pair{"16/18", "1111"}, {"12/14", "1010"}, {"", "1010"}, {"20/20", "1010"},
                                  {"14/16", "1011"}, {"", "1011"}}) {
        const StavyPrvku pred = s;
        Parametry(s, QStringLiteral("MIV2R"), QString::fromLatin1(prurez), false);
        over(pred, s, {P::optKourovod0, P::optKourovod1, P::optKourovod2, P::optKourovod3}, cekano, prurez);
    }
    // The KARNELO foot sides follow the foot as it was at the call.
    s = vse(true);
    s[static_cast<size_t>(P::chkpata)].zaskrtnuty = true;
    Parametry(s, QStringLiteral("KARNELO"), QStringLiteral("16"), true);
    EXPECT_TRUE(s[static_cast<size_t>(P::optPata0)].povoleny);
    s[static_cast<size_t>(P::chkpata)].zaskrtnuty = false;
    EXPECT_TRUE(s[static_cast<size_t>(P::optPata0)].povoleny);
    Parametry(s, QStringLiteral("KARNELO"), QStringLiteral("16"), true);
    EXPECT_FALSE(s[static_cast<size_t>(P::optPata0)].povoleny);
}

TEST(WizardRules, StaticKitBandsAtTheirEdges) {
    // A recommendation as text: "none" (no rule), else the kit ("-": none), the bags, "limit" above it.
    const auto text = [](const std::optional<DoporuceniSoupravy>& d) {
        if (!d) return QStringLiteral("none");
        return (d->souprava ? QString::number(*d->souprava) : QStringLiteral("-")) + u',' + QString::number(d->pytle) +
               (d->nadLimit ? QStringLiteral(",limit") : QString());
    };
    for (const QStringList& c : pripady("pripady/staticka.txt"))
        EXPECT_EQ(text(DoporucSoupravu(c[0].toInt(), c[1].toFloat())), c[2]) << c[0].toStdString() << " " << c[1].toStdString();

    for (const char* s : {"MIV", "MIV2R", "KARNELO2S", "T-REMOL2R"})
        EXPECT_TRUE(MaStatickeSoupravy(QString::fromLatin1(s))) << s;
    for (const char* s : {"DORVA", "KALVIR", "ORVIK", "SELVAN", ""}) EXPECT_FALSE(MaStatickeSoupravy(QString::fromLatin1(s))) << s;
}
