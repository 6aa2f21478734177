#pragma once
// A worked costing for the outputs, built by hand so each figure is known: MIV 16 cm without a
// shaft, 8 m, an Orlex top; three rows with pieces, one at 0 and a free row; a basic kit of two
// lines, an unused set; seller, customer, a note of two paragraphs and a footer that wrap.
#include "costing/Kalkulace.h"
#include "costing/SouhrnParametru.h"

inline RadekKalkulace radekUkazky(const QString& nazev, const QString& kod, const QString& puvodni, float ks, double cena) {
    return {nazev, kod, puvodni, ks, Currency::fromDouble(cena), Currency::fromDouble(cena * ks)};
}

inline Kalkulace ukazkovaKalkulace() {
    Kalkulace k;
    SorvenikaParametry& p = k.parametry;
    p.System = QStringLiteral("MIV");
    p.Zaznam.NazevTisk = QStringLiteral("Komínový systém MIV");
    p.Zaznam.PiktogramTisk = QStringLiteral("Pict\\MIV_T.gif");
    p.Zaznam.PiktogramPrurez = QStringLiteral("Pict\\MIV_P.gif|Pict\\MIV25_P.gif||Pict\\MIV_S_P.gif");
    p.Prurez = QStringLiteral("16");
    p.Vyska = 8;
    p.Ukonceni = 3;
    p.VyskaUkonceni = 1.2f;
    p.Poznamka = QStringLiteral("Montáž do 14 dní.\r\n\r\nDoprava zdarma na stavbu do padesáti kilometrů od prodejny, dále podle ceníku dopravy firmy.");
    p.ZakladniSoupravy.pridej({Integer(1), {}, {}, {}, QStringLiteral("Základní souprava:\r\nkomínová hlava")});
    p.Sady.pridej({Integer(0), {}, {}, {}, QStringLiteral("Nepoužitá sada")});
    k.PopisSadyOrlex = QStringLiteral("Sada Orlex 16");
    k.DPH = Currency::fromDouble(21);
    k.radky = {radekUkazky("Komínová tvárnice", "KT16", "", 24, 189.5), radekUkazky("Vymetací dvířka", "VD16", "D-16", 1, 1250),
               radekUkazky("Kondenzační jímka", "KJ16", "", 0, 980), radekUkazky("Patní deska", "PD16", "", 2, 415.3),
               radekUkazky("Vlastní položka", "0123", "", 3, 10)};
    k.radky.back().volny = true;
    k.soucty = {QStringLiteral("100"), QStringLiteral("30"), QStringLiteral("6 658,60"), QStringLiteral("6 658,60"),
                QStringLiteral("8 057,00"), QStringLiteral("412,50")};
    k.souhrn = SouhrnSorveniky(p, 0);
    k.zakaznik = {QStringLiteral("Jan Novák"), QString(), QStringLiteral("Brno")};
    k.Prodejce = QStringLiteral("Stavebniny Dvořák s.r.o.");
    k.PlatnostCen = QStringLiteral("1.1.2026");
    k.poznamkaDodani += QStringLiteral(" a výrobky dodává s prohlášením o vlastnostech podle platných norem.");
    return k;
}

// A bill of `radku` rows with pieces, each named "Položka N".
inline Kalkulace dlouhaKalkulace(int radku) {
    Kalkulace k = ukazkovaKalkulace();
    k.radky.clear();
    for (int i = 1; i <= radku; ++i)
        k.radky.push_back(radekUkazky(QStringLiteral("Položka %1").arg(i), QStringLiteral("A%1").arg(i, 5, 10, QLatin1Char('0')), {},
                                      static_cast<float>(i % 7 + 1), 99.9 + i));
    return k;
}
