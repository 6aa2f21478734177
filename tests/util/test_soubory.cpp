#include "util/Soubory.h"
#include "util/VolbaSouboru.h"

#include "platform/Cp1250.h"
#include "platform/Services.h"
#include "support/Dockej.h"
#include "support/TestSupport.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

QString windowsky(QString cesta) { return cesta.replace(QLatin1Char('/'), QLatin1Char('\\')); }

}  // namespace

TEST(Soubory, NactiSouborReadsRangesAsWindows1250) {
    FakeServices s;
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("Data/Deset.TXT"));
    writeBytes(soubor, "0123456789");
    struct { qint64 offset, delka; QString cekam; } cases[] = {
        {0, 0, QStringLiteral("0123456789")}, {8, 5, QStringLiteral("89")}, {3, 4, QStringLiteral("3456")},
        {9, 0, QStringLiteral("9")},          {1000, 5, QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(*NactiSoubor(soubor, c.offset, c.delka), c.cekam) << c.offset << "," << c.delka;
    // A path written for Windows, in another letter case.
    EXPECT_EQ(*NactiSoubor(windowsky(dir.filePath(QStringLiteral("data/deset.txt")))), QStringLiteral("0123456789"));
    writeBytes(dir.filePath(QStringLiteral("cz.txt")), "\x8A\x81");
    EXPECT_EQ(*NactiSoubor(dir.filePath(QStringLiteral("cz.txt"))), QStringLiteral("Š") + QChar(0x81));

    // A missing file fails with its name; no one is asked.
    const QString chybi = windowsky(dir.filePath(QStringLiteral("nic.txt")));
    const Vysledek<QString> v = NactiSoubor(chybi);
    EXPECT_FALSE(v);
    EXPECT_EQ(v.chyba(), QStringLiteral("Soubor ") + chybi + QStringLiteral(" neexistuje !"));
    EXPECT_TRUE(s.dialogs.zpravy.isEmpty());
}

TEST(Soubory, ZapisSouborWritesInPlaceAndNeverShortens) {
    FakeServices s;
    QTemporaryDir dir;
    struct { std::optional<QByteArray> pred; QString text; qint64 offset; QByteArray po; } cases[] = {
        {"0123456789", QStringLiteral("abc"), 0, "abc3456789"},
        {"0123456789", QStringLiteral("abc"), 1000, "0123456789abc"},
        {"0123456789", QStringLiteral("abc"), 8, "01234567abc"},
        {"0123456789", QStringLiteral("abc"), -4, "abc3456789"},
        {std::nullopt, QStringLiteral("abc"), 5, "abc"},
        {"x", QStringLiteral("žluť ñ"), 1, "x\x9Elu\x9D ?"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString soubor = dir.filePath(QStringLiteral("f%1.txt").arg(++n));
        if (c.pred) writeBytes(soubor, *c.pred);
        EXPECT_TRUE(ZapisSoubor(windowsky(soubor), c.text, c.offset)) << n;
        EXPECT_EQ(readBytes(soubor), c.po) << n;
    }
    EXPECT_TRUE(s.dialogs.zpravy.isEmpty());

    const QString chybi = dir.filePath(QStringLiteral("chybi/f.txt"));
    EXPECT_EQ(ZapisSoubor(chybi, QStringLiteral("abc"), 0).chyba(), QStringLiteral("Chyba při zápisu do souboru %1: složka neexistuje").arg(chybi));
    EXPECT_FALSE(QFileInfo::exists(chybi));
    EXPECT_EQ(ZapisSoubor(dir.path(), QStringLiteral("abc"), 0).chyba(),  // a folder
              QStringLiteral("Chyba při zápisu do souboru %1: není to soubor").arg(dir.path()));
    EXPECT_TRUE(s.dialogs.zpravy.isEmpty());
}

TEST(Soubory, CtiIniAndZapisIniTakeWindowsPaths) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("Data/Sorvenika.ini"));
    writeBytes(soubor, "[UZIVATEL]\r\nProdejce=" + QByteArray(200, 'p') + "\r\n");
    const QString cesta = windowsky(dir.filePath(QStringLiteral("DATA/sorvenika.INI")));
    EXPECT_EQ(CtiIni(cesta, QStringLiteral("uzivatel"), QStringLiteral("prodejce")), QString(127, QLatin1Char('p')));
    EXPECT_TRUE(ZapisIni(cesta, QStringLiteral("UZIVATEL"), QStringLiteral("Export HTML"), QStringLiteral("C:\\Export")));
    EXPECT_EQ(readBytes(soubor), "[UZIVATEL]\r\nProdejce=" + QByteArray(200, 'p') + "\r\nExport HTML=C:\\Export\r\n");
    EXPECT_FALSE(ZapisIni(dir.filePath(QStringLiteral("chybi/x.ini")), QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")));
}

// A remembered folder is the dialog's start only when it is a whole path to a folder here.
TEST(VolbaSouboru, StartFolderFallsBackToHome) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("f.txt"));
    writeBytes(soubor, "x");
    const std::pair<QString, QString> pripady[] = {
        {dir.path(), dir.path()},        {QString(), QDir::homePath()},    {QStringLiteral("."), QDir::homePath()},
        {soubor, QDir::homePath()},      {dir.filePath(QStringLiteral("nic")), QDir::homePath()},
        {QStringLiteral("C:\\Nabidky"), QDir::homePath()},
    };
    for (const auto& [ulozena, cekam] : pripady) EXPECT_EQ(pocatecniSlozka(ulozena), cekam) << ulozena.toStdString();
}

// The folder browser: the folder chosen under the title given, "" when cancelled.
TEST(VolbaSouboru, VyberAdresarGivesTheChosenFolder) {
    FakeServices s;
    s.dialogs.soubory = {QStringLiteral("/srv/kopie")};
    EXPECT_EQ((QStringList{VyberAdresar(QStringLiteral("A")), VyberAdresar(QStringLiteral("B"))}), (QStringList{"/srv/kopie", ""}));
    EXPECT_EQ(s.dialogs.titulkySlozek, (QStringList{"A", "B"}));
}

class PosliPostouTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.filePath(QStringLiteral("Data")).toLocal8Bit()};
    FakeServices s;
    QString zdroj = dir.filePath(QStringLiteral("Data/Tmp/x1.tmp"));

    void SetUp() override { writeBytes(zdroj, "<xml/>"); }
};

TEST_F(PosliPostouTest, AttachesACopyUnderTheShownName) {
    EXPECT_TRUE(PosliPostou(windowsky(zdroj), QStringLiteral("Objednavka.xml")));
    ASSERT_EQ(s.desktop.maily.size(), 1);
    ASSERT_EQ(s.desktop.maily[0].size(), 1);
    const QString prvni = s.desktop.maily[0][0];
    EXPECT_EQ(QFileInfo(prvni).fileName(), QStringLiteral("Objednavka.xml"));
    EXPECT_TRUE(prvni.startsWith(dir.filePath(QStringLiteral("Data/Tmp2Mail/"))));
    EXPECT_EQ(readBytes(prvni), "<xml/>");

    // The next call clears the previous copies; a shown name cannot lead out of the folder.
    s.clock.ted = s.clock.ted.addSecs(60);
    ASSERT_TRUE(PosliPostou(zdroj, QStringLiteral("..\\..\\Nabídka.htm")));
    ASSERT_EQ(s.desktop.maily.size(), 2);
    const QFileInfo druhy(s.desktop.maily[1][0]);
    EXPECT_FALSE(QFileInfo::exists(prvni));
    EXPECT_EQ(druhy.fileName(), QStringLiteral("Nabídka.htm"));
    EXPECT_EQ(QFileInfo(druhy.canonicalPath()).dir().canonicalPath(),
              QFileInfo(dir.filePath(QStringLiteral("Data/Tmp2Mail"))).canonicalFilePath());
    // A name that is no file's name: the file's own.
    s.clock.ted = s.clock.ted.addSecs(60);
    EXPECT_TRUE(PosliPostou(zdroj, QStringLiteral(".")));
    EXPECT_EQ(QFileInfo(s.desktop.maily.last().value(0)).fileName(), QStringLiteral("x1.tmp"));
    EXPECT_TRUE(s.dialogs.zpravy.isEmpty());
}

TEST_F(PosliPostouTest, FailuresShowTheirNumber) {
    s.desktop.navratPosty = 3;
    const QStringList chyby{PosliPostou(zdroj, QStringLiteral("a.xml")).chyba(),
                            PosliPostou(dir.filePath(QStringLiteral("nic.xml")), QStringLiteral("b.xml")).chyba()};
    EXPECT_EQ(s.desktop.maily.size(), 1);  // a missing file never reaches the mail program
    // The mail program's refusal says where the file is, to attach it by hand.
    EXPECT_EQ(chyby, (QStringList{QStringLiteral("Chyba č. 3\nPoštovní program se nepodařilo otevřít. Přiložte ke zprávě ručně:\n") +
                                      QFileInfo(zdroj).absoluteFilePath(),
                                  QStringLiteral("Chyba č. 11")}));
    EXPECT_TRUE(s.dialogs.zpravy.isEmpty());
}

// A mail program silent for 30 s of the program's clock counts as a refusal for the caller that
// waits; another hand-over meanwhile (from a window, while the events flow) leaves the waiting
// one's copy alone. Each time the wait is about to sleep after that hand-over the clock steps,
// first to 1 ms short of the limit, then to it; past 50 steps the mail program answers, so that
// a wait that never ends fails too.
TEST_F(PosliPostouTest, ASilentMailProgramAndAHandOverMeanwhile) {
    s.desktop.postaOdpovidaHned = false;
    const qint64 start = s.clock.ms;
    int kroku = 0;
    const auto* dispecer = QAbstractEventDispatcher::instance();
    const QMetaObject::Connection krok = QObject::connect(dispecer, &QAbstractEventDispatcher::aboutToBlock, [&] {
        if (s.desktop.maily.size() < 2) return;
        s.clock.ms = start + (++kroku == 1 ? kCekaniNaPostuMs - 1 : kCekaniNaPostuMs);
        if (kroku == 50) s.desktop.odpovediPosty.first()(99);
    });
    QTimer tik;
    QObject::connect(&tik, &QTimer::timeout, [&] {
        if (s.desktop.maily.size() != 1) return;
        s.clock.ted = s.clock.ted.addSecs(60);
        EXPECT_TRUE(PosliPostou(zdroj, QStringLiteral("b.xml"), [](const QString&) {}));
        EXPECT_TRUE(QFileInfo::exists(s.desktop.maily[0].value(0)));
    });
    tik.start(1);
    EXPECT_EQ(PosliPostou(zdroj, QStringLiteral("a.xml")).chyba(),
              QStringLiteral("Chyba č. -1\nPoštovní program se nepodařilo otevřít. Přiložte ke zprávě ručně:\n") +
                  QFileInfo(zdroj).absoluteFilePath());
    QObject::disconnect(krok);
    EXPECT_EQ(kCekaniNaPostuMs, 30000);
    EXPECT_GE(kroku, 2);
    EXPECT_TRUE(s.dialogs.zpravy.isEmpty());
}

// A child of this process that has not ended, or whose end was not yet taken in.
static bool maPotomka() {
    const QByteArray ja = QByteArray::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray stat = f.readAll();  // pid (name) state ppid ...
        const QList<QByteArray> pole = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (pole.size() > 1 && pole[1] == ja) return true;
    }
    return false;
}

// The real desktop service with a stand-in xdg-email that takes its time and records its
// arguments. The windows never freeze meanwhile: a caller that must know waits with the events
// flowing; any other goes on at once and gets a refusal when it comes.
TEST_F(PosliPostouTest, ReachesXdgEmail) {
    const QString bin = dir.filePath(QStringLiteral("bin"));
    const QString zaznam = dir.filePath(QStringLiteral("argumenty.txt"));
    QDir().mkpath(bin);
    const QString odmitnuti = QStringLiteral("Chyba č. 3\nPoštovní program se nepodařilo otevřít. Přiložte ke zprávě ručně:\n") +
                              QFileInfo(zdroj).absoluteFilePath();
    const struct {
        int kod;
        bool pockat;
        QString chyba, pozdeji;  // what the call gives, what is shown after it
    } pripady[] = {{0, true, {}, {}}, {3, true, odmitnuti, {}}, {0, false, {}, {}}, {3, false, {}, odmitnuti}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(testing::Message() << p.kod << p.pockat);
        writeBytes(bin + QStringLiteral("/xdg-email"),
                   QStringLiteral("#!/bin/sh\nsleep 0.3\nprintf '%s\\n' \"$@\" > '%1'\nexit %2\n").arg(zaznam).arg(p.kod).toLocal8Bit());
        QFile::setPermissions(bin + QStringLiteral("/xdg-email"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Prostredi cesta("PATH", bin.toLocal8Bit() + ':' + qgetenv("PATH"));
        platform::setDesktop(nullptr);
        s.dialogs.zpravy.clear();
        QFile::remove(zaznam);
        s.clock.ted = s.clock.ted.addSecs(60);

        int tiky = 0;
        QTimer tik;
        QObject::connect(&tik, &QTimer::timeout, [&tiky] { ++tiky; });
        tik.start(20);
        QStringList pozdeji;
        const Vysledek<> v = p.pockat ? PosliPostou(zdroj, QStringLiteral("Objednavka.xml"))
                                      : PosliPostou(zdroj, QStringLiteral("Objednavka.xml"), [&](const QString& z) { pozdeji << z; });
        EXPECT_EQ(v.chyba(), p.chyba);
        if (p.pockat) {
            EXPECT_GE(tiky, 5) << "the events stopped while the mail program was asked";
        } else {
            EXPECT_FALSE(QFile::exists(zaznam)) << "returned only after the mail program";
        }
        ASSERT_TRUE(dockej([&] { return QFile::exists(zaznam) && !maPotomka(); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(pozdeji, p.pozdeji.isEmpty() ? QStringList() : QStringList{p.pozdeji});
        EXPECT_TRUE(s.dialogs.zpravy.isEmpty());
        const QList<QByteArray> argumenty = readBytes(zaznam).split('\n');
        ASSERT_GE(argumenty.size(), 2);
        EXPECT_EQ(argumenty[0], "--attach");
        EXPECT_TRUE(argumenty[1].endsWith("/Objednavka.xml")) << argumenty[1].constData();
        EXPECT_EQ(readBytes(QString::fromLocal8Bit(argumenty[1])), "<xml/>");
    }
}

// The real desktop service with a stand-in xdg-open: one that succeeds, or runs on, says
// nothing; one that ends in failure (no program for the file) tells the user where the file is.
// The first has ended and been heard of before the second starts.
TEST_F(PosliPostouTest, FailedOpeningSaysWhereTheFileIs) {
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    Prostredi cesta("PATH", bin.toLocal8Bit() + ':' + qgetenv("PATH"));
    platform::setDesktop(nullptr);
    for (int kod : {0, 3}) {
        writeBytes(bin + QStringLiteral("/xdg-open"), QStringLiteral("#!/bin/sh\nexit %1\n").arg(kod).toLocal8Bit());
        QFile::setPermissions(bin + QStringLiteral("/xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(platform::desktop().otevri(zdroj));
        ASSERT_TRUE(dockej([&] { return kod ? !s.dialogs.zpravy.isEmpty() : !maPotomka(); })) << kod;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.dialogs.texty(), QStringList{QStringLiteral("Soubor se nepodařilo otevřít (chyba č. 3): pracovní prostředí pro něj "
                                                            "nemá program.\nSoubor je uložen zde:\n") + zdroj});
}
