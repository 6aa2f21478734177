// libFuzzer entry for the order-XML import. The fuzzer build:
//   scripts/build.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSORVENIKA_FUZZ=ON
//       -DSORVENIKA_SANITIZE=ON -DSORVENIKA_GUI=OFF
//   build-fuzz/tests/fuzz_objednavky -max_total_time=60 tests/data/objednavky_corpus
// In the ordinary test run the same function takes every file of the corpus.
#include "orders/ObjednavkaXml.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>

namespace {

void over(bool podminka) {
    if (!podminka) std::abort();
}

}  // namespace

int zkusImportObjednavek(const uint8_t* data, size_t size) {
    const QString xml = cp1250::decode(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QList<PolozkaObjednavky> p = ctiObjednavky(xml);
    // Every sub-order read has its title, codes and counts, each a piece of the text.
    for (const PolozkaObjednavky& o : p) {
        over(!o.Nazev.isEmpty() && !o.ObjZnaky.isEmpty() && !o.Kusy.isEmpty() && o.Cena == Currency());
        over(xml.contains(o.Nazev) && xml.contains(o.ObjZnaky) && xml.contains(o.Kusy) && xml.contains(o.Poznamka));
    }
    // No more sub-orders than opening tags.
    over(p.size() <= xml.count(QStringLiteral("<objednavka"), Qt::CaseInsensitive));
    return 0;
}

#ifdef SORVENIKA_FUZZ_VSTUP
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return zkusImportObjednavek(data, size); }
#endif
