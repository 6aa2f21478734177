#include "CenikBench.h"

#include "pricelist/DBF.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

QString cenik() {
    static QTemporaryDir dir;
    static QString cesta;
    if (!cesta.isEmpty()) return cesta;
    cesta = qEnvironmentVariable("SORVENIKA_BENCH_CENIK");
    if (!cesta.isEmpty()) return cesta;
    QRandomGenerator nahoda(16000);
    const QString slova[] = {"Komínová", "vložka", "díl", "sopouch", "kondenzátu", "šachta", "čisticí", "kus",
                             "přechod", "ústí", "krycí", "deska", "nerez", "tvárnice", "izolace", "úhel"};
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    for (int i = 0; i < 16000; ++i) {
        QString nazev;
        for (int k = nahoda.bounded(2, 7); k > 0; --k) nazev += slova[nahoda.bounded(16)] + QLatin1Char(' ');
        d.radky.push_back({QStringLiteral("S-%1").arg(nahoda.bounded(100000), 5, 10, QLatin1Char('0')),
                           QStringLiteral("K%1").arg(nahoda.bounded(1000000), 6, 10, QLatin1Char('0')),
                           nazev.trimmed(), nahoda.bounded(2000000) / 100.0, nahoda.bounded(200000) / 1000.0,
                           QStringLiteral("ks"), static_cast<double>(nahoda.bounded(3)), QStringLiteral("MIV")});
    }
    cesta = dir.filePath(QStringLiteral("Art"));
    UlozDBF(cesta, d);
    return cesta;
}
