#include "platform/Cp1250.h"
#include "platform/Cp852.h"
#include "platform/Errors.h"
#include "platform/FileStore.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "pricelist/DBF.h"
#include "pricelist/DbfTestUtil.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/BezPravaCist.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <fcntl.h>
#include <functional>
#include <tuple>
#include <gtest/gtest.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

const QDate kDnes(2026, 12, 6);  // FakeClock's today

DataDBF zakaznici() {
    DataDBF t;
    t.nazvy = {"PRIJMENI", "JMENO", "ULICE", "PSC", "MESTO"};
    const char* radky[][5] = {
        {"Dvořák", "Jiří", "Nádražní 5", "602 00", "Brno"},
        {"Šťastná", "Žofie", "Úzká 12", "11800", "Praha"},
    };
    for (const auto& r : radky) {
        std::vector<BunkaDBF>& radek = t.radky.emplace_back();
        for (const char* c : r) radek.emplace_back(QString::fromUtf8(c));
    }
    return t;
}

// The descriptors this process has open.
int otevrenych() {
    int n = 0;
    for (int fd = 0; fd < 4096; ++fd) n += fcntl(fd, F_GETFD) != -1;
    return n;
}

void ocekavejTabulku(const DataDBF& skutecna, const DataDBF& ocekavana) {
    EXPECT_EQ(skutecna.nazvy, ocekavana.nazvy);
    ASSERT_EQ(skutecna.pocetZaznamu(), ocekavana.pocetZaznamu());
    for (size_t r = 0; r < ocekavana.radky.size(); ++r) {
        ASSERT_EQ(skutecna.radky[r].size(), ocekavana.radky[r].size()) << "record " << r + 1;
        for (size_t c = 0; c < ocekavana.radky[r].size(); ++c)
            EXPECT_EQ(popis(skutecna.radky[r][c]), popis(ocekavana.radky[r][c]))
                << "record " << r + 1 << ", field " << c + 1;
    }
}

// A file that comes `kus` bytes at a time, as one on a network share may.
class PoKusech : public filestore::FileReader {
public:
    PoKusech(const QByteArray& obsah, const QString& soubor, qint64 kus) : FileReader(soubor), m_obsah(obsah), m_kus(kus) {}
    qint64 size() const override { return m_obsah.size(); }
    Vysledek<> seek(qint64 pozice) override {
        m_pozice = pozice;
        return {};
    }

protected:
    qint64 readSome(char* kam, qint64 n) override {
        n = std::min({n, m_kus, m_obsah.size() - m_pozice});
        std::memcpy(kam, m_obsah.constData() + m_pozice, static_cast<size_t>(n));
        m_pozice += n;
        return n;
    }

private:
    QByteArray m_obsah;
    qint64 m_kus, m_pozice = 0;
};

}  // namespace

TEST(DBF, WritesTheCustomerTableByteForByte) {
    const QByteArray ocekavano = zHexu(readBytes(testData("dbf/zakaznici.hex")));
    ASSERT_EQ(ocekavano.size(), 262);
    EXPECT_EQ(zapisDBF(zakaznici(), kDnes, "zakaznici.dbf").toHex(' '), ocekavano.toHex(' '));
    ocekavejTabulku(ctiDBF(ocekavano, "zakaznici.dbf"), zakaznici());
}

// Field types, code page, trimming, numbers and dates as the reader gives them.
TEST(DBF, ReadsEveryFieldTypeAndSkipsDeletedRecords) {
    const QByteArray soubor = sestavDBF(
        {{"TEXT", 'C', 10}, {"CISLO", 'N', 7, 2}, {"DATUM", 'D', 8}, {"LOG", 'L', 1}, {"MEMO", 'M', 10},
         {"FLT", 'F', 8}, {"\xAC" "ARKA", 'C', 5}},
        {
            QByteArray(" ") + "  \xAC\xA1slo   " + "  12.50" + "20261205" + "T" + "0000000012" + "  1.5e2 " + "\xC1    ",
            QByteArray("*") + "Smazany   " + "   9.99" + "20000101" + "F" + "          " + "       1" + "     ",
            QByteArray(" ") + "          " + "       " + "        " + " " + "          " + "        " + "x    ",
            QByteArray(" ") + "ABC       " + "    1,5" + "20261332" + "?" + "          " + "-0.25   " + "     ",
        });
    const DataDBF t = ctiDBF(soubor, "x.dbf");
    DataDBF ocekavano;
    ocekavano.nazvy = {"TEXT", "CISLO", "DATUM", "LOG", "MEMO", "FLT", "ČARKA"};
    const std::monostate nic;
    ocekavano.radky = {
        {QStringLiteral("Číslo"), 12.5, QStringLiteral("5.12.2026"), QStringLiteral("T"), nic, 150.0, QStringLiteral("Á")},
        {QString(), 0.0, QString(), QString(), nic, 0.0, QStringLiteral("x")},
        {QStringLiteral("ABC"), 1.0, QString(), QStringLiteral("?"), nic, -0.25, QString()},
    };
    ocekavejTabulku(t, ocekavano);
}

TEST(DBF, ChoosesFieldTypesFromTheCells) {
    struct Pripad {
        const char* nazev;
        std::vector<BunkaDBF> bunky;
        char typ;
        int delka;
        int desetinna;
        std::vector<QByteArray> hodnoty;
    };
    const std::monostate nic;
    const Pripad pripady[] = {
        {"texty", {QStringLiteral("A"), QStringLiteral("BBB")}, 'C', 3, 0, {"A  ", "BBB"}},
        {"cisla", {12.5, 3.0}, 'N', 6, 1, {"  12.5", "   3.0"}},
        {"zaporna", {-7.25, 100.0}, 'N', 8, 2, {"   -7.25", "  100.00"}},
        {"velke cislo", {1e20}, 'N', 21, 0, {"100000000000000000000"}},
        {"nejdelsi pole", {1e254}, 'N', 255, 0, {"1" + QByteArray(254, '0')}},
        {"data", {QDate(2026, 12, 5), QDate(2000, 1, 31), QDate()}, 'D', 8, 0, {"20261205", "20000131", "        "}},
        {"smisene", {QStringLiteral("x"), 12.5, QDate(2026, 12, 5)}, 'C', 9, 0, {"x        ", "12,5     ", "5.12.2026"}},
        {"prazdne", {nic, QStringLiteral("ab")}, 'C', 2, 0, {"  ", "ab"}},
        {"jen prazdne", {nic, QString()}, 'C', 1, 0, {" ", " "}},
        {"pismena 852", {QStringLiteral("Číslo")}, 'C', 5, 0, {"\xAC\xA1slo"}},
        {"prilis dlouhy", {QString(300, QChar(u'ř'))}, 'C', 255, 0, {QByteArray(255, '\xFD')}},
    };
    for (const QString& region : {QStringLiteral("cs_CZ"), QStringLiteral("C")}) {
        Region r(region);
        for (const Pripad& p : pripady) {
            if (region == QLatin1String("C") && p.typ == 'C' && std::string(p.nazev) == "smisene") continue;
            DataDBF t;
            t.nazvy = {"POLE"};
            for (const BunkaDBF& b : p.bunky) t.radky.push_back({b});
            const QByteArray s = zapisDBF(t, kDnes, "x.dbf");
            SCOPED_TRACE(std::string(p.nazev) + " / " + region.toStdString());
            EXPECT_EQ(s[32 + 11], p.typ);
            EXPECT_EQ(static_cast<unsigned char>(s[32 + 16]), p.delka);
            EXPECT_EQ(s[32 + 17], p.desetinna);
            const int rl = static_cast<unsigned char>(s[10]) | static_cast<unsigned char>(s[11]) << 8;
            EXPECT_EQ(rl, p.delka + 1);
            for (size_t i = 0; i < p.hodnoty.size(); ++i)
                EXPECT_EQ(s.mid(65 + static_cast<qsizetype>(i) * rl, rl), " " + p.hodnoty[i]);
            EXPECT_EQ(s.size(), 65 + static_cast<qsizetype>(p.hodnoty.size()) * rl + 1);
            EXPECT_EQ(s.back(), '\x1A');
        }
    }
}

TEST(DBF, WritesNamesAndEmptyTables) {
    DataDBF t;
    t.nazvy = {"prijmeni_dlouhe", "číslo"};
    const QByteArray s = zapisDBF(t, kDnes, "x.dbf");
    // No records: count 0, record length 0, C fields of length 0, then 0D 1A.
    EXPECT_EQ(s.left(12).toHex(' '), QByteArray("03 7e 0c 06 00 00 00 00 61 00 00 00"));
    EXPECT_EQ(s.mid(32, 12), QByteArray("PRIJMENI_D\0C", 12));
    EXPECT_EQ(s.mid(64, 12), QByteArray("\xC8\xCDSLO\0\0\0\0\0\0C", 12));  // Windows-1250, not 852
    EXPECT_EQ(s[48], '\0');
    EXPECT_EQ(s.mid(96), QByteArray("\x0D\x1A"));
    const DataDBF zpet = ctiDBF(s, "x.dbf");
    EXPECT_EQ(zpet.nazvy, QStringList({"PRIJMENI_D", "ČÍSLO"}));
    EXPECT_EQ(zpet.pocetZaznamu(), 0);
}

// Damaged files give an error naming the file, or the records that are whole; read from disk in
// blocks, a file gives what it gives read whole. Blanks ending anywhere in an eight-byte word are
// trimmed alike.
// On disk, and from a file handed out in small pieces, as from memory.
TEST(DBF, DamagedFilesGiveAnErrorOrTheWholeRecordsOnDiskAsInMemory) {
    const QByteArray zaklad = zHexu(readBytes(testData("dbf/zakaznici.hex")));
    const auto korpus = [](const char* jmeno) { return readBytes(testData(QStringLiteral("dbf_corpus/%1.dbf").arg(jmeno))); };
    QByteArray bezPoli = s16(s16(zaklad.left(32), 8, 33), 10, 0) + "\x0D\x1A";
    // 2000 fields of length 0 over 200,000 one-byte records: 400 million cells from 264 kB.
    QByteArray prazdnaPole = s16(s16(zaklad.left(32), 8, 32 + 32 * 2000 + 1), 10, 1);
    for (int i = 0; i < 2000; ++i) prazdnaPole += QByteArray("P\0\0\0\0\0\0\0\0\0\0C", 12) + QByteArray(20, '\0');
    prazdnaPole += '\x0D' + QByteArray(200000, ' ');
    QByteArray delky255 = zaklad;
    for (int i = 0; i < 5; ++i) delky255[48 + 32 * i] = '\xFF';
    std::vector<QByteArray> mezery, mnoho;
    QStringList orezane;
    for (int delka = 0; delka <= 40; ++delka)
        for (int od = 0; od <= 40 - delka; od += 3) {
            QByteArray text(delka, 'x');
            if (delka > 2) text[delka / 2] = ' ';  // a blank inside stays
            mezery.push_back(" " + QByteArray(od, ' ') + text + QByteArray(40 - od - delka, ' '));
            orezane << QString::fromLatin1(text);
        }
    // Several blocks, with deleted records around their edges.
    for (int i = 0; i < 3000; ++i) mnoho.push_back((i % 401 < 2 ? "*" : " ") + QByteArray::number(i).leftJustified(30, ' '));
    struct Pripad {
        const char* nazev;
        QByteArray obsah;
        int poli;  // -1: an error
        int zaznamu;
    };
    const Pripad pripady[] = {
        {"prazdny soubor", QByteArray(), -1, 0},
        {"kratsi nez hlavicka", korpus("kratka_hlavicka"), -1, 0},
        {"useknute popisy poli", korpus("useknute_popisy"), -1, 0},
        {"delka hlavicky 0", s16(zaklad, 8, 0), -1, 0},
        {"tisice prazdnych poli", prazdnaPole, -1, 0},
        {"delka hlavicky za koncem", korpus("hlavicka_za_koncem"), 5, 0},
        {"delka hlavicky o 19 kratsi", s16(zaklad, 8, 193 - 19), 4, 2},
        {"delka zaznamu 0", korpus("zaznam_0"), 5, 0},
        {"delka zaznamu 1", s16(zaklad, 10, 1), 5, 69},
        {"pole za koncem zaznamu", korpus("pole_za_zaznamem"), 5, 13},
        {"delky poli 255", delky255, 5, 2},
        {"pocet zaznamu za koncem", s16(zaklad, 4, 0xFFFF), 5, 2},
        {"bez 0x1A", korpus("bez_konce"), 5, 2},
        {"useknuty posledni zaznam", korpus("useknuty_zaznam"), 5, 1},
        {"zpetny odkaz za popisy", korpus("zpetny_odkaz"), 5, 2},
        {"zadne pole", bezPoli, 0, 0},
        {"mezery", sestavDBF({{"T", 'C', 40}}, mezery), 1, static_cast<int>(mezery.size())},
        {"mnoho bloku", sestavDBF({{"N", 'N', 30}}, mnoho), 1, 2984},
        {"dlouhe zaznamy", sestavDBF({{"A", 'C', 255}, {"B", 'C', 255}}, std::vector<QByteArray>(700, " " + QByteArray(509, 'y') + "z")),
         2, 700},
    };
    const auto popis = [](const std::function<DataDBF()>& f) {
        try {
            const DataDBF d = f();
            std::string v = d.nazvy.join(',').toStdString();
            for (const auto& r : d.radky)
                for (const BunkaDBF& b : r) v.append(1, '\n').append(::popis(b));
            return v;
        } catch (const RuntimeError& e) {
            return "error " + e.popis().toStdString();
        }
    };
    QTemporaryDir dir;
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        const QString soubor = dir.filePath(QString::fromLatin1(p.nazev) + ".dbf");
        writeBytes(soubor, p.obsah);
        const std::string vPameti = popis([&] { return ctiDBF(p.obsah, soubor); });
        EXPECT_EQ(popis([&] { return NactiDBF(soubor.chopped(4)); }), vPameti);
        for (const qint64 kus : {1, 7})
            EXPECT_EQ(popis([&] {
                          CtecDBF ctec(std::make_unique<PoKusech>(p.obsah, soubor, kus));
                          DataDBF t{ctec.nazvy(), {}};
                          for (std::vector<BunkaDBF> radek; ctec.dalsi(radek);) t.radky.push_back(radek);
                          return t;
                      }),
                      vPameti)
                << kus << " bytes a read";
        if (p.poli < 0) {
            EXPECT_TRUE(QString::fromStdString(vPameti).startsWith("error ") && QString::fromStdString(vPameti).contains(soubor)) << vPameti;
            continue;
        }
        const DataDBF t = ctiDBF(p.obsah, soubor);
        EXPECT_EQ(std::pair(t.pocetPoli(), t.pocetZaznamu()), std::pair(p.poli, p.zaznamu));
        for (const auto& r : t.radky) EXPECT_EQ(static_cast<int>(r.size()), p.poli);
    }
    const DataDBF d = ctiDBF(sestavDBF({{"T", 'C', 40}}, mezery), QStringLiteral("x.dbf"));
    for (size_t i = 0; i < mezery.size(); ++i) EXPECT_EQ(std::get<QString>(d.radky[i][0]), orezane[static_cast<qsizetype>(i)]);
}

// A file cut short while it is read, at a block's end or inside the next block: the records
// read stay, those still in the file follow, and the warning counts them all.
TEST(DBF, AFileThatShrinksWhileReadKeepsTheRecordsRead) {
    std::vector<QByteArray> zaznamy;
    for (int i = 0; i < 3000; ++i) zaznamy.push_back(" " + QByteArray::number(i).leftJustified(30, ' '));
    const QByteArray obsah = s16(sestavDBF({{"N", 'N', 30}}, zaznamy), 4, 3000);
    constexpr qint64 kHlavicka = 65, kZaznam = 31;
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("t"));
    for (const qint64 zbyva : {2114, 2500})
        for (const qint64 kus : {0, 15}) {
            SCOPED_TRACE(zbyva * 100 + kus);
            writeBytes(cesta + ".dbf", obsah);
            CtecDBF ctec(cesta);
            std::vector<BunkaDBF> radek;
            ASSERT_TRUE(ctec.dalsi(radek));
            ASSERT_TRUE(QFile::resize(cesta + ".dbf", kHlavicka + zbyva * kZaznam + kus));
            qint64 precteno = 1;
            double posledni = 0;
            while (ctec.dalsi(radek)) {
                ++precteno;
                posledni = std::get<double>(radek[0]);
            }
            EXPECT_EQ(std::pair(precteno, posledni), std::pair(zbyva, static_cast<double>(zbyva - 1)));
            EXPECT_TRUE(ctec.varovani().contains(QStringLiteral("hlavičky: 3000, v souboru: %1)").arg(zbyva))) << ctec.varovani().toStdString();
        }
}

TEST(DBF, FuzzCorpusRunsThroughTheReader) {
    const QDir korpus(testData("dbf_corpus"));
    const QStringList soubory = korpus.entryList(QDir::Files);
    ASSERT_GE(soubory.size(), 8);
    for (const QString& s : soubory) {
        SCOPED_TRACE(s.toStdString());
        const QByteArray b = readBytes(korpus.filePath(s));
        EXPECT_NO_THROW(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size())));
    }
}

TEST(DBF, FilesOnDisk) {
    FakeServices sluzby;
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("nova slozka/Zakaznici"));
    const QByteArray zakaznici = zHexu(readBytes(testData("dbf/zakaznici.hex")));
    UlozDBF(cesta, ::zakaznici());
    EXPECT_EQ(readBytes(cesta + ".dbf"), zakaznici);
    ocekavejTabulku(NactiDBF(cesta), ::zakaznici());

    // A table too large for the header leaves the existing file as it was; failures name the
    // file, one that is there but cannot be read with the reason.
    DataDBF velka;
    velka.nazvy = {"A"};
    velka.radky.resize(65536, {QStringLiteral("x")});
    writeBytes(dir.filePath("soubor"), "x");
    writeBytes(dir.filePath("zamceny.dbf"), zakaznici);
    QFile::setPermissions(dir.filePath("zamceny.dbf"), QFileDevice::WriteOwner);
    const struct { std::function<void()> akce; QString soubor; int cislo; QString zprava; } chyby[] = {
        {[&] { UlozDBF(cesta, velka); }, cesta + ".dbf", 6, {}},
        {[&] { NactiDBF(dir.filePath("chybi")); }, dir.filePath("chybi.dbf"), 53, {}},
        {[&] { UlozDBF(dir.filePath("soubor/pod"), ::zakaznici()); }, dir.filePath("soubor/pod.dbf"), 75, {}},
        {[&] {
             const BezPravaCist bez;
             NactiDBF(dir.filePath("zamceny"));
         },
         dir.filePath("zamceny.dbf"), 75, "Soubor " + dir.filePath("zamceny.dbf") + " nelze přečíst: Přístup odepřen."},
    };
    for (const auto& c : chyby) {
        try {
            c.akce();
            ADD_FAILURE() << "no error for " << c.soubor.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_TRUE(c.zprava.isEmpty() ? e.popis().contains(c.soubor) : e.popis() == c.zprava) << e.what();
            EXPECT_EQ(e.cislo(), c.cislo) << e.what();
        }
    }
    EXPECT_EQ(readBytes(cesta + ".dbf"), zakaznici);
}

// The reader closes its file however the read ends: whole, left part-way or refused.
TEST(DBF, TheReaderClosesItsFile) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("t"));
    UlozDBF(cesta, ::zakaznici());
    writeBytes(dir.filePath("vadny.dbf"), s16(QByteArray(32, '\0'), 8, 16));
    const struct { const char* jak; bool chyba; std::function<void()> cteni; } pripady[] = {
        {"whole", false, [&] { NactiDBF(cesta); }},
        {"the price list", false, [&] { TabulkaArtiklu::nacti(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Art")); }},
        {"left part-way", false, [&] { std::vector<BunkaDBF> radek; CtecDBF(cesta).dalsi(radek); }},
        {"header refused", true, [&] { NactiDBF(dir.filePath("vadny")); }},
        {"too few fields for a price list", true, [&] { TabulkaArtiklu::nacti(cesta); }},
    };
    for (const auto& p : pripady) {
        const int otevreno = otevrenych(), chyba = cisloChyby(p.cteni);
        EXPECT_EQ(std::pair(chyba != 0, otevrenych()), std::pair(p.chyba, otevreno)) << p.jak;
    }
}

// A read that fails once the file is open, in its header or among its records, fails as a
// refused open does: error 75 naming the file and the reason, never a table cut short.
TEST(DBF, AReadFailingAfterTheOpenGivesError75WithItsReason) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("Art"));
    UlozDBF(cesta, ::zakaznici());
    const struct { const char* kde; std::function<void()> cteni; } pripady[] = {
        {"header", [&] { selhejVolani({__NR_read, __NR_readv, __NR_pread64}, EIO); NactiDBF(cesta); }},
        {"seek to the records", [&] { selhejVolani({__NR_lseek}, EIO); NactiDBF(cesta); }},
        {"size of the open file", [&] { selhejVolani({__NR_fstat, __NR_newfstatat}, EIO); NactiDBF(cesta); }},
        {"records", [&] {
             CtecDBF ctec(cesta);
             selhejVolani({__NR_read, __NR_readv, __NR_pread64}, EIO);
             for (std::vector<BunkaDBF> radek; ctec.dalsi(radek);) {}
         }},
    };
    for (const auto& p : pripady) {
        const QByteArray vysledek = vPotomkovi([&]() -> QByteArray {
            const int otevreno = otevrenych();
            try {
                p.cteni();
            } catch (const RuntimeError& e) {
                return QString::number(e.cislo()).toUtf8() + ' ' + e.popis().toUtf8() + (otevrenych() == otevreno ? "" : " (left open)");
            }
            return "read";
        });
        EXPECT_EQ(QString::fromUtf8(vysledek), "75 Soubor " + cesta + ".dbf nelze přečíst: Chyba vstupu/výstupu.") << p.kde;
    }
}

// A second reader: what we write, python3-dbfread reads the same.
TEST(DBF, WrittenTablesReadTheSameInDbfread) {
    if (!maDbfread()) GTEST_SKIP() << "python3-dbfread is not installed";
    FakeServices sluzby;
    QTemporaryDir dir;
    DataDBF t;
    t.nazvy = {"NAZEV", "CENA", "DATUM"};
    const QString pismena = QStringLiteral("áÁéÉěĚíÍóÓúÚůŮýÝčČďĎľĽňŇřŘšŠťŤžŽäëöüÄËÖÜß°");
    t.radky = {{pismena, 12.5, QDate(2026, 12, 5)},
               {QStringLiteral("Komínová vložka 160"), 3.0, QDate(1999, 1, 31)},
               {QStringLiteral("x"), -1234.75, QDate(2000, 2, 29)}};
    UlozDBF(dir.filePath("tabulka"), t);
    const QByteArray json = spustPython({QStringLiteral(SORVENIKA_SOURCE_DIR "/tests/pricelist/dbfread_dump.py"), dir.filePath("tabulka.dbf")});
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(o["fields"].toVariant().toStringList(), t.nazvy);
    const QJsonArray zaznamy = o["records"].toArray();
    ASSERT_EQ(zaznamy.size(), 3);
    for (int r = 0; r < 3; ++r) {
        const QJsonArray z = zaznamy[r].toArray();
        EXPECT_EQ(z[0].toString(), std::get<QString>(t.radky[r][0]));
        EXPECT_EQ(z[1].toDouble(), std::get<double>(t.radky[r][1]));
        EXPECT_EQ(z[2].toString(), std::get<QDate>(t.radky[r][2]).toString(Qt::ISODate));
    }
    // And our reader gives back what was written (dates as their short text).
    DataDBF ocekavano = t;
    for (auto& r : ocekavano.radky) r[2] = textBunky(r[2]);
    ocekavejTabulku(NactiDBF(dir.filePath("tabulka")), ocekavano);
}

// The header's two-byte numbers, and the code tables of field texts: 0 to 1 and back agree with
// the reader's and writer's own byte mapping for every byte.
TEST(DBF, IntNa2BajtyAndPrevedZnaky) {
    EXPECT_EQ(IntNa2Bajty(258), QByteArray("\x02\x01"));
    for (int n : {-1, 65536}) EXPECT_EQ(cisloChyby([&] { IntNa2Bajty(n); }), 6) << n;
    // Ë keeps its 852 code (Ó in Windows-1250) in Kamenický; the degree sign has no place there.
    const std::tuple<QString, int, QString> radky[] = {
        {QStringLiteral("Číslo žluťoučký Ë°"), 2, cp1250::decode("\x80\xA1slo \x91lu\x9Fou\x87k\x98 \xD3\xB0")},
        {QStringLiteral("Číslo žluťoučký ß°"), 3, QStringLiteral("Cislo zlutoucky ß°")},
        {QStringLiteral("Číslo"), 4, QStringLiteral("Číslo")}};
    for (const auto& [text, cil, cekam] : radky) EXPECT_EQ(PrevedZnaky(text, 1, cil), cekam) << cil;
    for (int b = 0; b < 256; ++b) {
        const QChar pismeno = dbftext::toChar(static_cast<unsigned char>(b));
        EXPECT_EQ(PrevedZnaky(QString(cp1250::toChar(static_cast<unsigned char>(b))), 0, 1), QString(pismeno)) << b;
        EXPECT_EQ(cp1250::encode(PrevedZnaky(QString(pismeno), 1, 0)), QByteArray(1, dbftext::toByte(pismeno))) << b;
    }
}
