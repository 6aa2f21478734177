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
    void pridejPolozku(const QString& r, const QString& z, const QString& k) override {
        radky << r, objZnak += z + u'|', ks += k + u'|';
    }
    void zobrazObjednavku() override { ++zobrazeni; }
};

struct FakeNabidka : ICilNabidky {
    QStringList radky;
    void pridejPolozku(const QString& r) override { radky << r; }
};
