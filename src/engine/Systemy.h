#pragma once
// The chimney systems the program knows, by the code and name the settings file uses, with what
// the rest of the program asks of a system instead of comparing its name.
#include <QString>
#include <span>
#include <utility>

enum class Rodina { MIV, DORVA, SELVAN, KARNELO, TREMOL, KALVIR, ORVIK };

struct PopisSystemu {
    int kod;                 // Systemy(kod) of the settings file, 1..13
    const char* nazev;       // compared exactly, letter case included
    Rodina rodina;
    int prumuduchu;          // flues of the block
    bool kalkulacka;         // costed by a calculator (code 5 is a placeholder without one)
    // Internal rows of the T-REMOL calculators that ordinary users do not see, first..last.
    std::span<const std::pair<int, int>> skryteRadky;

    QString jmeno() const { return QString::fromLatin1(nazev); }
    // The T-REMOL systems: sold through partners, so prices and free rows are for privileged
    // users only, the note advises a check and the sheet shows the price without VAT.
    bool tRemol() const { return rodina == Rodina::TREMOL; }
};

// All thirteen, in code order; the twelve with a calculator in the dispatch order of the costing.
std::span<const PopisSystemu> systemy();
// nullptr for a name that is not one of them.
const PopisSystemu* najdiSystem(const QString& nazev);
bool jeTRemol(const QString& system);

// The cross-section picture of a system record's "Piktogram prurez" value, "bez šachty[|bez
// šachty od 25]||se šachtou": with a shaft the second group; without, the first group's first
// name, for MIV from cross-section "25" on (text order) its second. "" when there is none.
QString ObrazekPrurezu(const QString& piktogramPrurez, const QString& system, const QString& prurez, bool sachta);

// Code 1..13 of a system name, compared exactly; -1 for any other name.
int ZjistiKodSystemu(const QString& nazev);
// The name of a code, "" outside 1..13.
QString NazevSystemu(int kod);
