#pragma once
// The costing sheet: the bill of materials with its totals, the parameter summary, the customer
// and the note. The rules live in ModelListu and PrikazyListu; this window draws the model and
// forwards the user's clicks, keys and commands.
#include "platform/QtWidgety.h"
#include "costing/ModelListu.h"
#include "costing/PrikazyListu.h"
#include "platform/QtFlexGridView.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QFrame;
class QGroupBox;
class QLineEdit;

class frmSorvenika : public QMainWindow {
    Q_OBJECT
public:
    // What the commands open or end: other windows, which the sheet only asks for. A command whose
    // window or output is left out (a test's sheet) does nothing.
    struct Sluzby {
        std::function<void()> zpetDoMenu;  // shows the main menu once the sheet has gone
        std::function<void()> konec;       // writes the settings and ends the program
        Kalkulacky kalkulacky;             // the recalculating edits and the middle set
        IModalniOkno* pruvodce = nullptr;  // the parameter wizard
        IOkno* objednavky = nullptr;       // the order sheet
        IObjednavka* objednavka = nullptr; // the order sheet taking a costing
        IOkno* nabidky = nullptr;          // the offer list
        std::function<void(const Kalkulace&)> nabidka;  // lblNabidka: an offer from the costing
        IModalniOkno* importZakazniku = nullptr;
        IModalniOkno* adresar = nullptr;   // the customer address book
        VystupyListu vystupy;
    };

    // Form_Load: builds the window on the model's set-up and sizes it for its screen.
    frmSorvenika(GlobalniData& g, Sluzby sluzby, QWidget* rodic = nullptr);

    ModelListu& model() { return m_model; }
    QAction* akce(Prikaz p) const { return m_akce[static_cast<size_t>(p)]; }

    // The window's size for a screen's available area: the frame's height follows the screen's
    // height, the width is the design width as far as the screen allows.
    void nastavRozmery(const QRect& dostupna);

    QFrame* Ram = nullptr;
    QLabel* lblSystem[2] = {};
    QLabel* Image1 = nullptr;
    QFrame* Line1[2] = {};
    QFrame* RamParametry = nullptr;
    QLabel* lblTvarnice = nullptr;
    QLabel* imgPrurez = nullptr;
    QLabel* Obrazek = nullptr;  // hidden picture holder of the printed costing
    ClickableLabel* lblParametry[4] = {};
    QGroupBox* RamZakaznik = nullptr;
    QLineEdit* txtZakaznik[3] = {};
    ClickableLabel* lblPoznamka = nullptr;
    ClickableLabel* lblNabidka = nullptr;
    QLabel* lblPoznDodani = nullptr;
    FlexGridView* Tabulka = nullptr;
    FlexGridView* TabSuma = nullptr;
    BunkovyEditor* txtBox = nullptr;   // editor over a cell of Tabulka
    BunkovyEditor* txtKoef = nullptr;  // editor over a cell of TabSuma

    // "Zpět do menu" and the close box: the costing erased, the sheet unloaded, the main menu.
    void mnu_Zpet_do_menu_Click();

signals:
    // A menu command was chosen (before its handler runs).
    void prikaz(Prikaz p);

protected:
    // Form_QueryUnload: the close box goes back to the main menu; closing from code (the
    // program's end) erases nothing.
    void closeEvent(QCloseEvent* e) override;
    // The editors: Enter commits, Escape cancels, Tab and Backtab stay in them; leaving txtKoef
    // cancels it.
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // An open editor committed as Enter commits it, before a command that reads the costing:
    // false when it was refused (the user told why), and the command is then not run.
    bool potvrdEditor();
    void proved(Prikaz p);
    void lblPoznamka_Click();
    void mnuPridat_Click();
    void mnuTahak_Click();
    void nactiEditor(BunkovyEditor* box, const FlexGridView* mrizka, const EditorBunky& e);
    void sestavMenu();
    QWidget* sestavZahlavi();
    QWidget* sestavParametry();
    QWidget* sestavZakaznika();
    void nactiPrikaz(Prikaz p);
    void nactiRamy();
    void nactiSouhrn();
    void nastavTabSumu();

    GlobalniData& m_g;
    ModelListu m_model;
    Sluzby m_sluzby;
    std::array<QAction*, kPocetPrikazu> m_akce{};
    bool m_odchazi = false;
};
