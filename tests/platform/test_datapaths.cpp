#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/Guard.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DataPaths, WindowsPathsResolveCaseInsensitivelyUnderTheDataFolder) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data"));
    writeBytes(data + QStringLiteral("/Pict/MIV_P.gif"), "x");
    writeBytes(data + QStringLiteral("/Nabidky/UlozeneNabidky.txt"), "y");
    Prostredi env("SORVENIKA_DATA", data.toUtf8());

    EXPECT_EQ(dataDir(), QDir::cleanPath(data));
    EXPECT_EQ(appPath(), QDir::cleanPath(dir.path()));
    struct { QString dotaz; QString ocekavano; } cases[] = {
        {QStringLiteral("Pict\\MIV_P.gif"), data + QStringLiteral("/Pict/MIV_P.gif")},
        {QStringLiteral("PICT\\miv_p.GIF"), data + QStringLiteral("/Pict/MIV_P.gif")},
        {QStringLiteral("nabidky/ulozenenabidky.txt"), data + QStringLiteral("/Nabidky/UlozeneNabidky.txt")},
        // What does not exist keeps its written form, so a writer creates it there.
        {QStringLiteral("Pict\\Novy.gif"), data + QStringLiteral("/Pict/Novy.gif")},
        {QStringLiteral("Nova\\Slozka\\a.txt"), data + QStringLiteral("/Nova/Slozka/a.txt")},
    };
    for (const auto& c : cases) EXPECT_EQ(dataFile(c.dotaz), QDir::cleanPath(c.ocekavano)) << c.dotaz.toStdString();

    EXPECT_EQ(resolvePath(QStringLiteral("Data\\PICT\\miv_p.gif")), QDir::cleanPath(data + QStringLiteral("/Pict/MIV_P.gif")));
    EXPECT_EQ(resolvePath(QString()), QString());
}

TEST(Guard, ErrorsAreShownOnceAndReportedAsFailure) {
    FakeServices sluzby;
    EXPECT_TRUE(runGuarded([] {}));
    EXPECT_FALSE(runGuarded([] { throw ChybaTypu(); }));
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("x"); }));
    ASSERT_EQ(sluzby.dialogs.zpravy.size(), 2);
    EXPECT_EQ(sluzby.dialogs.zpravy[0].text, QStringLiteral("Chyba č. 13: Neshoda typů (Type mismatch)"));
    EXPECT_EQ(sluzby.dialogs.zpravy[0].titulek, QStringLiteral("Sorvenika"));
}

// A refusal is shown plainly and gives its field the focus; a failure takes the failure's icon;
// the notices of a request that went through come one box each, in order.
TEST(Guard, WhatARequestHasToTellIsShownByItsKind) {
    Hlaseni<int> notices;
    notices.oznameni = {"a", "b"};
    const struct {
        Hlaseni<int> h;
        bool probehlo;
        int pole;  // the field given the focus, -1 for none
        QList<std::pair<QString, Ikona>> boxy;
    } pripady[] = {
        {Odmitnuti<int>{"Vyplňte", 3}, false, 3, {{"Vyplňte", Ikona::Zadna}}},
        {Chyba{"Nelze"}, false, -1, {{"Nelze", Ikona::Informace}}},
        {notices, true, -1, {{"a", Ikona::Otaznik}, {"b", Ikona::Otaznik}}},
        {{}, true, -1, {}},
    };
    for (const auto& p : pripady) {
        FakeServices sluzby;
        int pole = -1;
        EXPECT_EQ(ukaz(p.h, [&](int f) { pole = f; }, Ikona::Informace, Ikona::Otaznik), p.probehlo);
        EXPECT_EQ(pole, p.pole);
        QList<std::pair<QString, Ikona>> boxy;
        for (const Zprava& z : sluzby.dialogs.zpravy) boxy.append({z.text, z.ikona});
        EXPECT_EQ(boxy, p.boxy);
    }
}
