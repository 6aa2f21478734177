// The program's file dialogs: the filter of every caller, as the real dialog parses it, lists
// the files it names and no other.
#include "costing/ModelTisku.h"
#include "costing/PrikazyListu.h"
#include "orders/frmImport.h"
#include "orders/frmObjednavka.h"
#include "platform/QtUserDialogs.h"
#include "support/TestSupport.h"
#include "util/Soubory.h"

#include <QFileSystemModel>
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
