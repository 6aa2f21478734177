// The shipped settings files, read by a reader of their own so an editor slip shows here.
#include "app/HlavniNabidka.h"
#include "net/clsBase64.h"
#include "platform/Cp1250.h"
#include "support/TestSupport.h"
#include "engine/Systemy.h"

#include <gtest/gtest.h>

#include <optional>
#include <QRegularExpression>

namespace {

struct Sekce {
    QString nazev;
    QList<std::pair<QString, QString>> klice;
    std::optional<QString> najdi(const QString& klic) const {
        for (const auto& [k, v] : klice)
            if (k.compare(klic, Qt::CaseInsensitive) == 0) return v;
        return std::nullopt;
    }
    QString hodnota(const QString& klic) const { return najdi(klic).value_or(QString()); }
    bool ma(const QString& klic) const { return najdi(klic).has_value(); }
};

QList<Sekce> precti(const QByteArray& bajty) {
    QList<Sekce> sekce;
    for (const QString& radek : cp1250::decode(bajty).split(QStringLiteral("\r\n"))) {
        const QString r = radek.trimmed();
        if (r.startsWith(u'[') && r.endsWith(u']')) {
            sekce.append({r.mid(1, r.size() - 2), {}});
        } else if (const qsizetype rovna = r.indexOf(u'='); rovna > 0 && !sekce.isEmpty()) {
            sekce.last().klice.append({r.left(rovna).trimmed(), r.mid(rovna + 1).trimmed()});
        }
    }
    return sekce;
}

const Sekce* najdi(const QList<Sekce>& sekce, const QString& nazev) {
    for (const Sekce& s : sekce)
        if (s.nazev.compare(nazev, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

QByteArray vzorek(const char* soubor) {
    return readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/") + QLatin1String(soubor));
}

// Every line ends in CR LF, the last one too; no BOM.
void ocekavejCrLf(const QByteArray& b) {
    ASSERT_FALSE(b.isEmpty());
    EXPECT_FALSE(b.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(b.endsWith("\r\n"));
    EXPECT_EQ(b.count("\r\n"), b.count('\n'));
    EXPECT_EQ(b.count('\r'), b.count('\n'));
}

const QStringList kKliceSystemu = {"Nazev", "Nazev pri tisku", "Data", "Piktogram", "Piktogram pro tisk",
                                   "Piktogram prurez", "Info o systemu", "Parametry"};

}  // namespace

TEST(SampleSettings, Windows1250WithCrLf) {
    const QByteArray b = vzorek("Sorvenika.ini");
    ocekavejCrLf(b);
    // Saved as UTF-8, this word would not read back through Windows-1250.
    EXPECT_TRUE(cp1250::decode(b).contains(QStringLiteral("jednoprůduchový")));
}

TEST(SampleSettings, ThirteenSystemsInCodeOrderWithTheirSections) {
    const QList<Sekce> ini = precti(vzorek("Sorvenika.ini"));
    const Sekce* nastaveni = najdi(ini, "NASTAVENI");
    const Sekce* systemy = najdi(ini, "SYSTEMY");
    ASSERT_TRUE(nastaveni && systemy && najdi(ini, "UZIVATEL"));
    EXPECT_EQ(nastaveni->hodnota("Pocet systemu"), "13");
    ASSERT_EQ(systemy->klice.size(), 13);

    QStringList datoveSoubory;
    for (int n = 1; n <= 13; ++n) {
        const QString sekce = systemy->hodnota(QString::number(n) + "System");
        EXPECT_EQ(sekce, NazevSystemu(n)) << n;
        const Sekce* s = najdi(ini, sekce);
        ASSERT_TRUE(s) << sekce.toStdString();
        for (const QString& klic : kKliceSystemu) EXPECT_TRUE(s->ma(klic)) << sekce.toStdString() << " " << klic.toStdString();
        EXPECT_FALSE(s->hodnota("Nazev").isEmpty());
        if (n == 5) continue;  // placeholder without a calculator or item table
        datoveSoubory << s->hodnota("Data").toLower();
        // The order sheet recognises T-REMOL entries by titles starting with "_T-".
        EXPECT_EQ(s->hodnota("Nazev").startsWith(QStringLiteral("T-")), sekce.startsWith(QStringLiteral("T-")));
    }
    datoveSoubory.removeDuplicates();
    EXPECT_EQ(datoveSoubory.size(), 12);
    EXPECT_TRUE(najdi(ini, "SELVAN")->hodnota("Data").isEmpty());
}

TEST(SampleSettings, ValuesReadBackWhole) {
    for (const char* soubor : {"Sorvenika.ini", "Objednavky.ini"}) {
        const QList<Sekce> ini = precti(vzorek(soubor));
        ASSERT_FALSE(ini.isEmpty());
        QStringList nazvy;
        for (const Sekce& s : ini) {
            nazvy << s.nazev.toUpper();
            const bool uzivatelske = s.nazev == "NASTAVENI" || s.nazev == "UZIVATEL";
            QStringList klice;
            for (const auto& [k, v] : s.klice) {
                klice << k.toUpper();
                // The program keeps 127 characters of a value in these two sections, 63 elsewhere.
                EXPECT_LE(v.size(), uzivatelske ? 127 : 63) << soubor << " " << k.toStdString();
                EXPECT_FALSE(v.startsWith(u'"') || v.startsWith(u'\'')) << k.toStdString();
            }
            // The first of two equal keys wins, so a duplicate would be silently ignored.
            EXPECT_EQ(klice.size(), QSet<QString>(klice.begin(), klice.end()).size()) << s.nazev.toStdString();
        }
        EXPECT_EQ(nazvy.size(), QSet<QString>(nazvy.begin(), nazvy.end()).size()) << soubor;
    }
}

TEST(SampleSettings, UserAndConnectionDefaults) {
    const QList<Sekce> ini = precti(vzorek("Sorvenika.ini"));
    const Sekce& nastaveni = *najdi(ini, "NASTAVENI");
    const Sekce& uzivatel = *najdi(ini, "UZIVATEL");
    EXPECT_EQ(clsBase64::Decode(uzivatel.hodnota("Verze")), QStringLiteral("0000000"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^http://[a-z.]+\\.example\\.com/.+\\.rar$"))
                    .match(nastaveni.hodnota("Aktualizace")).hasMatch());
    EXPECT_EQ(uzivatel.hodnota("PosledniSynchronizace"), "1.1.2000");
    EXPECT_EQ(uzivatel.hodnota("Typ"), "0");
    EXPECT_EQ(uzivatel.hodnota("ExtID"), "1");

    const QByteArray obj = vzorek("Objednavky.ini");
    ocekavejCrLf(obj);
    const QList<Sekce> objednavky = precti(obj);
    ASSERT_EQ(objednavky.size(), 1);
    const Sekce& o = objednavky[0];
    EXPECT_EQ(o.nazev, "NASTAVENI");
    EXPECT_EQ(o.hodnota("pripojeni"), "0");
    for (const char* klic : {"proxy", "port", "SOCKS5server", "SOCKS5port", "server", "email", "id", "cislo objednavky", "vystup"})
        EXPECT_TRUE(o.ma(klic)) << klic;
}
