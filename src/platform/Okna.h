#pragma once
// What one window asks of another it opens: the program wires the real windows, tests put
// recording stand-ins in their place.
#include "platform/Numbers.h"

#include <QString>

// The costing sheet: its two system captions lblSystem(0/1), and showing it not modal.
class IListSorveniky {
public:
    virtual ~IListSorveniky() = default;
    virtual void NastavSystem(const QString& nazev) = 0;
    virtual void Zobraz() = 0;
};

// A window shown modal (the parameter wizard, the sales-representative settings).
class IModalniOkno {
public:
    virtual ~IModalniOkno() = default;
    virtual void ZobrazModalne() = 0;
};

// A window shown not modal (the order sheet).
class IOkno {
public:
    virtual ~IOkno() = default;
    virtual void Zobraz() = 0;
};

// A costing as the order sheet takes it (PridatObjednavku): its description, the article codes
// and the quantities each followed by "|", the note and the price.
struct PolozkaObjednavky {
    QString Nazev;
    QString ObjZnaky;
    QString Kusy;
    QString Poznamka;
    Currency Cena;
    friend bool operator==(const PolozkaObjednavky&, const PolozkaObjednavky&) = default;
};

// The order sheet as the costing sheet adds a costing to it before showing it.
class IObjednavka : public IOkno {
public:
    virtual void PridatObjednavku(const PolozkaObjednavky& p) = 0;
};
