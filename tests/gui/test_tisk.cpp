// The printed costing as a real PDF read back by pdftotext, through the print dialog as the
// sheet's command opens it.
#include "costing/TiskSorveniky.h"
#include "costing/frmTisk.h"
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

}  // namespace

// "Tisk ..." with no printer installed: the remembered PDF entry, two copies in one file, a
// bill of 200 rows over pages with its heading, items and totals in order and no line lost.
TEST(TiskPdf, DialogPrintsEveryLineInOrderOverPages) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", QByteArrayLiteral(SORVENIKA_SOURCE_DIR "/Data")};
    Regional::setCurrent(QStringLiteral("cs_CZ"));
    QTemporaryDir dir;
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
    Regional::setCurrent(QString());
}

// A PDF that cannot be written is a printer error; an error inside a copy, the first or a later
// one, leaves no half file and an existing file as it was.
TEST(TiskPdf, FailuresLeaveNoFile) {
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", QByteArrayLiteral(SORVENIKA_SOURCE_DIR "/Data")};
    QTemporaryDir dir;
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
