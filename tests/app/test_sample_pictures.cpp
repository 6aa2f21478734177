// Every shipped picture must exist under exactly its name, be whole, and fit where it is shown.
// The core has no image decoders, so the headers are read here; tests/gui decodes the same files.
#include "platform/DataPaths.h"
#include "platform/IniFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

namespace {

struct Obrazek {
    QByteArray format;  // "gif", "jpg", "png"; empty when the bytes are no whole picture
    int sirka = 0;
    int vyska = 0;
};

int le16(const QByteArray& b, qsizetype i) {
    return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8;
}
int be16(const QByteArray& b, qsizetype i) {
    return static_cast<unsigned char>(b[i]) << 8 | static_cast<unsigned char>(b[i + 1]);
}

// Signature, size and end marker, so that a truncated file or an LFS pointer fails.
Obrazek precti(const QByteArray& b) {
    if (b.size() < 64) return {};
    if ((b.startsWith("GIF89a") || b.startsWith("GIF87a")) && b.endsWith(';'))
        return {"gif", le16(b, 6), le16(b, 8)};
    if (b.startsWith("\x89PNG\r\n\x1a\n") && b.mid(12, 4) == "IHDR" && b.right(8).startsWith("IEND"))
        return {"png", be16(b, 18), be16(b, 22)};
    if (b.startsWith("\xFF\xD8\xFF") && b.endsWith("\xFF\xD9")) {
        for (qsizetype i = 2; i + 9 < b.size() && static_cast<unsigned char>(b[i]) == 0xFF;) {
            const int m = static_cast<unsigned char>(b[i + 1]);
            if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)
                return {"jpg", be16(b, i + 7), be16(b, i + 5)};
            i += 2 + be16(b, i + 2);
        }
    }
    return {};
}

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");

Obrazek obrazek(const QString& jmeno) {
    const QString cesta = dataFile(jmeno);
    const QString presne = QDir::cleanPath(kData + QLatin1Char('/') + QString(jmeno).replace(QLatin1Char('\\'), QLatin1Char('/')));
    EXPECT_EQ(cesta.toStdString(), presne.toStdString()) << "the case of the name differs from the file's";
    if (!QFileInfo::exists(presne)) {
        ADD_FAILURE() << "missing " << presne.toStdString();
        return {};
    }
    Obrazek o = precti(readBytes(presne));
    EXPECT_FALSE(o.format.isEmpty()) << "not a whole picture";
    EXPECT_TRUE(jmeno.endsWith(QLatin1Char('.') + QString::fromLatin1(o.format), Qt::CaseInsensitive)) << o.format.constData();
    return o;
}

// Pixel limits at 96 dpi from the layouts: summary frame, printed cross-section beside the
// parameter block, half the page top for pictogram or logo, accessory preview square.
struct Mez {
    int sirka, vyska;
};
constexpr Mez kPrurez{100, 90};
constexpr Mez kPrurezTisk{200, 126};
constexpr Mez kHlavickaTisk{346, 73};
constexpr Mez kNahled{400, 400};

void ocekavejMez(const QString& jmeno, const Obrazek& o, Mez m) {
    EXPECT_TRUE(o.sirka >= 16 && o.vyska >= 16 && o.sirka <= m.sirka && o.vyska <= m.vyska)
        << jmeno.toStdString() << " " << o.sirka << "x" << o.vyska;
}

}  // namespace

TEST(SamplePictures, EverySystemPictureAndItsPrintVariant) {
    Prostredi env("SORVENIKA_DATA", kData.toUtf8());
    const QString ini = kData + QStringLiteral("/Sorvenika.ini");
    const int pocet = ini::cti(ini, "NASTAVENI", "Pocet systemu").toInt();
    ASSERT_EQ(pocet, 13);
    int prurezu = 0;
    for (int n = 1; n <= pocet; ++n) {
        const QString sekce = ini::cti(ini, "SYSTEMY", QString::number(n) + "System", 63);
        SCOPED_TRACE(sekce.toStdString());
        auto hodnota = [&](const char* klic) { return ini::cti(ini, sekce, klic, 63); };
        if (hodnota("Data").isEmpty()) continue;  // a placeholder system without a costing

        const QString piktogram = hodnota("Piktogram");
        ASSERT_FALSE(piktogram.isEmpty());
        obrazek(piktogram);
        const QString tisk = hodnota("Piktogram pro tisk");
        ASSERT_FALSE(tisk.isEmpty());
        ocekavejMez(tisk, obrazek(tisk), kHlavickaTisk);

        const QStringList skupiny = hodnota("Piktogram prurez").split(QStringLiteral("||"));
        ASSERT_EQ(skupiny.size(), 2);
        for (const QString& jmeno : skupiny[0].split(u'|') + skupiny.mid(1)) {
            SCOPED_TRACE(jmeno.toStdString());
            ASSERT_TRUE(jmeno.contains(QStringLiteral("_P.")));
            ocekavejMez(jmeno, obrazek(jmeno), kPrurez);
            const QString tiskove = QString(jmeno).replace(QStringLiteral("_P."), QStringLiteral("_P_T."));
            ocekavejMez(tiskove, obrazek(tiskove), kPrurezTisk);
            ++prurezu;
        }
    }
    // 12 systems, MIV with a third picture.
    EXPECT_EQ(prurezu, 25);
}

TEST(SamplePictures, LogoAndAccessoryPreviews) {
    Prostredi env("SORVENIKA_DATA", kData.toUtf8());
    const Obrazek logo = obrazek(QStringLiteral("Pict\\LOGO_T.gif"));
    EXPECT_EQ(logo.format, "gif");
    ocekavejMez("LOGO_T.gif", logo, kHlavickaTisk);

    // Boxes 3 to 7 are hidden hand-over slots and are never previewed.
    for (int i = 0; i <= 35; ++i) {
        if (i >= 3 && i <= 7) continue;
        const QString jmeno = QStringLiteral("Pict\\Prislusenstvi\\%1.jpg").arg(i);
        SCOPED_TRACE(jmeno.toStdString());
        ocekavejMez(jmeno, obrazek(jmeno), kNahled);
    }
}

TEST(SamplePictures, HeaderReaderRefusesBrokenFiles) {
    const QByteArray gif = readBytes(kData + QStringLiteral("/Pict/LOGO_T.gif"));
    const QByteArray jpg = readBytes(kData + QStringLiteral("/Pict/Prislusenstvi/0.jpg"));
    ASSERT_EQ(precti(gif).format, "gif");
    ASSERT_EQ(precti(jpg).format, "jpg");
    const struct {
        const char* co;
        QByteArray bajty;
    } vadne[] = {
        {"truncated GIF", gif.left(gif.size() - 40)},
        {"truncated JPEG", jpg.left(jpg.size() / 2)},
        {"JPEG without a frame header", QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 11) + QByteArray(80, '\0') + "\xFF\xD9"},
        {"LFS pointer", "version https://git-lfs.example/v1\noid sha256:0123456789abcdef\nsize 2061\n"},
    };
    for (const auto& v : vadne) EXPECT_TRUE(precti(v.bajty).format.isEmpty()) << v.co;
}
