// Every shipped picture exists under exactly the name the settings give it, decodes whole with
// Qt's own readers, as the windows and the print load it, and fits where it is shown.
#include "platform/DataPaths.h"
#include "platform/IniFile.h"
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");

// Pixel limits at 96 dpi from the layouts: menu button (scaled down to fit), summary frame, printed cross-section
// beside the parameter block, half the page top for pictogram or logo, accessory preview square, the crib
// sheet on the smallest screen.
constexpr QSize kTlacitko{400, 400}, kPrurez{100, 90}, kPrurezTisk{200, 126}, kHlavickaTisk{346, 73}, kNahled{400, 400},
                kTahak{800, 600};

void ocekavej(const QString& jmeno, QSize mez, QSet<QString>& videno) {
    SCOPED_TRACE(jmeno.toStdString());
    const QString cesta = dataFile(jmeno);
    EXPECT_EQ(cesta, QDir::cleanPath(kData + QLatin1Char('/') + QString(jmeno).replace(u'\\', u'/')))
        << "the case of the name differs from the file's";
    ASSERT_TRUE(QFileInfo::exists(cesta));
    QImageReader r(cesta);
    r.setDecideFormatFromContent(true);
    const QString format = QString::fromLatin1(r.format()).replace(QStringLiteral("jpeg"), QStringLiteral("jpg"));
    const QImage obraz = r.read();
    ASSERT_FALSE(obraz.isNull()) << r.errorString().toStdString();
    EXPECT_TRUE(jmeno.endsWith(QLatin1Char('.') + format, Qt::CaseInsensitive)) << format.toStdString();
    // A truncated file may still decode; its end marker is gone.
    const QByteArray b = readBytes(cesta);
    EXPECT_TRUE(b.endsWith(";") || b.endsWith("\xFF\xD9") || b.right(8).startsWith("IEND"));
    EXPECT_TRUE(obraz.width() >= 16 && obraz.height() >= 16 && obraz.width() <= mez.width() &&
                obraz.height() <= mez.height())
        << obraz.width() << "x" << obraz.height();
    videno << cesta;
}

}  // namespace

TEST(SamplePictures, EveryPictureTheSettingsNameAndEveryPreview) {
    Prostredi env("SORVENIKA_DATA", kData.toUtf8());
    const QString ini = kData + QStringLiteral("/Sorvenika.ini");
    QSet<QString> videno;
    int prurezu = 0;
    for (int n = 1; n <= 13; ++n) {
        const QString sekce = ini::cti(ini, "SYSTEMY", QString::number(n) + "System", 63);
        auto hodnota = [&](const char* klic) { return ini::cti(ini, sekce, klic, 63); };
        if (hodnota("Data").isEmpty()) continue;  // a placeholder system without a costing
        ocekavej(hodnota("Piktogram"), kTlacitko, videno);
        ocekavej(hodnota("Piktogram pro tisk"), kHlavickaTisk, videno);
        const QStringList skupiny = hodnota("Piktogram prurez").split(QStringLiteral("||"));
        ASSERT_EQ(skupiny.size(), 2) << sekce.toStdString();
        for (const QString& jmeno : skupiny[0].split(u'|') + skupiny.mid(1)) {
            ASSERT_TRUE(jmeno.contains(QStringLiteral("_P."))) << jmeno.toStdString();
            ocekavej(jmeno, kPrurez, videno);
            ocekavej(QString(jmeno).replace(QStringLiteral("_P."), QStringLiteral("_P_T.")), kPrurezTisk, videno);
            ++prurezu;
        }
    }
    EXPECT_EQ(prurezu, 25);  // 12 systems, MIV with a third picture
    ocekavej(QStringLiteral("Pict\\LOGO_T.gif"), kHlavickaTisk, videno);
    ocekavej(QStringLiteral("Pict/Tahak.png"), kTahak, videno);
    // Boxes 3 to 7 are hidden hand-over slots and are never previewed.
    for (int i = 0; i <= 35; ++i)
        if (i < 3 || i > 7) ocekavej(QStringLiteral("Pict\\Prislusenstvi\\%1.jpg").arg(i), kNahled, videno);

    // Nothing else is shipped.
    QDirIterator it(kData + QStringLiteral("/Pict"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) EXPECT_TRUE(videno.contains(it.next())) << it.filePath().toStdString();
}
