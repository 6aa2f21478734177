// The printed costing as a real PDF, read back by pdftotext, and the print dialog from the
// sheet's command to the file.
#include "costing/TiskSorveniky.h"
#include "costing/frmTisk.h"
#include "platform/QtPrintSurface.h"
#include "platform/Regional.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct BezTiskaren : IPrinterCatalog {
    QStringList names() const override { return {}; }
    QString defaultName() const override { return {}; }
};

class TiskPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
        Regional::setCurrent(QStringLiteral("cs_CZ"));
    }
    void TearDown() override { Regional::setCurrent(QString()); }

    // The PDF's text with its layout, pages separated by form feeds.
    static QString text(const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QString pdf(const QString& nazev) const { return dir.filePath(nazev); }

    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", QByteArrayLiteral(SORVENIKA_SOURCE_DIR "/Data")};
    QTemporaryDir dir;
    BezTiskaren zadne;
};

// Each text appears after the one before it.
void poradi(const QString& text, const QStringList& casti) {
    qsizetype od = 0;
    for (const QString& c : casti) {
        const qsizetype i = text.indexOf(c, od);
        EXPECT_GE(i, 0) << c.toStdString() << " missing or out of order";
        if (i >= 0) od = i + c.size();
    }
}

}  // namespace

TEST_F(TiskPdf, SellerTitleItemsAndTotalsInOrder) {
    TiskNastaveni t{true, Integer(1), {}, {}, pdf(QStringLiteral("kalkulace.pdf"))};
    QtPrintSurface plocha(t.tiskarna, t.souborPdf);
    ASSERT_TRUE(TiskniSorveniku(ukazkovaKalkulace(), t, plocha, zadne));
    const QString s = text(pdf(QStringLiteral("kalkulace.pdf")));
    poradi(s, {"Stavebniny Dvořák s.r.o.", "platnost ceníku od 1.1.2026", "Jan Novák", "Brno", "Komínový systém MIV",
               "Průměr komína :", "16 cm", "Orlex (1,2 m)", "Název dílu", "Cena celkem", "Komínová tvárnice", "KT16", "24",
               "189,50", "4 548,00", "Vymetací dvířka", "Patní deska", "Vlastní položka", "0123", "Celkem", "30 ks",
               "Cena s 21% DPH", "8 057,00 Kč", "Poznámka:", "Montáž do 14 dní.", "Doprava zdarma.", "certifikátu CE"});
    EXPECT_FALSE(s.contains(QStringLiteral("Kondenzační jímka")));
    EXPECT_EQ(s.count(QLatin1Char('\f')), 1);
}

TEST_F(TiskPdf, LongBillSpansPagesWithNoLineLost) {
    TiskNastaveni t{true, Integer(1), {}, {}, pdf(QStringLiteral("dlouha.pdf"))};
    QtPrintSurface plocha(t.tiskarna, t.souborPdf);
    ASSERT_TRUE(TiskniSorveniku(dlouhaKalkulace(200), t, plocha, zadne));
    const QString s = text(pdf(QStringLiteral("dlouha.pdf")));
    EXPECT_GE(s.count(QLatin1Char('\f')), 4);
    QStringList polozky;
    for (int i = 1; i <= 200; ++i) polozky << QStringLiteral("Položka %1 ").arg(i);
    poradi(s, polozky);
    EXPECT_EQ(s.count(QStringLiteral("Položka ")), 200);
    poradi(s, {"Položka 200", "Předpokládaná váha", "Poznámka:"});
}

// "Tisk ..." with no printer installed: the list offers a PDF file, OK asks where and two
// copies come out as two files.
TEST_F(TiskPdf, DialogPrintsToPdfFilesWithoutAPrinter) {
    GlobalniData g;
    g.nastaveni.Tiskarna = kPdfSoubor;
    sluzby.dialogs.soubory.push_back(pdf(QStringLiteral("z dialogu.pdf")));
    bool videno = false;
    QTimer::singleShot(50, qApp, [&] {
        auto* okno = qobject_cast<frmTisk*>(QApplication::activeModalWidget());
        if (!okno) return;
        videno = true;
        EXPECT_EQ(okno->windowTitle(), QStringLiteral("Tisk"));
        EXPECT_EQ(okno->C->currentText(), kPdfSoubor);
        EXPECT_TRUE(okno->Check->isChecked());
        okno->txtkopii->setText(QStringLiteral("2"));
        okno->Tlacitko[0]->click();
    });
    ASSERT_TRUE(TiskniSDialogem(nullptr, g, ukazkovaKalkulace(), zadne));
    ASSERT_TRUE(videno);
    EXPECT_EQ(g.nastaveni.Tiskarna, kPdfSoubor);
    EXPECT_TRUE(text(pdf(QStringLiteral("z dialogu.pdf"))).contains(QStringLiteral("Komínový systém MIV")));
    EXPECT_TRUE(text(pdf(QStringLiteral("z dialogu-2.pdf"))).contains(QStringLiteral("Komínový systém MIV")));
}
