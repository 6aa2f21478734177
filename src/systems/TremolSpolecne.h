#pragma once
// What the three T-REMOL calculators share (kits, jointing compound, terminations, the edit rule)
// and the cladding rows of KALVIR and ORVIK. The T-REMOL systems differ here only in their rows.
#include "engine/GlobalniData.h"
#include "engine/Pole.h"
#include "platform/Numbers.h"
#include "systems/PytleObezdivky.h"

#include <QString>
#include <array>
#include <utility>

namespace tremol {

inline const QString& textZakladniSoupravy() {
    static const QString t = QStringLiteral(
        "Základní souprava obsahuje: 1ks podstavec s odvodem kondenzátu, 1ks větrací mřížka, 1 ks komínová dvířka "
        "včetně uzávěru, 1 ks čelní deska minerální, 1 ks maltovací šablona, spárovací hmota: pro průměr 14 - FM "
        "Druxa, pro průměry 16,18,20 FM 7 kg, houbička, montážní návod, záruční list, identifikační štítek, "
        "prohlášení o shodě.");
    return t;
}

// A basic kit: `druxa` pieces of compound, the door and a front plate `deska`.
inline void naplnZakladni(Souprava& s, int druxa, int radekHmoty, int radekDvirek, const char* deska, int radekDesky) {
    s.pridejDil(QStringLiteral("FM DRUXA"), druxa, radekHmoty);
    s.pridejDil(QStringLiteral("PT"), 1, radekDvirek);
    s.pridejDil(QString::fromLatin1(deska), 1, radekDesky);
    s.Popis = textZakladniSoupravy();
}

// The 90° and 45° basic kits of one-diameter flues, the 45° front plate on the row after the 90°
// one. The smallest cross-section has no compound in its kit and no 45° kit: that entry stays
// without components and text, so counting it deducts nothing.
inline void zakladniSoupravy(SorvenikaParametry& p, bool nejmensi, bool ostatni, int radekHmoty, int radekDvirek,
                             int radekDesky) {
    if (nejmensi || ostatni)
        naplnZakladni(p.ZakladniSoupravy(1), nejmensi ? 0 : 1, radekHmoty, radekDvirek, "FP", radekDesky);
    if (ostatni) naplnZakladni(p.ZakladniSoupravy(2), 1, radekHmoty, radekDvirek, "FP/45", radekDesky + 1);
}

// Jointing compound of `kg` units in whole buckets of 7 and the rest. More than 4 left make another
// bucket, and a rest without a bucket becomes one.
inline void kbeliky(VektorMnozstvi& q, int radekKbeliku, int radekZbytku, double kg) {
    Integer& kbeliku = q(radekKbeliku);
    Integer& zbytek = q(radekZbytku);
    kbeliku = Integer::fromDouble(Fix(kg / 7));
    zbytek = Integer::fromDouble(Round(kg - (7 * kbeliku).value() + 0.49));
    if (zbytek > 4) {
        zbytek = Integer(0);
        kbeliku = kbeliku + 1;
    }
    if (kbeliku == 0 && zbytek > 0) {
        kbeliku = Integer(1);
        zbytek = Integer(0);
    }
}

using Pocty = std::array<std::pair<int, int>, 2>;  // rows (0: none) and their counts

struct RadkyUkonceni {
    Pocty vrch;                    // what a casing, KDS and KDVO put on the head rows
    std::array<int, 2> obezdivka;  // the casing's rows without shaft; with shaft one row further each
    int cihly;                     // clinker; fireclay on the next row
    int malta;                     // the casing's bags join the mortar
    Pocty deska;                   // the cover plate cast on site
    std::array<int, 2> kds;        // the KDS row without / with shaft
    int kdsUhelniky, kdsRam;       // the four KDS angle pieces, or the frame in their place
    int kdvo;                      // KDVO without shaft; with shaft the next row
};

inline void ukonceni(VektorMnozstvi& q, const SorvenikaParametry& p, const RadkyUkonceni& r) {
    const auto nastav = [&q](const Pocty& pocty) {
        for (auto [radek, n] : pocty)
            if (radek) q(radek) = Integer(n);
    };
    const int s = p.Sachta ? 1 : 0;
    switch (p.Ukonceni) {
    case 1:  // brick casing
        nastav(r.vrch);
        for (int radek : r.obezdivka) q(radek + s) = Integer(1);
        if (p.DruhCihly == 1) q(r.cihly) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(r.cihly + 1) = Integer::fromDouble(p.PocetCihel);
        q(r.malta) = pridejPytle(q(r.malta), p.PocetPytlu);
        break;
    case 4:
        nastav(r.deska);
        break;
    case 5:
        nastav(r.vrch);
        q(r.kds[s]) = Integer(1);
        q(r.kdsUhelniky) = Integer(4);
        break;
    case 6:
        nastav(r.vrch);
        q(r.kdvo + s) = Integer(1);
        break;
    default:  // cladding and the Orlex top need no rows of their own
        break;
    }
}

// An edit on the sheet: the KDS angle pieces and frame replace each other, rows od..po keep the
// typed count, and any other row goes back to its base `zaklad`; nothing is recomputed.
inline void pravidloRadku(VektorMnozstvi& q, int radek, Integer ks, float zaklad, const RadkyUkonceni& r, int od,
                          int po) {
    if (radek == r.kdsUhelniky) {
        if (ks == 0) q(r.kdsRam) = Integer(1);
    } else if (radek == r.kdsRam) {
        if (ks == 0) q(r.kdsUhelniky) = Integer(4);
    } else if (radek < od || radek > po) {
        q(radek) = Integer::fromDouble(zaklad);
    }
}

// The cladding row of height index 1..7 counted after `predPrvnim`. An index the wizard cannot
// give, or a row the item table lacks, writes nothing rather than failing the whole bill.
inline void zapisPlast(VektorMnozstvi& q, int predPrvnim, int idVysky) {
    const int r = predPrvnim + idVysky;
    if (idVysky >= 1 && idVysky <= 7 && r <= q.horni()) q(r) = Integer(1);
}

}  // namespace tremol
