// The one page-from-template writer, through its three callers (the costing, the offer and the
// order page), and the line-end pair.
#include "platform/StrankaZeSablony.h"

#include "costing/Sorvenika2Html.h"
#include "offers/NabidkaHtml.h"
#include "orders/ListObjednavky.h"
#include "orders/ObjednavkaXml.h"
#include "platform/KonceRadku.h"
#include "support/UkazkaVystupu.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

// Without its template each page is one message naming the template; the old page stays and no
// new one appears. With it, the page is written.
TEST(StrankaZeSablony, MissingTemplateIsOneMessageAndNothingWritten) {
    ListObjednavky l;  // the sample installation, with its fake services
    l.pridej(QStringLiteral("A"), QStringLiteral("DVM|"), QStringLiteral("1|"));
    const TabulkaArtiklu& cenik = l.cenik;
    const std::vector<SystemZaznam> systemy(14);
    clsNabidka nabidka;
    struct Pripad {
        const char* sablona;
        std::function<Vysledek<>(const QString&)> zapis;
    } pripady[] = {
        {"vystup.htm", [](const QString& cil) { return Sorvenika2Html(ukazkovaKalkulace(), cil); }},
        {"nabidka.htm", [&](const QString& cil) { return UlozJakoHtml(nabidka, cil, true, true, {cenik, systemy, QDateTime()}); }},
        {"objednavka.htm", [&](const QString& cil) { return Objednavka2Html(l.m, QStringLiteral("HRAB"), QStringLiteral("1"), cil); }},
    };
    for (const Pripad& p : pripady) {
        const QString sablona = l.inst.data + QLatin1Char('/') + QLatin1String(p.sablona);
        const QString stara = l.inst.dir.filePath(QStringLiteral("stara.htm")), nova = l.inst.dir.filePath(QStringLiteral("nova.htm"));
        ASSERT_TRUE(p.zapis(nova)) << p.sablona;
        EXPECT_TRUE(readBytes(nova).contains("</html>")) << p.sablona;
        QFile::remove(nova);

        ASSERT_TRUE(QFile::rename(sablona, sablona + QStringLiteral(".pryc")));
        writeBytes(stara, "stará stránka");
        for (const QString& cil : {stara, nova}) {
            const Vysledek<> v = p.zapis(cil);
            EXPECT_FALSE(v) << p.sablona;
            EXPECT_EQ(v.chyba(), QStringLiteral("Soubor ") + QDir::toNativeSeparators(sablona) + QStringLiteral(" neexistuje !"));
        }
        EXPECT_EQ(readBytes(stara), QByteArray("stará stránka")) << p.sablona;
        EXPECT_FALSE(QFile::exists(nova)) << p.sablona;
        EXPECT_TRUE(l.sluzby.dialogs.zpravy.isEmpty()) << p.sablona;
        ASSERT_TRUE(QFile::rename(sablona + QStringLiteral(".pryc"), sablona));
    }
}

// Placeholders replaced in order at every occurrence, a value holding a later one filled again;
// the page leaves in Windows-1250 with other characters as references.
TEST(StrankaZeSablony, FillsInOrderAndWritesWindows1250) {
    Instalace inst;
    const std::pair<const char*, QString> nahrady[] = {{"a", QStringLiteral("<!--b-->ž")}, {"b", QStringLiteral("π")}};
    EXPECT_EQ(vyplnZnacky(QStringLiteral("<!--a-->|<!--b-->|<!--a-->|<!--A-->"), nahrady, QLatin1StringView("<!--"),
                          QLatin1StringView("-->")),
              QStringLiteral("πž|π|πž|<!--A-->"));
    writeBytes(inst.data + QStringLiteral("/t.htm"), "[\x9E] \r\n");
    const QString cil = inst.dir.filePath(QStringLiteral("Nova/t.htm"));
    ASSERT_TRUE(zapisStranku(QStringLiteral("t.htm"), cil, [](QString s) { return s.replace(QStringLiteral("ž"), QStringLiteral("π ž")); }));
    EXPECT_EQ(readBytes(cil), QByteArray("[&#960; \x9E] \r\n"));
    // An empty template would make an empty page: refused like a missing one.
    writeBytes(inst.data + QStringLiteral("/t.htm"), " \r\n");
    const Vysledek<> v = zapisStranku(QStringLiteral("t.htm"), cil, [](QString s) { return s + QStringLiteral("x"); });
    EXPECT_TRUE(!v && v.chyba().contains(QStringLiteral("t.htm")) && v.chyba().endsWith(QStringLiteral(" je prázdná !")));
    EXPECT_EQ(readBytes(cil), QByteArray("[&#960; \x9E] \r\n"));
}

TEST(KonceRadku, EveryBreakToCrLfAndBack) {
    struct { QString text, crlf, lf; } pripady[] = {
        {QStringLiteral("a\nb"), QStringLiteral("a\r\nb"), QStringLiteral("a\nb")},
        {QStringLiteral("a\r\nb\r\n"), QStringLiteral("a\r\nb\r\n"), QStringLiteral("a\nb\n")},
        {QStringLiteral("a\rb"), QStringLiteral("a\r\nb"), QStringLiteral("a\rb")},
        {QStringLiteral("a") + QChar::ParagraphSeparator + QStringLiteral("b"), QStringLiteral("a\r\nb"),
         QStringLiteral("a") + QChar::ParagraphSeparator + QStringLiteral("b")},
        {QStringLiteral("\n\r\n\r"), QStringLiteral("\r\n\r\n\r\n"), QStringLiteral("\n\n\r")},
        {QStringLiteral("a\n\rb"), QStringLiteral("a\r\n\r\nb"), QStringLiteral("a\n\rb")},
        {QString(), QString(), QString()},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(radky::naCrLf(p.text), p.crlf) << p.text.toStdString();
        EXPECT_EQ(radky::naLf(p.text), p.lf) << p.text.toStdString();
        EXPECT_EQ(radky::naCrLf(radky::naLf(p.crlf)), p.crlf);  // a text box's round trip keeps stored text
    }
}
