#include "CenikBench.h"

#include "pricelist/DBF.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

// Records per call of the dBase writer, which writes at most 65,535 (the header counts 32 bits).
constexpr int kZaznamuNaDil = 50000;

// Order numbers "K" and six digits, old codes "S-" and five, names of two to six of sixteen words
// (a quarter begin with K), one system. OBJ_SKLAD 0, 1 or 2 at random, or 1 for every article.
// Names are blank-padded to one width (the reader drops the blanks), so that every part the
// writer makes has the same fields and the parts join into one file.
QString zapis(int artiklu, bool objednatelne) {
    static QTemporaryDir dir;
    QRandomGenerator nahoda(16000);
    const QString slova[] = {"Komínová", "vložka", "díl", "sopouch", "kondenzátu", "šachta", "čisticí", "kus",
                             "přechod", "ústí", "krycí", "deska", "nerez", "tvárnice", "izolace", "úhel"};
    const QString slozka = dir.filePath(QStringLiteral("%1%2").arg(artiklu).arg(objednatelne ? "o" : ""));
    QDir().mkpath(slozka);
    const QString cesta = slozka + QStringLiteral("/Art");
    QByteArray soubor, popisy;
    for (int od = 0; od < artiklu; od += kZaznamuNaDil) {
        DataDBF d;
        d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
        for (int i = od; i < std::min(artiklu, od + kZaznamuNaDil); ++i) {
            QString nazev;
            for (int k = nahoda.bounded(2, 7); k > 0; --k) nazev += slova[nahoda.bounded(16)] + QLatin1Char(' ');
            // Drawn in the order of the fields, whatever is kept.
            std::vector<BunkaDBF> r{QStringLiteral("S-%1").arg(nahoda.bounded(100000), 5, 10, QLatin1Char('0')),
                                    QStringLiteral("K%1").arg(nahoda.bounded(1000000), 6, 10, QLatin1Char('0')),
                                    nazev.trimmed().leftJustified(80), nahoda.bounded(2000000) / 100.0,
                                    nahoda.bounded(200000) / 1000.0, QStringLiteral("ks"),
                                    static_cast<double>(nahoda.bounded(3)), QStringLiteral("MIV")};
            if (objednatelne) r[6] = 1.0;
            d.radky.push_back(std::move(r));
        }
        QByteArray dil = zapisDBF(d, QDate::currentDate(), cesta);
        const int hlavicka = static_cast<uchar>(dil[8]) | static_cast<uchar>(dil[9]) << 8;
        if (soubor.isEmpty()) {
            popisy = dil.mid(8, hlavicka - 8);
            soubor = dil.first(hlavicka);
        } else if (dil.mid(8, hlavicka - 8) != popisy) {
            throw std::runtime_error("the parts of the benchmark's price list differ in their fields");
        }
        soubor += dil.mid(hlavicka, dil.size() - hlavicka - 1);  // without the end-of-file mark
    }
    soubor += '\x1A';
    for (int i = 0; i < 4; ++i) soubor[4 + i] = static_cast<char>((artiklu >> (8 * i)) & 0xFF);
    QFile f(cesta + QStringLiteral(".dbf"));
    if (!f.open(QIODevice::WriteOnly) || f.write(soubor) != soubor.size())
        throw std::runtime_error("cannot write the benchmark's price list");
    return cesta;
}

}  // namespace

QString cenik() {
    static const QString cesta = [] {
        const QString z = qEnvironmentVariable("SORVENIKA_BENCH_CENIK");
        return z.isEmpty() ? zapis(16000, false) : z;
    }();
    return cesta;
}

QString objednatelnyCenik(int artiklu) {
    static std::map<int, QString> zapsane;
    QString& c = zapsane[artiklu];
    if (c.isEmpty()) c = zapis(artiklu, true);
    return c;
}
