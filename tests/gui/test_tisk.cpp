// The printed costing as a real PDF read back by pdftotext, through the print dialog as the
// sheet's command opens it.
#include "costing/TiskSorveniky.h"
#include "costing/frmTisk.h"
#include "engine/Systemy.h"
#include "platform/Regional.h"
#include "support/Dockej.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct BezTiskaren : IPrinterCatalog {
    QStringList names() const override { return {}; }
    QString defaultName() const override { return {}; }
};

QString text(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(kStropCekaniMs);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The page count pdfinfo reads.
int stran(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(kStropCekaniMs);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A word of the PDF and its box in points, as `pdftotext -bbox` reads them back.
struct Slovo {
    double x0, y0, x1, y1;
    QString text;
};

QList<Slovo> slova(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(kStropCekaniMs);
    QList<Slovo> vysledek;
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QStringLiteral("word")) continue;
        const auto a = xml.attributes();
        Slovo s{a.value("xMin").toDouble(), a.value("yMin").toDouble(), a.value("xMax").toDouble(), a.value("yMax").toDouble(), {}};
        s.text = xml.readElementText().replace(QChar(0xA0), QLatin1Char(' '));
        vysledek << s;
    }
    return vysledek;
}

// The totals row that begins with `popisek`: the right edge of its label, and its value (the
// words after the label on that line) with the value's left and right edges.
struct RadekNaPapire {
    double konecPopisku = -1, odHodnoty = -1, doHodnoty = -1;
    QString hodnota;
};

RadekNaPapire radekSouctu(const QList<Slovo>& s, const QString& popisek) {
    const QStringList casti = popisek.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + casti.size() <= s.size(); ++i) {
        bool shoda = true;
        for (qsizetype j = 0; j < casti.size() && shoda; ++j) shoda = s[i + j].text == casti[j] && s[i + j].y0 == s[i].y0;
        if (!shoda) continue;
        RadekNaPapire r;
        r.konecPopisku = s[i + casti.size() - 1].x1;
        QStringList hodnota;
        for (const Slovo& w : s)
            if (w.x0 > r.konecPopisku && std::abs((w.y0 + w.y1) / 2 - (s[i].y0 + s[i].y1) / 2) < 2) {
                hodnota << w.text;
                r.odHodnoty = r.odHodnoty < 0 ? w.x0 : std::min(r.odHodnoty, w.x0);
                r.doHodnoty = std::max(r.doHodnoty, w.x1);
            }
        r.hodnota = hodnota.join(QLatin1Char(' '));
        return r;
    }
    return {};
}

}  // namespace

// Printing over the sample data with the services faked, in Czech regional settings, which go back
// even when a test stops at a failed assertion.
class TiskPdf : public ::testing::Test {
protected:
    void SetUp() override { Regional::setCurrent(QStringLiteral("cs_CZ")); }
    void TearDown() override { Regional::setCurrent(QString()); }
    static bool bezPdftotext() { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", QByteArrayLiteral(SORVENIKA_SOURCE_DIR "/Data")};
    QTemporaryDir dir;
};

// The totals of every printed form, read back from the PDF: each value whole on its label's line,
// clear of the label by a gap, and every value ending at the same right edge, up to the largest
// amount of eight digits.
TEST_F(TiskPdf, TotalsNeverRunIntoTheirLabels) {
    if (bezPdftotext()) GTEST_SKIP() << "pdftotext is not installed";
    const struct {
        const char* system;
        bool ceny;
    } formy[] = {{"MIV", true}, {"MIV", false}, {"T-REMOL", false}};
    constexpr double kMezeraBodu = 3;  // points between a label and its value at the least
    for (const auto& f : formy)
        for (double c : {100946.30, 1234567.89, 29625231.60, 99999999.99}) {
            const QString castka = Regional::current().Format(c);
            const QString pripad = QStringLiteral("%1 %2 %3").arg(QLatin1String(f.system)).arg(f.ceny).arg(castka);
            Kalkulace k = ukazkovaKalkulace();
            k.parametry.System = QString::fromLatin1(f.system);
            k.TisknoutCeny = f.ceny;
            k.soucty = {QStringLiteral("100"), QStringLiteral("30 000"), castka, castka, castka, QStringLiteral("99 999,50")};
            const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
            TiskNastaveni t{true, Integer(1), {}, {}, pdf};
            QtPrintSurface plocha(t.tiskarna, t.souborPdf);
            ASSERT_TRUE(TiskniSorveniku(k, t, plocha, BezTiskaren())) << pripad.toStdString();
            const QList<Slovo> s = slova(pdf);

            std::vector<RadekSouctu> radky{kKusy};
            if (f.ceny) radky.insert(radky.end(), {kCenikovaCena, kCenaSDph});
            else if (jeTRemol(k.parametry.System)) radky.insert(radky.end(), {kCenaBezDph, kCenaSDph});
            radky.push_back(kVaha);
            double pravyOkraj = -1;
            for (RadekSouctu r : radky) {
                const RadekNaPapire p = radekSouctu(s, Kalkulace::popisekSouctu(r, k.DPH));
                const QString hodnota = QString(k.soucty[static_cast<size_t>(r)]).replace(QChar(0xA0), QLatin1Char(' ')) +
                                        QLatin1Char(' ') + Kalkulace::jednotkaSouctu(r);
                ASSERT_EQ(p.hodnota, hodnota) << pripad.toStdString() << " row " << r;
                EXPECT_GE(p.odHodnoty - p.konecPopisku, kMezeraBodu) << pripad.toStdString() << " row " << r;
                if (pravyOkraj < 0) pravyOkraj = p.doHodnoty;
                EXPECT_NEAR(p.doHodnoty, pravyOkraj, 0.5) << pripad.toStdString() << " row " << r;
            }
        }
}

// "Tisk ..." with no printer installed: the remembered PDF entry, two copies in one file, a
// bill of 200 rows over pages with its heading, items and totals in order and no line lost.
TEST_F(TiskPdf, DialogPrintsEveryLineInOrderOverPages) {
    if (bezPdftotext()) GTEST_SKIP() << "pdftotext is not installed";
    GlobalniData g;
    g.nastaveni.Tiskarna = kPdfSoubor;
    sluzby.dialogs.soubory.push_back(dir.filePath(QStringLiteral("kalkulace.pdf")));
    QTimer::singleShot(50, qApp, [&] {
        auto* okno = qobject_cast<frmTisk*>(QApplication::activeModalWidget());
        if (!okno) return;
        EXPECT_TRUE(okno->windowTitle() == QStringLiteral("Tisk") && okno->C->currentText() == kPdfSoubor && okno->Check->isChecked());
        okno->txtkopii->setText(QStringLiteral("2"));
        okno->Tlacitko[0]->click();
    });
    ASSERT_TRUE(TiskniSDialogem(nullptr, g, dlouhaKalkulace(200), BezTiskaren()));
    ASSERT_TRUE(g.tisk.TiskPotvrzen) << "the dialog did not appear";

    const QString s = text(dir.filePath(QStringLiteral("kalkulace.pdf")));
    QStringList casti{"Stavebniny Dvořák s.r.o.", "platnost ceníku od 1.1.2026", "Jan Novák", "Brno", "Komínový systém MIV",
                      "Průměr komína :", "16 cm", "Orlex (1,2 m)", "Název dílu", "Cena celkem"};
    for (int i = 1; i <= 200; ++i) casti << QStringLiteral("Položka %1 ").arg(i);
    casti << "Celkem" << "Cena s 21% DPH" << "8 057,00 Kč" << "Poznámka:" << "Montáž do 14 dní." << "Doprava zdarma na stavbu" << "certifikátu CE";
    qsizetype od = 0;
    for (const QString& c : casti) {
        const qsizetype i = s.indexOf(c, od);
        ASSERT_GE(i, 0) << c.toStdString() << " missing or out of order";
        od = i + c.size();
    }
    // The second copy starts on a page of its own and reads as the first.
    const qsizetype strana = s.indexOf(QStringLiteral("\fStavebniny Dvořák s.r.o."));
    ASSERT_GT(strana, 0);
    EXPECT_EQ(s.left(strana + 1), s.mid(strana + 1));
    EXPECT_EQ(s.count(QStringLiteral("Položka ")), 400);
    EXPECT_TRUE(s.contains(QRegularExpression(QStringLiteral("Položka 1 +A00001 +2 +100,90 +201,80\n"))));
    EXPECT_EQ(stran(dir.filePath(QStringLiteral("kalkulace.pdf"))), 2 * s.left(strana + 1).count(u'\f'));
    EXPECT_GE(s.left(strana).count(u'\f'), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kalkulace.pdf")});
}

// A PDF that cannot be written is a printer error; an error inside a copy, the first or a later
// one, leaves no half file and an existing file as it was.
TEST_F(TiskPdf, FailuresLeaveNoFile) {
    Kalkulace chybna = ukazkovaKalkulace();
    chybna.parametry.Zaznam.PiktogramTisk = QStringLiteral("Pict\\CHYBI.gif");
    const struct {
        Kalkulace k;
        QString pdf, chyba;
    } pripady[] = {{ukazkovaKalkulace(), dir.filePath(QStringLiteral("chybi/k.pdf")), QStringLiteral("Chyba při tisku: 482 (Chyba tiskárny: ")},
                   {chybna, dir.filePath(QStringLiteral("k.pdf")), QStringLiteral("Chyba při tisku: 53 (Soubor nebyl nalezen: ")}};
    for (const auto& c : pripady) {
        TiskNastaveni t{true, Integer(1), {}, {}, c.pdf};
        QtPrintSurface plocha(t.tiskarna, t.souborPdf);
        const Vysledek<> v = TiskniSorveniku(c.k, t, plocha, BezTiskaren());
        EXPECT_TRUE(v.chyba().startsWith(c.chyba)) << v.chyba().toStdString();
        EXPECT_EQ(v.zdroj(), c.chyba.contains(QStringLiteral(" 482 ")) ? QStringLiteral("Tiskárna") : kZdrojProgramu);
        EXPECT_FALSE(QFile::exists(c.pdf));
    }

    // The picture goes missing after the first copy has been drawn.
    struct ChybaVDruheKopii : QtPrintSurface {
        using QtPrintSurface::QtPrintSurface;
        int obrazku = 0;
        void drawImage(const QString& path, int x, int y) override {
            if (++obrazku == 4) throw ChybaSouboru(path);
            QtPrintSurface::drawImage(path, x, y);
        }
    };
    const QString pdf = dir.filePath(QStringLiteral("k.pdf"));
    writeBytes(pdf, "stará kalkulace");
    QFile::setPermissions(pdf, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    TiskNastaveni t{true, Integer(2), {}, {}, pdf};
    ChybaVDruheKopii plocha(t.tiskarna, t.souborPdf);
    EXPECT_TRUE(TiskniSorveniku(ukazkovaKalkulace(), t, plocha, BezTiskaren()).chyba().startsWith(QStringLiteral("Chyba při tisku: 53")));
    EXPECT_EQ(readBytes(pdf), QByteArray("stará kalkulace"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("k.pdf")});

    // Printed whole, it replaces the file and keeps the file's permissions.
    t = {true, Integer(1), {}, {}, pdf};
    QtPrintSurface dobra(t.tiskarna, t.souborPdf);
    ASSERT_TRUE(TiskniSorveniku(ukazkovaKalkulace(), t, dobra, BezTiskaren()));
    EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
    const QFileDevice::Permissions skupinaAOstatni(0x0077);
    EXPECT_EQ(QFile::permissions(pdf) & skupinaAOstatni, QFileDevice::Permissions());
}
