// The update check: the version line and the notice as pure rules, then once against the stand-in
// server, answering and silent.
#include "app/KontrolaAktualizace.h"
#include "platform/Cp1250.h"
#include "platform/Services.h"
#include "support/Peers.h"
#include "support/TestSupport.h"
#include "util/XmlElement.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

const QDate kProgram(2009, 4, 9);
const QString kNovaVerze = QStringLiteral("K dispozici je nová verze: [%1]\r\nProveďte prosím aktualizaci programu.\r\n\r\n");

}  // namespace

TEST(KontrolaAktualizace, VersionLineAndNotice) {
    EXPECT_EQ(DatumVerze("verze: 9.4.2009"), kProgram);
    EXPECT_EQ(DatumVerze("verze:15.4.2009"), DatumVerze("verze: 15. 4 .2009"));
    for (const char* zly : {"verze: 9.4", "verze: 9.4.2009.1", "verze: a.4.2009", "verze: 31.4.2009", "verze: -1.4.2009"})
        EXPECT_FALSE(DatumVerze(zly).isValid()) << zly;
    EXPECT_EQ(AdresaInfa("http://h/a.rar/Sorvenika.rar"), "http://h/a.nfo/Sorvenika.nfo");
    EXPECT_EQ(AdresaInfa("http://h/S.RAR"), "http://h/S.RAR");
    EXPECT_EQ(xml_get_element("a <Sdeleni1>x</SDELENI1>", "sdeleni1"), "x");
    EXPECT_EQ(xml_get_element("bez otevreni ........ </sdeleni1>", "sdeleni1"), "");
    EXPECT_EQ(xml_get_element("</sdeleni1><sdeleni1>", "sdeleni1"), "");

    struct { QString odpoved; bool dostupny; QString oznameni; } pripady[] = {
        {"500", false, {}},
        {"", false, {}},
        {"bla", true, {}},
        {"verze: 9.4.2009", true, {}},
        {"verze: 8.4.2009", true, {}},
        {"Verze: 10.4.2009", true, {}},
        {"x\r\nverze: 10.4.2009", true, kNovaVerze.arg("10.4.2009") + "Text"},       // the last line, no CR LF
        {"verze: 9.4.2009\r\nverze: 1.1.2010\r\n", true, {}},                           // only the first counts
        {"verze: 10.4.2009x\r\n", true, {}},                                            // not a date: none
    };
    for (const auto& p : pripady) {
        const InfoOAktualizaci i = VyhodnotAktualizaci(p.odpoved, "Text", kProgram);
        EXPECT_EQ(i.serverDostupny, p.dostupny) << p.odpoved.toStdString();
        EXPECT_EQ(i.oznameni.value_or(QString()), p.oznameni) << p.odpoved.toStdString();
    }
}

TEST(KontrolaAktualizace, AgainstTheStandInAnsweringAndSilent) {
    FakeDialogs dialogs;
    platform::setDialogs(&dialogs);
    for (const QString& porucha : {QString(), QStringLiteral("ticho")}) {
        QTemporaryDir dir;
        Prostredi data("SORVENIKA_DATA", dir.path().toUtf8());
        writeBytes(dir.filePath("server/www/s/Sorvenika.nfo"),
                   cp1250::encode(QStringLiteral("Sorvenika\r\nverze: 10.4.2009\r\n<SDELENI1>Opravy <b>ceníku</b><br>"
                                                 "a objednávek</sdeleni1>\r\n")));
        auto server = Peer::zastupnyServer(dir.filePath("server"), porucha);
        ASSERT_TRUE(server->chyba().isEmpty()) << server->chyba().toStdString();
        writeBytes(dir.filePath("Objednavky.ini"), QStringLiteral("[NASTAVENI]\r\npripojeni=1\r\n").toLatin1());
        GlobalniData g;
        g.nastaveni.Aktualizace = QStringLiteral("http://127.0.0.1:%1/s/Sorvenika.rar").arg(server->port());
        dialogs.zpravy.clear();
        QElapsedTimer cas;
        cas.start();
        KontrolaAktualizace().ZkontrolujAktualizaci(g);
        if (porucha.isEmpty()) {
            EXPECT_TRUE(g.ServerDostupny);
            EXPECT_EQ(dialogs.texty(), QStringList{kNovaVerze.arg("10.4.2009") + QStringLiteral("Opravy ceníku\r\na objednávek")});
        } else {
            EXPECT_FALSE(g.ServerDostupny);
            EXPECT_TRUE(dialogs.zpravy.isEmpty());
            EXPECT_LT(cas.elapsed(), 8000);
        }
    }
    platform::setDialogs(nullptr);
}
