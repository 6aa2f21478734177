#include "app/QtProgram.h"
#include "costing/QtListSorveniky.h"
#include "orders/frmAdresar.h"
#include "orders/frmImport.h"
#include "platform/QtFlexGridView.h"
#include "support/GuiSupport.h"
#include "support/SlozkaZakazniku.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

QStringList seznam(const QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
}

// Typed as the keyboard does it, Czech letters included (QTest's key helpers take ASCII only).
void napis(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent stisk(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent uvolneni(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &stisk);
        QApplication::sendEvent(w, &uvolneni);
    }
}

// The program started on a copy of the sample data, with its costing sheet loaded.
class OknaZakazniku : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.aplikace().Main());
        list = program.list()->nacti();
    }
    Instalace inst;
    FakeServices sluzby;
    QtProgram program;
    QPointer<frmSorvenika> list;
};

}  // namespace

// The sheet's "Zákazník": the sample book, a new customer typed with Enter between the boxes,
// a delete, the pick into the sheet's customer lines, and the file written at close.
TEST_F(OknaZakazniku, AddressBookFromTheCostingSheet) {
    ASSERT_TRUE(list);
    bool probehlo = false;
    az([] { return modalni<frmAdresar>(); }, [&](QWidget* w) {
        auto* a = static_cast<frmAdresar*>(w);
        EXPECT_EQ(a->windowTitle(), QStringLiteral("Databáze zákazníků"));
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(a->size())) << a->width() << "x" << a->height();
        ASSERT_EQ(a->L->count(), 32);
        EXPECT_EQ(a->Cislo_zaznamu->text(), QStringLiteral("Záznam č. 1 z 32"));
        EXPECT_FALSE(a->txtAdresa[0]->isEnabled());
        EXPECT_FALSE(a->cmbPrikaz[4]->isVisible());
        EXPECT_TRUE(a->cmbPrikaz[ModelAdresare::Zmenit]->isEnabled() && a->cmbPrikaz[ModelAdresare::Smazat]->isEnabled());

        a->cmbPrikaz[ModelAdresare::Novy]->click();
        EXPECT_TRUE(a->cmbPrikaz[4]->isVisible() && !a->cmbPrikaz[0]->isVisible() && !a->cmdVybrat[0]->isVisible());
        EXPECT_FALSE(a->Cislo_zaznamu->isVisible());
        EXPECT_FALSE(a->L->isEnabled());
        // The window's own focus: on a busy machine the window system may still be handing the
        // activation around, and a key sent to the application's focus could reach the menu.
        ASSERT_TRUE(aktivni(a));
        EXPECT_EQ(a->focusWidget(), a->txtAdresa[JMENO]);
        for (const char* text : {"Alois", "Čapek", "Nerudova 3", "1234567", "Kutná Hora"}) {
            napis(a->focusWidget(), QString::fromUtf8(text));
            QTest::keyClick(a->focusWidget(), Qt::Key_Return);
        }
        EXPECT_EQ(a->focusWidget(), a->cmbPrikaz[4]);
        QTest::keyClick(a->cmbPrikaz[4], Qt::Key_Return);
        EXPECT_FALSE(a->txtAdresa[0]->isEnabled());
        EXPECT_EQ(a->L->currentItem()->text(), QStringLiteral("Čapek"));
        EXPECT_EQ(a->L->currentRow(), 4);  // after Cibulka, before Čermák
        EXPECT_EQ(a->txtAdresa[PSC]->text(), QStringLiteral("123456"));
        EXPECT_EQ(a->Cislo_zaznamu->text(), QStringLiteral("Záznam č. 5 z 33"));

        // "Smazat" asks nothing; the entry that moved up is shown.
        a->cmbPrikaz[ModelAdresare::Smazat]->click();
        EXPECT_EQ(std::pair(a->L->count(), a->txtAdresa[PRIJMENI]->text()), std::pair(32, QStringLiteral("Čermák")));

        // Escape drops the customer being typed and keeps the book open.
        a->cmbPrikaz[ModelAdresare::Novy]->click();
        napis(a->txtAdresa[JMENO], QStringLiteral("x"));
        QTest::keyClick(a->txtAdresa[JMENO], Qt::Key_Escape);
        EXPECT_TRUE(a->isVisible() && !a->txtAdresa[JMENO]->isEnabled());
        EXPECT_EQ(std::pair(a->L->count(), a->txtAdresa[PRIJMENI]->text()), std::pair(32, QStringLiteral("Čermák")));
        // A new customer at the end of the list is scrolled to and shown as the file keeps it: the
        // dash, the low quote and Ô would read back as other letters, the closing quote does not.
        a->cmbPrikaz[ModelAdresare::Novy]->click();
        napis(a->txtAdresa[PRIJMENI], QStringLiteral("Žofínský – „Ôsmý“"));
        a->cmbPrikaz[ModelAdresare::Ok]->click();
        EXPECT_EQ(a->txtAdresa[PRIJMENI]->text(), QStringLiteral("Žofínský - \"Osmý“"));
        ASSERT_EQ(a->L->currentRow(), 32);
        EXPECT_TRUE(a->L->viewport()->rect().contains(a->L->visualItemRect(a->L->currentItem()))) << a->L->visualItemRect(a->L->currentItem()).y() << " " << a->L->viewport()->height() << " " << a->L->verticalScrollBar()->value() << "/" << a->L->verticalScrollBar()->maximum() << " vis " << a->isVisible();
        a->cmbPrikaz[ModelAdresare::Smazat]->click();

        a->L->setCurrentRow(18);  // Novák
        a->cmdVybrat[0]->click();
        probehlo = true;
    });
    list->akce(Prikaz::mnu_Zakaznik)->trigger();
    ASSERT_TRUE(probehlo);
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty()) << sluzby.dialogs.texty().join(" | ").toStdString();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list->txtZakaznik[i]->text(), QStringList({"Novák Jan", "Krátká 8", "252 42  Jesenice"})[i]) << i;
    EXPECT_EQ(list->model().kalkulace().zakaznik[0], QStringLiteral("Novák Jan"));

    // Added and deleted: a change, written at close; the book reads the same customers back.
    const Vysledek<Zakaznici> z = NactiZakazniky(inst.data + QStringLiteral("/Zakaznici"));
    ASSERT_TRUE(z);
    EXPECT_EQ(z->size(), 32u);
    EXPECT_NE(readBytes(inst.data + QStringLiteral("/Zakaznici.dbf")),
              readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Zakaznici.dbf")));
}

// Deleting customer after customer asks nothing; the last one the window names, and the book
// is written empty at close.
TEST_F(OknaZakazniku, TheLastCustomerDeletedIsNamed) {
    ASSERT_TRUE(list);
    bool probehlo = false;
    az([] { return modalni<frmAdresar>(); }, [&](QWidget* w) {
        auto* a = static_cast<frmAdresar*>(w);
        probehlo = true;
        for (int i = a->L->count(); i > 1; --i) a->cmbPrikaz[ModelAdresare::Smazat]->click();
        EXPECT_EQ(std::pair(a->L->count(), sluzby.dialogs.zpravy.size()), std::pair(1, qsizetype(0)));
        a->cmbPrikaz[ModelAdresare::Smazat]->click();
        EXPECT_FALSE(a->cmbPrikaz[ModelAdresare::Zmenit]->isEnabled() || a->cmbPrikaz[ModelAdresare::Smazat]->isEnabled());
        EXPECT_TRUE(zaviraciPolicko(a));
    });
    list->akce(Prikaz::mnu_Zakaznik)->trigger();
    ASSERT_TRUE(probehlo);
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    const Zprava& zprava = sluzby.dialogs.zpravy[0];
    EXPECT_EQ(std::tuple(zprava.text, zprava.tlacitka, zprava.ikona, zprava.titulek),
              std::tuple(QStringLiteral("Toto byl poslední záznam v databázi"), Tlacitka::Ok, Ikona::Zadna, kTitulekAplikace));
    const Vysledek<Zakaznici> z = NactiZakazniky(inst.data + QStringLiteral("/Zakaznici"));
    ASSERT_TRUE(z);
    EXPECT_EQ(z->size(), 0u);
}

// A file cut short is named once as the book opens; a close without a change leaves it as it is.
TEST_F(OknaZakazniku, ACutFileIsNamedOnceAsTheBookOpens) {
    ASSERT_TRUE(list);
    const QString dbf = inst.data + QStringLiteral("/Zakaznici.dbf");
    const QByteArray obsah = readBytes(dbf).chopped(2);  // the end mark and the last record's last byte
    writeBytes(dbf, obsah);
    az([] { return modalni<frmAdresar>(); }, [](QWidget* w) { EXPECT_TRUE(zaviraciPolicko(w)); });
    list->akce(Prikaz::mnu_Zakaznik)->trigger();
    EXPECT_EQ(std::pair(sluzby.dialogs.texty(), sluzby.dialogs.zpravy.value(0).ikona),
              std::pair(QStringList{QStringLiteral("Soubor %1 je neúplný (počet záznamů podle hlavičky: 32, v souboru: 31). "
                                                   "Program pokračuje jen s načtenými záznamy.").arg(dbf)},
                        Ikona::Vykricnik));
    EXPECT_TRUE(readBytes(dbf) == obsah);
}

// The close box while a customer is typed: "Ano" stores it as "Ok" does, "Ne" drops it, "Storno"
// keeps the window and the text. Nothing typed, nothing asked, also after a change ended with "Ok".
TEST(OknoAdresare, TheCloseBoxAsksAboutTheCustomerBeingTyped) {
    const struct { int prikaz; const char* napsano; std::optional<Odpoved> odpoved; const char* kniha; bool poZmene = false; } radky[] = {
        {ModelAdresare::Novy, "Novák", Odpoved::Yes, "Adam Novák Zelený"},
        {ModelAdresare::Novy, "Novák", Odpoved::No, "Adam Zelený"},
        {ModelAdresare::Novy, "Novák", Odpoved::Cancel, "Adam Zelený"},
        {ModelAdresare::Novy, "", std::nullopt, "Adam Zelený"},
        {ModelAdresare::Novy, "", std::nullopt, "Adam Zelený", true},
        {ModelAdresare::Zmenit, "Zoul", Odpoved::Yes, "Zelený Zoul"},
        {ModelAdresare::Zmenit, "Zoul", Odpoved::No, "Adam Zelený"},
        {ModelAdresare::Zmenit, "Zoul", Odpoved::Cancel, "Adam Zelený"},
        {ModelAdresare::Zmenit, "", std::nullopt, "Adam Zelený"},
    };
    for (const auto& r : radky) {
        SCOPED_TRACE(&r - radky);
        SlozkaZakazniku k;
        ASSERT_TRUE(UlozZakazniky(k.soubor, {Zakaznik{QStringLiteral("Adam")}, Zakaznik{QStringLiteral("Zelený")}}));
        frmAdresar a(k.soubor, {});
        ASSERT_TRUE(a.nacti());
        a.show();
        if (r.poZmene) a.cmbPrikaz[ModelAdresare::Zmenit]->click(), a.cmbPrikaz[ModelAdresare::Ok]->click();
        a.cmbPrikaz[r.prikaz]->click();
        QTest::keyClick(a.txtAdresa[PRIJMENI], Qt::Key_A, Qt::ControlModifier);
        napis(a.txtAdresa[PRIJMENI], QString::fromUtf8(r.napsano));
        if (r.odpoved) k.sluzby.dialogs.odpovedi = {*r.odpoved};
        const bool zavreno = r.odpoved != Odpoved::Cancel;
        EXPECT_EQ(zaviraciPolicko(&a), zavreno);
        const FakeDialogs& d = k.sluzby.dialogs;
        EXPECT_EQ(std::tuple(d.texty(), d.zpravy.value(0).tlacitka, d.zpravy.value(0).ikona),
                  r.odpoved ? std::tuple(QStringList{kUlozitRozpracovany}, Tlacitka::YesNoCancel, Ikona::Otaznik) : std::tuple(QStringList(), Tlacitka::Ok, Ikona::Zadna));
        EXPECT_EQ(seznam(a.L).join(u' '), QString::fromUtf8(r.kniha));
        EXPECT_EQ(*NactiZakazniky(k.soubor), a.model().tabulka());  // what the book holds, in its file
        EXPECT_EQ(a.isVisible(), !zavreno && a.model().upravy() && a.txtAdresa[PRIJMENI]->text() == QString::fromUtf8(r.napsano));
    }
}

// The sheet's "Import databáze zákazníků": the sample export loaded, the header ticked, the
// columns chosen, the overwrite question answered and the book opened on the result.
TEST_F(OknaZakazniku, ImportFromTheCostingSheet) {
    ASSERT_TRUE(list);
    const QByteArray puvodni = readBytes(inst.data + QStringLiteral("/Zakaznici.dbf"));
    bool probehlo = false;
    az([] { return modalni<frmImport>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmImport*>(w);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Import databáze zákazníků"));
        EXPECT_TRUE(vejdeSeNaMalouObrazovku(f->size())) << f->width() << "x" << f->height();
        EXPECT_FALSE(f->Check1->isEnabled() || f->cmdUlozit->isEnabled());

        f->mnu_napoveda->trigger();
        EXPECT_EQ(sluzby.desktop.otevrene, QStringList{inst.data + QStringLiteral("/Help/import.htm")});

        sluzby.dialogs.soubory.push_back(testData(QStringLiteral("import/zakaznici.csv")));
        f->mnu_Import->trigger();
        EXPECT_TRUE(f->Check1->isEnabled() && f->cmdUlozit->isEnabled());
        ASSERT_EQ(f->T->model()->rowCount(), 5);
        EXPECT_EQ(f->T->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Sloupec č. 4"));
        EXPECT_EQ(f->cmb[ModelImportu::Jmeno]->count(), 5);
        QTest::mouseClick(f->Check1, Qt::LeftButton, {}, QPoint(6, f->Check1->height() / 2));
        EXPECT_TRUE(f->model().prvniRadekNazvy());
        // No column chosen yet: refused before the overwrite question, nothing written.
        QTest::mouseClick(f->cmdUlozit, Qt::LeftButton);
        EXPECT_EQ(sluzby.dialogs.texty(), QStringList{kZadnySloupec});
        EXPECT_TRUE(f->isVisible());
        for (auto [seznam, sloupec] : {std::pair{ModelImportu::Prijmeni, 0}, {ModelImportu::Jmeno, 1},
                                       {ModelImportu::Ulice, 2}, {ModelImportu::Psc, 3}, {ModelImportu::Mesto, 4}}) {
            f->cmb[seznam]->setCurrentIndex(sloupec);
            emit f->cmb[seznam]->activated(sloupec);
        }

        // Cancel in the overwrite question changes nothing; OK replaces the file and closes.
        sluzby.dialogs.odpovedi = {Odpoved::Cancel};
        f->cmdUlozit->click();
        EXPECT_EQ(readBytes(inst.data + QStringLiteral("/Zakaznici.dbf")), puvodni);
        EXPECT_TRUE(f->isVisible());
        sluzby.dialogs.odpovedi = {Odpoved::Ok, Odpoved::Ok};
        f->cmdUlozit->click();
        probehlo = true;
    });
    list->akce(Prikaz::mnu_Import)->trigger();
    ASSERT_TRUE(probehlo);
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList({kZadnySloupec, "Původní databáze bude přepsána !!!",
                                                   "Původní databáze bude přepsána !!!", "Databáze byla úspěšně importována"}));
    EXPECT_EQ(sluzby.dialogs.zpravy[1].titulek, QStringLiteral("Upozornění"));

    mezikrok();
    bool kniha = false;
    az([] { return modalni<frmAdresar>(); }, [&](QWidget* w) {
        auto* a = static_cast<frmAdresar*>(w);
        EXPECT_EQ(seznam(a->L), QStringList({"Adámek", "Bartoš", "Beneš", "Cibulka"}));
        a->L->setCurrentRow(3);
        EXPECT_EQ(a->txtAdresa[ULICE]->text(), QStringLiteral("Polní 3"));
        kniha = true;
        zaviraciPolicko(a);
    });
    list->akce(Prikaz::mnu_Zakaznik)->trigger();
    EXPECT_TRUE(kniha) << sluzby.dialogs.texty().join(QStringLiteral("|")).toStdString();
    EXPECT_TRUE(list->txtZakaznik[0]->text().isEmpty());
}
