#pragma once
// What the item-table loader needs of the article table: the lookup and four cells of a row.
#include "platform/Numbers.h"

#include <QString>

// The name a code that the price list does not hold is shown under.
inline QString NazevNenalezene(const QString& kod) {
    return QStringLiteral("****** Položka ") + kod + QStringLiteral(" nenalezena ******");
}

class IArtikly {
public:
    virtual ~IArtikly() = default;

    // The row of an order code (1 or more), -1 when it is not there, 0 for "-". Except for "-"
    // the caller's code comes back upper-cased.
    virtual int NajdiArtikl(QString& kod) const = 0;

    virtual QString ObjZnak(int radek) const = 0;         // order code as the price list has it
    virtual QString ObjZnakPuvodni(int radek) const = 0;  // old code
    virtual QString Nazev(int radek) const = 0;
    virtual Currency Cena(int radek) const = 0;           // rounded to 2 decimals, as displayed
    virtual float Vaha(int radek) const = 0;
};
