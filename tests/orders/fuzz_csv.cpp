// libFuzzer entry for the ";"-separated customer import. The fuzzer build:
//   scripts/build.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSORVENIKA_FUZZ=ON
//       -DSORVENIKA_SANITIZE=ON -DSORVENIKA_GUI=OFF
//   build-fuzz/tests/fuzz_csv -max_total_time=60 tests/data/csv_corpus
// In the ordinary test run the same function takes every file of the corpus.
#include "orders/ImportZakazniku.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void over(bool podminka) {
    if (!podminka) std::abort();
}

}  // namespace

int zkusZakazniciCsv(const uint8_t* data, size_t size) {
    const QByteArray b = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TabulkaCsv t = ctiZakazniciCsv(b);
    over(t.sloupcu >= 1);
    over(t.radky.size() <= b.count('\n') + 1);
    for (const QStringList& r : t.radky) {
        // Every row fits the grid, is not blank, and no cell holds a separator.
        over(r.size() == t.sloupcu);
        over(std::any_of(r.begin(), r.end(), [](const QString& c) { return !c.isEmpty(); }));
        for (const QString& c : r) over(!c.contains(u';') && !c.contains(u'\t') && !c.contains(u'\n'));
    }
    // Written out again the rows read back the same.
    QByteArray znovu = QByteArrayLiteral("\xEF\xBB\xBF");
    for (const QStringList& r : t.radky) znovu += r.join(u';').toUtf8() + "\r\n";
    const TabulkaCsv zpet = ctiZakazniciCsv(znovu);
    over(zpet.radky == t.radky);
    over(t.radky.isEmpty() || zpet.sloupcu == t.sloupcu);
    return 0;
}

#ifdef SORVENIKA_FUZZ_VSTUP
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return zkusZakazniciCsv(data, size); }
#endif
