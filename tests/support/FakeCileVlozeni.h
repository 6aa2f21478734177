#pragma once
// Recording stand-ins for the order sheet and the offer form as the price-list browser inserts
// into them.
#include "pricelist/CilVlozeni.h"

#include <QStringList>

struct FakeObjednavka : ICilObjednavky {
    bool vybrana = true;
    QStringList radky;
    QString objZnak, ks;  // the selected sub-order's lists
    int zobrazeni = 0;

    bool maVybranouPodobjednavku() const override { return vybrana; }
    void pridejPolozku(const QString& radek, const QString& z, const QString& k) override {
        radky << radek;
        objZnak += z + QLatin1Char('|');
        ks += k + QLatin1Char('|');
    }
    void zobrazObjednavku() override { ++zobrazeni; }
};

struct FakeNabidka : ICilNabidky {
    QStringList radky;
    void pridejPolozku(const QString& radek) override { radky << radek; }
};
