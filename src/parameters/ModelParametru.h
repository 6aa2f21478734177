#pragma once
// The parameter wizard without its window. It holds what every control shows, the two step
// counters and the frame on view, and edits a draft of the costing's parameter set; the shared
// set changes only when the draft is committed. frmParametry draws it and forwards the user's
// actions to the handlers below, which are named after the controls.
//
// Focus: a height box left while its text differs from the height in use answers with a warning
// and takes the focus back, swallowing the action that would have moved it; the connecting pieces
// left without Enter are taken as Enter takes them. Back and "NE" use no height, so no box
// refuses them; a text left in a box stays as typed and is checked again by Next or Ok. The
// window reports where the focus went (fokusNa) and asks before the user leaves a box (opust);
// every handler also checks first, so the rules hold without a window.
#include "engine/GlobalniData.h"
#include "parameters/Prislusenstvi.h"
#include "parameters/PrvkyParametru.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

// The five frames; Zadny stands for a frame name that shows nothing.
enum class Ram { Zadny, R1, R2a, R2b, R2c, R3 };

class ModelParametru {
public:
    // Form_Load: the design state, the draft reset for a new chimney of the loaded system, the
    // cross-section and shell-height lists, then the availability rules.
    explicit ModelParametru(const GlobalniData& g);

    // Costs a draft without committing it; false when the costing fails. The chimney height is
    // tried with it at its Enter, so a height the costing cannot take is refused at the box.
    // Unset, every draft passes.
    using ZkouskaKalkulace = std::function<bool(const SorvenikaParametry&)>;
    void nastavZkouskuKalkulace(ZkouskaKalkulace z) { m_zkouska = std::move(z); }

    const StavPrvku& stav(Prvek p) const { return m_s[static_cast<size_t>(p)]; }
    const StavyPrvku& stavy() const { return m_s; }
    // Items and chosen index (-1: none) of cmbPrurez and cmbVyskaPlaste.
    const QStringList& polozky(Prvek seznam) const;
    int vybrano(Prvek seznam) const;
    Ram ram() const { return m_ram; }
    // The step counters of "Další" and "Zpět".
    int krokDalsi() const { return m_krokDalsi; }
    int krokZpet() const { return m_krokZpet; }
    Prvek fokus() const { return m_fokus; }
    // Where the focus is to go; taken once.
    std::optional<Prvek> vezmiPozadavekFokusu() { return std::exchange(m_pozadavekFokusu, std::nullopt); }

    // The draft as the handlers have written it.
    const SorvenikaParametry& koncept() const { return m_p; }
    // The draft as a commit takes it: the cross-section's column; the Orlex counts only for the
    // Orlex top; the kit's mortar only with "ANO" and a kit ticked.
    SorvenikaParametry konceptKPotvrzeni() const;

    // Typed-length limit of a text box (0: none). Only typing is limited, never text set here.
    static int maxDelka(Prvek p);
    // Typing that makes a box's text `nova` characters long out of `puvodni`: beyond the limit
    // only when it does not lengthen the text (a longer computed count can still be edited).
    static bool delkaPovolena(Prvek p, int puvodni, int nova);
    // What the block, brick and bag counts hold: digits only, within 16 bits, so that the commit
    // can always read them. Other boxes take any text.
    static bool povolenyVstup(Prvek p, const QString& text);
    // The Orlex counts: computed from the height, and nothing reads a count typed over them.
    static bool jenProCteni(Prvek p);

    // The window's events.
    void fokusNa(Prvek p);
    bool opust();
    // A command that reads no height: the box holding the focus lets it run unchecked.
    static bool bezKontrolyOdchodu(Prvek p) { return p == Prvek::cmdZpet || p == Prvek::optVolbaStatZajisteni1; }
    void zmenText(Prvek p, const QString& text);
    // A click on an option, check box or button; a check box changes its tick.
    void klik(Prvek p);
    // Enter in a box or in the cross-section list.
    void enter(Prvek p);
    // A choice from a list.
    void vyber(Prvek seznam, int index);

    // The handlers.
    void cmbPrurez_Click(int index);
    void cmbPrurez_KeyPress();
    void optSachta_Click(int index);
    void txtVyska_KeyPress();
    void ram1_Click();
    void txtPocetNapojovacichDilu_KeyPress();
    void chkpata_Click(bool zaskrtnuto);
    void chkSouprava_Click(int index);
    void chkTermoTvarnice_Click(bool zaskrtnuto);
    void chkDruheNapojeniKourovodu_Click(bool zaskrtnuto);
    void chkHorniDvirka_Click(bool zaskrtnuto);
    void optKourovod_Click(int index);
    void optPata_Click(int index);
    void optUkonceni_Click(int index);
    // True when the accessory picker is to be shown.
    bool lblPrislusenstvi_Click();
    // What the picker from the link judges by: frame 1 as the next "Další" takes it, flue angle
    // and termination included, which reach the draft only then.
    VstupDostupnosti vstupPrislusenstvi() const;
    // The picker opened from the link was left with OK: its boxes become the draft's flags.
    void zapisPrislusenstvi(const Priznaky& f) { zapisPriznaky(f, m_p.Prislusenstvi); }
    void txtVyskaOrlex_KeyPress();
    void optCihla_Click(int index);
    void txtVyskaObezdivky_KeyPress();
    void txtPocetCihel_KeyPress();
    void txtPocetPytluObezdivka_KeyPress();
    void cmbVyskaPlaste_Click(int index);
    void optPlast_Click(int index);
    void optVolbaStatZajisteni_Click(int index);
    void txtVyskaNadstresniCasti_KeyPress();
    void chkStatickaSouprava_Click(int index, bool zaskrtnuto);
    void optKotevniPrvek_Click(int index);
    void cmdDalsi_Click();
    void cmdZpet_Click();
    // True when the commit may go ahead.
    bool cmdOk_Click();

    void ZobrazRam(Ram ram);

private:
    StavPrvku& s(Prvek p) { return m_s[static_cast<size_t>(p)]; }
    bool zaskrtnuto(Prvek p) const { return stav(p).zaskrtnuty; }
    // Offered by the rules: enabled and shown, with its inner frame, whichever step is on view.
    bool nabizen(Prvek p) const;
    // Offered, and on the frame that is shown.
    bool dostupny(Prvek p) const;
    // The action on p may run: p can be used and the box that holds the focus lets it go.
    bool pripraven(Prvek p, bool beresFokus = true);
    // The leave check of a box: a height that differs from the one in use is refused, the
    // connecting pieces are taken as their Enter takes them.
    bool kontrolaOdchodu(Prvek box);
    // A static kit follows the above-roof height: the system has kits, frame 3 shows them and the
    // termination has a kit table.
    bool soupravaNasleduje() const;
    // The connecting pieces' text parsed into the draft; false (warned) when it is no count.
    bool prevezmiPocetDilu();
    void vyberVolbu(Prvek p);
    void pozadejFokus(Prvek p);
    void varuj(const QString& text, Prvek fokus);
    // A refused value: Next stays disabled and Ok hidden until the box takes a valid one.
    void zavriCestu();
    void predvyberUkonceni();
    // A check box ticked or unticked, with what that changes besides.
    void zaskrtni(Prvek box, bool z);
    // Clears every choice whose control is no longer offered; on Next, on OK and when frame 3 hides its kits.
    void zrusNenabizene();
    // The option group of `pocet` members from `prvni`: a selected member no longer offered gives
    // way to the first one offered (to the design default when none is), as Next takes it.
    void nahradNenabizenou(Prvek prvni, int pocet);
    void spustParametry();
    int vybraneUkonceni() const;
    Ram ramUkonceni() const;
    void nastavUkonceni();
    bool prurezVybran() const { return m_prurez >= 0; }
    QString text(Prvek p) const { return stav(p).text; }
    void ukazPocty();

    const GlobalniData& m_g;
    SorvenikaParametry m_p;
    StavyPrvku m_s{};
    QStringList m_prurezy;
    QList<bool> m_sachtaPovolena;
    QStringList m_vyskyPlaste;
    int m_prurez = -1;
    int m_vyskaPlaste = -1;
    Ram m_ram = Ram::R1;
    int m_krokDalsi = 1;
    int m_krokZpet = 0;
    Prvek m_fokus = Prvek::cmbPrurez;
    std::optional<Prvek> m_pozadavekFokusu;
    QString m_textPoctuDilu;   // the connecting pieces' text the draft holds
    QString m_textNadstresni;  // the above-roof height the kits were recommended for
    int m_pytleSoupravy = 0;  // ZSLKT bags of the recommended static kit (0 to 2), apart from the draft
    ZkouskaKalkulace m_zkouska;
};
