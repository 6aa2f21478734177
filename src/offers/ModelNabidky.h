#pragma once
// The offer form (frmNabidka) without its window: the offer handed over, the parts grid, the
// project names and dealers, the parts commands that recompute the prices, and the save.
#include "engine/GlobalniData.h"
#include "offers/UdajeNabidky.h"
#include "offers/clsNabidka.h"
#include "platform/FlexGrid.h"
#include "pricelist/CilVlozeni.h"

#include <array>
#include <functional>
#include <memory>

// The form's public members, which outlive each opening of it.
struct PametNabidek {
    std::shared_ptr<clsNabidka> Nabidka;          // the offer being edited; the opener sets it
    std::shared_ptr<clsNabidka> PosledniNabidka;  // the offer saved last in this run

    // The offer whose project and customer fields the next offer from the costing sheet takes:
    // the last saved one, so they survive a cancelled form.
    const clsNabidka* predloha() const { return PosledniNabidka.get(); }
};

// `pridatPolozky` shows the price list modally in its offer mode over this target; `storno`
// clears the opener's own reference to the offer; `cenik` is the price list whose unit prices a
// T-REMOL offer's list price follows.
struct SluzbyModeluNabidky {
    std::function<void(ICilNabidky&)> pridatPolozky;
    std::function<void()> storno;
    const TabulkaArtiklu* cenik = nullptr;
};

class ModelNabidky : public ICilNabidky {
public:
    using Sluzby = SluzbyModeluNabidky;

    // Load: the lists, the fields and the parts of the offer in pamet.Nabidka.
    ModelNabidky(GlobalniData& g, PametNabidek& pamet, Sluzby sluzby = {});

    FlexGrid Tabulka{1, 6};
    const clsNabidka& nabidka() const { return *m_pamet.Nabidka; }

    // "Povinné údaje k nabídce č. 12"
    QString titulek() const;
    // The entry fields as the offer holds them.
    const UdajeNabidky& udaje() const { return m_udaje; }
    const QStringList& nazvyAkci() const { return m_nazvy.seznam(); }
    const QStringList& obchodnici() const { return m_obchodnici; }
    // The lists' files that are there but could not be read, each with its reason.
    const QStringList& chybyCteni() const { return m_chybyCteni; }
    // The four prices formatted "##,##0.00": before discount, discount, after, with VAT.
    std::array<QString, 4> ceny() const;
    bool odebratPovoleno() const { return m_odebrat; }

    // Leaving the project-name box: a new name is learnt.
    Vysledek<> opustNazevAkce(const QString& text) { return m_nazvy.nauc(text); }
    // Delete in the project-name box on a listed name.
    Vysledek<> zapomenNazevAkce(const QString& nazev) { return m_nazvy.zapomen(nazev); }

    // cmdPridatUbrat(0) and (1); when the parts changed, the breakdown, the costing XML and the
    // prices anew.
    void pridatPolozky();
    void odebratPolozku();
    // The price list's insert in offer mode: one row of six TAB-ended cells, priced at the
    // offer's coefficient.
    void pridejPolozku(const QString& radek) override;

    // "Uložit": the first missing field, or the failure; the offer is changed, ExtID advanced
    // and written to Sorvenika.ini and PosledniNabidka set only once the offer is in the file.
    // A number that cannot be stored refuses the save, and nothing is written; a save that went
    // through has at most one notice (what was no offer set aside).
    Hlaseni<PovinnePole> Uloz(const UdajeNabidky& u);
    // "Storno" or the close box: the offer dropped by the form and by its opener.
    void Storno();

private:
    void zmenaPolozek(const std::function<void()>& zmena);

    GlobalniData& m_g;
    PametNabidek& m_pamet;
    Sluzby m_sluzby;
    NazvyAkci m_nazvy;
    QStringList m_obchodnici;
    QStringList m_chybyCteni;
    UdajeNabidky m_udaje;
    // A T-REMOL offer's prices follow its parts: each grid row's share, their sum and the prices
    // at the opening.
    QList<ZmenaTRemol> m_dily;
    ZmenaTRemol m_dilyNaZacatku;
    CenyNabidky m_cenyNaZacatku;
    bool m_odebrat = true;
};
