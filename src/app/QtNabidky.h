#pragma once
// The offers as the program's windows reach them: the offer from the costing sheet (with the
// sheet's members Nabidka and SorvenikaNabidky), the offer form over the price list, and the
// offer list with its synchronisation in the status window.
#include "app/NabidkaZListu.h"
#include "offers/ModelNabidky.h"
#include "offers/frmNabidky.h"
#include "platform/Okna.h"
#include "pricelist/QtSeznamPolozek.h"

#include <QPointer>
#include <functional>

struct Kalkulace;

class QtNabidky : public IOkno {
public:
    struct Sluzby {
        QtSeznamPolozek* seznamPolozek = nullptr;  // the price list in its offer mode
        const TabulkaArtiklu* cenik = nullptr;     // the weights of the HTML offer, the list prices of the form
        // The synchronisation shown in the status window (caption, text, modal or not), run, and
        // its log shown; empty: the list offers no synchronisation.
        std::function<void()> synchronizuj;
        std::function<void(QWidget*)> registrace;
    };

    QtNabidky(GlobalniData& g, Sluzby sluzby);

    // mnuNabidky: the offer list, not modal.
    void Zobraz() override;
    // lblNabidka: the offer from the costing, then the form, modal. A costing that cannot give an
    // offer is refused with a warning.
    void lblNabidka_Click(const Kalkulace& k);
    // The offer form on an offer (the object itself), modal; `storno` clears its opener's
    // reference when the user drops the offer.
    void zobrazFormular(std::shared_ptr<clsNabidka> n, bool jenProhlizeni, std::function<void()> storno = {});

    PametNabidek& pamet() { return m_pamet; }
    // The costing sheet's members.
    std::shared_ptr<clsNabidka> Nabidka;
    clsSorvenika SorvenikaNabidky;

    frmNabidky* seznam() const { return m_seznam; }

private:
    GlobalniData& m_g;
    Sluzby m_sluzby;
    PametNabidek m_pamet;
    QPointer<frmNabidky> m_seznam;
};
