// The offer record and its files, byte for byte: what travels to the server must not change by
// one byte, and nothing a reader meets may abort it.
#include "net/clsBase64.h"
#include "offers/KodyNabidek.h"
#include "offers/SouboryNabidek.h"
#include "offers/UdajeNabidky.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "pricelist/DbfTestUtil.h"
#include "support/BezPravaCist.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct Slozka {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    FakeServices sluzby;
    QString soubor(const QString& jmeno) const { return dir.filePath("Nabidky/" + jmeno); }
    QString text(const QString& jmeno) const { return cp1250::decode(readBytes(soubor(jmeno))); }
};

Nastaveni zastupce(int idoz) {
    Nastaveni n;
    n.IDOZ = Integer(idoz);
    n.JmenoOZ = QStringLiteral("Jan Dvořák");
    n.EmailOZ = QStringLiteral("dvorak@example.cz");
    n.TelefonOZ = QStringLiteral("603 111 222");
    return n;
}

clsNabidka vyplnena() {
    clsNabidka n(zastupce(7));
    n.ExtID = 12;
    n.Stav = 3;
    n.DatumNabidky = QDate(2026, 3, 5);
    n.NazevAkce = QStringLiteral("Dům|Říčany");
    n.MistoStavby = QStringLiteral("Říčany\r\nu Prahy");
    n.Ulice = QStringLiteral("Dlouhá\nulice");
    n.UliceCP = QStringLiteral("12\rA\r");
    n.RealizacniFirma = QStringLiteral("Stavby ŽŠ");
    n.KontaktniOsoba = QStringLiteral("Petr Čech");
    n.Telefon = QStringLiteral("777 000 111");
    n.Email = QStringLiteral("cech@example.cz");
    n.Obchodnik = QStringLiteral("Stavebniny Kůň");
    n.ObchodnikMesto = QStringLiteral("Brno");
    n.DruhStavby = 3;
    n.CenaBezDPH = 12345.6;
    n.ProjektovaSleva = 7.5;
    n.CenaPoSleveBezDPH = 11419.68;
    n.CenaPoSleveSDPH = 13817.8128;
    n.Poznamka = QStringLiteral("první|řádek\r\ndruhý\ntřetí\\r\\nčtvrtý");
    n.Sorvenika = QStringLiteral("<sorvenika>čšž</sorvenika>\r\n");
    return n;
}

const QString kZaznam = QStringLiteral(
    "12|7|5.3.2026|3|Dům~Říčany|Říčanyu Prahy|Dlouháulice|12A|Stavby ŽŠ|Petr Čech|777 000 111|cech@example.cz|"
    "Stavebniny Kůň|Brno|3|12345.6|7.5|11419.68|13817.8128|první~řádek\\r\\ndruhý\\r\\ntřetí\\r\\nčtvrtý|"
    "PHNvcnZlbmlrYT7omp48L3NvcnZlbmlrYT4NCg==\r\n");

}  // namespace

TEST(clsNabidka, RecordIsWrittenByteExactAndReadsBackUnderBothRegionalSettings) {
    for (const char* region : {"cs_CZ", "C"}) {
        SCOPED_TRACE(region);
        Region r{QLatin1String(region)};
        FakeServices sluzby;
        clsNabidka n = vyplnena();
        const QString zaznam = n.ZaznamKOdeslani();
        EXPECT_EQ(zaznam, kZaznam);
        EXPECT_EQ(n.SorvenikaCoded, QStringLiteral("PHNvcnZlbmlrYT7omp48L3NvcnZlbmlrYT4NCg=="));

        clsNabidka zpet;
        zpet.NaplnObjekt(kHlavickaNeodeslanych, zaznam.chopped(2));
        EXPECT_EQ(std::tuple(zpet.ID, zpet.ExtID, zpet.CisloOZ.value(), zpet.DatumNabidky, zpet.Stav, zpet.JmenoOZ),
                  std::tuple(0, 12, 7, QDate(2026, 3, 5), 3, QString()));
        EXPECT_EQ(std::tuple(zpet.NazevAkce, zpet.MistoStavby, zpet.Ulice, zpet.Poznamka, zpet.Sorvenika),
                  std::tuple(QStringLiteral("Dům~Říčany"), QStringLiteral("Říčanyu Prahy"), QStringLiteral("Dlouháulice"),
                             QStringLiteral("první~řádek\r\ndruhý\r\ntřetí\r\nčtvrtý"), n.Sorvenika));
        EXPECT_EQ(std::tuple(zpet.CenaBezDPH, zpet.ProjektovaSleva, zpet.CenaPoSleveSDPH), std::tuple(12345.6, 7.5, 13817.8128));
    }
}

TEST(clsNabidka, TheHeaderDrivesTheReaderAndNoValueAbortsIt) {
    FakeServices sluzby;
    const struct { QString hlavicka, radek; int id, extId, oz, stav; QDate datum; double cena; QString akce, sorvenika; } pripady[] = {
        // Another order, the server's extra columns, values beyond the header ignored.
        {"Sorvenika|ID|Stav|JmenoOZ|IDOZ|ExtID", "YWJj|41|2|Eva|9|5|navíc|navíc", 41, 5, 9, 2, QDate(2026, 12, 6), 0, "", "abc"},
        // A name in another case, or unknown, is passed over.
        {"id|ExtID|Neznamy|NazevAkce", "41|6|x|Akce", 0, 6, 1, 0, QDate(2026, 12, 6), 0, "Akce", ""},
        // Fewer values than names: the rest keep their defaults.
        {"ExtID|IDOZ|Datum|CenaBezDPH", "8", 0, 8, 1, 0, QDate(2026, 12, 6), 0, "", ""},
        // Leading zeros, an ISO date, a price with trailing text.
        {"ExtID|IDOZ|Datum|CenaBezDPH", "007|0012|2026-01-31|99.5 Kč", 0, 7, 12, 0, QDate(2026, 1, 31), 99.5, "", ""},
        // Garbage in every typed column: 0, a null date, an empty costing.
        {"ExtID|IDOZ|Datum|CenaBezDPH|Sorvenika|Stav", "abc|99999|32.13.2026|x1|@@@@|", 0, 0, 0, 0, QDate(), 0, "", ""},
        {"ExtID|Datum", "1|5.3.26", 0, 1, 1, 0, QDate(2026, 3, 5), 0, "", ""},
        // A date downloaded with its time of day.
        {"ExtID|Datum", "1|9.4.2009 10:00:00", 0, 1, 1, 0, QDate(2009, 4, 9), 0, "", ""},
        {"ExtID|Datum", "1|2009-04-09 10:00:00", 0, 1, 1, 0, QDate(2009, 4, 9), 0, "", ""},
        {"NazevAkce|ExtID|Datum", "|2|x.3.2026", 0, 2, 1, 0, QDate(), 0, "", ""},
        {"ExtID|Datum", "3|5.3.-026", 0, 3, 1, 0, QDate(), 0, "", ""},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.radek.toStdString());
        Nastaveni nast;
        nast.IDOZ = Integer(1);
        clsNabidka n(nast);
        n.NaplnObjekt(p.hlavicka, p.radek);
        EXPECT_EQ(std::tuple(n.ID, n.ExtID, n.CisloOZ.value(), n.Stav, n.DatumNabidky, n.CenaBezDPH, n.NazevAkce, n.Sorvenika),
                  std::tuple(p.id, p.extId, p.oz, p.stav, p.datum, p.cena, p.akce, p.sorvenika));
    }
}

TEST(SouboryNabidek, AppendingCreatesTheFolderAndHeader) {
    Slozka s;
    const QString hlavicka = kHlavickaNeodeslanych + "\r\n";
    clsNabidka a = vyplnena(), b = vyplnena();
    b.ExtID = 13;
    ASSERT_TRUE(a.UlozNabidkuKOdeslani());
    ASSERT_TRUE(b.UlozNabidkuKOdeslani());
    const QString dva = hlavicka + a.ZaznamKOdeslani() + b.ZaznamKOdeslani();
    EXPECT_EQ(readBytes(s.soubor(kNeodeslaneNabidky)), cp1250::encode(dva));

    // A folder that cannot be made reports the failure, naming the file and the folder.
    QFile::remove(s.soubor(kNeodeslaneNabidky));
    QDir(s.dir.path()).rmdir("Nabidky");
    writeBytes(s.dir.filePath("Nabidky"), "soubor místo složky");
    EXPECT_EQ(a.UlozNabidkuKOdeslani().chyba(), QStringLiteral("Chyba při zápisu do souboru %1: složku %2 nelze vytvořit")
                                                    .arg(s.soubor(kNeodeslaneNabidky), s.dir.filePath("Nabidky")));
}

// The next save keeps every whole record under the header whatever ends its lines; everything
// else (a last line without its line end, a foreign or blank first line and all below it, a line
// with another number of fields) is set aside, into a side file the message names.
TEST(SouboryNabidek, AnAppendKeepsEveryWholeRecordAndSetsAFragmentAside) {
    FakeServices sluzby;
    clsNabidka a = vyplnena(), b = vyplnena(), c = vyplnena();
    b.ExtID = 13;
    c.ExtID = 14;
    const QByteArray H = cp1250::encode(kHlavickaNeodeslanych), A = cp1250::encode(a.ZaznamKOdeslani().chopped(2)),
                     B = cp1250::encode(b.ZaznamKOdeslani().chopped(2)), C = cp1250::encode(c.ZaznamKOdeslani());
    const QByteArray zlomek = "15|7|5.3.2026|0|Nedokon\xe8";
    // B cut inside its costing, which every field before it precedes.
    const qsizetype kalkulace = B.lastIndexOf('|') + 1;
    const auto Bdo = [&](qsizetype znaku) { return B.first(kalkulace + znaku); };
    const struct { const char* popis; QByteArray pred, po, odlozeno; } pripady[] = {
        {"empty file", "", H + "\r\n" + C, ""},
        {"a cut header", "ExtID|IDOZ", H + "\r\n" + C, ""},
        {"the header alone, no CR LF", H, H + "\r\n" + C, ""},
        {"last record without CR LF", H + "\r\n" + A + "\r\n" + B, H + "\r\n" + A + "\r\n" + C, B + "\r\n"},
        {"a record cut between its CR and its LF", H + "\r\n" + A + "\r\n" + B + "\r", H + "\r\n" + A + "\r\n" + C, B + "\r\n"},
        {"LF line ends", H + "\n" + A + "\n" + B + "\n", H + "\r\n" + A + "\r\n" + B + "\r\n" + C, ""},
        {"LF, last without it", H + "\n" + A + "\n" + B, H + "\r\n" + A + "\r\n" + C, B + "\r\n"},
        {"a true fragment", H + "\r\n" + A + "\r\n" + zlomek, H + "\r\n" + A + "\r\n" + C, zlomek + "\r\n"},
        {"a fragment after LF lines", H + "\n" + A + "\n" + B + "\n" + zlomek, H + "\r\n" + A + "\r\n" + B + "\r\n" + C,
         zlomek + "\r\n"},
        {"cut one character into the costing", H + "\r\n" + A + "\r\n" + Bdo(1), H + "\r\n" + A + "\r\n" + C, Bdo(1) + "\r\n"},
        {"cut half-way through the costing", H + "\r\n" + A + "\r\n" + Bdo((B.size() - kalkulace) / 2),
         H + "\r\n" + A + "\r\n" + C, Bdo((B.size() - kalkulace) / 2) + "\r\n"},
        {"cut one character short", H + "\r\n" + A + "\r\n" + B.chopped(1), H + "\r\n" + A + "\r\n" + C, B.chopped(1) + "\r\n"},
        {"cut right after the last field's bar", H + "\r\n" + A + "\r\n" + Bdo(0), H + "\r\n" + A + "\r\n" + C, Bdo(0) + "\r\n"},
        {"CR line ends", H + "\r" + A + "\r" + B + "\r", H + "\r\n" + A + "\r\n" + B + "\r\n" + C, ""},
        {"a lone CR in a field of an LF file", H + "\n" + A.first(9) + "\r" + A.sliced(9) + "\n" + B + "\n",
         H + "\r\n" + A.first(9) + "\r" + A.sliced(9) + "\r\n" + B + "\r\n" + C, ""},
        {"two records glued by a lone CR", H + "\r\n" + A + "\r" + B + "\r\n", H + "\r\n" + C, A + "\r" + B + "\r\n"},
        {"a short line between records", H + "\r\n" + A + "\r\n" + zlomek + "\r\n" + B + "\r\n",
         H + "\r\n" + A + "\r\n" + B + "\r\n" + C, zlomek + "\r\n"},
        {"a foreign first line", "Ciz\xed text\r\ndruh\xfd \xf8\xe1" "dek\r\n", H + "\r\n" + C, "Ciz\xed text\r\ndruh\xfd \xf8\xe1" "dek\r\n"},
        {"a blank first line", "\r\n" + H + "\r\n" + A + "\r\n", H + "\r\n" + C, H + "\r\n" + A + "\r\n"},
        {"a CR-only file that got one CR LF at its end", H + "\r" + A + "\r\n", H + "\r\n" + C, H + "\r" + A + "\r\n"},
        {"CR lines and a cut costing", H + "\r" + A + "\r" + Bdo(7), H + "\r\n" + A + "\r\n" + C, Bdo(7) + "\r\n"},
        {"no line end and no header", "Ciz\xed text", H + "\r\n" + C, "Ciz\xed text\r\n"},
        {"a line end alone", "\n", H + "\r\n" + C, ""},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.popis);
        Slozka s;
        writeBytes(s.soubor(kNeodeslaneNabidky), p.pred);
        const Vysledek<QString> v = c.UlozNabidkuKOdeslani();
        ASSERT_TRUE(v) << v.chyba().toStdString();
        EXPECT_EQ(readBytes(s.soubor(kNeodeslaneNabidky)), p.po);
        EXPECT_EQ(QFile::exists(s.soubor(kZbytkyNeodeslanych)) ? readBytes(s.soubor(kZbytkyNeodeslanych)) : "", p.odlozeno);
        EXPECT_EQ(v->contains(QDir::toNativeSeparators(s.soubor(kZbytkyNeodeslanych))), !p.odlozeno.isEmpty())
            << v->toStdString();
        // The list reads what the file now holds: every whole record and the new one.
        EXPECT_EQ(NactiNeodeslaneNabidky(Nastaveni{})->size(), p.po.count("\r\n") - 1);
    }
}

// A rewrite that fails after the fragment was set aside (a full disk, a folder that takes no new
// file): the save fails and the file stays; the next try sets the fragment aside once.
TEST(SouboryNabidek, ARetriedSaveSetsAFragmentAsideOnce) {
    Slozka s;
    clsNabidka a = vyplnena();
    const QByteArray pred = cp1250::encode(kHlavickaNeodeslanych + "\r\n" + a.ZaznamKOdeslani()) + "13|7|5.3.2026|0|Nedokon";
    writeBytes(s.soubor(kNeodeslaneNabidky), pred);
    writeBytes(s.soubor(kZbytkyNeodeslanych), "");
    const QString slozka = s.dir.filePath("Nabidky");
    QFile::setPermissions(slozka, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Vysledek<QString> v = QString();
    {
        const BezPravaCist bez;
        v = a.UlozNabidkuKOdeslani();
    }
    QFile::setPermissions(slozka, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(v);
    EXPECT_EQ(readBytes(s.soubor(kNeodeslaneNabidky)), pred);
    ASSERT_TRUE(a.UlozNabidkuKOdeslani());
    EXPECT_EQ(readBytes(s.soubor(kZbytkyNeodeslanych)), "13|7|5.3.2026|0|Nedokon\r\n");
    EXPECT_EQ(NactiNeodeslaneNabidky(Nastaveni{})->size(), 2);
}

// A save reads the file again whenever it changed since the program last wrote it, by however
// little and however soon: a line another tool added is set aside, not appended under, and so is
// the whole file when a byte of its header is rewritten in place right after the save.
TEST(SouboryNabidek, AFileChangedSinceTheLastSaveIsReadAgain) {
    clsNabidka a = vyplnena();
    const QByteArray H = cp1250::encode(kHlavickaNeodeslanych + "\r\n"), A = cp1250::encode(a.ZaznamKOdeslani());
    const struct { const char* popis; qint64 kde; QByteArray zmena, po, stranou; } pripady[] = {
        {"a line appended", H.size() + 2 * A.size(), "1|2\r\n", H + A + A + A, "1|2\r\n"},
        {"a byte rewritten in place", 0, "e", H + A, "e" + H.sliced(1) + A + A},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.popis);
        Slozka s;
        // The second save is an append, whose state the next one trusts.
        ASSERT_TRUE(a.UlozNabidkuKOdeslani());
        ASSERT_TRUE(a.UlozNabidkuKOdeslani());
        const QString soubor = s.soubor(kNeodeslaneNabidky);
        QFile f(soubor);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(p.kde) && f.write(p.zmena) == p.zmena.size());
        f.close();
        const Vysledek<QString> v = a.UlozNabidkuKOdeslani();
        ASSERT_TRUE(v);
        EXPECT_TRUE(v->contains(QDir::toNativeSeparators(s.soubor(kZbytkyNeodeslanych))));
        EXPECT_EQ(readBytes(soubor), p.po);
        EXPECT_EQ(readBytes(s.soubor(kZbytkyNeodeslanych)), p.stranou);
    }
}

TEST(SouboryNabidek, AnUnreadableFileIsRefusedAndLeftAlone) {
    Slozka s;
    clsNabidka a = vyplnena();
    const QByteArray pet = cp1250::encode(kHlavickaNeodeslanych + "\r\n" + a.ZaznamKOdeslani().repeated(5));
    // Without CR LF at its end too, which takes the path that reads the whole file.
    for (const QByteArray& obsah : {pet, pet.chopped(2)}) {
        const QString soubor = s.soubor(kNeodeslaneNabidky);
        writeBytes(soubor, obsah);
        QFile::setPermissions(soubor, QFileDevice::WriteOwner);
        Vysledek<QString> v = QString();
        {
            const BezPravaCist bez;
            v = a.UlozNabidkuKOdeslani();
        }
        QFile::setPermissions(soubor, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_FALSE(v);
        EXPECT_EQ(v.chyba(), "Soubor " + QDir::toNativeSeparators(soubor) +
                                 " nelze přečíst: Přístup odepřen. Nabídka nebyla uložena a soubor zůstal beze změny.");
        EXPECT_EQ(readBytes(soubor), obsah);
    }
}

// As another user (a child process running as nobody) this user's offer files cannot be read:
// every reader fails naming the file and the reason (the project names once), and nothing
// rewrites or removes them, though the folder would let it.
TEST(SouboryNabidek, FilesAnotherUserCannotReadAreNeverTakenForEmpty) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    Slozka s;
    const QString nazvy = s.soubor(QStringLiteral("NazevAkce.txt"));
    const QList<std::pair<QString, QByteArray>> soubory{
        {s.soubor(kNeodeslaneNabidky), cp1250::encode(kHlavickaNeodeslanych + "\r\n" + vyplnena().ZaznamKOdeslani())},
        {s.soubor(kUlozeneNabidky), "ExtID\r\n1\r\n"},
        {s.soubor(kStavyNabidek), "ID|ExtID|Stav\r\n40|3|5\r\n"},
        {s.soubor(kObchodnici), "ID|Obchodnik\r\n1|Stavebniny\r\n"},
        {nazvy, "Akce 1\r\nAkce 2\r\n"},
    };
    for (const auto& [soubor, obsah] : soubory) {
        writeBytes(soubor, obsah);
        QFile::setPermissions(soubor, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const auto vsem = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(s.dir.path(), vsem);
    QFile::setPermissions(s.dir.filePath("Nabidky"), vsem);
    const QByteArray zpravy = vPotomkovi([&]() -> QByteArray {
        if (setgid(65534) != 0 || setuid(65534) != 0) return "setuid";
        QList<clsNabidka> l{vyplnena()};
        NazvyAkci n(nazvy);
        const QStringList z{NactiNeodeslaneNabidky(Nastaveni{}).chyba(), NactiUlozeneNabidky(Nastaveni{}).chyba(),
                            AktualizujStavy(l, 7).chyba(), UlozStavy(l, 7).chyba(), NactiObchodniky().chyba(),
                            n.chyba(), n.nauc(QStringLiteral("Akce 3")).chyba(), n.nauc(QStringLiteral("Akce 4")).chyba(),
                            n.zapomen(QStringLiteral("Akce 3")).chyba()};
        return z.join('\n').toUtf8();
    });
    const auto zprava = [](const QString& soubor) { return "Soubor " + soubor + " nelze přečíst: Přístup odepřen."; };
    EXPECT_EQ(QString::fromUtf8(zpravy).split('\n'),
              (QStringList{zprava(soubory[0].first), zprava(soubory[1].first), zprava(soubory[2].first), zprava(soubory[2].first),
                           zprava(soubory[3].first), zprava(nazvy), zprava(nazvy), {}, {}}));
    for (const auto& [soubor, obsah] : soubory) EXPECT_EQ(readBytes(soubor), obsah) << soubor.toStdString();
}

// The server's file through the reader the offer list uses: replaced whole, its last line counts
// however many fields it has; split at CR LF alone; empty lines skipped.
TEST(SouboryNabidek, TheServersFileIsReadWhole) {
    const QByteArray cela = clsBase64::Encode(QByteArray("<sorvenika><system>MIV</system></sorvenika>\r\n"));
    const struct { QByteArray obsah; QStringList ulozene; } pripady[] = {
        {"ExtID|NazevAkce\r\n1|a\r\n\r\n2|b\r\n3|c", {"1a5", "2b5", "3c5"}},
        {"ExtID|NazevAkce\r\n1|a\r\n2|b\r\n3", {"1a5", "2b5", "35"}},
        // A lone LF or CR stays in its field.
        {"ExtID|NazevAkce\n1|a\n2|b\n", {}},
        {"ExtID|NazevAkce\r1|a\r2|b\r", {}},
        {"ExtID|NazevAkce\r\n1|a\nb\r\n2|c\rd\r\n", {"1a\nb5", "2c\rd5"}},
        {"ExtID|NazevAkce|Sorvenika\r\n1|a|" + cela + "\r\n2|b|" + cela.chopped(4), {"1a5", "2b5"}},
        {"Sorvenika|ExtID\r\n" + cela + "|1\r\n" + cela.first(8) + "|2", {"15", "25"}},
        {"ExtID|NazevAkce\r\n1|a|navíc\r\n", {"1a5"}},
        {"ExtID|NazevAkce\r\n", {}},
        {"ExtID|NazevAkce", {}},
        {"", {}},
    };
    const Nastaveni n = zastupce(5);
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.obsah.toStdString());
        Slozka s;
        writeBytes(s.soubor(kUlozeneNabidky), p.obsah);
        const QList<clsNabidka> ulozene = *NactiUlozeneNabidky(n);
        QStringList akce;
        for (const clsNabidka& o : ulozene) akce << QString::number(o.ExtID) + o.NazevAkce + QString::number(o.CisloOZ);
        EXPECT_EQ(akce, p.ulozene);
        if (!ulozene.isEmpty()) {
            EXPECT_EQ(ulozene.first().JmenoOZ, n.JmenoOZ);
        }
    }
}

// A save cut at any byte of its record: only the whole record with its CR LF is an offer, the
// list shows nothing else, and the next save sets the cut line aside.
TEST(SouboryNabidek, ARecordCutAtAnyByteIsNoOffer) {
    FakeServices sluzby;
    clsNabidka a = vyplnena(), b = vyplnena(), c = vyplnena();
    b.ExtID = 13;
    c.ExtID = 14;
    const QByteArray zacatek = cp1250::encode(kHlavickaNeodeslanych + "\r\n" + a.ZaznamKOdeslani());
    const QByteArray B = cp1250::encode(b.ZaznamKOdeslani()), C = cp1250::encode(c.ZaznamKOdeslani());
    for (qsizetype k = 0; k <= B.size(); ++k) {
        SCOPED_TRACE(k);
        Slozka s;
        writeBytes(s.soubor(kNeodeslaneNabidky), zacatek + B.first(k));
        const QList<clsNabidka> nabidky = *NactiNeodeslaneNabidky(Nastaveni{});
        QList<int> cisla;
        for (const clsNabidka& o : nabidky) cisla << o.ExtID;
        EXPECT_EQ(cisla, (k == B.size() ? QList<int>{12, 13} : QList<int>{12}));
        const Vysledek<QString> v = c.UlozNabidkuKOdeslani();
        ASSERT_TRUE(v) << v.chyba().toStdString();
        const QByteArray odlozeno = k == 0 || k == B.size() ? QByteArray() : B.first(qMin(k, B.size() - 2)) + "\r\n";
        EXPECT_EQ(readBytes(s.soubor(kNeodeslaneNabidky)), zacatek + (k == B.size() ? B : QByteArray()) + C);
        EXPECT_EQ(QFile::exists(s.soubor(kZbytkyNeodeslanych)) ? readBytes(s.soubor(kZbytkyNeodeslanych)) : "", odlozeno);
    }
}

TEST(SouboryNabidek, StatesAreSavedForTheRepresentativeAndAppliedBack) {
    Slozka s;
    const auto nabidka = [](int oz, int id, int extId, int stav) {
        clsNabidka n;
        n.CisloOZ = Integer(oz);
        n.ID = id;
        n.ExtID = extId;
        n.Stav = stav;
        return n;
    };
    const QList<clsNabidka> nabidky{nabidka(7, 40, 3, 1), nabidka(8, 41, 3, 2), nabidka(7, 0, 4, 0)};
    ASSERT_TRUE(UlozStavy(nabidky, 7));
    EXPECT_EQ(readBytes(s.soubor(kStavyNabidek)), "ID|ExtID|Stav\r\n40|3|1\r\n0|4|0\r\n");
    ASSERT_TRUE(UlozStavy(nabidky, 9));
    EXPECT_EQ(readBytes(s.soubor(kStavyNabidek)), "ID|ExtID|Stav\r\n");

    const struct { QByteArray soubor; QList<int> stavy; } pripady[] = {
        {"ID|ExtID|Stav\r\n", {1, 2, 0}},
        {"ID|ExtID|Stav\r\n40|3|5", {1, 2, 0}},
        {"ID|ExtID|Stav\r\n40|3|5\r\n", {5, 2, 0}},
        {"ID|ExtID|Stav\r\n041|003|5\r\n40|4|6\r\n0|4|7\r\n", {1, 2, 7}},
        {"ID|ExtID|Stav\r\n40|3|5\r\n\r\nx|3|6\r\n40|3\r\n40|3|8\r\n", {8, 2, 0}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.soubor.toStdString());
        writeBytes(s.soubor(kStavyNabidek), p.soubor);
        QList<clsNabidka> l = nabidky;
        ASSERT_TRUE(AktualizujStavy(l, 7));
        EXPECT_EQ((QList<int>{l[0].Stav, l[1].Stav, l[2].Stav}), p.stavy);
    }
    QFile::remove(s.soubor(kStavyNabidek));
    QList<clsNabidka> l = nabidky;
    ASSERT_TRUE(AktualizujStavy(l, 7));
    EXPECT_EQ(l[0].Stav, 1);
}

TEST(SouboryNabidek, DealersAndCodeTables) {
    Slozka s;
    EXPECT_TRUE(NactiObchodniky()->isEmpty());
    writeBytes(s.soubor(kObchodnici), cp1250::encode("ID|Obchodnik\r\n1|Stavebniny Kůň, Brno\r\n\r\n2|A|B\r\nBez oddělovače\r\n3|Poslední"));
    EXPECT_EQ(*NactiObchodniky(), (QStringList{"Stavebniny Kůň, Brno", "A|B", "Bez oddělovače", "Poslední"}));

    EXPECT_EQ(StavyNabidky().size(), 11);
    EXPECT_EQ(ZjistiStav(0), QStringLiteral("V řešení"));
    EXPECT_EQ(ZjistiStav(10), QStringLiteral("P_Vymaz"));
    EXPECT_EQ(ZjistiStav(11), "");
    EXPECT_EQ(ZjistiStav(-1), "");
    EXPECT_EQ(ZjistiDruhStavby(3), QStringLiteral("Rodinný dům"));
    EXPECT_EQ(ZjistiDruhStavby(4), "");
}

int zkusNabidky(const uint8_t* data, size_t size);

TEST(SouboryNabidek, FuzzCorpusReadsWithoutFault) {
    const QDir korpus(testData("nabidky_corpus"));
    const QStringList soubory = korpus.entryList(QDir::Files);
    ASSERT_GE(soubory.size(), 5);
    for (const QString& jmeno : soubory) {
        const QByteArray b = readBytes(korpus.filePath(jmeno));
        EXPECT_EQ(zkusNabidky(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size())), 0) << jmeno.toStdString();
    }
    // The server's file, written by Python's own Base64 and code page: its last record lacks the
    // final CR LF and is read all the same.
    FakeServices sluzby;
    const QList<clsNabidka> l = CtiNabidky(readBytes(korpus.filePath("ulozene.txt")), Nastaveni{}, true);
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0].JmenoOZ, QStringLiteral("Jan Dvořák"));
    EXPECT_EQ(l[0].Poznamka, "a\r\nb");
    clsSorvenika s;
    s.Xml = l[0].Sorvenika;
    s.ParseXml();
    EXPECT_EQ(s.Vyska, 7.5f);
    EXPECT_TRUE(s.Sachta);
    EXPECT_EQ(clsSorvenika::BunkyRozpisu(s.Rozpis), (QList<QStringList>{{"Díl", "MIV1", "", "2", "1\u00a0234,00", "2\u00a0468,00"}}));
    EXPECT_EQ(l[1].DatumNabidky, QDate(2026, 1, 31));
    EXPECT_EQ((QList<int>{l[1].Stav, l[2].ID, l[2].ExtID, l[2].CisloOZ}), (QList<int>{10, 3, 7, 7}));
}
