// The costing sheet's commands without the window: the note editor's texts, the order entry, the
// HTML save loop, the mailed costing, the print, the customer-database copy and the updater.
#include "costing/PrikazyListu.h"

#include "engine/EngineFixture.h"
#include "platform/DataPaths.h"
#include "util/Soubory.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

Souprava souprava(int pocet, const char* popis) {
    Souprava s;
    s.Pocet = Integer(pocet);
    s.Popis = QString::fromUtf8(popis);
    return s;
}

const QString kLhuta = QStringLiteral("Dodací lhůta je 10 pracovních dní od potvrzení objednávky.\r\n");

// An HTML writer that writes a small page, or fails with `chyba`.
struct Html {
    QStringList cesty;
    QString chyba;
    VystupyListu vystupy() {
        VystupyListu v;
        v.Sorvenika2Html = [this](const Kalkulace& k, const QString& cesta) -> Vysledek<> {
            cesty << cesta;
            if (!chyba.isEmpty()) return Chyba{chyba};
            writeBytes(cesta, k.parametry.System.toUtf8());
            return {};
        };
        return v;
    }
};

}  // namespace

TEST(PrikazyListu, SystemTextOfTheNoteEditor) {
    Kalkulace k;
    SorvenikaParametry& p = k.parametry;
    p.ZakladniSoupravy.pridej(souprava(1, "Základní A"));
    p.ZakladniSoupravy.pridej(souprava(0, "nepoužitá"));
    p.Sady.pridej(souprava(2, "Sada B"));
    p.SadyStred.pridej(souprava(1, "Střed C"));
    p.SoupravyPaty.pridej(souprava(1, "Pata D"));
    k.PopisSadyOrlex = QStringLiteral("Orlex E");
    const QString soupravy = QStringLiteral("Základní A\r\n\r\nSada B\r\n\r\nPata D\r\n\r\n");
    const struct {
        const char* system;
        const char* prurez;
        int ukonceni;
        QString text;
    } pripady[] = {
        {"MIV", "12", 3, soupravy + QStringLiteral("Orlex E") + kLhuta},
        {"MIV", "25", 4, soupravy},
        {"KARNELO", "20", 1, soupravy + kLhuta},
        {"KARNELO", "25", 1, soupravy},
        {"T-REMOL2S", "16", 5,
         soupravy + QStringLiteral("\r\n\r\nKonečnou cenu a dodací podmínky dojednejte s naším obchodním partnerem - stavebninami.")},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << c.system << " " << c.prurez);
        p.System = QString::fromLatin1(c.system);
        p.Prurez = QString::fromLatin1(c.prurez);
        p.Ukonceni = c.ukonceni;
        EXPECT_EQ(SystemovyText(k), c.text);
    }
}

TEST(PrikazyListu, OrderEntryTakesItemRowsAsCodesAndFreeRowsIntoTheNote) {
    PevneNastaveni cs;
    Kalkulace k;
    SorvenikaParametry& p = k.parametry;
    p.Zaznam.Nazev = QStringLiteral("MIV - jednoprůduchový");
    p.System = QStringLiteral("MIV");
    p.Sachta = true;
    p.Prurez = QStringLiteral("16");
    p.Vyska = 8.5f;
    p.Ukonceni = 3;
    p.Poznamka = QStringLiteral("pozn.");
    EXPECT_EQ(PridaniDoObjednavky(k),
              (PolozkaObjednavky{QStringLiteral("MIV - jednoprůduchový s větr. š., průměr: 16, výška: 8,5 m, ukončení: ORLEX"),
                                 {}, {}, QStringLiteral("pozn."), {}}));

    auto radek = [](const char* kod, float ks, bool volny) {
        RadekKalkulace r;
        r.Nazev = QStringLiteral("Lávka");
        r.ObjZnak = QString::fromLatin1(kod);
        r.Ks = ks;
        r.volny = volny;
        r.skryty = !volny && ks == 1;
        return r;
    };
    k.radky = {radek("A1", 2, false), radek("A2", 0, false), radek("A3", 1, false), radek("L1", 3, true),
               radek("L2", 0, true)};
    k.soucty[kCenaBezDph] = QStringLiteral("12 345,00");
    const PolozkaObjednavky miv = PridaniDoObjednavky(k);
    EXPECT_EQ(std::tuple(miv.ObjZnaky, miv.Kusy, miv.Poznamka, miv.Cena),
              std::tuple(QStringLiteral("A1|A3|"), QStringLiteral("2|1|"), QStringLiteral("Lávka L1 - 3\r\npozn."), Currency()));

    p.System = p.Zaznam.Nazev = QStringLiteral("T-REMOL");
    p.Sachta = false;
    p.Ukonceni = 5;
    const PolozkaObjednavky tremol = PridaniDoObjednavky(k);
    EXPECT_EQ(tremol.Nazev, QStringLiteral("_T-REMOL bez větr. š., průměr: 16, výška: 8,5 m, ukončení: "));
    EXPECT_EQ(tremol.Poznamka, QStringLiteral("T-Remol - Cena bez DPH  12 345,00 Kč\r\n\r\n\r\nLávka L1 - 3\r\npozn."));
    EXPECT_EQ(tremol.ObjZnaky, miv.ObjZnaky);
}

TEST(PrikazyListu, NoteThroughTheEditorKeepsItsLinesAndLosesOnlyOuterBlanks) {
    const struct {
        const char* zEditoru;
        const char* poznamka;
    } pripady[] = {{"  a  b  ", "a  b"}, {"   ", ""}, {"a\n", "a\r\n"}, {" a\n\nb ", "a\r\n\r\nb"}, {"\ta \n", "\ta \r\n"},
                   {"a\r\nb", "a\r\nb"}};
    for (const auto& c : pripady) EXPECT_EQ(PoznamkaZEditoru(QString::fromLatin1(c.zEditoru)), QString::fromLatin1(c.poznamka));
    const QString s = QStringLiteral("a\r\n\r\nb");
    EXPECT_EQ(doEditoru(s), QStringLiteral("a\n\nb"));
    EXPECT_EQ(PoznamkaZEditoru(doEditoru(s)), s);
}

TEST(PrikazyListu, HtmlSaveLoopAsksBeforeOverwritingAndRemembersTheFolder) {
    Instalace inst;
    FakeServices sluzby;
    FakeDialogs& d = sluzby.dialogs;
    Html html;
    Kalkulace k;
    k.parametry.System = QStringLiteral("MIV");
    const QString slozka = inst.dir.filePath(QStringLiteral("vystup"));
    const QString stary = slozka + QStringLiteral("/stary.htm"), novy = slozka + QStringLiteral("/novy.htm");
    writeBytes(stary, "old");
    auto ulozenaSlozka = [&] { return CtiIni(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("Export HTML")); };

    // Cancelled at once, or at the overwrite question: nothing written, nothing remembered.
    d.soubory = {QString(), stary};
    d.odpovedi = {Odpoved::Cancel};
    UlozJakoHtml(k, html.vystupy());
    UlozJakoHtml(k, html.vystupy());
    EXPECT_EQ(html.cesty, QStringList());
    EXPECT_EQ(ulozenaSlozka(), QString());
    EXPECT_EQ(readBytes(stary), "old");
    ASSERT_EQ(d.zpravy.size(), 1);
    EXPECT_EQ(std::tuple(d.zpravy[0].text, d.zpravy[0].tlacitka, d.zpravy[0].ikona),
              std::tuple(kSouborExistuje, Tlacitka::YesNoCancel, Ikona::Vykricnik));

    // No asks again; the new file is written and its folder is where the next dialog starts.
    d.zpravy.clear();
    d.soubory = {stary, novy};
    d.odpovedi = {Odpoved::No};
    UlozJakoHtml(k, html.vystupy());
    EXPECT_EQ(html.cesty, QStringList{novy});
    EXPECT_EQ(ulozenaSlozka(), slozka);
    EXPECT_EQ(d.texty(), QStringList({kSouborExistuje, kSorvenikaUlozena}));
    // Yes overwrites; a failing writer says so and nothing claims it saved.
    d.zpravy.clear();
    d.soubory = {stary};
    d.odpovedi = {Odpoved::Yes};
    html.chyba = QStringLiteral("Šablona nenalezena");
    UlozJakoHtml(k, html.vystupy());
    EXPECT_EQ(html.cesty.last(), stary);
    EXPECT_EQ(d.texty(), QStringList({kSouborExistuje, html.chyba}));

    // A file at the root remembers "/" (the writer still fails: nothing lands there); a
    // remembered Windows folder starts at home.
    d.soubory = {QStringLiteral("/sorvenika-test.htm")};
    UlozJakoHtml(k, html.vystupy());
    EXPECT_EQ(ulozenaSlozka(), QStringLiteral("/"));
    ASSERT_TRUE(ZapisIni(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("Export HTML"), QStringLiteral("C:\\Export")));
    UlozJakoHtml(k, html.vystupy());
    const QString domov = QDir::homePath();
    EXPECT_EQ(d.slozkyUlozeni, QStringList({domov, domov, domov, domov, slozka, slozka, domov}));
}

TEST(PrikazyListu, MailedCostingIsHandedOverUnderTheSystemsName) {
    Instalace inst;
    FakeServices sluzby;
    Html html;
    Kalkulace k;
    k.parametry.System = QStringLiteral("KARNELO");
    const QString temp = inst.data + QStringLiteral("/SorvTemp");
    writeBytes(temp + QStringLiteral("/MIV.htm"), "předchozí");

    PosliEmailem(k, html.vystupy());
    EXPECT_EQ(html.cesty, QStringList{temp + QStringLiteral("/KARNELO.htm")});
    EXPECT_EQ(QDir(temp).entryList(QDir::Files), QStringList{QStringLiteral("KARNELO.htm")});
    ASSERT_EQ(sluzby.desktop.maily.size(), 1);
    ASSERT_EQ(sluzby.desktop.maily[0].size(), 1);
    const QFileInfo priloha(sluzby.desktop.maily[0][0]);
    EXPECT_EQ(priloha.fileName(), QStringLiteral("KARNELO.htm"));
    EXPECT_EQ(readBytes(priloha.filePath()), "KARNELO");

    html.chyba = QStringLiteral("Šablona nenalezena");
    PosliEmailem(k, html.vystupy());
    EXPECT_EQ(sluzby.desktop.maily.size(), 1);
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList{html.chyba});
}

TEST(PrikazyListu, PrintOnlyWhenConfirmedAndItsErrorReported) {
    FakeServices sluzby;
    Kalkulace k;
    bool potvrzeno = false;
    int tisku = 0;
    VystupyListu v;
    v.frmTisk = [&] { return potvrzeno; };
    v.TiskniSorveniku = [&](const Kalkulace&) {
        if (++tisku == 2) throw RuntimeError(482, QStringLiteral("Tiskárna neodpovídá"));
    };
    for (bool p : {false, true, true}) {
        potvrzeno = p;
        Tiskni(k, v);
    }
    EXPECT_EQ(tisku, 2);
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    const Zprava& z = sluzby.dialogs.zpravy[0];
    EXPECT_EQ(std::tuple(z.text, z.ikona, z.tlacitka), std::tuple(QStringLiteral("Chyba při tisku: 482 (Tiskárna neodpovídá)"), Ikona::Zadna, Tlacitka::Ok));
}

TEST(PrikazyListu, CustomerDatabaseCopyReplacesWholeOrReports) {
    Instalace inst;
    FakeServices sluzby;
    Nastaveni n;
    n.Zakaznici = QStringLiteral("Zakaznici");
    const QString cil = inst.dir.filePath(QStringLiteral("kopie.dbf"));
    writeBytes(inst.data + QStringLiteral("/Zakaznici.dbf"), "dbf-1");
    sluzby.dialogs.soubory = {cil};
    ExportDatabazeZakazniku(n);
    EXPECT_EQ(readBytes(cil), "dbf-1");
    EXPECT_EQ(sluzby.dialogs.slozkyUlozeni, QStringList{QDir::homePath()});

    QFile::remove(inst.data + QStringLiteral("/Zakaznici.dbf"));
    sluzby.dialogs.soubory = {cil};
    sluzby.dialogs.odpovedi = {Odpoved::Yes};
    ExportDatabazeZakazniku(n);
    EXPECT_EQ(readBytes(cil), "dbf-1");
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 2);
    EXPECT_TRUE(sluzby.dialogs.zpravy[1].text.contains(QStringLiteral("nelze přečíst")));
}

TEST(PrikazyListu, UpdaterBesideTheProgramOrAMessage) {
    Instalace inst;
    FakeServices sluzby;
    EXPECT_TRUE(SpustAktualizaci());
    sluzby.desktop.spustitelne = false;
    EXPECT_FALSE(SpustAktualizaci());
    const QStringList a1{appPath() + QStringLiteral("/A1")};
    EXPECT_EQ(sluzby.desktop.spustene, QList<QStringList>({a1, a1}));
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
    EXPECT_TRUE(sluzby.dialogs.zpravy[0].text.contains(QStringLiteral("zůstává otevřená")));
}
