// libFuzzer entry for the dBase reader and the article table built on it. The fuzzer build:
//   scripts/build.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSORVENIKA_FUZZ=ON
//       -DSORVENIKA_SANITIZE=ON -DSORVENIKA_GUI=OFF
//   build-fuzz/tests/fuzz_dbf -max_total_time=60 tests/data/dbf_corpus
// In the ordinary test run the same function takes every file of the corpus.
#include "platform/Errors.h"
#include "pricelist/DBF.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QDate>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

void over(bool podminka) {
    if (!podminka) std::abort();
}

// A value, or the error that stopped it.
template <typename F>
QString vysledek(F f) {
    try {
        return QString::number(f(), 'g', 17);
    } catch (const RuntimeError& e) {
        return QStringLiteral("error %1").arg(e.cislo());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray obsah = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DataDBF t;
    try {
        t = ctiDBF(obsah, QStringLiteral("fuzz.dbf"));
    } catch (const RuntimeError&) {
        return 0;
    }
    for (const auto& r : t.radky) over(r.size() == static_cast<size_t>(t.pocetPoli()));

    // What was read writes and reads back with the same texts.
    try {
        const QByteArray zapsano = zapisDBF(t, QDate(2026, 12, 6), QStringLiteral("fuzz.dbf"));
        const DataDBF zpet = ctiDBF(zapsano, QStringLiteral("fuzz.dbf"));
        // A name that starts with CR reads as the end of the descriptors; only a fuzzer writes one.
        const bool cr = std::any_of(t.nazvy.begin(), t.nazvy.end(), [](const QString& n) { return n.startsWith(QLatin1Char('\r')); });
        if (cr) return 0;
        over(zpet.pocetPoli() == t.pocetPoli());
        // Records whose every field is empty have length 0 and are not written.
        const bool prazdne = zapsano[10] == 0 && zapsano[11] == 0;
        over(zpet.pocetZaznamu() == (prazdne ? 0 : t.pocetZaznamu()));
        for (size_t r = 0; r < zpet.radky.size(); ++r)
            for (size_t c = 0; c < t.radky[r].size(); ++c)
                if (const auto* s = std::get_if<QString>(&t.radky[r][c])) over(std::get<QString>(zpet.radky[r][c]) == *s);
    } catch (const RuntimeError&) {
    }

    std::optional<TabulkaArtiklu> zBunek, primo;
    try {
        zBunek = TabulkaArtiklu::zDat(t, QStringLiteral("fuzz.dbf"));
    } catch (const RuntimeError&) {
    }
    try {
        CtecDBF ctec(obsah, QStringLiteral("fuzz.dbf"));
        primo = TabulkaArtiklu::zCtecky(ctec);
    } catch (const RuntimeError&) {
    }
    // The table read straight from the bytes is the table made from the cells.
    over(zBunek.has_value() == primo.has_value());
    if (!zBunek) return 0;
    const TabulkaArtiklu& a = *zBunek;
    over(primo->pocetArtiklu() == a.pocetArtiklu());
    for (int r = 1; r <= a.pocetArtiklu(); ++r) {
        for (int c = 0; c < TabulkaArtiklu::kSloupcu; ++c) over(primo->text(r, c) == a.text(r, c));
        over(vysledek([&] { return primo->cena(r).raw(); }) == vysledek([&] { return a.cena(r).raw(); }));
        over(vysledek([&] { return primo->vaha(r); }) == vysledek([&] { return a.vaha(r); }));
        over(vysledek([&] { return primo->objSklad(r); }) == vysledek([&] { return a.objSklad(r); }));
        QString kod = a.text(r, TabulkaArtiklu::ObjCislo);
        const int nalezeno = a.NajdiArtikl(kod);
        if (kod != QLatin1String("-")) over(nalezeno >= 1 && a.text(nalezeno, 1).toUpper() == kod);
    }
    return 0;
}
