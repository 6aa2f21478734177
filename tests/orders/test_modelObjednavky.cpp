// The order sheet without its window: the lists shown and priced, the count editor, the
// removals and the order settings.
#include "orders/ListObjednavky.h"
#include "orders/OdeslaniObjednavky.h"

#include "platform/Cp1250.h"
#include "platform/Errors.h"
#include "support/SelhaniVolani.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QString kNbsp = QStringLiteral("\u00A0");

}  // namespace

TEST(OrderSheet, ListsArePricedFromThePriceList) {
    struct Pripad {
        const char* nazev;
        const char* kody;
        const char* kusy;
        QList<QStringList> radky;
        const char* cena;
        const char* sDph;
    };
    const Pripad pripady[] = {
        {"Sklad", "DVM|DLT|", "2|1|",
         {{"Větrací mřížka DORVA 150 x 150 mm", "DVM", "2", "129,00", "258,00"},
          {"Lepicí tmel DORVA, kbelík 5 kg", "DLT", "1", "349,00", "349,00"}},
         "607,00", "728,40"},
        // Text after the last "|" is no entry; a missing count is 0.
        {"Sklad", "DVM|DLT", "2|1", {{"Větrací mřížka DORVA 150 x 150 mm", "DVM", "2", "129,00", "258,00"}}, "258,00", "309,60"},
        {"Sklad", "DVM|DLT|", "3|", {{"Větrací mřížka DORVA 150 x 150 mm", "DVM", "3", "129,00", "387,00"},
                                     {"Lepicí tmel DORVA, kbelík 5 kg", "DLT", "0", "349,00", "0,00"}}, "387,00", "464,40"},
        // An unknown code stays a row at price 0; an article without a shown price totals 0.
        {"Sklad", "XYZ 1|12345-s|", "4|2|",
         {{"****** Položka XYZ 1 nenalezena ******", "XYZ 1", "4", "0,00", "0,00"}, {"Sada komínová 160 servisní", "12345-s", "2", "", "0,00"}},
         "0,00", "0,00"},
        // "-", which the price list holds as no article, is a code like any other here.
        {"Sklad", "-|", "1|", {{"****** Položka - nenalezena ******", "-", "1", "0,00", "0,00"}}, "0,00", "0,00"},
        // T-REMOL costings: the "-s" article of each code, no prices; counts as whole numbers.
        {"_T-REMOL bez větr. š.", "12345|DVM|", "2.5|-1|",
         {{"Sada komínová 160 servisní", "12345", "2", "0,00", "0,00"}, {"****** Položka DVM nenalezena ******", "DVM", "1", "0,00", "0,00"}},
         "0,00", "0,00"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.kody);
        ListObjednavky l;
        l.pridej(p.nazev, p.kody, p.kusy);
        ASSERT_EQ(l.m.Tabulka.Rows(), p.radky.size() + 1);
        for (int r = 1; r < l.m.Tabulka.Rows(); ++r) EXPECT_EQ(l.radek(r), p.radky[r - 1]) << r;
        EXPECT_EQ(l.m.lblCenaVybraneObjednavky[0], QString::fromUtf8(p.cena));
        EXPECT_EQ(l.m.lblCenaVybraneObjednavky[1], QString::fromUtf8(p.sDph));
        EXPECT_EQ(l.m.lblCenaCelkem[1], QString::fromUtf8(p.sDph));
    }

    // The whole sheet counts every sub-order, shown or not; VAT on halves.
    ListObjednavky l;
    // The headers; the columns share the grid's design width, the name's the widest.
    QStringList hlavicka;
    int sirka = 0;
    for (int c = 0; c < ModelObjednavky::kSloupcu; ++c) {
        hlavicka << l.m.Tabulka.TextMatrix(0, c);
        sirka += l.m.Tabulka.ColWidth(c);
        if (c > 0) {
            EXPECT_LT(l.m.Tabulka.ColWidth(c), l.m.Tabulka.ColWidth(0));
        }
    }
    EXPECT_EQ(hlavicka, (QStringList{"Název dílu", "Objednací znak", "Počet ks", "Cena/ks", "Cena celkem"}));
    EXPECT_LE(sirka, ModelObjednavky::kSirkaMrizky);
    // The price list's first article is found like the others.
    l.pridej("Prvni", l.cenik.text(1, TabulkaArtiklu::ObjCislo) + "|", "1|");
    EXPECT_EQ(l.m.Tabulka.TextMatrix(1, ModelObjednavky::NazevDilu), l.cenik.text(1, TabulkaArtiklu::Nazev));
    l.m.vyprazdni();
    l.m.PridatObjednavku({"A", "DLT|", "3|", {}, {}});
    l.pridej("B", "DVM|", "10|");
    const QString celkem = QStringLiteral("2") + kNbsp + QStringLiteral("337,00");
    EXPECT_EQ(std::tuple(l.m.lblCenaVybraneObjednavky[0], l.m.lblCenaCelkem[0]), std::tuple(QStringLiteral("1") + kNbsp + "290,00", celkem));
    l.m.vyber(0);
    EXPECT_EQ(std::tuple(l.m.lblCenaVybraneObjednavky[0], l.m.lblCenaCelkem[0]), std::tuple(QStringLiteral("1") + kNbsp + "047,00", celkem));
    EXPECT_EQ(l.m.lblCena, QStringLiteral("s 20% DPH:"));
    for (auto [cena, sDph] : {std::pair{10001, "120,10"}, {10000, "120,00"}, {0, "0,00"}})
        EXPECT_EQ(cenaSDph(Currency::fromRaw(cena * 100), Currency::fromInt(20)), QString::fromLatin1(sDph));
}

TEST(OrderSheet, CountEditorAndRemovals) {
    ListObjednavky l;
    ModelObjednavky& m = l.m;
    l.pridej("Sklad", "DVM|XYZ|DLT|", "1|1|1|", "pozn");
    EXPECT_EQ(m.txtPoznamka(), "pozn");
    EXPECT_FALSE(m.Tabulka_KeyPress(u'a'));
    m.Tabulka.setRow(1);
    {
        const ModelObjednavky::Odesilani odesilani(m);  // nothing is edited while an order waits
        EXPECT_FALSE(m.Tabulka_KeyPress(u'5'));
    }
    // Each typed text, the count stored and the row current afterwards (the last row stays).
    const std::tuple<const char*, int, const char*, int> kroky[] = {
        {"7", 1, "7", 2}, {"-3", 2, "3", 3}, {"2.5", 3, "2", 3}, {"3.5", 3, "4", 3}, {"x", 1, "0", 2},
    };
    for (auto [text, radek, ulozeno, dalsi] : kroky) {
        m.Tabulka.setRow(radek);
        ASSERT_TRUE(m.Tabulka_KeyPress(QLatin1Char(text[0] == '-' || text[0] == 'x' ? '1' : text[0])));
        EXPECT_EQ(m.radekEditoru(), radek);
        m.txtBox_Enter(QString::fromLatin1(text));
        EXPECT_EQ(m.Tabulka.TextMatrix(radek, ModelObjednavky::PocetKs), QString::fromLatin1(ulozeno)) << text;
        EXPECT_EQ(m.Tabulka.Row(), dalsi) << text;
    }
    // The unknown code is kept with the rows it stands among.
    EXPECT_EQ(m.Objednavka.Item(1).ObjZnak, "DVM|XYZ|DLT|");
    EXPECT_EQ(m.Objednavka.Item(1).Ks, "0|3|4|");
    // A click drops what was typed.
    ASSERT_TRUE(m.Tabulka_KeyPress(u'5'));
    m.Tabulka_Click();
    m.txtBox_Enter(QStringLiteral("5"));
    EXPECT_EQ(m.Objednavka.Item(1).Ks, "0|3|4|");

    // Removing a row drops what was being typed into it.
    m.Tabulka.setRow(2);
    ASSERT_TRUE(m.Tabulka_KeyPress(u'9'));
    m.cmdKomponentyOdebrat_Click();
    EXPECT_EQ(m.radekEditoru(), 0);
    EXPECT_EQ(m.Objednavka.Item(1).ObjZnak, "DVM|DLT|");
    EXPECT_EQ(m.Objednavka.Item(1).Cena, Currency::fromInt(4 * 349));
    m.cmdKomponentyOdebrat_Click();
    EXPECT_TRUE(m.cmdKomponentyOdebrat());
    m.cmdKomponentyOdebrat_Click();
    EXPECT_EQ(m.Tabulka.Rows(), 1);
    EXPECT_FALSE(m.cmdKomponentyOdebrat());
    EXPECT_FALSE(m.Tabulka_KeyPress(u'5'));  // no item row to edit, the header least of all
    EXPECT_EQ(m.Objednavka.Item(1).ObjZnak + m.Objednavka.Item(1).Ks, "");
    EXPECT_EQ(m.lblCenaVybraneObjednavky[0], "0,00");

    // The price list appends to the selected sub-order only.
    m.pridejPolozku({}, QStringLiteral("DLT"), QStringLiteral("2"));
    m.zobrazObjednavku();
    EXPECT_EQ(m.Tabulka.Rows(), 2);
    EXPECT_TRUE(m.cmdKomponentyOdebrat());

    l.pridej("Druhá", "DVM|", "1|");
    m.txtPoznamka_Change(QStringLiteral("druhá"));
    // A digit opens the editor on one sub-order; another picked, Enter changes nothing there.
    m.Tabulka.setRow(1);
    ASSERT_TRUE(m.Tabulka_KeyPress(u'5'));
    m.vyber(0);
    m.txtBox_Enter(QStringLiteral("5"));
    EXPECT_EQ(m.Objednavka.Item(1).Ks + m.Objednavka.Item(2).Ks, "2|1|");
    m.vyber(0);
    EXPECT_EQ(m.txtPoznamka(), "pozn");
    m.cmdOdebratObjednavku_Click();
    EXPECT_EQ(m.lstObjednavky, QStringList{"Druhá"});
    EXPECT_EQ(m.ListIndex(), 0);
    EXPECT_EQ(m.txtPoznamka(), "druhá");
    m.cmdOdebratObjednavku_Click();
    EXPECT_EQ(m.Tabulka.Rows(), 1);
    EXPECT_FALSE(m.cmdKomponentyPridat() || m.cmdKomponentyOdebrat() || m.cmdOdebratObjednavku());
    EXPECT_FALSE(m.maVybranouPodobjednavku());
    for (const QString& t : {m.lblCenaVybraneObjednavky[0], m.lblCenaVybraneObjednavky[1], m.lblCenaCelkem[0], m.lblCenaCelkem[1]})
        EXPECT_EQ(t, "");
    m.objednavkaNaSklad();
    EXPECT_TRUE(m.cmdOdebratObjednavku());
    EXPECT_EQ(m.ListIndex(), -1);
    m.cmdOdebratObjednavku_Click();  // none selected: none removed
    m.vyber(1);                       // past the last entry: none selected
    EXPECT_EQ(std::pair(m.Objednavka.Count(), m.ListIndex()), std::pair(1, -1));

    // Emptied after an order went: nothing is left to edit or add to.
    l.pridej("Třetí", "DVM|", "1|");
    m.Tabulka.setRow(1);
    ASSERT_TRUE(m.Tabulka_KeyPress(u'5'));
    m.vyprazdni();
    EXPECT_EQ(m.radekEditoru(), 0);
    EXPECT_FALSE(m.cmdKomponentyPridat() || m.cmdKomponentyOdebrat() || m.maVybranouPodobjednavku());

    // Positions outside the collection are run-time error 9.
    m.objednavkaNaSklad();
    for (int i : {0, 2}) {
        EXPECT_THROW(m.Objednavka.Item(i), RuntimeError) << i;
        EXPECT_THROW(m.Objednavka.Remove(i), RuntimeError) << i;
    }
    EXPECT_EQ(m.Objednavka.Count(), 1);
    // A key finds its sub-order whatever the case, wherever it moved; a key is given once.
    clsObjednavka& o = m.Objednavka;
    o.Add("Klíčová", "", "", "", {}, "k1");
    EXPECT_EQ(cisloChyby([&] { o.Add("Druhá", "", "", "", {}, "K1"); }), 457);
    o.Add("Třetí", "", "", "", {}, "k3");
    o.Remove(2);
    EXPECT_EQ(&o.Item("K3"), &o.Item(2));
    for (const char* k : {"k1", ""}) EXPECT_EQ(cisloChyby([&] { o.Item(k); }), 5) << k;

    // The first of several rows.
    ListObjednavky d;
    d.pridej("Sklad", "DVM|DLT|XYZ|", "1|2|3|");
    d.m.Tabulka.setRow(1);
    d.m.cmdKomponentyOdebrat_Click();
    EXPECT_EQ(d.m.Objednavka.Item(1).ObjZnak + d.m.Objednavka.Item(1).Ks, "DLT|XYZ|2|3|");
    EXPECT_EQ(std::pair(d.m.Tabulka.Rows(), d.m.lblCenaVybraneObjednavky[0]), std::pair(3, QStringLiteral("698,00")));
}

TEST(OrderSheet, SettingsKeepOtherKeysAndTheNumberPast16Bits) {
    Instalace inst;
    FakeServices sluzby;
    const QString soubor = inst.data + QStringLiteral("/Objednavky.ini");
    writeBytes(soubor, cp1250::encode("[NASTAVENI]\r\npripojeni=2\r\nid=" + QString(200, u'K') +
                                      "\r\ncislo objednavky=40000\r\nemail=a@b.cz\r\n[JINE]\r\nid=9\r\n"));
    {
        const TabulkaArtiklu cenik;
        ModelObjednavky m(cenik, {});
        EXPECT_EQ(m.Objednavka.CisloObjednavky(), 40000);
        EXPECT_EQ(m.txtID, QString(200, u'K'));
        EXPECT_EQ(m.txtMail, "a@b.cz");
        EXPECT_EQ(m.txtDatumExpediceRok + "/" + m.txtDatumExpediceMesic + "/" + m.txtDatumExpediceDen, "2026/12/");
        m.Objednavka.setCisloObjednavky(32768);
        m.Objednavka.setVystup(QStringLiteral("/kopie"));
    }
    EXPECT_EQ(readBytes(soubor), "[NASTAVENI]\r\npripojeni=2\r\nid=" + QByteArray(200, 'K') +
                                     "\r\ncislo objednavky=32768\r\nemail=a@b.cz\r\nvystup=/kopie\r\n[JINE]\r\nid=9\r\n");
}

// Settings that cannot be read (a failing disk or share, a process out of descriptors) leave the
// sheet empty: the sheet names the file as it opens, the send names it instead of asking for the
// folder, and the end writes nothing over it. A missing file reads as empty, is named nowhere
// and is written at the end.
TEST(OrderSheet, UnreadableSettingsAreNamedAndNotWrittenAtTheEnd) {
    const QByteArray obsah = "[NASTAVENI]\r\nemail=a@b.cz\r\nid=K-17\r\ncislo objednavky=120\r\nvystup=/kopie\r\n";
    // klient: only the send's HTTP client fails to read them, after the sheet read them whole.
    const struct { int chyba; const char* duvod; QByteArray potom; bool klient = false; } pripady[] = {
        {EIO, "Chyba vstupu/výstupu", obsah},
        {ENOENT, nullptr, "[NASTAVENI]\r\nemail=\r\nid=\r\ncislo objednavky=121\r\nvystup=\r\n"},
        {EIO, "Chyba vstupu/výstupu", "[NASTAVENI]\r\nemail=a@b.cz\r\nid=K-17\r\ncislo objednavky=121\r\nvystup=/kopie\r\n", true},
        {EMFILE, "Příliš mnoho otevřených souborů", obsah},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.chyba);
        // The undefined-behaviour checker opens a pipe to test each object's memory.
        if (p.chyba == EMFILE && kSeSanitizery) GTEST_SKIP() << "the sanitizers need descriptors of their own";
        Instalace inst;
        FakeServices sluzby;
        const QString soubor = inst.data + QStringLiteral("/Objednavky.ini");
        if (p.duvod) writeBytes(soubor, obsah);
        else QFile::remove(soubor);
        const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
            std::optional<SelhaniCteni> s;
            const auto selhej = [&] { return !p.duvod || s.emplace(p.chyba).nastaveno(); };
            if (!p.klient && !selhej()) return "seccomp";
            const TabulkaArtiklu cenik;
            ModelObjednavky m(cenik, {});
            if (p.klient && !selhej()) return "seccomp";
            clsHTTP http;
            if (s && !s->konec()) return "konec";
            m.PridatObjednavku({"A", "DVM|", "1|", {}, {}});
            m.Objednavka.setCisloObjednavky(121);
            m.cmbZavod = 0;
            const Hlaseni<Fokus> h = mnuOdeslat_Click(m, http);
            return (m.chybaCteni(http) + " | " + (h.odmitnuti ? h.odmitnuti->zprava : QStringLiteral("odesláno"))).toUtf8();
        });
        const QString chyba = p.duvod ? "Soubor " + soubor + " nelze přečíst: " + p.duvod + "." : QString();
        EXPECT_EQ(QString::fromUtf8(zprava), chyba + " | " + (p.duvod ? chyba : kChybiVystup));
        EXPECT_EQ(readBytes(soubor), p.potom);
    }
}
