#pragma once
// The accessories of a chimney: the 36 boxes of the accessory picker (box i sets the flag
// Prislusenstvi(i) that every calculator reads) and which of them a chimney can have.
#include "engine/GlobalniData.h"

#include <QString>
#include <array>

constexpr int kPocetPrislusenstvi = 36;
using Priznaky = std::array<bool, kPocetPrislusenstvi>;

// Boxes 3 to 7 are never shown: the wizard puts the static kits and the anchor into them.
constexpr int kPrvniPredavaci = 3;
constexpr int kPosledniPredavaci = 7;

struct PolozkaPrislusenstvi {
    QString skupina;   // the group heading the box stands under; empty for a hand-over box
    QString popisek;   // the box's caption
    QString popis;     // tool tip and preview text; empty for a hand-over box
    bool predavaci;    // hidden hand-over box
};
const PolozkaPrislusenstvi& polozkaPrislusenstvi(int i);

// The parameters that decide which boxes can be ticked.
struct VstupDostupnosti {
    QString System;
    QString Prurez;
    bool Sachta = false;
    int Kourovod = 0;   // flue 1: 0 = 90 degrees
    int Ukonceni = 0;
    static VstupDostupnosti z(const SorvenikaParametry& p);
};

struct Dostupnost {
    std::array<bool, kPocetPrislusenstvi> povoleny{};
    std::array<bool, kPocetPrislusenstvi> viditelny{};
};

// Starts from the picker's design state (everything enabled and shown, the hand-over boxes
// hidden), applies the system's rules and, last, takes the chimney cap away from a cladding.
Dostupnost DostupnostPrislusenstvi(const VstupDostupnosti& v);

// The two diameter headings over the flue-1 and flue-2 connection columns: "14/16" gives "14"
// and "16", "16" gives "16" and "".
std::array<QString, 2> NadpisyPrurezu(const QString& prurez);

Priznaky priznakyZ(const Pole<bool, 0>& prislusenstvi);
void zapisPriznaky(const Priznaky& f, Pole<bool, 0>& prislusenstvi);
