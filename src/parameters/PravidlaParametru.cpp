#include "parameters/PravidlaParametru.h"

#include <limits>
#include <string_view>
#include <vector>

namespace {

using P = Prvek;

// Systems as bits, in the order the rules compare them.
enum Sys : uint16_t {
    MIV = 1 << 0,
    MIV2R = 1 << 1,
    MIV2S = 1 << 2,
    DORVA = 1 << 3,
    KARNELO = 1 << 4,
    KARNELO2R = 1 << 5,
    KARNELO2S = 1 << 6,
    TREMOL = 1 << 7,
    TREMOL2S = 1 << 8,
    TREMOL2R = 1 << 9,
    KALVIR = 1 << 10,
    ORVIK = 1 << 11,
};

uint16_t bitSystemu(const QString& system) {
    static const std::pair<const char*, Sys> jmena[] = {
        {"MIV", MIV},         {"MIV2R", MIV2R},         {"MIV2S", MIV2S},         {"DORVA", DORVA},
        {"KARNELO", KARNELO}, {"KARNELO2R", KARNELO2R}, {"KARNELO2S", KARNELO2S}, {"T-REMOL", TREMOL},
        {"T-REMOL2S", TREMOL2S}, {"T-REMOL2R", TREMOL2R}, {"KALVIR", KALVIR},     {"ORVIK", ORVIK},
    };
    for (const auto& [jmeno, bit] : jmena)
        if (system == QLatin1String(jmeno)) return bit;
    return 0;
}

enum class Tri { Jedno, Ano, Ne };

// A conjunction: the label in (or, with `mimo`, outside) the list, the shaft and the foot as
// asked. Empty = always.
struct Podminka {
    std::vector<std::string_view> stitky;
    bool mimo = false;
    Tri sachta = Tri::Jedno;
    Tri pata = Tri::Jedno;
};

struct Vstup {
    const QString& prurez;
    bool sachta;
    bool pata;
};

bool plati(const Podminka& p, const Vstup& v) {
    if (!p.stitky.empty()) {
        bool uvnitr = false;
        for (std::string_view s : p.stitky)
            uvnitr = uvnitr || v.prurez == QLatin1String(s.data(), static_cast<qsizetype>(s.size()));
        if (uvnitr == p.mimo) return false;
    }
    if (p.sachta != Tri::Jedno && v.sachta != (p.sachta == Tri::Ano)) return false;
    if (p.pata != Tri::Jedno && v.pata != (p.pata == Tri::Ano)) return false;
    return true;
}

// A table cell: "enabled", "disabled", "enabled when ...", or (rule 4) shown / hidden.
enum class Druh { Povolen, Zakazan, PovolenKdyz, Zobrazen, Skryt };
struct Bunka {
    std::vector<P> prvky;
    Druh druh;
    Podminka kdyz{};
};
struct Radek {
    uint16_t systemy;
    Podminka kdy;  // the row's condition on the label and shaft
    std::vector<Bunka> bunky;
};

Bunka zap(std::vector<P> p) { return {std::move(p), Druh::Povolen}; }
Bunka vyp(std::vector<P> p) { return {std::move(p), Druh::Zakazan}; }
Bunka kdyz(std::vector<P> p, Podminka c) { return {std::move(p), Druh::PovolenKdyz, std::move(c)}; }
Bunka ukaz(std::vector<P> p) { return {std::move(p), Druh::Zobrazen}; }
Bunka skryj(std::vector<P> p) { return {std::move(p), Druh::Skryt}; }

Podminka stitky(std::vector<std::string_view> s) { return {std::move(s)}; }
Podminka krome(std::vector<std::string_view> s) { return {std::move(s), true}; }
// Without a shaft and the label in (or outside) the list.
Podminka bezSachty(std::vector<std::string_view> s, bool mimo) { return {std::move(s), mimo, Tri::Ne, Tri::Jedno}; }
Podminka seSachtouAPatou() { return {{}, false, Tri::Ano, Tri::Ano}; }

constexpr uint16_t JEDNOPR_A_TREMOL = MIV | MIV2R | MIV2S | TREMOL | TREMOL2S | TREMOL2R;
const std::vector<P> PATA = {P::optPata0, P::optPata1};
const std::vector<P> SOUPRAVY = {P::chkSouprava0, P::chkSouprava1};
const P U0 = P::optUkonceni0, U1 = P::optUkonceni1, U2 = P::optUkonceni2, U3 = P::optUkonceni3,
        U4 = P::optUkonceni4, U5 = P::optUkonceni5;
const P K0 = P::optKourovod0, K1 = P::optKourovod1, K2 = P::optKourovod2, K3 = P::optKourovod3;

// Rule 1, the boxes of frame 1. Columns: blocks box, block count, foot, foot sides, base sets,
// second connection; a column left out is "–".
const std::vector<Radek>& pravidlo1() {
    static const std::vector<Radek> r = {
        {JEDNOPR_A_TREMOL, {},
         {vyp({P::chkTermoTvarnice}), vyp({P::txtTermoTvarnice}), vyp({P::chkpata}), vyp(PATA), vyp(SOUPRAVY)}},
        {DORVA, {},
         {vyp({P::chkTermoTvarnice}), vyp({P::txtTermoTvarnice}), vyp({P::chkpata}), vyp(PATA), vyp(SOUPRAVY),
          vyp({P::chkDruheNapojeniKourovodu})}},
        {KARNELO, {},
         {kdyz({P::chkTermoTvarnice}, krome({"12", "14"})), zap({P::chkpata}),
          kdyz(PATA, seSachtouAPatou()), kdyz(SOUPRAVY, stitky({"16", "18"}))}},
        {KARNELO2R, {},
         {zap({P::chkTermoTvarnice}), zap({P::chkpata}), vyp(PATA), kdyz(SOUPRAVY, krome({"12/14", "12/20", "14/20"}))}},
        {KARNELO2S, {},
         {zap({P::chkTermoTvarnice}), zap({P::chkpata}), vyp(PATA), kdyz(SOUPRAVY, stitky({"16/16", "18/18"}))}},
    };
    return r;
}

// Rule 2, the terminations: 0 Orlex, 1 Obezdívka, 2 Plášť, 3 cover plate, 4 KDS, 5 KDVO.
const std::vector<Radek>& pravidlo2() {
    static const std::vector<Radek> r = {
        {MIV, stitky({"25", "30"}), {vyp({U0}), zap({U1}), zap({U2}), zap({U3})}},
        {MIV, stitky({"35", "40", "45"}), {vyp({U0}), vyp({U1}), vyp({U2}), zap({U3})}},
        {MIV, {}, {zap({U0}), zap({U1}), zap({U2}), zap({U3})}},
        // Note a.
        {MIV2R, {},
         {kdyz({U0}, bezSachty({"12/14", "12/16", "12/18", "12/20", "14/16"}, true)),
          zap({U3})}},
        // Note b.
        {MIV2S, {}, {kdyz({U0}, bezSachty({"12/12", "14/14", "16/16"}, true)), zap({U3})}},
        {DORVA, {}, {vyp({U0}), vyp({U3})}},
        {KARNELO, {}, {vyp({U0}), zap({U1})}},
        {KARNELO2R | KARNELO2S, {}, {vyp({U0})}},
        {TREMOL, {}, {vyp({U0}), zap({U1}), vyp({U2}), zap({U3}), zap({U4}), zap({U5})}},
        // Note c.
        {TREMOL2S, {},
         {vyp({U0}), zap({U1}), vyp({U2}), zap({U3}), kdyz({U4}, bezSachty({"18/18", "20/20"}, false)),
          zap({U5})}},
        // Note d.
        {TREMOL2R, {},
         {vyp({U0}), zap({U1}), vyp({U2}), zap({U3}),
          kdyz({U4}, bezSachty({"14/16"}, true)), zap({U5})}},
    };
    return r;
}

// Rule 3, the connection angles: 0 flue 1 at 90°, 1 flue 1 at 45°, 2 flue 2 at 90°, 3 flue 2 at 45°.
const std::vector<Radek>& pravidlo3() {
    static const std::vector<Radek> r = {
        {MIV, stitky({"12", "14", "35", "40", "45"}), {zap({K0}), vyp({K1}), vyp({K2}), vyp({K3})}},
        {MIV, {}, {zap({K0}), zap({K1}), vyp({K2}), vyp({K3})}},
        {MIV2R, stitky({"12/14"}), {zap({K0}), vyp({K1}), zap({K2}), vyp({K3})}},
        {MIV2R, stitky({"12/16", "12/18", "12/20", "14/16", "14/18", "14/20"}),
         {zap({K0}), vyp({K1}), zap({K2}), zap({K3})}},
        {MIV2R, stitky({"16/18", "16/20", "18/20"}), {zap({K0}), zap({K1}), zap({K2}), zap({K3})}},
        {MIV2R, {}, {}},
        {MIV2S, stitky({"12/12", "14/14"}), {zap({K0}), vyp({K1}), zap({K2}), vyp({K3})}},
        {MIV2S, {}, {zap({K0}), zap({K1}), zap({K2}), zap({K3})}},
        {DORVA, {}, {zap({K0}), vyp({K1}), vyp({K2}), vyp({K3})}},
        {KARNELO, stitky({"12"}), {zap({K0}), vyp({K1}), vyp({K2}), vyp({K3})}},
        {KARNELO, {}, {zap({K0}), zap({K1}), vyp({K2}), vyp({K3})}},
        {KARNELO2R | KARNELO2S, {}, {}},
        {TREMOL, stitky({"14"}), {zap({K0}), vyp({K1}), vyp({K2}), vyp({K3})}},
        {TREMOL, {}, {zap({K0}), zap({K1}), vyp({K2}), vyp({K3})}},
        {TREMOL2S, stitky({"14/14"}), {zap({K0}), vyp({K1}), zap({K2}), vyp({K3})}},
        {TREMOL2S, {}, {zap({K0}), zap({K1}), zap({K2}), zap({K3})}},
        {TREMOL2R, stitky({"14/16", "14/18", "14/20"}), {zap({K0}), vyp({K1}), zap({K2}), zap({K3})}},
        {TREMOL2R, {}, {zap({K0}), zap({K1}), zap({K2}), zap({K3})}},
    };
    return r;
}

// Rule 4, KALVIR and ORVIK, in its order.
const std::vector<Radek>& pravidlo4() {
    static const std::vector<Radek> r = {
        {KALVIR | ORVIK, {},
         {
             ukaz({P::lblPocetNapojovacichDilu, P::txtPocetNapojovacichDilu}),
             skryj({P::chkTermoTvarnice, P::txtTermoTvarnice, P::Label1_4, P::chkpata, P::optPata0, P::optPata1,
                    P::chkSouprava0, P::chkSouprava1, P::chkDruheNapojeniKourovodu, P::chkHorniDvirka, P::optSachta0,
                    P::optSachta1, K0, K1, K2, K3, P::lblKourovod0, P::lblKourovod1, P::lblPrislusenstvi}),
             vyp({U0}), zap({U1}), zap({U2}), vyp({U3}), vyp({U4}), vyp({U5}),
             skryj({U0, U3, U4, U5}),
             skryj({P::Frame1_0, P::Frame1_1}),
         }},
    };
    return r;
}

void pouzij(StavyPrvku& s, const std::vector<Radek>& pravidlo, uint16_t system, const Vstup& v) {
    for (const Radek& r : pravidlo) {
        if (!(r.systemy & system) || !plati(r.kdy, v)) continue;
        for (const Bunka& b : r.bunky) {
            for (P p : b.prvky) {
                StavPrvku& c = s[static_cast<size_t>(p)];
                switch (b.druh) {
                    case Druh::Povolen: c.povoleny = true; break;
                    case Druh::Zakazan: c.povoleny = false; break;
                    case Druh::PovolenKdyz: c.povoleny = plati(b.kdyz, v); break;
                    case Druh::Zobrazen: c.viditelny = true; break;
                    case Druh::Skryt: c.viditelny = false; break;
                }
            }
        }
        return;
    }
}

}  // namespace

void Parametry(StavyPrvku& s, const QString& system, const QString& prurez, bool sachta) {
    const uint16_t bit = bitSystemu(system);
    const Vstup v{prurez, sachta, s[static_cast<size_t>(P::chkpata)].zaskrtnuty};
    for (const auto* pravidlo : {&pravidlo1(), &pravidlo2(), &pravidlo3(), &pravidlo4()}) pouzij(s, *pravidlo, bit, v);
}

bool MaStatickeSoupravy(const QString& system) {
    return bitSystemu(system) & (MIV | MIV2S | MIV2R | KARNELO | KARNELO2S | KARNELO2R | TREMOL | TREMOL2S | TREMOL2R);
}

std::optional<DoporuceniSoupravy> DoporucSoupravu(qint32 ukonceni, float vyska) {
    struct Pasmo {
        float az;  // the band holds heights up to and including this
        DoporuceniSoupravy d;
    };
    constexpr float kNekonecno = std::numeric_limits<float>::infinity();
    using D = DoporuceniSoupravy;
    static const std::vector<Pasmo> obezdivka = {
        {1.0f, D{}}, {1.5f, D{}}, {2.0f, D{1, 1}}, {3.0f, D{2, 2}}, {kNekonecno, D{2, 2}}};
    static const std::vector<Pasmo> plast = {
        {1.0f, D{}}, {1.5f, D{0, 1}}, {2.0f, D{1, 1}}, {3.0f, D{2, 2}}, {kNekonecno, D{2, 2}}};
    static const std::vector<Pasmo> deska = {
        {1.0f, D{}}, {1.5f, D{0, 0}}, {2.0f, D{1, 0}}, {3.0f, D{2, 0}}, {kNekonecno, D{{}, 0, true}}};

    const std::vector<Pasmo>* pasma = nullptr;
    switch (ukonceni) {
        case 1: pasma = &obezdivka; break;
        case 2: pasma = &plast; break;
        case 4: case 5: case 6: pasma = &deska; break;
        default: return std::nullopt;
    }
    for (const Pasmo& p : *pasma)
        if (vyska <= p.az) return p.d;
    return pasma->back().d;
}
