#pragma once
// What the three KARNELO calculators share: the kit texts, the height above 11.33 m, the foot and
// its blocks, the terminations, and the split of one flue's liner length into 1.33 m, 0.66 m and
// 0.33 m pieces. The systems differ here only in their rows.
#include "engine/GlobalniData.h"
#include "engine/Pole.h"

#include <QString>
#include <array>
#include <initializer_list>
#include <utility>

namespace karnelo {

extern const QString kTextPaty;       // the foot kit
extern const QString kTextZakladni;   // the basic kit

// One kit whose every component is `ks` pieces of the item on `radek`, under the code "".
void naplnSoupravu(Souprava& s, const QString& popis, int ks, int radek);

// Rows set to the given counts, in order.
void nastav(VektorMnozstvi& q, std::initializer_list<std::pair<int, int>> hodnoty);

// The spacers above 11.33 m: one pack per 2 m begun; none up to 11.33 m.
Integer nad1133(float vyska);

// The foot rows of one shaft choice.
struct RadkyPaty {
    int pata;                 // the foot piece of DruhPaty 1
    int pata2;                // that of DruhPaty 2; 0: there is none
    int termo;                // heat-insulating blocks
    int bloky;
    std::array<int, 2> vrch;  // the top rows a costing sets
};
// The foot piece, the heat-insulating blocks, the blocks (three per metre less three per foot
// piece and the heat-insulating ones) and the top rows.
void paty(VektorMnozstvi& q, const SorvenikaParametry& p, const RadkyPaty& r);
// The recompute's blocks leave the heat-insulating ones out.
void blokyPrepocet(VektorMnozstvi& q, double vyska, const RadkyPaty& r);

struct RadkyUkonceni {
    int cihly;         // clinker bricks; fireclay on the next row
    int malta, hmota;  // the casing's bags; the ZSLKT kits
    int vrch, vrchDo;  // the top rows: a cladding shell clears the first four, a site-cast plate all
    int plast;         // the row before the cladding shells: plaster, plaster with shaft, brick, brick with shaft
    std::array<std::pair<int, int>, 2> desky;  // the site-cast plates: row (0: none) and count
};
void ukonceni(VektorMnozstvi& q, const SorvenikaParametry& p, const RadkyUkonceni& r);

// The rows of one flue: T-pieces 90° and 45°, upper door, liners of 1.33, 0.66 and 0.33 m.
struct Pruduch {
    int t90, t45, dvirka, d133, d066, d033;
};

// X of a flue: 1.33 m for each T-piece and door and 0.82 m for the foot and the top.
double xPruduchu(double kusu);
// The run of one flue's liners: the height less its X narrowed to single precision.
double behPruduchu(const VektorMnozstvi& q, float vyska, const Pruduch& f);
// The liners of one flue for the run r, two short pieces carried into one of the next length.
// prepocet20: the recompute of a 20 cm flue takes one more 0.66 m liner and keeps the stored
// 0.33 m count.
void delky(VektorMnozstvi& q, double r, const Pruduch& f, bool prepocet20 = false);

// The upper door and the second connection each take `kusu` 1.33-m liners; the door row holds
// `kusu` doors, the connection adds `kusu` T-pieces at the angle of flue 1.
void dvirkaANapojeni(VektorMnozstvi& q, const SorvenikaParametry& p, const Pruduch& f, int kusu);

}  // namespace karnelo
