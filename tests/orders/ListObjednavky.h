#pragma once
// An order sheet over the sample installation's price list, with the fake services (today is
// 6 December 2026) and VAT 20 %.
#include "orders/ModelObjednavky.h"
#include "support/TestSupport.h"

struct ListObjednavky {
    Instalace inst;
    FakeServices sluzby;
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(inst.data + QStringLiteral("/Art"));
    ModelObjednavky m{cenik, Currency::fromInt(20)};

    // A sub-order added and shown.
    void pridej(const QString& nazev, const QString& kody, const QString& kusy, const QString& poznamka = {}) {
        m.PridatObjednavku({nazev, kody, kusy, poznamka, {}});
        m.aktivovano();
    }
    QStringList radek(int r) const {
        QStringList t;
        for (int c = 0; c < ModelObjednavky::kSloupcu; ++c) t << m.Tabulka.TextMatrix(r, c);
        return t;
    }
};
