// The costing sheet's commands without the window: the note editor's system text, the order
// entry, the HTML save loop, the mailed costing, the print, the customer-database copy and the
// updater.
#include "costing/PrikazyListu.h"

#include "engine/EngineFixture.h"
#include "platform/DataPaths.h"
#include "util/Soubory.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// An HTML writer that writes the system's name as the page, or fails with `chyba`.
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
    for (auto [seznam, pocet, popis] : {std::tuple(&p.ZakladniSoupravy, 1, "Základní A"), std::tuple(&p.ZakladniSoupravy, 0, "nepoužitá"),
                                        std::tuple(&p.Sady, 2, "Sada B"), std::tuple(&p.SadyStred, 1, "Střed C"),
                                        std::tuple(&p.SoupravyPaty, 1, "Pata D")}) {
        Souprava s;
        s.Pocet = Integer(pocet);
        s.Popis = QString::fromUtf8(popis);
        seznam->pridej(s);
    }
    k.PopisSadyOrlex = QStringLiteral("Orlex E");
    const QString soupravy = QStringLiteral("Základní A\r\n\r\nSada B\r\n\r\nPata D\r\n\r\n");
    const QString lhuta = QStringLiteral("Dodací lhůta je 10 pracovních dní od potvrzení objednávky.\r\n");
    const struct {
        const char* system;
        const char* prurez;
        int ukonceni;
        QString text;
    } pripady[] = {
        {"MIV", "12", 3, soupravy + QStringLiteral("Orlex E") + lhuta},
        {"MIV", "25", 4, soupravy},
        {"KARNELO", "20", 1, soupravy + lhuta},
        {"T-REMOL2S", "16", 5,
         soupravy + QStringLiteral("\r\n\r\nKonečnou cenu a dodací podmínky dojednejte s naším obchodním partnerem - stavebninami.")},
    };
    for (const auto& c : pripady) {
        p.System = QString::fromLatin1(c.system);
        p.Prurez = QString::fromLatin1(c.prurez);
        p.Ukonceni = c.ukonceni;
        EXPECT_EQ(SystemovyText(k), c.text) << c.system << " " << c.prurez;
    }
}

TEST(PrikazyListu, OrderEntryTakesItemRowsAsCodesAndFreeRowsIntoTheNote) {
    PevneNastaveni cs;
    Kalkulace k;
    SorvenikaParametry& p = k.parametry;
    p.Zaznam.Nazev = p.System = QStringLiteral("MIV");
    p.Sachta = true;
    p.Prurez = QStringLiteral("16");
    p.Vyska = 8.5f;
    p.Ukonceni = 1;
    p.Poznamka = QStringLiteral("pozn.");
    EXPECT_EQ(PridaniDoObjednavky(k), (PolozkaObjednavky{QStringLiteral("MIV s větr. š., průměr: 16, výška: 8,5 m, ukončení: obezdívka"),
                                                         {}, {}, QStringLiteral("pozn."), {}}));

    for (auto [kod, ks, volny] : {std::tuple("A1", 2, false), std::tuple("A2", 0, false), std::tuple("A3", 1, false),
                                  std::tuple("L1", 3, true), std::tuple("L2", 0, true)})
        k.radky.push_back({QStringLiteral("Lávka"), QString::fromLatin1(kod), {}, float(ks), {}, {}, 0, false, volny});
    k.soucty[kCenaBezDph] = QStringLiteral("12 345,00");
    p.System = p.Zaznam.Nazev = QStringLiteral("T-REMOL");
    p.Ukonceni = 5;
    EXPECT_EQ(PridaniDoObjednavky(k),
              (PolozkaObjednavky{QStringLiteral("_T-REMOL s větr. š., průměr: 16, výška: 8,5 m, ukončení: "), QStringLiteral("A1|A3|"),
                                 QStringLiteral("2|1|"),
                                 QStringLiteral("T-Remol - Cena bez DPH  12 345,00 Kč\r\n\r\n\r\nLávka L1 - 3\r\npozn."), {}}));
}

TEST(PrikazyListu, HtmlSaveLoopAsksBeforeOverwritingAndRemembersTheFolder) {
    Instalace inst;
    FakeServices sluzby;
    FakeDialogs& d = sluzby.dialogs;
    Html html;
    Kalkulace k;
    const QString slozka = inst.dir.filePath(QStringLiteral("vystup"));
    const QString stary = slozka + QStringLiteral("/stary.htm"), novy = slozka + QStringLiteral("/novy.htm");
    writeBytes(stary, "old");
    auto ulozena = [&] { return CtiIni(inst.ini(), QStringLiteral("UZIVATEL"), QStringLiteral("Export HTML")); };
    const struct {
        QStringList soubory;
        std::deque<Odpoved> odpovedi;
        QString chyba;
        QStringList zapsano;
        QStringList zpravy;
        QString slozka;  // remembered afterwards
    } kroky[] = {
        // Cancelled in the dialog or at the overwrite question: nothing written or remembered.
        {{QString()}, {}, {}, {}, {}, QString()},
        {{stary}, {Odpoved::Cancel}, {}, {}, {kSouborExistuje}, QString()},
        // No asks again.
        {{stary, novy}, {Odpoved::No}, {}, {novy}, {kSouborExistuje, kSorvenikaUlozena}, slozka},
        // A failing writer says so, and nothing claims it saved.
        {{stary}, {Odpoved::Yes}, QStringLiteral("Šablona nenalezena"), {stary}, {kSouborExistuje, QStringLiteral("Šablona nenalezena")}, slozka},
        // At the root "/" is remembered (the writer fails, so nothing lands there).
        {{QStringLiteral("/sorvenika.htm")}, {}, QStringLiteral("x"), {QStringLiteral("/sorvenika.htm")}, {QStringLiteral("x")}, QStringLiteral("/")},
    };
    for (const auto& c : kroky) {
        d.zpravy.clear();
        html.cesty.clear();
        d.soubory.assign(c.soubory.begin(), c.soubory.end());
        d.odpovedi = c.odpovedi;
        html.chyba = c.chyba;
        UlozJakoHtml(k, html.vystupy());
        EXPECT_EQ(html.cesty, c.zapsano);
        EXPECT_EQ(d.texty(), c.zpravy);
        EXPECT_EQ(ulozena(), c.slozka);
    }
    EXPECT_EQ(readBytes(stary), "old");
    // A remembered folder that is not here (a Windows one) starts at home.
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
    EXPECT_EQ(QDir(temp).entryList(QDir::Files), QStringList{QStringLiteral("KARNELO.htm")});
    ASSERT_EQ(sluzby.desktop.maily.size(), 1);
    const QFileInfo priloha(sluzby.desktop.maily[0].value(0));
    EXPECT_EQ(std::pair(priloha.fileName(), readBytes(priloha.filePath())), std::pair(QStringLiteral("KARNELO.htm"), QByteArray("KARNELO")));

    // The mail program's refusal is shown by the command.
    sluzby.desktop.navratPosty = 3;
    PosliEmailem(k, html.vystupy());
    ASSERT_EQ(sluzby.dialogs.texty().size(), 1);
    EXPECT_TRUE(sluzby.dialogs.texty()[0].startsWith(QStringLiteral("Chyba č. 3\n")));
    // One that comes after the command returned (it does not wait) is shown when it comes.
    sluzby.desktop.postaOdpovidaHned = false;
    sluzby.dialogs.zpravy.clear();
    const QObject kontext;
    QTimer::singleShot(0, &kontext, [&] { sluzby.desktop.odpovediPosty.takeFirst()(3); });
    PosliEmailem(k, html.vystupy());
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(sluzby.dialogs.texty().size(), 1);
    EXPECT_TRUE(sluzby.dialogs.texty()[0].startsWith(QStringLiteral("Chyba č. 3\n")));

    html.chyba = QStringLiteral("Šablona nenalezena");
    sluzby.dialogs.zpravy.clear();
    PosliEmailem(k, html.vystupy());
    EXPECT_EQ(sluzby.desktop.maily.size(), 3);
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList{html.chyba});
}

TEST(PrikazyListu, CustomerDatabaseCopyAndUpdaterReportWhatFails) {
    Instalace inst;
    FakeServices sluzby;

    Nastaveni n;
    n.Zakaznici = QStringLiteral("Zakaznici");
    const QString cil = inst.dir.filePath(QStringLiteral("kopie.dbf"));
    writeBytes(inst.data + QStringLiteral("/Zakaznici.dbf"), "dbf-1");
    sluzby.dialogs.soubory = {cil, cil};
    sluzby.dialogs.odpovedi = {Odpoved::Yes};
    ExportDatabazeZakazniku(n);
    EXPECT_EQ(readBytes(cil), "dbf-1");
    QFile::remove(inst.data + QStringLiteral("/Zakaznici.dbf"));
    ExportDatabazeZakazniku(n);
    EXPECT_EQ(readBytes(cil), "dbf-1");
    EXPECT_EQ(sluzby.dialogs.slozkyUlozeni, QStringList({QDir::homePath(), QDir::homePath()}));
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 2);
    EXPECT_TRUE(sluzby.dialogs.zpravy[1].text.contains(QStringLiteral("nelze přečíst")));

    EXPECT_TRUE(SpustAktualizaci());
    sluzby.desktop.spustitelne = false;
    EXPECT_TRUE(SpustAktualizaci().chyba().contains(QStringLiteral("zůstává otevřená")));
    const QStringList a1{appPath() + QStringLiteral("/A1")};
    EXPECT_EQ(sluzby.desktop.spustene, QList<QStringList>({a1, a1}));
}
