// The spreadsheet export read back by an independent reader (python3-openpyxl): headings, the
// kinds of cells, the number format, column widths, and the file opened afterwards.
#include "costing/ExportDoExcelu.h"
#include "pricelist/DbfTestUtil.h"
#include "platform/FileStore.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t rezim(const QString& cesta) {
    struct stat s {};
    return ::stat(QFile::encodeName(cesta).constData(), &s) == 0 ? s.st_mode & 07777 : 0;
}

class Sesit : public ::testing::Test {
protected:
    void SetUp() override {
        if (debianPython().isEmpty() || QProcess::execute(debianPython(), {QStringLiteral("-c"), QStringLiteral("import openpyxl")}) != 0)
            GTEST_SKIP() << "python3-openpyxl is not installed";
    }
    static QJsonObject precti(const QString& cesta) {
        return QJsonDocument::fromJson(spustPython({QStringLiteral(SORVENIKA_SOURCE_DIR "/tests/costing/xlsx_dump.py"), cesta})).object();
    }

    Region cs{QStringLiteral("cs_CZ")};
    FakeServices sluzby;
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("kalkulace.xlsx"));
};

}  // namespace

// Headings bold; rows with pieces without gaps; names as entries ("=1+1" stays text, "2500" is
// a number), codes always text, quantities and prices numbers with the price format. A text in two
// cells ("0123") is one shared string, which the read-back counts once.
TEST_F(Sesit, CellsReadBackAsWritten) {
    Kalkulace k = ukazkovaKalkulace();
    k.radky[4].Nazev = QStringLiteral("=1+1");
    k.radky.push_back(radekUkazky("2500", "12345678901234567890", "0123", 1, 5.5));
    k.radky.push_back(radekUkazky("Řádek\r\nřádek", "A&B<C>", "x\x01\ty", 1, 1));
    ASSERT_TRUE(zapisSesit(k, cesta));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kalkulace.xlsx")});

    const QJsonObject s = precti(cesta);
    EXPECT_EQ(s[QStringLiteral("listy")].toVariant().toStringList(), QStringList{QStringLiteral("MIV")});
    const QJsonObject bunky = s[QStringLiteral("bunky")].toObject();
    const struct {
        const char *adresa, *typ;
        QVariant hodnota;
    } cekane[] = {
        {"A1", "s", QStringLiteral("Název dílu")}, {"C1", "s", QStringLiteral("Obj.č. původní")}, {"F1", "s", QStringLiteral("Cena celkem")},
        {"A2", "s", QStringLiteral("Komínová tvárnice")}, {"B2", "s", QStringLiteral("KT16")}, {"D2", "n", 24}, {"E2", "n", 189.5},
        {"F2", "n", 4548}, {"C3", "s", QStringLiteral("D-16")}, {"A4", "s", QStringLiteral("Patní deska")}, {"F4", "n", 830.6},
        {"A5", "s", QStringLiteral("=1+1")}, {"B5", "s", QStringLiteral("0123")}, {"A6", "n", 2500},
        {"B6", "s", QStringLiteral("12345678901234567890")}, {"C6", "s", QStringLiteral("0123")}, {"E6", "n", 5.5},
        {"A7", "s", QStringLiteral("Řádek\r\nřádek")}, {"B7", "s", QStringLiteral("A&B<C>")}, {"C7", "s", QStringLiteral("x\x01\ty")},
    };
    for (const auto& c : cekane) {
        const QJsonObject b = bunky[QLatin1String(c.adresa)].toObject();
        const bool nadpis = c.adresa[1] == '1';
        SCOPED_TRACE(c.adresa);
        EXPECT_EQ(b[QStringLiteral("typ")].toString(), QLatin1String(c.typ));
        EXPECT_EQ(b[QStringLiteral("hodnota")].toVariant(), c.hodnota);
        EXPECT_EQ(b[QStringLiteral("tucne")].toBool(), nadpis);
        EXPECT_EQ(b[QStringLiteral("zarovnani")].toString(), QLatin1String(c.adresa[0] <= 'C' ? "left" : "right"));
        EXPECT_EQ(b[QStringLiteral("format")].toString(), QLatin1String(!nadpis && c.adresa[0] >= 'E' ? "# ### ##0.00" : "General"));
    }
    EXPECT_EQ(bunky.size(), 7 * 6 - 3);  // three old codes empty, no eighth row

    // Widths from the longest text: "Komínová tvárnice", "12345678901234567890", "Obj.č. původní".
    const QJsonObject sirky = s[QStringLiteral("sirky")].toObject();
    for (const auto& [sloupec, znaku] : {std::pair{"A", 17}, {"B", 20}, {"C", 14}, {"D", 2}})
        EXPECT_NEAR(sirky[QLatin1String(sloupec)].toDouble(), znaku * 1.1 + 2, 1.0) << sloupec;

    // A text longer than a cell holds is never cut off or left out: the workbook is refused.
    Kalkulace dlouhy = k;
    dlouhy.radky[0].Nazev = QString(32768, u'x');
    const QString jiny = dir.filePath(QStringLiteral("dlouhy.xlsx"));
    EXPECT_EQ(zapisSesit(dlouhy, jiny).chyba(),
              QStringLiteral("Chyba při exportu.\nChyba při zápisu do souboru %1: text buňky je delší než 32 767 znaků").arg(jiny));
    EXPECT_FALSE(QFile::exists(jiny));

    for (RadekKalkulace& r : k.radky) r.Ks = 0;
    ASSERT_TRUE(zapisSesit(k, cesta));
    EXPECT_EQ(precti(cesta)[QStringLiteral("bunky")].toObject().keys(), QStringList({"A1", "B1", "C1", "D1", "E1", "F1"}));
}

// The workbook goes to the temporary folder under a name of its own, the user's alone, and opens.
// A name anything holds (a link leading elsewhere, a folder, another's file) is passed over, never
// written through, and no temporary stays. One that cannot be written or opened is reported with
// its file.
TEST_F(Sesit, ExportOpensTheWorkbook) {
    Prostredi tmp("TMPDIR", dir.path().toUtf8());
    const Kalkulace k = ukazkovaKalkulace();
    const QString nazev = dir.filePath(QStringLiteral("Sorvenika-MIV-20261206-100000%1.xlsx"));
    EXPECT_EQ(*ExportDoExcelu(k), nazev.arg(QString()));
    EXPECT_EQ(*ExportDoExcelu(k), nazev.arg(QStringLiteral("-2")));
    EXPECT_EQ(sluzby.desktop.otevrene, QStringList({nazev.arg(QString()), nazev.arg(QStringLiteral("-2"))}));
    EXPECT_EQ(precti(nazev.arg(QString()))[QStringLiteral("aktivni")].toString(), QStringLiteral("MIV"));
    const QString cizi = dir.filePath(QStringLiteral("cizi"));
    ASSERT_TRUE(QFile::link(cizi, nazev.arg(QStringLiteral("-3"))));
    writeBytes(nazev.arg(QStringLiteral("-4")) + QStringLiteral("/obsah"), "x");
    writeBytes(nazev.arg(QStringLiteral("-5")), "podstrceny");
    QFile::setPermissions(nazev.arg(QStringLiteral("-5")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    EXPECT_EQ(*ExportDoExcelu(k), nazev.arg(QStringLiteral("-6")));
    EXPECT_FALSE(QFile::exists(cizi));
    EXPECT_EQ(readBytes(nazev.arg(QStringLiteral("-5"))), "podstrceny");
    for (const char* n : {"", "-2", "-6"}) EXPECT_EQ(rezim(nazev.arg(QLatin1String(n))), 0600) << n;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 6);

    sluzby.desktop.otevreniUspeje = false;
    EXPECT_EQ(ExportDoExcelu(k).chyba(), QStringLiteral("Chyba při exportu.\nSešit je uložen v souboru ") +
                                             nazev.arg(QStringLiteral("-7")) + QStringLiteral(", ale nepodařilo se jej otevřít."));
    const QString chybi = dir.filePath(QStringLiteral("chybi/kalkulace.xlsx"));
    const Vysledek<> chyba = zapisSesit(k, chybi);
    EXPECT_TRUE(!chyba && chyba.chyba().startsWith(QStringLiteral("Chyba při exportu.\nChyba při zápisu do souboru ") + chybi + ": "))
        << chyba.chyba().toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("chybi"))));
}

// A write that fails anywhere in the export (the library's part files, the zip it writes, the
// flush before the name) and a file that cannot be opened (no descriptor left, a folder the user
// may not write) refuse the export with the reason in Czech: never a workbook missing its rows
// under the name, never a temporary left behind. The library's own English lines may reach
// stderr; the user reads the Czech reason.
TEST_F(Sesit, AnExportIsWholeOrRefused) {
    Prostredi tmp("TMPDIR", dir.path().toUtf8());
    const Kalkulace k = ukazkovaKalkulace();
    const QString nazev = dir.filePath(QStringLiteral("Sorvenika-MIV-20261206-100000.xlsx"));
    const auto zprava = [&](const QString& duvod) {
        return QStringLiteral("Chyba při exportu.\n") + filestore::chybaZapisu(nazev, duvod).zprava;
    };
    const auto omezVelikost = [](rlim_t bajtu) {
        const rlimit r{bajtu, bajtu};
        return setrlimit(RLIMIT_FSIZE, &r) == 0;
    };
    const auto bezPopisovacu = [](int od) {
        const rlimit r{static_cast<rlim_t>(od), static_cast<rlim_t>(od)};
        return setrlimit(RLIMIT_NOFILE, &r) == 0;
    };
    // fd: the descriptors the export opens, in order: its temporary, the library's zip written
    // into it, the library's part files (one at a time).
    const struct {
        const char* co;
        std::function<bool(const int* fd)> selhani;
        QString zprava;
        bool jinyUzivatel = false;
    } pripady[] = {
        {"a part file, EIO", [](const int* fd) { return selhejVolaniNa(SYS_write, fd[2], EIO); },
         zprava(QStringLiteral("část [Content_Types].xml sešitu se nezapsala celá"))},
        {"a part file, ENOSPC", [](const int* fd) { return selhejVolaniNa(SYS_write, fd[2], ENOSPC); },
         zprava(QStringLiteral("část [Content_Types].xml sešitu se nezapsala celá"))},
        {"a part file cut by the file size limit", [&](const int*) { return signal(SIGXFSZ, SIG_IGN) != SIG_ERR && omezVelikost(6000); },
         zprava(QStringLiteral("část xl/theme/theme1.xml sešitu se nezapsala celá"))},
        {"the zip, EIO", [](const int* fd) { return selhejVolaniNa(SYS_write, fd[1], EIO); }, zprava(filestore::duvodSystemu(EIO))},
        {"the zip, ENOSPC", [](const int* fd) { return selhejVolaniNa(SYS_write, fd[1], ENOSPC); },
         zprava(filestore::duvodSystemu(ENOSPC))},
        {"the flush before the name", [](const int*) { return selhejVolani({SYS_fdatasync}, EIO); }, zprava(filestore::duvodSystemu(EIO))},
        {"no descriptor for the temporary", [&](const int* fd) { return bezPopisovacu(fd[0]); }, zprava(filestore::duvodSystemu(EMFILE))},
        {"no descriptor for the zip", [&](const int* fd) { return bezPopisovacu(fd[1]); }, zprava(filestore::duvodSystemu(EMFILE))},
        {"no descriptor for a part file", [&](const int* fd) { return bezPopisovacu(fd[2]); },
         zprava(QStringLiteral("dočasný soubor pro část sešitu nelze vytvořit: ") + filestore::duvodSystemu(EMFILE))},
        {"a temporary folder the user may not write", [](const int*) { return setgid(65534) == 0 && setuid(65534) == 0; },
         zprava(filestore::duvodSystemu(EACCES)), true},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.co);
        if (p.jinyUzivatel && geteuid() != 0) GTEST_SKIP() << "only root can act as another user";
        const QByteArray vysledek = vPotomkovi([&]() -> QByteArray {
            int fd[3];
            for (int& f : fd) f = dup(STDERR_FILENO);
            for (const int f : fd) close(f);
            if (!p.selhani(fd)) return "setup";
            const Vysledek<QString> v = ExportDoExcelu(k);
            return (v ? QStringLiteral("OK ") + *v : v.chyba()).toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(vysledek), p.zprava);
        const QStringList zbylo = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_EQ(zbylo, QStringList());
        for (const QString& z : zbylo) QFile::remove(dir.filePath(z));  // so that the next row starts clean
    }
}

// A workbook changed on disk between the library's close and its reading back is refused; the
// same workbook rewritten whole is taken, so that it is the change that is refused.
TEST_F(Sesit, AWorkbookChangedBeforeItIsReadBackIsRefused) {
    if (const std::string proc = bezPosluchace(); !proc.empty()) GTEST_SKIP() << proc;
    const Kalkulace k = ukazkovaKalkulace();
    const QString cisty = dir.filePath(QStringLiteral("cisty.xlsx")), zmeneny = dir.filePath(QStringLiteral("zmeneny.xlsx"));
    const QByteArray jmeno = QFile::encodeName(cesta), novy = QFile::encodeName(zmeneny);
    ASSERT_TRUE(zapisSesit(k, cisty));
    // The clean workbook's parts changed by %1, zipped anew, the sheet then stated with `crc` and `velikost` more bytes.
    const QString prepis = QStringLiteral(R"(import struct, sys, zipfile
z, L = zipfile.ZipFile(sys.argv[1]), 'xl/worksheets/sheet1.xml'
casti, crc, velikost = {n: z.read(n) for n in z.namelist()}, None, 0
%1
with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as novy: [novy.writestr(n, d) for n, d in casti.items()]
i = zipfile.ZipFile(sys.argv[2]).getinfo(L); pole = lambda c, v: struct.pack('<III', c, i.compress_size, v)
d = open(sys.argv[2], 'rb').read(); open(sys.argv[2], 'wb').write(d.replace(pole(i.CRC, i.file_size), pole(crc or i.CRC, i.file_size + velikost))))");
    const auto zprava = [&](const char* duvod) { return "Chyba při exportu.\n" + filestore::chybaZapisu(cesta, QString::fromUtf8(duvod)).zprava; };
    const std::pair<const char*, QString> pripady[] = {
        {"# rewritten whole", QStringLiteral("OK")},
        {"casti[L] = casti[L].replace(b'<v>4548</v>', b'<v>4549</v>'); crc = z.getinfo(L).CRC", zprava("archiv sešitu není celý")},
        {"velikost = 1", zprava("část xl/worksheets/sheet1.xml sešitu se nezapsala celá")},
        {"del casti['xl/styles.xml']", zprava("v sešitu chybí část xl/styles.xml")},
        {"del casti['xl/sharedStrings.xml']", zprava("v sešitu chybí část xl/sharedStrings.xml")},
    };
    for (const auto& [zmena, ocekavano] : pripady) {
        SCOPED_TRACE(zmena);
        spustPython({QStringLiteral("-c"), prepis.arg(QLatin1String(zmena)), cisty, zmeneny});
        const QByteArray v = vPotomkovi([&]() -> QByteArray {
            if (!predCtenim(jmeno.toStdString(), [&] { return ::rename(novy.constData(), jmeno.constData()) == 0; })) return "setup: " + QByteArray(strerror(errno));
            const Vysledek<> e = zapisSesit(k, cesta);
            return e ? QByteArray("OK") : e.chyba().toUtf8();
        });
        EXPECT_EQ(std::pair(QString::fromUtf8(v), QFile::exists(zmeneny)), std::pair(ocekavano, false));  // put in before the read-back
    }
}

// Where a filter above refuses a listener of calls, the tests that need one skip with the reason.
TEST(PosluchacVolani, AFilterRefusingANewListenerIsAReasonToSkip) {
    if (const std::string proc = bezPosluchace(); !proc.empty()) GTEST_SKIP() << proc;
    const QByteArray v = vPotomkovi([] {
        const unsigned novy = SECCOMP_FILTER_FLAG_NEW_LISTENER;
        return filtrujVolani({{__NR_seccomp, 1, novy, novy, chybou(EPERM)}}) ? QByteArray::fromStdString(bezPosluchace()) : "setup";
    });
    EXPECT_EQ(v.toStdString(), std::string("a new listener of calls cannot be set up here: ") + std::strerror(EPERM));
}

// Every write the export of a 110-row costing makes, failed one at a time with EIO and then with
// ENOSPC: the export is refused with its reason and leaves nothing, or the workbook is whole, each
// part as a clean export writes it. A lost write takes a block out of a part's middle, which may
// leave it well-formed: where that happens hangs on where the blocks fall, so with short names
// it falls in the sheet, with names as long as the manufacturer's in the shared strings too.
// Prints how the failures ended.
TEST_F(Sesit, NoFailedWriteLeavesAHole) {
    if (const std::string proc = bezPosluchace(); !proc.empty()) GTEST_SKIP() << proc;
    Prostredi tmp("TMPDIR", dir.path().toUtf8());
    const QString nazev = dir.filePath(QStringLiteral("Sorvenika-MIV-20261206-100000.xlsx"));
    // The parts as an independent reader unzips them, without the times the workbook was made.
    const auto casti = [&] {
        return spustPython({QStringLiteral("-c"), QStringLiteral(R"(import hashlib, re, sys, zipfile
try:
    z = zipfile.ZipFile(sys.argv[1])
    for n in z.namelist(): print(n, hashlib.sha256(re.sub(rb'<dcterms:(created|modified)[^<]*', b'', z.read(n))).hexdigest())
except Exception as e: print('unreadable:', e))"),
                            nazev});
    };
    // The writes the export made and its outcome.
    const auto exportuj = [&](const Kalkulace& k, unsigned n, int chyba) -> std::pair<unsigned, QString> {
        const QByteArray v = vPotomkovi([&]() -> QByteArray {
            const std::atomic<unsigned>* zapisu = selhejNtyZapis(n, chyba);
            if (!zapisu) return QByteArray("0 setup: ") + strerror(errno);
            const Vysledek<QString> e = ExportDoExcelu(k);
            return QByteArray::number(zapisu->load()) + ' ' + (e ? QByteArray("OK") : e.chyba().toUtf8());
        });
        return {v.left(v.indexOf(' ')).toUInt(), QString::fromUtf8(v.mid(v.indexOf(' ') + 1))};
    };
    for (const char* predpona : {"", "Komínová tvárnice s tepelnou izolací, výška 33 cm – ", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(predpona ? predpona : "one name of 16,000 letters");
        Kalkulace k = dlouhaKalkulace(110);
        for (RadekKalkulace& r : k.radky) r.Nazev.prepend(QString::fromUtf8(predpona));
        if (!predpona) k.radky[54].Nazev = QString(16000, u'x');  // a block lost inside that one text
        const auto [zapisu, cisty] = exportuj(k, 0, 0);
        ASSERT_EQ(cisty, QStringLiteral("OK"));
        const QByteArray vzor = casti();
        ASSERT_TRUE(vzor.contains("xl/worksheets/sheet1.xml") && !vzor.contains("unreadable")) << vzor.toStdString();
        QFile::remove(nazev);

        int odmitnuto = 0, cely = 0, roztrzeny = 0;
        for (unsigned n = 1; n <= zapisu; ++n) {
            for (const int chyba : {EIO, ENOSPC}) {
                SCOPED_TRACE(testing::Message() << "write " << n << ", " << strerror(chyba));
                const QString vysledek = exportuj(k, n, chyba).second;
                const QStringList zbylo = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                if (vysledek != QStringLiteral("OK")) {
                    ++odmitnuto;
                    EXPECT_TRUE(vysledek.startsWith(QStringLiteral("Chyba při exportu.\nChyba při zápisu do souboru ") + nazev + ": "))
                        << vysledek.toStdString();
                    EXPECT_EQ(zbylo, QStringList());
                } else if (zbylo == QStringList{QFileInfo(nazev).fileName()} && casti() == vzor) {
                    ++cely;
                } else {
                    ++roztrzeny;
                    ADD_FAILURE() << "exported with a hole";
                }
                for (const QString& z : zbylo) QFile::remove(dir.filePath(z));
            }
        }
        std::cout << (predpona ? (*predpona ? "long names" : "short names") : "one 16,000-letter name") << ", " << zapisu << " writes, each failed with EIO and with ENOSPC: "
                  << odmitnuto << " refused, " << cely << " exported whole, " << roztrzeny << " torn" << std::endl;
        EXPECT_EQ(roztrzeny, 0);
    }
}
