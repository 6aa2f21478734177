#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "platform/Cp1250.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <map>

// The shipped sample installation: every system's item table parses as the loader reads it and
// holds only articles of the shipped price list.
namespace {

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");

// The highest row any calculator, kit or hidden-row rule of the system addresses.
const std::map<QString, int> kNejmeneRadku = {
    {QStringLiteral("MIV"), 97},      {QStringLiteral("MIV2S"), 81},     {QStringLiteral("MIV2R"), 102},
    {QStringLiteral("DORVA"), 29},    {QStringLiteral("KARNELO"), 93},   {QStringLiteral("T-REMOL"), 56},
    {QStringLiteral("KARNELO2S"), 86}, {QStringLiteral("KARNELO2R"), 110}, {QStringLiteral("T-REMOL2R"), 71},
    {QStringLiteral("T-REMOL2S"), 53}, {QStringLiteral("KALVIR"), 37},   {QStringLiteral("ORVIK"), 32},
};

}  // namespace

TEST(SampleInstallation, EveryItemTableParsesAndPricesFromTheShippedList) {
    GlobalniData g;
    ASSERT_FALSE(NactiIni(kData + QStringLiteral("Sorvenika.ini"), g).chyba);
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(kData + QStringLiteral("Art"));

    int systemu = 0;
    for (int kod = 1; kod <= g.nastaveni.PocetSystemu; ++kod) {
        const SystemZaznam& s = g.system(kod);
        if (s.Data.isEmpty()) continue;  // the placeholder without a calculator
        ++systemu;
        SCOPED_TRACE(s.Nazev.toStdString());
        const QByteArray bajty = readBytes(kData + s.Data);
        ASSERT_TRUE(bajty.endsWith("\r\n"));
        ASSERT_FALSE(bajty.endsWith("\r\n\r\n"));
        QStringList radky = cp1250::decode(bajty.chopped(2)).split(QStringLiteral("\r\n"));
        ASSERT_GE(radky.size(), 3);
        for (const QString& r : radky) ASSERT_FALSE(r.contains(QLatin1Char('\n')) || r.contains(QLatin1Char('\r')));

        const QStringList znacky = radky[0].split(QLatin1Char('\t'));
        const QStringList prurezy = radky[1].split(QLatin1Char('\t'));
        const qsizetype sloupcu = znacky.size();
        EXPECT_EQ(prurezy.size(), sloupcu);
        for (const QString& z : znacky) EXPECT_TRUE(z.isEmpty() || z.trimmed().toUpper() == QLatin1String("SACHTA"));
        for (const QString& p : prurezy) EXPECT_EQ(p, p.trimmed());

        const auto systemNazev = s.Sekce.toUpper();
        ASSERT_TRUE(kNejmeneRadku.count(systemNazev)) << systemNazev.toStdString();
        EXPECT_GE(radky.size() - 2, kNejmeneRadku.at(systemNazev));

        int kodu = 0;
        for (qsizetype i = 2; i < radky.size(); ++i) {
            const QStringList pole = radky[i].split(QLatin1Char('\t'));
            ASSERT_GE(pole.size(), sloupcu) << "row " << i - 1;
            for (qsizetype c = 0; c < sloupcu; ++c) {
                QString k = pole[c];
                if (k == QLatin1String("-")) continue;
                ++kodu;
                EXPECT_GT(cenik.NajdiArtikl(k), 0) << "row " << i - 1 << " column " << prurezy[c].toStdString()
                                                    << ": " << pole[c].toStdString();
            }
        }
        EXPECT_GT(kodu, 0);
    }
    EXPECT_EQ(systemu, 12);
}

TEST(SampleInstallation, TheItemTableLoaderFindsEveryArticle) {
    FakeServices sluzby;
    Prostredi data("SORVENIKA_DATA", QByteArray(SORVENIKA_SOURCE_DIR "/Data"));
    GlobalniData g;
    ASSERT_FALSE(NactiIni(kData + QStringLiteral("Sorvenika.ini"), g).chyba);
    const TabulkaArtiklu cenik = TabulkaArtiklu::nactiCenik();
    for (int kod = 1; kod <= g.nastaveni.PocetSystemu; ++kod) {
        if (g.system(kod).Data.isEmpty()) continue;
        SCOPED_TRACE(g.system(kod).Sekce.toStdString());
        g.sorvenikaParametry.SystemKod = kod;
        ASSERT_TRUE(NactiSystem(g, cenik));
        const MaticePolozek& m = g.dataSystemu.Polozky;
        for (int s = 1; s <= m.sloupcu(); ++s)
            for (int r = 1; r <= g.sorvenikaParametry.PocetRadku; ++r) {
                const Polozka& p = m(s, r);
                EXPECT_FALSE(p.Nazev.contains(QStringLiteral("nenalezena"))) << r << "/" << s;
                if (p.ObjZnak != QLatin1String("-")) {
                    EXPECT_GT(p.Cena.raw(), 0) << r << "/" << s;
                }
            }
    }
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
}
