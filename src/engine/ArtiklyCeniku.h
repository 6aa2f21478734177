#pragma once
// The price list's article table as the item-table loader reads it.
#include "engine/Artikly.h"
#include "pricelist/TabulkaArtiklu.h"

class ArtiklyCeniku : public IArtikly {
public:
    explicit ArtiklyCeniku(const TabulkaArtiklu& t) : m_t(t) {}

    int NajdiArtikl(QString& kod) const override { return m_t.NajdiArtikl(kod); }
    QString ObjZnak(int r) const override { return m_t.text(r, TabulkaArtiklu::ObjCislo); }
    QString ObjZnakPuvodni(int r) const override { return m_t.text(r, TabulkaArtiklu::StaryKod); }
    QString Nazev(int r) const override { return m_t.text(r, TabulkaArtiklu::Nazev); }
    Currency Cena(int r) const override { return m_t.cena(r); }
    float Vaha(int r) const override { return m_t.vaha(r); }

private:
    const TabulkaArtiklu& m_t;
};
