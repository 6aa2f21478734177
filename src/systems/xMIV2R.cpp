#include "systems/xMIV2R.h"

#include "platform/Numbers.h"
#include "systems/MivSpolecne.h"
#include "systems/PytleObezdivky.h"
#include "systems/TabulkaPrislusenstvi.h"

#include <array>
#include <initializer_list>
#include <tuple>

namespace {

using miv::Dil;

// Per cross-section: the two diameters, the compound per metre (row 38) and the mortar group.
struct Prurez {
    const char* prurez;
    int d1, d2;
    double hmota;  // row 38 := Round(Vyska * hmota + 0.49)
    int malta;     // index into kMalta
};
constexpr double kMalta[3][2] = {{8.6, 10.4}, {11.0, 13.0}, {11.5, 13.4}};  // per 20 m, without / with shaft
constexpr std::array<Prurez, 10> kPrurezy{{
    {"12/14", 12, 14, 0.7, 0},
    {"12/16", 12, 16, 0.8, 0},
    {"12/18", 12, 18, 0.9, 1},
    {"12/20", 12, 20, 0.9, 1},
    {"14/16", 14, 16, 0.9, 0},
    {"14/18", 14, 18, 1.0, 1},
    {"14/20", 14, 20, 1.0, 1},
    {"16/18", 16, 18, 1.1, 1},
    {"16/20", 16, 20, 1.1, 1},
    {"18/20", 18, 20, 1.2, 2},
}};

const Prurez* najdiPrurez(const QString& prurez) {
    for (const Prurez& t : kPrurezy)
        if (prurez == QLatin1String(t.prurez)) return &t;
    return nullptr;
}

bool je(const QString& prurez, std::initializer_list<const char*> mezi) {
    for (const char* s : mezi)
        if (prurez == QLatin1String(s)) return true;
    return false;
}

// FM DRUXA pieces in the basic set of a flue of diameter d.
int druxa(int d) { return d <= 12 ? 3 : d == 14 ? 4 : d == 16 ? 5 : 6; }

// "Sada MIV" for "14/18" and "14/20": both flues at 90°, or flue 2 at 45° (rows 12 and 45 in
// place of 10 and 44).
constexpr std::array<Dil, 13> kSadaMIV{{
    {"MST", 7, 3},
    {"RR 1", 3, 5},
    {"PR 2", 3, 6},
    {"PA 1", 1, 7},
    {"PA 2", 1, 8},
    {"RA 1", 1, 9},
    {"RA 2", 1, 10},
    {"MAT 1", 14, 13},
    {"MAT 2", 14, 14},
    {"PT", 2, 41},
    {"FP 1", 1, 42},
    {"FP 2", 1, 44},
    {"FM DRUXA", 10, 38},
}};

QString textSady(bool druhy45, int d2) {
    const QString zacatek = QStringLiteral(
        "Sada MIV obsahuje: 7 ks komínová tvárnice bez větrací šachty, 3 + 3 ks komínové vložky 330 mm, ");
    const QString konec = QStringLiteral(
        "1 + 1 ks komínová vložka pro dvířka 660 mm, 14 + 14 ks izolační rohož, 1 + 1 ks podstavec pro odvod "
        "kondenzátu, 2 ks větrací mřížka, 2 ks komínová dvířka Lamora, 1 + 1 ks čelní deska minerální, 1 + 1 ks "
        "maltovací šablona, 10 ks spárovací hmota FM DRUXA, houbička, ruční pistole, montážní návod MIV*** TRENA, 2 ks "
        "záruční list, 2 ks identifikační štítek, prohlášení o shodě, 2 ks těsnící přechod.");
    if (!druhy45) return zacatek + QStringLiteral("1 + 1 ks komínová vložka pro kouřovod 90° 660 mm, ") + konec;
    return zacatek +
           QStringLiteral("1 ks komínová vložka pro kouřovod pr. 14 - 90°, 660 mm, 1 ks komínová vložka pro kouřovod "
                          "pr. %1  - 45°, 660 mm, ")
               .arg(d2) +
           konec;
}

// ---- accessories ---------------------------------------------------------------------------

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 56, .priznak = 0, .prurezy = "14/16 14/18 14/20 16/18 16/20 18/20"},
    {.radek = 58, .priznak = 1, .prurezy = "14/16 14/18 14/20 16/18 16/20 18/20"},
    {.radek = 57, .priznak = 0},
    {.radek = 59, .priznak = 1},
    {.radek = 73, .priznak = 2, .sachta = R::Se, .ukonceni = 1},
    {.radek = 72, .priznak = 2, .sachta = R::Bez, .ukonceni = 1},
    {.radek = 74, .priznak = 2, .sachta = R::Bez, .ukonceni = 3},
    {.radek = 29, .priznak = 3},
    {.radek = 30, .priznak = 4},
    {.radek = 31, .priznak = 5},
    {.radek = 54, .priznak = 6},
    {.radek = 55, .priznak = 7},
    {.radek = 61, .priznak = 8},
    {.radek = 60, .priznak = 9},
    {.radek = 62, .priznak = 10, .prurezy = "16/18"},
    {.radek = 63, .priznak = 11, .prurezy = "16/18"},
    {.radek = 64, .priznak = 12, .prurezy = "16/18"},
    {.radek = 62, .priznak = 11, .prurezy = "16/20 18/20"},
    {.radek = 63, .priznak = 12, .prurezy = "16/20 18/20"},
    {.radek = 64, .priznak = 13, .prurezy = "16/20 18/20"},
    {.radek = 52, .priznak = 15},
    {.radek = 66, .priznak = 16, .prurezy = "12/16 14/16"},
    {.radek = 67, .priznak = 17, .prurezy = "12/16 14/16"},
    {.radek = 68, .priznak = 18, .prurezy = "12/16 14/16"},
    {.radek = 66, .priznak = 17, .prurezy = "12/18 14/18 16/18"},
    {.radek = 67, .priznak = 18, .prurezy = "12/18 14/18 16/18"},
    {.radek = 68, .priznak = 19, .prurezy = "12/18 14/18 16/18"},
    {.radek = 66, .priznak = 17, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 67, .priznak = 18, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 68, .priznak = 19, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 69, .priznak = 20, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 53, .priznak = 21},
    {.radek = 49, .priznak = 22},
    {.radek = 48, .priznak = 26},
    {.radek = 70, .priznak = 23},
    {.radek = 71, .priznak = 24},
};

// ---- the edit rules ------------------------------------------------------------------------

bool chraneny(int r) {
    return (r >= 3 && r <= 8) || r == 13 || r == 14 || r == 19 || r == 20 || (r >= 34 && r <= 37) ||
           (r >= 42 && r <= 45) || (r >= 75 && r <= 102);
}

// Rows 9-12 (connection liners) and 34-37 (basic sets) in one go.
void nastavPripojeni(VektorMnozstvi& q, std::array<int, 4> vlozky, std::array<int, 4> soupravy) {
    for (int i = 0; i < 4; ++i) {
        q(9 + i) = Integer(vlozky[static_cast<size_t>(i)]);
        q(34 + i) = Integer(soupravy[static_cast<size_t>(i)]);
    }
}

// A flue's connection: rows liner 90° / 45°, basic set 90° / 45°, front plate 90° / 45°.
struct Pruduch {
    int vlozka90, vlozka45, souprava90, souprava45, deska90, deska45;
};
constexpr Pruduch kPrvni{9, 11, 34, 35, 42, 43};
constexpr Pruduch kDruhy{10, 12, 36, 37, 44, 45};

void pripojeni(VektorMnozstvi& q, const Pruduch& p, bool na45) {
    const Integer a(na45 ? 0 : 1), b(na45 ? 1 : 0);
    q(p.vlozka90) = q(p.souprava90) = q(p.deska90) = a;
    q(p.vlozka45) = q(p.souprava45) = q(p.deska45) = b;
}

// The casing top: group A (rows 15/16 and 21/22) or group B (rows 17/18), rows 15 to 22.
using Vrchol = std::array<int, 8>;
constexpr Vrchol kABezSachty{1, 1, 0, 0, 1, 0, 1, 0};
constexpr Vrchol kASeSachtou{1, 1, 0, 0, 0, 1, 0, 1};
constexpr Vrchol kBBezSachty{0, 0, 1, 1, 1, 0, 0, 0};
constexpr Vrchol kBSeSachtou{0, 0, 1, 1, 0, 1, 0, 0};

void nastav(VektorMnozstvi& q, const Vrchol& v) {
    for (size_t i = 0; i < v.size(); ++i) q(15 + static_cast<int>(i)) = Integer(v[i]);
}

}  // namespace

// ---- Spocitej ------------------------------------------------------------------------------

void xMIV2R::Spocitej() {
    vyplnSoupravy();
    SorvenikaParametry& p = P();
    const Prurez* t = najdiPrurez(p.Prurez);
    VektorMnozstvi q = novyVektor();
    const double v = p.Vyska;

    if (p.Kourovod == 0) q(9) = q(34) = Integer(1);
    else if (p.Kourovod == 1) q(11) = q(35) = Integer(1);
    if (p.Kourovod2 == 0) q(10) = q(36) = Integer(1);
    else if (p.Kourovod2 == 1) q(12) = q(37) = Integer(1);

    // Without a shaft these two take a "Sada MIV", chosen by the angle of flue 2, instead of
    // the basic sets.
    if (!p.Sachta && je(p.Prurez, {"14/18", "14/20"})) {
        for (int r = 34; r <= 37; ++r) q(r) = Integer(0);
        if (p.Kourovod2 == 0) {
            q(1) = Integer(1);
            q(2) = Integer(0);
        } else if (p.Kourovod2 == 1) {
            q(1) = Integer(0);
            q(2) = Integer(1);
        }
    }

    q(42) = q(9);
    q(43) = q(11);
    q(44) = q(10);
    q(45) = q(12);
    q(15) = q(16) = Integer(1);
    q(41) = Integer(2);
    q(7) = q(8) = Integer::fromDouble(q(41).value() / 2.0);
    vlozky(q);
    q(13) = q(14) = Integer::fromDouble(6 * v);

    if (!p.Sachta) q(19) = q(21) = Integer(1);
    else q(20) = q(22) = Integer(1);
    if (t) {
        q(38) = Integer::fromDouble(Round(v * t->hmota + 0.49));
        q(39) = Integer::fromDouble(Round(v * kMalta[t->malta][p.Sachta ? 1 : 0] / 20 + 0.49));
    }

    switch (p.Ukonceni) {
    case 1:  // brick casing
        if (p.DruhCihly == 1) q(46) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(47) = Integer::fromDouble(p.PocetCihel);
        q(39) = pridejPytle(q(39), p.PocetPytlu);
        q(40) = Integer::fromDouble(p.PocetZSLKT);
        break;
    case 2: {  // cladding
        q(15) = q(16) = Integer(1);
        for (int r = 17; r <= 22; ++r) q(r) = Integer(0);
        const int zaklad = p.Sachta ? (p.DruhPlaste == 2 ? 88 : 95) : (p.DruhPlaste == 2 ? 74 : 81);
        q(p.IdVyskaPlaste + zaklad) = Integer(1);
        q(40) = Integer::fromDouble(p.PocetZSLKT);
        break;
    }
    case 3:  // Orlex top; there is none for a chimney with a shaft
        if (p.Sachta) break;
        q(15) = q(16) = Integer(1);
        q(19) = Integer(0);
        q(25) = Integer(1);
        std::tie(q(26), q(27)) = miv::rozdelDilyOrlex(p.PocetDiluOrlex);
        q(28) = Integer::fromDouble(p.PocetTyciOrlex);
        // Product rule: the static kit of a high top goes on row 29, which the accessory copy
        // then sets from the static-kit flag.
        if (p.VyskaUkonceni > 1.66f) q(29) = Integer(1);
        q(40) = Integer::fromDouble(p.PocetZSLKT);
        // The set holds three liners and six mats per flue.
        q(5) = q(5) - 3;
        q(6) = q(6) - 3;
        q(13) = q(13) - 6;
        q(14) = q(14) - 6;
        q(21) = q(22) = Integer(0);
        g.PopisSadyOrlex = miv::kOrlexDvouprieduchovy;
        break;
    case 4:  // cover plate cast on site
        q(15) = q(16) = Integer(0);
        q(17) = q(18) = Integer(1);
        for (int r = 19; r <= 24; ++r) q(r) = Integer(0);
        break;
    default:
        break;
    }

    bloky(q);
    if (p.HorniDvirka) {
        q(5) = q(5) - 2;
        q(6) = q(6) - 2;
        q(7) = q(7) + 1;
        q(8) = q(8) + 1;
        q(41) = q(41) + 2;
    }
    // The second connection is at 90° on both flues.
    if (p.DruheNapojeni) {
        q(5) = q(5) - 2;
        q(6) = q(6) - 2;
        q(10) = q(10) + 1;
        q(9) = q(9) + 1;
        q(44) = q(44) + 1;
        q(42) = q(42) + 1;
    }
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xMIV2R::vyplnSoupravy() {
    vytvorSoupravy(4, 2, 1, 1);
    const Prurez* t = najdiPrurez(P().Prurez);
    if (!t) return;
    SeznamSouprav& z = P().ZakladniSoupravy;
    // Entries 1-4: flue 1 at 90° and 45°, flue 2 at 90° and 45°; 45° sets from a diameter of 16.
    for (int k = 1; k <= 4; ++k) {
        const int d = k <= 2 ? t->d1 : t->d2;
        const bool na45 = k % 2 == 0;
        if (na45 && d < 16) continue;
        const std::array<Dil, 3> dily{{{"FM DRUXA", druxa(d), 38}, {"PT", 1, 41}, {"FP", 1, 41 + k}}};
        miv::naplnSoupravu(z(k), dily, miv::textZakladniSoupravy(druxa(d), na45));
    }
    if (je(P().Prurez, {"14/18", "14/20"})) {
        miv::naplnSoupravu(P().Sady(1), kSadaMIV, textSady(false, t->d2));
        std::array<Dil, 13> na45 = kSadaMIV;
        na45[6].radek = 12;
        na45[11].radek = 45;
        miv::naplnSoupravu(P().Sady(2), na45, textSady(true, t->d2));
    }
}

// Liners 330 mm of each flue: three per metre less the door and connection liners.
void xMIV2R::vlozky(VektorMnozstvi& q) const {
    const double v3 = 3 * static_cast<double>(P().Vyska);
    q(5) = Integer::fromDouble(v3 - (2 * (q(7) + q(9) + q(11))).value());
    q(6) = Integer::fromDouble(v3 - (2 * (q(8) + q(10) + q(12))).value());
}

void xMIV2R::bloky(VektorMnozstvi& q) const {
    if (P().Sachta) q(4) = Integer::fromDouble(3 * static_cast<double>(P().Vyska));
    else q(3) = miv::bloky(P().Vyska, q(25), q(26) + q(27));
}

void xMIV2R::poctySouprav(const VektorMnozstvi& q) {
    SorvenikaParametry& p = P();
    p.Sady(1).Pocet = q(1);
    p.Sady(2).Pocet = q(2);
    for (int k = 1; k <= 4; ++k) p.ZakladniSoupravy(k).Pocet = q(33 + k);
}

// ---- Prepocitej ----------------------------------------------------------------------------

void xMIV2R::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    pravidloRadku(q, radek);

    q(7) = q(8) = Integer::fromDouble(q(41).value() / 2.0);
    vlozky(q);
    if (P().Ukonceni == 3) {
        q(5) = q(5) - 3;
        q(6) = q(6) - 3;
    }
    if (q(1) > 0 || q(2) > 0)
        for (int r = 34; r <= 37; ++r) q(r) = Integer(0);
    for (int i = 0; i < 4; ++i) q(42 + i) = q(34 + i);
    bloky(q);
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xMIV2R::pravidloRadku(VektorMnozstvi& q, int radek) {
    const SorvenikaParametry& p = P();
    const auto vrat = [&] { q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad); };
    // Both flues at 90° with the basic sets, no "Sada MIV".
    const auto zakladniSoupravy = [&] {
        q(1) = q(2) = Integer(0);
        nastavPripojeni(q, {1, 1, 0, 0}, {1, 0, 1, 0});
    };
    const bool sadaVRozpisu = q(1) > 0 || q(2) > 0;
    if (chraneny(radek)) {
        vrat();
        return;
    }
    switch (radek) {
    case 1:
        if (p.Sachta) {
            q(1) = Integer(0);
        } else if (q(1) < 1) {
            zakladniSoupravy();
        } else {
            q(1) = Integer(1);
            q(2) = Integer(0);
            for (int r = 34; r <= 37; ++r) q(r) = Integer(0);
            if (q(11) != 0 || q(12) != 0) {
                q(9) = q(10) = Integer(1);
                q(11) = q(12) = Integer(0);
            }
        }
        break;
    case 2:
        if (p.Sachta) {
            q(2) = Integer(0);
        } else if (q(2) < 1) {
            zakladniSoupravy();
        } else {
            q(1) = Integer(0);
            q(2) = Integer(1);
            for (int r = 34; r <= 37; ++r) q(r) = Integer(0);
            // Product rule: the set with flue 2 at 45° moves flue 1's connection to 45°.
            if (q(9) != 0) {
                q(9) = Integer(0);
                q(11) = Integer(1);
            }
        }
        break;
    case 9:
        // Typed 0 where flue 1 has a 45° liner: flue 1 goes over to 45°, as flue 2 does.
        pripojeni(q, kPrvni, q(9) == 0 && existuje(11));
        break;
    case 10:
        pripojeni(q, kDruhy, q(10) == 0 && existuje(12));
        break;
    case 11:
    case 12: {
        const Pruduch& f = radek == 11 ? kPrvni : kDruhy;
        if (sadaVRozpisu) q(radek) = Integer(0);
        else pripojeni(q, f, q(radek) > 0);
        break;
    }
    case 15:
    case 16:
    case 17:
    case 18:
    case 21:
    case 22:
        if (p.Ukonceni == 2 || p.Ukonceni == 3) {
            vrat();
        } else if (p.Ukonceni == 1) {
            const bool a = (radek == 17 || radek == 18) ? q(radek) == 0 : q(radek) != 0;
            if (a) nastav(q, p.Sachta ? kASeSachtou : kABezSachty);
            else nastav(q, p.Sachta ? kBSeSachtou : kBBezSachty);
        }
        break;
    case 41: {
        // Every basic set holds one door and a "Sada MIV" two; the sets' doors are counted in
        // and the sum made even. Product rule: the fourth basic set is not counted, and a set
        // only once.
        Integer n = q(41);
        for (int k = 1; k <= 3; ++k) n = n + p.ZakladniSoupravy(k).Pocet;
        n = n + p.Sady(1).Pocet + p.Sady(2).Pocet;
        q(41) = Integer::fromDouble(2 * Round(n.value() / 2.0 + 0.1));
        break;
    }
    default:  // the typed quantity stays
        break;
    }
}

// ---- accessories ---------------------------------------------------------------------------

void xMIV2R::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
