#pragma once
// The wizard's OK: its controls into the draft parameter set, the static securing into the
// accessory flags 3 to 7, the accessory picker (shown, run unseen or skipped, by system and
// user). The result goes to NastavSorveniku.
#include "engine/GlobalniData.h"
#include "costing/ModelListu.h"
#include "engine/Kalkulacka.h"
#include "parameters/ModelParametru.h"
#include "parameters/ModelPrislusenstvi.h"

#include <QString>
#include <array>

inline const QString kProdejniZprava = QStringLiteral("MIV***TRENA je nejprodávanější komínový systém v ČR.");

// What the commit reads from the wizard's controls. Members written only by the field handlers
// (the confirmed height, the Orlex and casing heights and counts, the connecting pieces) are
// already in the draft.
struct HodnotyPruvodce {
    QString prurez;                   // cmbPrurez: the chosen text and its list index
    int indexPrurezu = -1;
    bool bezSachty = true;            // optSachta(0) "bez větrací šachty"
    bool horniDvirka = false;         // chkHorniDvirka
    bool druheNapojeni = false;       // chkDruheNapojeniKourovodu
    bool kourovod90 = true;           // optKourovod(0), flue 1 at 90 degrees
    bool kourovod2_90 = true;         // optKourovod(2), flue 2 at 90 degrees
    bool pata = false;                // chkpata
    bool pataStranyPovoleny = false;  // optPata(0) enabled
    bool pataLeva = false;            // optPata(0) "Levá"
    bool pataPrava = false;           // optPata(1) "Pravá"
    bool zakladniSouprava = false;    // chkSouprava(0) "Zákl. soupr."
    bool soupravaKEPO = false;        // chkSouprava(1) "Zákl. soupr. KEPO"
    QString termoTvarnice;            // txtTermoTvarnice
    std::array<bool, 6> ukonceni{};   // optUkonceni(0..5): Orlex, casing, cladding, plate, KDS, KDVO
    QString pocetCihel;               // txtPocetCihel
    QString pocetPytlu;               // txtPocetPytluObezdivka
    QString vyskaPlaste;              // cmbVyskaPlaste: the chosen text and its list index
    int indexVyskyPlaste = -1;
    bool omitka = true;               // optPlast(0) "Omítková struktura"
    bool statickeZajisteni = false;   // optVolbaStatZajisteni(0) "ANO"
    PredaniStatiky statika;           // chkStatickaSouprava(0..2), optKotevniPrvek(0/1)
};

// Steps before the accessories: the controls' values into the draft.
void ZapisOvladace(SorvenikaParametry& navrh, const HodnotyPruvodce& h);

// The whole commit on the draft. The static securing of the third step reaches flags 3 to 7
// even when the picker is cancelled; the picker's cancel keeps the other flags that the
// committed parameters still offer, as its OK does.
SorvenikaParametry PotvrdParametry(SorvenikaParametry navrh, const HodnotyPruvodce& h, const Nastaveni& n,
                                   IVyberPrislusenstvi& vyber);

// The link "Příslušenství": the picker over the draft's flags, offering what frame 1 shows now;
// its OK writes the draft's flags, which wait for the commit.
void VyberPrislusenstviZOdkazu(ModelParametru& m, IVyberPrislusenstvi& vyber);

// The wizard's controls as the commit reads them.
HodnotyPruvodce HodnotyZ(const ModelParametru& m);

// The OK of the wizard as a whole: the commit above on the wizard's draft, then the costing on
// the sheet with the list prices (coefficient 100 %) and the cursor reset. A costing that fails
// throws and leaves the previous costing whole, coefficient and cursor included.
void PotvrdPruvodce(const ModelParametru& m, GlobalniData& g, const Kalkulacky& kalkulacky, ModelListu& list,
                    IVyberPrislusenstvi& vyber);
