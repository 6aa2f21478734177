#pragma once
// What the three KARNELO calculators share: the kit texts, the height above 11.33 m, and the
// split of one flue's liner length into 1.33 m, 0.66 m and 0.33 m pieces.
#include "app/GlobalniData.h"

#include <QString>

namespace karnelo {

extern const QString kTextPaty;       // the foot kit
extern const QString kTextZakladni;   // the basic kit

// One kit whose every component is `ks` pieces of the item on `radek`, under the code "".
void naplnSoupravu(Souprava& s, const QString& popis, int ks, int radek);

// The spacers above 11.33 m: one pack per 2 m begun; none up to 11.33 m.
Integer nad1133(float vyska);

// The run of liners a flue needs above its foot and below its top: the height less X, where X
// counts 1.33 m for each T-piece and door and 0.82 m for the foot and the top.
double xPruduchu(double kusu);

// The liners of one flue for the run r, before any carry.
struct Delky {
    Integer d133, d066, d033;
};
Delky rozdel(double r);
// The 0.66 m count of the recompute for a 20 cm flue: the quotient truncated, plus 1.
Integer delka066Prepocet20(double r, Integer d133);

// Two short pieces become one of the next length.
void prenes(Integer& kratka, Integer& delsi);

}  // namespace karnelo
