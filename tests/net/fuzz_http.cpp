// libFuzzer entry for the reply clean-up and the SOCKS5 answers. The fuzzer build:
//   scripts/build.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSORVENIKA_FUZZ=ON
//       -DSORVENIKA_SANITIZE=ON -DSORVENIKA_GUI=OFF
//   build-fuzz/tests/fuzz_http -max_total_time=60 tests/data/http_corpus
// In the ordinary test run the same function takes every file of the corpus.
#include "net/ProtokolHTTP.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>

namespace {

void over(bool podminka) {
    if (!podminka) std::abort();
}

}  // namespace

int zkusOdpovedHTTP(const uint8_t* data, size_t size) {
    const QByteArray b = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = http::ZpracujOdpoved(b);
    // Nothing is added, nothing without a blank line after the headers, and no "<...>" is left.
    over(cp1250::encode(text).size() <= b.size());
    if (!b.contains("\r\n\r\n")) over(text.isEmpty());
    const qsizetype lt = text.indexOf(QLatin1Char('<'));
    over(lt < 0 || text.indexOf(QLatin1Char('>'), lt) < 0);

    over(http::socks5::metodaPrijata(b).has_value() == (b.size() >= 2));
    const std::optional<QString> socks = http::socks5::vysledekConnect(b);
    over(socks.has_value() == (b.size() >= 2) && (!socks || !socks->isEmpty()));
    return 0;
}

#ifdef SORVENIKA_FUZZ_VSTUP
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return zkusOdpovedHTTP(data, size); }
#endif
