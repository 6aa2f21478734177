#pragma once
// The costing sheet: the bill of materials with its totals, the parameter summary, the customer
// and the note. The rules live in ModelListu; this window draws it and forwards the user's
// actions. The handlers of the menu commands connect to prikaz().
#include "platform/QtWidgety.h"
#include "costing/ModelListu.h"
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
    // Form_Load: builds the window on the model's set-up and sizes it for its screen.
    // `zpetDoMenu` shows the main menu after the close box.
    frmSorvenika(GlobalniData& g, std::function<void()> zpetDoMenu, QWidget* rodic = nullptr);

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
    QLineEdit* txtBox = nullptr;   // editor over a cell of Tabulka
    QLineEdit* txtKoef = nullptr;  // editor over a cell of TabSuma

signals:
    // A menu command was chosen. A command whose handler is not connected changes nothing, not
    // even its tick.
    void prikaz(Prikaz p);

protected:
    // Form_QueryUnload: the close box erases the costing, unloads the sheet and shows the main
    // menu; closing from code (the program's end) does neither.
    void closeEvent(QCloseEvent* e) override;

private:
    void sestavMenu();
    QWidget* sestavZahlavi();
    QWidget* sestavParametry();
    QWidget* sestavZakaznika();
    void nactiPrikaz(Prikaz p);
    void nactiRamy();
    void nactiSouhrn();
    void nactiTxtBox();
    void nastavTabSumu();
    int naPixely(int twips) const;
    int naTwipy(int pixely) const;

    GlobalniData& m_g;
    ModelListu m_model;
    std::function<void()> m_zpetDoMenu;
    std::array<QAction*, kPocetPrikazu> m_akce{};
    bool m_odchazi = false;
};
