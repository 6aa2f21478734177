#pragma once
// The costing sheet without its window: the two grids, the states of the menu commands, the
// frames that can be hidden, the edit mode with the cursor procedures, the customer lines and
// the set-up at load. frmSorvenika draws it; the editing, the commands and the outputs work on
// it, so they run in tests with no window.
#include "engine/GlobalniData.h"
#include "costing/Kalkulace.h"
#include "engine/Kalkulacka.h"
#include "platform/FlexGrid.h"
#include "platform/Okna.h"
#include "platform/Zvyrazneni.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <span>

// Every menu and menu item of the sheet, by its control name. The never-shown "Uložit jako
// nabídku ..." has no behaviour and is left out; the hidden menu "Úpravy" is kept because the
// abandoned wizard disables one of its items.
enum class Prikaz {
    mnuSorvenika,
    mnu_Nova_sorvenika,
    mnu_Zpet_do_menu,
    mnucarka1,
    mnucarka2,
    mnu_Export_do_Excelu,
    mnu_Ulozit_jako_HTML,
    mnu_Email,
    mnuPridat,
    mnu_Tisk,
    mnucarka3,
    mnu_Konec,
    mnuVolby,
    mnuSadaStred,
    mnuVolbyZobrazitCeny,
    mnuVolbyZobrazitCenuObchodnika,
    mnuVolbyZobrazitNuloveKusy,
    mnuVolbyPrepocitavat,
    mnuVolbyTisknoutCeny,
    mnuUpravy,
    mnu_Zobrazit_databazi,
    mnu_Zadat_obj_c,
    mnuObjednavky,
    mnuNabidky,
    mnu_nastroje,
    mnu_Import,
    mnu_Export,
    mnu_Zakaznik,
    mnuProgram,
    mnu_Aktualizace,
    mnuTahak,
};
constexpr int kPocetPrikazu = static_cast<int>(Prikaz::mnuTahak) + 1;

enum class DruhPolozky { Nabidka, Prikaz, Carka };

// One entry of the menu bar as designed, in the bar's order. A menu's items follow it; a
// command of the bar itself has no parent.
struct PolozkaMenu {
    Prikaz prikaz;
    QString jmeno;
    DruhPolozky druh;
    bool vListe;          // on the bar itself (a menu or a top-level command)
    QString popisek;
    QString zkratka;      // portable key text, "Ctrl+N"
    bool zaskrtavaci;     // carries a tick mark
    bool viditelna;
    bool povolena;
    // The caption with "&" before its Alt letter: a letter of its own among its neighbours on the
    // bar or in its menu, the first letter of a word where it is free.
    QString sMnemonikou = {};
};
std::span<const PolozkaMenu> polozkyMenu();

// The commands that read the costing, and before which an open editor is committed: every one
// but those listed as reading no quantity or coefficient (views, other windows, the settings, the
// updater, the program's end) or erasing the costing ("Zpět do menu"), so that a new command
// uses what the sheet shows unless it is known not to need it.
bool ctePolozky(Prikaz p);

struct StavPrikazu {
    bool viditelny = true;
    bool povoleny = true;
    bool zaskrtnuty = false;
    friend bool operator==(const StavPrikazu&, const StavPrikazu&) = default;
};

// An in-place editor over a cell: txtBox over the items grid, txtKoef over the totals.
struct EditorBunky {
    bool viditelny = false;
    QString text;
    FlexGrid::Zarovnani zarovnani = FlexGrid::VlevoStred;
    int maxDelka = 0;  // 0: no limit
    int radek = 0;     // the grid cell it lies over
    int sloupec = 0;
    bool textovy = false;  // a free row's name or code, which keeps a text box's keys
};

inline const QString kZadejteCiselnouHodnotu = QStringLiteral("Zadejte číselnou HODNOTU !!!");
inline const QString kSpatnaHodnotaSouctu = QStringLiteral(
    "Zadali jste špatně hodnotu !!! (jako desetinný oddělovač použijte ten co máte uvedený v Místním nastavení.");

inline const QString kPopisekNabidky = QStringLiteral("POVINNÉ ÚDAJE K VYPLNĚNÍ");

class ModelListu : public QObject {
    Q_OBJECT
public:
    // The items grid's design width: the base of its column widths.
    static constexpr int kSirkaTabulky = 11745;
    static constexpr int kSirkaRamu = 12135;

    explicit ModelListu(GlobalniData& g, QObject* rodic = nullptr);

    // The load-time set-up: ticks of the view options, caption, both grids, commands by user
    // type. The window adds the geometry.
    void Form_Load();

    FlexGrid Tabulka{1, 6};
    FlexGrid TabSuma{1, 3};
    MrizkySorveniky mrizky() { return {Tabulka, TabSuma}; }

    // The costing's parameter summary in RamParametry: lblParametry(0..3), lblTvarnice and the
    // picture file of imgPrurez ("" shows none). The print, the HTML and the offer read it.
    struct Souhrn {
        std::array<QString, 4> parametry;
        QString tvarnice;
        QString obrazekPrurezu;
        friend bool operator==(const Souhrn&, const Souhrn&) = default;
    };
    const Souhrn& souhrn() const { return m_souhrn; }
    void setSouhrn(Souhrn s);

    // A new costing on the sheet: the bill, the summary with its picture, the price options for
    // the system and user, the middle-set command (offered when the user may have it and it
    // fits the chimney, unticked) and the cursor on row 1.
    void nastavKalkulaci(Kalkulace k);
    // The bill drawn again with the coefficient prices after a change (PrepocitejCeny).
    void prepocitejCeny();
    // The costing as the sheet shows it, with its customer lines and the output settings of now.
    Kalkulace kalkulace() const;
    // The calculators whose Prepocitej the recalculating edits and the middle set call.
    void setKalkulacky(Kalkulacky k) { m_kalkulacky = std::move(k); }
    // The note under the bill, in the state and in the costing.
    void setPoznamka(const QString& poznamka);

    const StavPrikazu& stav(Prikaz p) const { return m_prikazy[static_cast<size_t>(p)]; }
    void setViditelny(Prikaz p, bool b);
    void setPovoleny(Prikaz p, bool b);
    void setZaskrtnuty(Prikaz p, bool b);

    QString titulek() const { return m_titulek; }
    bool ramViditelny() const { return m_ram; }
    bool zakaznikViditelny() const { return m_ramZakaznik; }

    const QString& zakaznik(int i) const { return m_zakaznik.at(static_cast<size_t>(i)); }
    void setZakaznik(int i, const QString& text);

    // RezimEditace: 0 not editing, 1 an item row (quantity only), 3 a free row.
    int RezimEditace() const { return m_rezim; }
    Integer RadekSumy;  // the totals row chosen for editing, 0 or 3

    Zvyrazneni zvyrazneniTabulky() const { return m_zvyrazneni; }
    const EditorBunky& txtBox() const { return m_txtBox; }
    void setTextTxtBox(const QString& text) { m_txtBox.text = text; }
    const EditorBunky& txtKoef() const { return m_txtKoef; }
    void setTextTxtKoef(const QString& text) { m_txtKoef.text = text; }

    // Editing in place. A click or any key in the items grid closes its editor unstored and
    // finds the mode; Delete clears a free-row cell; a digit on an item row, or any printable
    // character on a free row, opens the editor. Enter commits, Escape cancels. In the totals
    // grid a click chooses the row (coefficient or price without VAT) and a digit opens its
    // editor where the user and system allow it; a coefficient must be above 0, so that a quote
    // never shows zero or negative prices. A commit that fails on the way (an overflow)
    // throws and leaves the state and the grids as they were.
    void Tabulka_Click();
    void Tabulka_KeyDown(int klavesa);  // Qt::Key
    void Tabulka_KeyPress(QChar znak);
    void txtBox_KeyDown(int klavesa);
    void txtBox_KeyPress(QChar znak);
    void TabSuma_Click();
    void TabSuma_KeyPress(QChar znak);
    void txtKoef_KeyPress(QChar znak);
    // Escape in txtKoef, or the focus gone elsewhere on the sheet: the editor closes unstored and
    // the cell shows the value in force again.
    void txtKoef_LostFocus();
    // An editor still open committed as Enter commits it, the items editor first: true when none
    // stays open; false when one refused its text (its message shown) and stays open for it. A
    // command runs only after it, so that it uses what the sheet shows.
    bool potvrdEditor();

    // The view options "Zobrazit ceny", "Zobrazit cenu pro obchodníka", "Zobrazit nulové kusy",
    // "Přepočítávat" and "Tisknout ceny": the tick turns over into the settings and the grid.
    void prepniVolbu(Prikaz p);
    // "Sada střed": the MIV middle set in or out of the bill, the cursor below its row.
    void mnuSadaStred_Click();
    // "Nová sorvenika": customer and note emptied, the wizard, then the list prices again; a
    // wizard closed without a new costing gives the customer and note back.
    void mnu_Nova_sorvenika_Click(IModalniOkno& pruvodce);

    // The mode from the cursor row: 3 on a free row (highlight off), otherwise 1 with the row
    // selected again.
    void Zjisti_mod();
    // Closes the editor and prepares it and the grid for the mode.
    void Nastav_mod();
    // Selects the whole row, with the cursor in column 0, and gives the grid the focus.
    void Nastav_kurzor_v_tabulce(int radek);
    void Zapis_polohu_kurzoru();

    // The wizard was closed with its close box: without a costing on the sheet the sheet's frame
    // goes and with it every command that needs a costing; with one the sheet stays as it was.
    void ZakazPrikazySorveniky();

    // Column widths of the items grid for a grid width, in twips, rounded half to even.
    static std::array<int, 6> sirkySloupcu(int sirkaTabulky);
    // The totals grid's outer size: its visible columns and rows and 60 twips of border.
    int sirkaTabSumy() const;
    int vyskaTabSumy() const;
    // The frame's height on a screen of the given height (twips).
    static int vyskaRamu(int vyskaObrazovky) { return vyskaObrazovky - 1065; }

signals:
    void souhrnZmenen();
    void prikazZmenen(Prikaz p);
    void ramyZmeneny();
    void zakaznikZmenen(int i);
    void txtBoxZmenen();
    void txtKoefZmenen();
    void zvyrazneniZmeneno();
    void zamerTabulku();
    void zamerTxtBox();
    void zamerTxtKoef();

private:
    StavPrikazu& zapis(Prikaz p) { return m_prikazy[static_cast<size_t>(p)]; }
    void nastavZvyrazneni(Zvyrazneni z);
    Polozka& polozka(int radek);
    // Runs a change of the costing state and draws the bill again with the coefficient prices;
    // when either fails the state, the costing and the grids stay as they were.
    void zmenAPrepocitej(const std::function<void()>& zmena);
    void zobrazTxtBox(bool b);
    void chybaTxtBox();
    void potvrdPolozku();
    void potvrdVolnyRadek();
    // A free-row text cell (name, code, old code) as typed; prices stay as they were.
    void zapisTextVolnehoRadku(int radek, int sloupec, const QString& text);
    void kurzorPodRadek(int radek);
    void ukazCeny(bool b);  // the price columns of the items grid

    GlobalniData& m_g;
    Kalkulace m_kalkulace;
    std::array<StavPrikazu, kPocetPrikazu> m_prikazy;
    Souhrn m_souhrn;
    QString m_titulek;
    bool m_ram = true;
    int m_kalkulaci = 0;  // the costings put on the sheet so far
    bool m_ramZakaznik = true;
    std::array<QString, 3> m_zakaznik;
    int m_rezim = 0;
    Zvyrazneni m_zvyrazneni = Zvyrazneni::Vzdy;
    EditorBunky m_txtBox;
    EditorBunky m_txtKoef;
    Kalkulacky m_kalkulacky;
};
