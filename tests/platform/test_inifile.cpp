#include "platform/IniFile.h"

#include "platform/Cp1250.h"
#include "net/NastaveniObjednavek.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

// Written byte by byte, not through our codec: the Czech names are Windows-1250 on disk.
QByteArray vzorek(const char* konec) {
    const QByteArray dlouha = QByteArray(62, 'a') + ' ' + QByteArray(137, 'b');
    QByteArrayList r{"; comment=not a key",
                     "orphan=before any section",
                     "[NASTAVENI]",
                     "Pocet systemu = 13",
                     "  DPH\t=\t20,5  ",
                     "Quoted=  \"  X Y  \"  ",
                     "Single='abc'",
                     "Mixed=\"abc'",
                     "Empty=",
                     "no equals line",
                     "Dup=first",
                     "Dup=second",
                     "Inline=a ; b",
                     "Cesta=C:\\Users\\Jan\\Dokumenty",
                     "[ nastaveni ]",
                     "Second=x",
                     "[Pr\xE1zdn\xE1]",
                     "Kl\xED\xE8=hodnota \xE8",
                     "[UZIVATEL]",
                     "Long=" + dlouha};
    return r.join(konec) + konec;
}

}  // namespace

TEST(IniFile, ReadsAsTheProfileFunctionsDid) {
    QTemporaryDir dir;
    for (const char* konec : {"\r\n", "\n"}) {
        const QString soubor = dir.filePath(QStringLiteral("s.ini"));
        writeBytes(soubor, vzorek(konec));
        for (const QStringList& c : pripady("pripady/ini.txt"))
            EXPECT_EQ(ini::cti(soubor, c[0], c[1], c[2].toInt()), c[3]) << c.join('/').toStdString() << (konec[0] == '\n' ? " LF" : " CRLF");
    }
    EXPECT_EQ(ini::cti(dir.filePath(QStringLiteral("nic.ini")), QStringLiteral("A"), QStringLiteral("b")), QString());
}

TEST(IniFile, WritesOnlyTheLineConcerned) {
    const QByteArray hlava = "; \x81\x83\x88\x90\x98\xA0\xFF undefined and high bytes\r\n";
    struct {
        const char* nazev;
        std::optional<QByteArray> pred;
        QString sekce, klic, hodnota;
        QByteArray po;
    } cases[] = {
        {"update in place", hlava + "[A]\r\nx=1\r\n  Key = old\r\n;Key=c\r\ny=2\r\n\r\n[B]\r\nKey=b\r\n", "a", "KEY", "new",
         hlava + "[A]\r\nx=1\r\nKey=new\r\n;Key=c\r\ny=2\r\n\r\n[B]\r\nKey=b\r\n"},
        {"new key in a section", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n\r\n[B]\r\ny=2\r\n"},
        {"new key in an empty section", "[A]\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n[B]\r\n"},
        {"new key, no final line end", "[A]\r\nx=1", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n"},
        {"new section", hlava + "[A]\r\nx=1\r\n", "B", "Export HTML", "C:\\Nabidky\\", hlava + "[A]\r\nx=1\r\n\r\n[B]\r\nExport HTML=C:\\Nabidky\\\r\n"},
        {"new section after a blank line", "[A]\r\nx=1\r\n\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        {"new section, no final line end", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        {"new file", std::nullopt, "UZIVATEL", "Pwd", "YWJj", "[UZIVATEL]\r\nPwd=YWJj\r\n"},
        {"empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"LF lines kept", "[A]\nx=1\n\n[B]\ny=2\n", "a", "x", "9", "[A]\nx=9\n\n[B]\ny=2\n"},
        {"LF file, new key", "[A]\nx=1\n\n[B]\ny=2\n", "B", "z", "1", "[A]\nx=1\n\n[B]\ny=2\nz=1\r\n"},
        {"line breaks and foreign characters", "[A]\r\nx=1\r\n", "A", "x", "a\r\nb ñ žluť",
         "[A]\r\nx=a  b ? \x9Elu\x9D\r\n"},
        {"Czech names", "[Syst\xE9m]\r\nN\xE1zev=A\r\n", "SYSTÉM", "NÁZEV", "Č", "[Syst\xE9m]\r\nN\xE1zev=\xC8\r\n"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString soubor = dir.filePath(QString::fromUtf8(c.nazev) + QStringLiteral(".ini"));
        if (c.pred) writeBytes(soubor, *c.pred);
        ASSERT_TRUE(ini::zapis(soubor, c.sekce, c.klic, c.hodnota)) << c.nazev;
        EXPECT_EQ(readBytes(soubor), c.po) << c.nazev;
        // A file the program creates may hold a password: nobody else reads it.
        const QFileDevice::Permissions ostatni = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                                QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        EXPECT_EQ(bool(QFile::permissions(soubor) & ostatni), c.pred.has_value()) << c.nazev;
        QString zpet = c.hodnota;
        zpet.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        EXPECT_EQ(ini::cti(soubor, c.sekce, c.klic), cp1250::decode(cp1250::encode(zpet))) << c.nazev;
    }
}

TEST(IniFile, RefusesWhatItCannotWriteSoundly) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("s.ini"));
    const QByteArray obsah = "[A]\r\nx=1\r\n";
    writeBytes(soubor, obsah);
    EXPECT_FALSE(ini::zapis(dir.filePath(QStringLiteral("chybi/s.ini")), QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("chybi"))));
    EXPECT_FALSE(ini::zapis(dir.path(), QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1")));  // a folder
    for (const char* klic : {"", "a=b", ";x", " x", "x\r\n"})
        EXPECT_FALSE(ini::zapis(soubor, QStringLiteral("A"), QString::fromUtf8(klic), QStringLiteral("1"))) << klic;
    EXPECT_FALSE(ini::zapis(soubor, QStringLiteral("A]"), QStringLiteral("x"), QStringLiteral("1")));
    EXPECT_EQ(readBytes(soubor), obsah);
}

// A password is the owner's alone: the file that holds one is mode 0600 once written, also when
// the value was there already; a value the program writes reads back whole, a long password too.
TEST(IniFile, APasswordIsTheOwnersAloneAndReadsBackWhole) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("Sorvenika.ini"));
    writeBytes(soubor, "[UZIVATEL]\r\nProdejce=X\r\n");
    QFile::setPermissions(soubor, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QFileDevice::Permissions jenVlastnik = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileDevice::Permissions cizi(0x0077);
    const auto prava = [&] { return QFile::permissions(soubor) & (cizi | jenVlastnik); };

    ASSERT_TRUE(ini::zapis(soubor, QStringLiteral("UZIVATEL"), QStringLiteral("ProxyPwd"), QString()));
    EXPECT_NE(prava() & cizi, QFileDevice::Permissions());  // an empty password is no password
    const QString heslo = QString(200, QLatin1Char('h'));
    ASSERT_TRUE(ini::zapis(soubor, QStringLiteral("UZIVATEL"), QStringLiteral("ProxyPwd"), heslo));
    EXPECT_EQ(prava(), jenVlastnik);
    EXPECT_EQ(ini::cti(soubor, QStringLiteral("UZIVATEL"), QStringLiteral("ProxyPwd")), heslo);

    // Made readable again by hand, the next write of the same values closes it again.
    QFile::setPermissions(soubor, jenVlastnik | QFileDevice::ReadOther);
    ASSERT_TRUE(ini::zapis(soubor, QStringLiteral("UZIVATEL"), QStringLiteral("ProxyPwd"), heslo));
    EXPECT_EQ(prava(), jenVlastnik);
    EXPECT_EQ(ini::cti(soubor, QStringLiteral("UZIVATEL"), QStringLiteral("Pwd"), 127), QString());

    // The connection settings' proxy password, stored encoded, comes back whole.
    const AutorizaceProxy a{true, QStringLiteral("uzivatel"), QString::fromUtf8("heslo-ěščř-") + QString(189, QLatin1Char('p')), {}};
    ASSERT_TRUE(UlozAutorizaciProxy(soubor, a));
    EXPECT_EQ(NactiAutorizaciProxy(soubor).Password, a.Password);
    EXPECT_EQ(prava(), jenVlastnik);

    // A new file with a password is never readable by others, not even for a moment.
    const QString novy = dir.filePath(QStringLiteral("novy.ini"));
    ASSERT_TRUE(ini::zapis(novy, QStringLiteral("UZIVATEL"), QStringLiteral("Pwd"), QStringLiteral("x")));
    EXPECT_EQ(QFile::permissions(novy) & cizi, QFileDevice::Permissions());
}

// Settings that are another user's, in a folder this user cannot write: the message says what
// the system refused. Run as a user without rights (a child process), since root is refused nothing.
TEST(IniFile, AnotherUsersSettingsSayTheSystemsReason) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString soubor = dir.filePath(QStringLiteral("Sorvenika.ini"));
    writeBytes(soubor, "[UZIVATEL]\r\nProxyPwd=tajne\r\n");
    const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
        if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
        return ini::zapis(soubor, QStringLiteral("UZIVATEL"), QStringLiteral("ProxyPwd"), QStringLiteral("tajne")).chyba().toUtf8();
    });
    EXPECT_EQ(QString::fromUtf8(zprava), QStringLiteral("Chyba při zápisu do souboru %1: Přístup odepřen").arg(soubor));
}
