// Qt's own decoders on every shipped picture: what the core test checks from the headers, a
// second reader confirms by decoding the whole file, as the windows and the print will.
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

TEST(SamplePictures, EveryShippedPictureDecodes) {
    QDirIterator it(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Pict"), QDir::Files, QDirIterator::Subdirectories);
    int pocet = 0;
    while (it.hasNext()) {
        const QString f = it.next();
        QImageReader r(f);
        r.setDecideFormatFromContent(true);
        const QString format = QString::fromLatin1(r.format());
        const QImage img = r.read();
        EXPECT_FALSE(img.isNull()) << f.toStdString() << ": " << r.errorString().toStdString();
        // The format found in the content is the one the name gives ("jpg" files decode as "jpeg").
        const QString pripona = QFileInfo(f).suffix().toLower();
        EXPECT_EQ(format.toStdString(), pripona == QStringLiteral("jpg") ? "jpeg" : pripona.toStdString()) << f.toStdString();
        ++pocet;
    }
    // 24 pictograms, 44 cross-sections with their print variants, 31 previews, the logo, the crib.
    EXPECT_EQ(pocet, 101);
}
