// The program's file dialogs: the filter of every caller, as the real dialog parses it, lists
// the files it names and no other. The message boxes: text shown as text, a screen at most, and
// the focus back where it was.
#include "costing/ModelTisku.h"
#include "costing/PrikazyListu.h"
#include "orders/frmImport.h"
#include "orders/frmObjednavka.h"
#include "platform/QtUserDialogs.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"
#include "util/Soubory.h"

#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct BezTiskaren : IPrinterCatalog {
    QStringList names() const override { return {}; }
    QString defaultName() const override { return {}; }
};

}  // namespace

TEST(FileDialogs, EveryCallersFilterListsItsFiles) {
    Instalace inst;
    FakeServices sluzby;
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(inst.data + QStringLiteral("/Art"));
    {
        frmObjednavka::Sluzby s;
        s.cenik = &cenik;
        frmObjednavka list(s);
        list.mnuImportObjednavky_Click();
        list.model().objednavkaNaSklad();
        list.mnuExportObjednavky_Click();
    }
    frmImport(inst.data + QStringLiteral("/Zakaznici")).mnu_Import_Click();
    ExportDatabazeZakazniku(Nastaveni{});
    VyberHtmlKUlozeni();
    TiskNastaveni t;
    QString tiskarna;
    ModelTisku(t, tiskarna, BezTiskaren()).ok();
    ASSERT_EQ(sluzby.dialogs.filtry.size(), 6);

    for (const QList<FiltrSouboru>& filtr : sluzby.dialogs.filtry) {
        QTemporaryDir dir;
        QStringList soubory;
        for (const FiltrSouboru& f : filtr) {
            soubory << QStringLiteral("soubor") + f.vzor.mid(1);
            writeBytes(dir.filePath(soubory.last()), "x");
        }
        writeBytes(dir.filePath(QStringLiteral("jiny.txt")), "x");
        const std::unique_ptr<QFileDialog> d = souborovyDialog(QFileDialog::AcceptOpen, {}, filtr, dir.path(), {});
        const auto* model = d->findChild<QFileSystemModel*>();
        ASSERT_TRUE(model);
        const QModelIndex koren = model->index(dir.path());
        const auto videt = [&] {
            QStringList v;
            for (int r = 0; r < model->rowCount(koren); ++r) v << model->index(r, 0, koren).data().toString();
            return v;
        };
        ASSERT_EQ(d->nameFilters().size(), filtr.size());
        for (qsizetype i = 0; i < filtr.size(); ++i) {
            SCOPED_TRACE(d->nameFilters()[i].toStdString());
            EXPECT_EQ(d->nameFilters()[i], filtr[i].popis) << "the description shows its pattern once";
            d->selectNameFilter(d->nameFilters()[i]);
            // The model reads the folder in a thread and applies a filter when its delayed sort runs.
            EXPECT_TRUE(QTest::qWaitFor([&] { return videt() == QStringList{soubory[i]}; }, 30000)) << videt().join(u' ').toStdString();
        }
    }
}

// Text from files and servers in a real box: markup and entities stay as they were written, with
// no link to open; a text longer than a screen keeps its beginning and its end (1 M characters
// took seconds to lay out); and the window that had the focus has it again after every box.
TEST(MessageBoxes, TextShownAsTextCutToAScreenAndTheFocusBack) {
    FakeServices sluzby;
    QtUserDialogs dialogy;
    QWidget okno;
    auto* pole = new QLineEdit(&okno);
    okno.show();
    okno.activateWindow();
    ASSERT_TRUE(aktivni(&okno));
    pole->setFocus();

    const QString znacky = QStringLiteral("Objednávka „<a href=\"https://example.cz\">x</a>“: &lt;b&gt; <b>tučně</b>");
    const QString poznamka = QStringLiteral("Kopie objednávky 457.htm už je ve složce pro kopie, nová kopie je uložena jako 457-2.htm.");
    QString radky;
    for (int i = 1; i <= 60; ++i) radky += QStringLiteral("řádek %1\r\n").arg(i);
    const struct {
        QString text;
        QString zacatek, konec;  // what the box shows first and last
        bool zkraceno;
    } pripady[] = {
        {znacky, znacky, znacky, false},
        {QString(1000000, u'x') + u'\n' + poznamka, QString(1000, u'x') + QStringLiteral("\n…\n"), poznamka, true},
        {radky, QStringLiteral("řádek 1\r\nřádek 2\r\n"), QStringLiteral("řádek 60\r\n"), true},
    };
    const QString kZkraceno = QStringLiteral("\n\n(Zpráva je příliš dlouhá, zobrazen je jen její začátek a konec.)");
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text.left(40).toStdString());
        QString ukazano;
        Qt::TextFormat format = Qt::AutoText;
        az(modalni<QMessageBox>, [&](QWidget* w) {
            const auto* stitek = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ukazano = stitek->text();
            format = stitek->textFormat();
            QTest::keyClick(w, Qt::Key_Return);
        });
        EXPECT_EQ(dialogy.zprava(Zprava{p.text}), Odpoved::Ok);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_TRUE(ukazano.startsWith(p.zacatek)) << ukazano.left(80).toStdString();
        EXPECT_TRUE(ukazano.endsWith(p.zkraceno ? p.konec + kZkraceno : p.konec)) << ukazano.right(200).toStdString();
        EXPECT_LE(ukazano.size(), 1500 + kZkraceno.size());
        EXPECT_LE(ukazano.count(u'\n'), 28);
        EXPECT_EQ(ukazano.contains(QStringLiteral("řádek 30\r")), false);
        EXPECT_TRUE(aktivni(&okno));
        EXPECT_EQ(QApplication::focusWidget(), pole);
    }
}

// A box with no window active (the start's messages come before the main menu), and one whose
// window closed, or went, while it was up: the answer comes back, no window is activated or
// shown again by it, and the program goes on.
TEST(MessageBoxes, WithoutAWindowAndOverAWindowThatClosedMeanwhile) {
    FakeServices sluzby;
    QtUserDialogs dialogy;
    enum Okno { Zadne, Zavrene, Smazane };
    for (const Okno o : {Zadne, Zavrene, Smazane}) {
        SCOPED_TRACE(o);
        QPointer<QWidget> okno;
        if (o != Zadne) {
            okno = new QWidget;
            okno->setAttribute(Qt::WA_DeleteOnClose, o == Smazane);
            okno->show();
            okno->activateWindow();
            ASSERT_TRUE(aktivni(okno));
        }
        ASSERT_EQ(QApplication::activeWindow(), okno.data());
        bool ukazana = false;
        // Closed from an event the box's own loop handles, as a window goes on a timer or a reply.
        az(modalni<QMessageBox>, [&](QWidget*) {
            ukazana = true;
            if (okno) okno->close();
            QTimer::singleShot(0, qApp, [] {
                if (QWidget* box = modalni<QMessageBox>()) QTest::keyClick(box, Qt::Key_Escape);
            });
        });
        EXPECT_EQ(dialogy.zprava(Zprava{QStringLiteral("Zpráva"), Tlacitka::YesNo}), Odpoved::No);
        EXPECT_TRUE(ukazana);
        mezikrok();
        EXPECT_EQ(okno.isNull(), o != Zavrene);
        EXPECT_FALSE(okno && okno->isVisible());
        EXPECT_EQ(QApplication::activeWindow(), nullptr);
        delete okno;
    }
}
