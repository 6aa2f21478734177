// The shipped settings files, read by a reader of their own so that an editor's slip shows here.
#include "app/HlavniNabidka.h"
#include "net/clsBase64.h"
#include "platform/Cp1250.h"
#include "support/TestSupport.h"
#include "engine/Systemy.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using Sekce = std::pair<QString, QList<std::pair<QString, QString>>>;

// Windows-1250, every line ending in CR LF, the last one too; no BOM.
QList<Sekce> precti(const char* soubor) {
    const QByteArray b = readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/") + QLatin1String(soubor));
    EXPECT_FALSE(b.startsWith("\xEF\xBB\xBF")) << soubor;
    EXPECT_TRUE(b.endsWith("\r\n") && b.count("\r\n") == b.count('\n') && b.count('\r') == b.count('\n')) << soubor;
    QList<Sekce> sekce;
    for (const QString& radek : cp1250::decode(b).split(QStringLiteral("\r\n"))) {
        const QString r = radek.trimmed();
        if (r.startsWith(u'[') && r.endsWith(u']')) sekce.append({r.mid(1, r.size() - 2), {}});
        else if (const qsizetype rovna = r.indexOf(u'='); rovna > 0 && !sekce.isEmpty())
            sekce.last().second.append({r.left(rovna).trimmed(), r.mid(rovna + 1).trimmed()});
    }
    return sekce;
}

// The value, null when the key or the section is missing.
QString hodnota(const QList<Sekce>& ini, const QString& sekce, const QString& klic) {
    for (const auto& [nazev, klice] : ini)
        if (nazev.compare(sekce, Qt::CaseInsensitive) == 0)
            for (const auto& [k, v] : klice)
                if (k.compare(klic, Qt::CaseInsensitive) == 0) return v.isNull() ? QStringLiteral("") : v;
    return {};
}

}  // namespace

TEST(SampleSettings, ValuesReadBackWholeAndNoKeyTwice) {
    for (const char* soubor : {"Sorvenika.ini", "Objednavky.ini"}) {
        QStringList nazvy;
        for (const auto& [nazev, klice] : precti(soubor)) {
            nazvy << nazev.toUpper();
            QStringList jmena;
            for (const auto& [k, v] : klice) {
                jmena << k.toUpper();
                // The program keeps 127 characters of a value in these two sections, 63 elsewhere.
                EXPECT_LE(v.size(), nazev == "NASTAVENI" || nazev == "UZIVATEL" ? 127 : 63) << soubor << " " << k.toStdString();
                EXPECT_FALSE(v.startsWith(u'"') || v.startsWith(u'\'')) << k.toStdString();
            }
            // The first of two equal keys wins, so a duplicate would be silently ignored.
            EXPECT_EQ(jmena.size(), QSet<QString>(jmena.begin(), jmena.end()).size()) << nazev.toStdString();
        }
        EXPECT_EQ(nazvy.size(), QSet<QString>(nazvy.begin(), nazvy.end()).size()) << soubor;
    }
}

TEST(SampleSettings, ThirteenSystemsInCodeOrderAndAFreshInstallationsDefaults) {
    const QList<Sekce> ini = precti("Sorvenika.ini");
    EXPECT_EQ(hodnota(ini, "NASTAVENI", "Pocet systemu"), "13");
    QSet<QString> datoveSoubory;
    for (int n = 1; n <= 13; ++n) {
        const QString sekce = hodnota(ini, "SYSTEMY", QString::number(n) + "System");
        ASSERT_EQ(sekce, NazevSystemu(n)) << n;
        for (const char* klic : {"Nazev pri tisku", "Data", "Piktogram", "Piktogram pro tisk", "Piktogram prurez",
                                 "Info o systemu", "Parametry"})
            EXPECT_FALSE(hodnota(ini, sekce, klic).isNull()) << sekce.toStdString() << " " << klic;
        // The order sheet recognises T-REMOL entries by titles starting with "T-".
        const QString nazev = hodnota(ini, sekce, "Nazev");
        EXPECT_TRUE(!nazev.isEmpty() && nazev.startsWith(QStringLiteral("T-")) == sekce.startsWith(QStringLiteral("T-")))
            << sekce.toStdString();
        datoveSoubory << hodnota(ini, sekce, "Data").toLower();
    }
    // SELVAN is a placeholder without a calculator or item table; the others have one each.
    EXPECT_TRUE(hodnota(ini, "SELVAN", "Data").isEmpty());
    EXPECT_EQ(datoveSoubory.size(), 13);
    // Saved as UTF-8, this name would not read back through Windows-1250.
    EXPECT_EQ(hodnota(ini, "MIV", "Nazev"), QStringLiteral("MIV - jednoprůduchový"));

    EXPECT_EQ(clsBase64::Decode(hodnota(ini, "UZIVATEL", "Verze")), QStringLiteral("0000000"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^http://[a-z.]+\\.example\\.com/.+\\.rar$"))
                    .match(hodnota(ini, "NASTAVENI", "Aktualizace")).hasMatch());
    EXPECT_EQ(hodnota(ini, "UZIVATEL", "PosledniSynchronizace"), "1.1.2000");
    EXPECT_EQ(hodnota(ini, "UZIVATEL", "Typ"), "0");
    EXPECT_EQ(hodnota(ini, "UZIVATEL", "ExtID"), "1");

    const QList<Sekce> objednavky = precti("Objednavky.ini");
    ASSERT_EQ(objednavky.size(), 1);
    EXPECT_EQ(hodnota(objednavky, "NASTAVENI", "pripojeni"), "0");
    for (const char* klic : {"proxy", "port", "SOCKS5server", "SOCKS5port", "server", "email", "id", "cislo objednavky", "vystup"})
        EXPECT_FALSE(hodnota(objednavky, "NASTAVENI", klic).isNull()) << klic;
}
