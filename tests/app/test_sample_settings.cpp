// The shipped Data/Sorvenika.ini and Data/Objednavky.ini, read byte by byte with a reader of
// their own, so a generator or editor slip (UTF-8, LF line ends, a missing section, a value the
// program would cut) shows here before the program reads a wrong value.
#include "net/clsBase64.h"
#include "platform/Cp1250.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>

namespace {

struct Sekce {
    QString nazev;
    QList<std::pair<QString, QString>> klice;
    QString hodnota(const QString& klic) const {
        for (const auto& [k, v] : klice)
            if (k.compare(klic, Qt::CaseInsensitive) == 0) return v;
        return {};
    }
    bool ma(const QString& klic) const {
        for (const auto& kv : klice)
            if (kv.first.compare(klic, Qt::CaseInsensitive) == 0) return true;
        return false;
    }
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
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (b[i] == '\n') {
            EXPECT_TRUE(i > 0 && b[i - 1] == '\r') << "LF without CR at " << i;
        } else if (b[i] == '\r') {
            EXPECT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "CR without LF at " << i;
        }
    }
}

const QStringList kSystemy = {"MIV", "MIV2R", "MIV2S", "DORVA", "SELVAN", "KARNELO", "KARNELO2S",
                              "KARNELO2R", "T-REMOL", "T-REMOL2S", "T-REMOL2R", "KALVIR", "ORVIK"};
const QStringList kKliceSystemu = {"Nazev", "Nazev pri tisku", "Data", "Piktogram", "Piktogram pro tisk",
                                   "Piktogram prurez", "Info o systemu", "Parametry"};

}  // namespace

TEST(SampleSettings, Windows1250WithCrLf) {
    const QByteArray b = vzorek("Sorvenika.ini");
    ocekavejCrLf(b);
    // Czech letters are single high bytes; a whole UTF-8 sequence (lead byte and its
    // continuation bytes) would mean the file was saved in the wrong encoding.
    auto pokracovani = [&](qsizetype i) {
        return i < b.size() && (static_cast<unsigned char>(b[i]) & 0xC0) == 0x80;
    };
    int vysoke = 0;
    for (qsizetype i = 0; i < b.size(); ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (c < 0x80) continue;
        ++vysoke;
        const int delka = c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : 0;
        bool utf8 = delka > 0;
        for (int k = 1; k <= delka; ++k) utf8 = utf8 && pokracovani(i + k);
        EXPECT_FALSE(utf8) << "UTF-8 sequence at " << i;
    }
    EXPECT_GT(vysoke, 0) << "the sample should carry Czech text to prove its encoding";
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
        EXPECT_EQ(sekce, kSystemy[n - 1]) << n;
        const Sekce* s = najdi(ini, sekce);
        ASSERT_TRUE(s) << sekce.toStdString();
        for (const QString& klic : kKliceSystemu) EXPECT_TRUE(s->ma(klic)) << sekce.toStdString() << " " << klic.toStdString();
        EXPECT_FALSE(s->hodnota("Nazev").isEmpty());
        if (n == 5) continue;  // placeholder without a calculator or item table
        datoveSoubory << s->hodnota("Data").toLower();
        // Without a shaft "||" with a shaft; the print picture replaces "_P." by "_P_T.".
        const QStringList prurez = s->hodnota("Piktogram prurez").split(QStringLiteral("||"));
        ASSERT_EQ(prurez.size(), 2) << sekce.toStdString();
        EXPECT_EQ(prurez[0].split(u'|').size(), sekce == "MIV" ? 2 : 1) << sekce.toStdString();
        for (const QString& obrazek : prurez[0].split(u'|') + prurez.mid(1))
            EXPECT_TRUE(obrazek.contains(QStringLiteral("_P."))) << obrazek.toStdString();
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
    EXPECT_TRUE(o.hodnota("server").endsWith(QStringLiteral(".example.com")));
    for (const char* klic : {"proxy", "port", "SOCKS5server", "SOCKS5port", "email", "id", "cislo objednavky", "vystup"})
        EXPECT_TRUE(o.ma(klic)) << klic;
}
