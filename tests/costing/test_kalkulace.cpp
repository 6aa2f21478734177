// One costing object behind the sheet: the grids show what the object holds, and a second
// reader of the object gives the same figures.
#include "costing/Kalkulace.h"
#include "costing/ModelListu.h"

#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Systemy.h"
#include "parameters/NastavSorveniku.h"
#include "platform/Regional.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"
#include "systems/Kalkulacky.h"

#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");

// Whole hundredths of a figure, whatever separators the text uses.
qint64 setiny(const QString& text) {
    QString cislice;
    for (QChar c : text)
        if (c.isDigit() || c == QLatin1Char('-')) cislice += c;
    return cislice.toLongLong();
}

qint64 setiny(Currency c) { return (c.raw() + (c.raw() < 0 ? -50 : 50)) / 100; }

// The second reader: the costing as plain text from the object's values alone.
QStringList zObjektu(const Kalkulace& k) {
    QStringList t;
    for (const RadekKalkulace& r : k.radky)
        if (!r.skryty)
            t << QStringLiteral("%1|%2|%3|%4|%5").arg(r.Nazev, r.ObjZnak).arg(static_cast<double>(r.Ks)).arg(setiny(r.CenaKs)).arg(setiny(r.CenaCelkem));
    t << QStringLiteral("celkem %1 ks, %2, s DPH %3, %4 kg")
             .arg(k.kusy)
             .arg(setiny(k.cenikovaCena))
             .arg(setiny(k.cenaSDph))
             .arg(qRound64(static_cast<double>(k.vaha) * 100));
    return t;
}

// The same from what the grids show.
QStringList zMrizek(const ModelListu& l) {
    QStringList t;
    const FlexGrid& g = l.Tabulka;
    for (int r = 1; r < g.Rows(); ++r)
        if (g.RowHeight(r) != 0)
            t << QStringLiteral("%1|%2|%3|%4|%5").arg(g.TextMatrix(r, 0), g.TextMatrix(r, 1)).arg(Regional::current().CDbl(g.TextMatrix(r, 3))).arg(setiny(g.TextMatrix(r, 4))).arg(setiny(g.TextMatrix(r, 5)));
    const FlexGrid& s = l.TabSuma;
    t << QStringLiteral("celkem %1 ks, %2, s DPH %3, %4 kg")
             .arg(s.TextMatrix(kKusy, 1))
             .arg(setiny(s.TextMatrix(kCenikovaCena, 1)))
             .arg(setiny(s.TextMatrix(kCenaSDph, 1)))
             .arg(setiny(s.TextMatrix(kVaha, 1)));
    return t;
}

struct Pripad {
    const char* system;
    const char* prurez;
    float vyska;
    int ukonceni;
    int volnych;  // free rows of an ordinary user
    bool skryte;  // internal rows hidden from an ordinary user
};

class KalkulaceNaListu : public ::testing::TestWithParam<Pripad> {
protected:
    void SetUp() override { Regional::setCurrent(QStringLiteral("cs_CZ")); }
    void TearDown() override { Regional::setCurrent(QString()); }
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", kData.toUtf8()};
};

}  // namespace

TEST_P(KalkulaceNaListu, GridsShowTheObjectAndASecondReaderAgrees) {
    const Pripad& c = GetParam();
    GlobalniData g;
    ASSERT_FALSE(NactiIni(kData + QStringLiteral("/Sorvenika.ini"), g).chyba);
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(kData + QStringLiteral("/Art"));
    SorvenikaParametry& p = g.sorvenikaParametry;
    p.System = QString::fromLatin1(c.system);
    p.SystemKod = ZjistiKodSystemu(p.System);
    ASSERT_TRUE(NactiSystem(g, cenik));
    ModelListu list(g);
    list.Form_Load();

    SorvenikaParametry n = p;
    n.Prurez = QString::fromLatin1(c.prurez);
    for (int s = 1; s <= g.dataSystemu.Prurezy.horni(); ++s)
        if (g.dataSystemu.Prurezy(s) == n.Prurez) n.IdPrurez = Integer(s);
    n.Vyska = c.vyska;
    n.Ukonceni = c.ukonceni;
    NastavSorveniku(g, vytvorKalkulacky(g), list, n);
    list.setZakaznik(0, QStringLiteral("Stavebniny Dvořák"));

    const Kalkulace k = list.kalkulace();
    ASSERT_EQ(static_cast<int>(k.radky.size()), list.Tabulka.Rows() - 1);
    EXPECT_EQ(std::count_if(k.radky.begin(), k.radky.end(), [](const RadekKalkulace& r) { return r.volny; }), c.volnych);
    EXPECT_EQ(std::any_of(k.radky.begin(), k.radky.end(), [](const RadekKalkulace& r) { return r.skryty; }), c.skryte);
    EXPECT_GT(k.kusy, 10);
    EXPECT_EQ(k.zakaznik[0], QStringLiteral("Stavebniny Dvořák"));
    EXPECT_EQ(k.souhrn.parametry, list.souhrn().parametry);
    EXPECT_EQ(list.TabSuma.TextMatrix(kKoeficient, 1), QStringLiteral("100"));
    EXPECT_EQ(zMrizek(list), zObjektu(k));

    // A refill with a project discount: prices rounded up to tenths, totals from them.
    g.Koeficient = 0.85f;
    list.prepocitejCeny();
    const Kalkulace s = list.kalkulace();
    EXPECT_FALSE(s.cenikove);
    EXPECT_LT(s.cenikovaCena, k.cenikovaCena);
    Currency soucet;
    for (const RadekKalkulace& r : s.radky) {
        EXPECT_EQ(r.CenaKs.raw() % 1000, 0) << r.Nazev.toStdString();
        soucet += r.CenaCelkem;
    }
    EXPECT_EQ(s.cenikovaCena, soucet);
    EXPECT_EQ(zMrizek(list), zObjektu(s));
}

INSTANTIATE_TEST_SUITE_P(Systemy, KalkulaceNaListu,
                         ::testing::Values(Pripad{"MIV", "18", 9.5f, 4, 10, false},
                                           Pripad{"T-REMOL", "16", 7.0f, 5, 0, true}),
                         [](const auto& i) { return QString::fromLatin1(i.param.system).remove('-').toStdString(); });
