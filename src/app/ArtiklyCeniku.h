#pragma once
// The article table as the item-table loader reads it: order number, old code, name, price,
// weight of the row found by order number.
#include "engine/Artikly.h"
#include "pricelist/TabulkaArtiklu.h"

class ArtiklyCeniku : public IArtikly {
public:
    explicit ArtiklyCeniku(const TabulkaArtiklu& tabulka) : m_t(tabulka) {}

    int NajdiArtikl(QString& kod) const override { return m_t.NajdiArtikl(kod); }
    QString ObjZnak(int radek) const override { return m_t.text(radek, TabulkaArtiklu::ObjCislo); }
    QString ObjZnakPuvodni(int radek) const override { return m_t.text(radek, TabulkaArtiklu::StaryKod); }
    QString Nazev(int radek) const override { return m_t.text(radek, TabulkaArtiklu::Nazev); }
    Currency Cena(int radek) const override { return m_t.cena(radek); }
    float Vaha(int radek) const override { return m_t.vaha(radek); }

private:
    const TabulkaArtiklu& m_t;
};
