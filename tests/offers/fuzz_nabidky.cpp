// libFuzzer entry for the offer-file reader, the costing XML and its element reader. The fuzzer
// build as for fuzz_http (scripts/build.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++
// -DSORVENIKA_FUZZ=ON -DSORVENIKA_SANITIZE=ON -DSORVENIKA_GUI=OFF), then
//   build-fuzz/tests/fuzz_nabidky -max_total_time=60 tests/data/nabidky_corpus
// In the ordinary test run the same function takes every file of the corpus.
#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "util/XmlElement.h"

#include <cstdint>
#include <cstdlib>

namespace {

void over(bool podminka) {
    if (!podminka) std::abort();
}

}  // namespace

int zkusNabidky(const uint8_t* data, size_t size) {
    const QByteArray b = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Nastaveni n;
    const QList<clsNabidka> cele = CtiNabidky(b, n);
    // One offer at most per line after the header; CR, LF and CR LF end a line.
    over(cele.size() <= b.count('\n') + b.count('\r'));
    for (clsNabidka o : cele) {
        // What was read is written and read back the same.
        const QList<clsNabidka> zpet =
            CtiNabidky(cp1250::encode(kHlavickaNeodeslanych + QStringLiteral("\r\n") + o.ZaznamKOdeslani()), n);
        over(zpet.size() == 1 && zpet[0].ExtID == o.ExtID && zpet[0].CisloOZ == o.CisloOZ && zpet[0].Stav == o.Stav &&
             zpet[0].DruhStavby == o.DruhStavby && zpet[0].Sorvenika == o.Sorvenika &&
             zpet[0].DatumNabidky == o.DatumNabidky);

        clsSorvenika s;
        s.Xml = o.Sorvenika;
        s.ParseXml();
        over(o.Sorvenika.contains(s.Rozpis));
    }

    const QString text = cp1250::decode(b);
    for (const char* tag : {"sorvenika", "vyska", "SACHTA", "a"}) {
        const QString prvek = xml_get_element(text, QLatin1String(tag));
        over(prvek.isEmpty() || text.contains(prvek, Qt::CaseSensitive));
    }
    clsSorvenika s;
    s.Xml = text;
    s.ParseXml();
    // A document made from what was read reads back the same.
    s.GenerXml();
    clsSorvenika t;
    t.Xml = s.Xml;
    t.ParseXml();
    over(t.System == s.System || s.System.contains(QLatin1Char('<')));
    return 0;
}

#ifdef SORVENIKA_FUZZ_VSTUP
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return zkusNabidky(data, size); }
#endif
