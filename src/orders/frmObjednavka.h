#pragma once
// "Objednávkový list": the order sheet's window. The rules live in ModelObjednavky and the order
// files and send beside it; this window draws the model and forwards the user's clicks and keys.
// It owns the sheet's HTTP client (after the model, so the client goes first when it closes).
#include "net/DetekceSite.h"
#include "net/clsHTTP.h"
#include "orders/ModelObjednavky.h"
#include "platform/QtFlexGridView.h"
#include "platform/QtWidgety.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class frmObjednavka : public QMainWindow {
    Q_OBJECT
public:
    struct Sluzby {
        const TabulkaArtiklu* cenik = nullptr;
        Currency DPH;
        // Shows the price-list browser inserting into the sheet, and takes it away again.
        std::function<void(ICilObjednavky*)> zobrazCenik;
        std::function<void(const ICilObjednavky&)> odpojCenik;
        std::function<const QWidget*()> oknoCeniku;  // the browser's window, when it has one
        IDetekceSite* detekce = nullptr;  // for "Nastavení"; the system's when left out
    };

    // Form_Load.
    explicit frmObjednavka(Sluzby sluzby, QWidget* rodic = nullptr);
    ~frmObjednavka() override;

    ModelObjednavky& model() { return m_model; }

    QListWidget* lstObjednavky = nullptr;
    FlexGridView* Tabulka = nullptr;
    QPlainTextEdit* txtPoznamka = nullptr;
    QLineEdit* txtBox = nullptr;
    QPushButton *cmdPridatKombinovanou = nullptr, *cmdOdebratObjednavku = nullptr;
    QPushButton *cmdKomponentyPridat = nullptr, *cmdKomponentyOdebrat = nullptr;
    QLabel *lblCenaVybraneObjednavky[2] = {}, *lblCenaCelkem[2] = {}, *lblCena[2] = {};
    QCheckBox* chkNabidka = nullptr;
    QComboBox* cmbZavod = nullptr;
    QLineEdit *txtDatumExpediceDen = nullptr, *txtDatumExpediceMesic = nullptr, *txtDatumExpediceRok = nullptr;
    QLineEdit *txtID = nullptr, *txtMail = nullptr;
    QAction *mnuObjednavkaNaSklad = nullptr, *mnuImportObjednavky = nullptr, *mnuExportObjednavky = nullptr;
    QAction *mnuTisk = nullptr, *mnuOdeslat = nullptr, *mnuKonec = nullptr, *mnuNastaveni = nullptr,
            *mnuNapoveda = nullptr;

    // The sheet became active (also when it already was as it was shown again).
    void aktivovano();
    // Everything the model holds, onto the widgets.
    void nacti();

    void mnuExportObjednavky_Click();
    void mnuImportObjednavky_Click();
    void mnuOdeslat_Click();
    void mnuNastaveni_Click();
    // "Konec": closes without asking.
    void mnuKonec_Click();
    // Before the program ends from another window: not while an order waits for the server (the
    // user is told why), and sub-orders go only after the close question.
    bool smiSkoncit();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    // The close box asks before the sub-orders are lost; a sheet that is sending stays.
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* sestavSeznam();
    QWidget* sestavPolozky();
    QWidget* sestavOdeslani();
    void sestavMenu();
    // A menu command, run after the open count is stored where ctePocty asks for it.
    void prikaz(QAction* a, PrikazObjednavky p, const std::function<void()>& udalost);
    // False when the command is not to run: the count it needed stored could not be.
    bool predPrikazem(PrikazObjednavky p);
    void otevriEditor(QChar znak);
    void zavriEditor();
    // The count in the editor stored as Enter stores it, also before a command reads the
    // sub-orders: false when that failed (the user told why) and the command is not to run.
    bool potvrdEditor();

    Sluzby m_sluzby;
    ModelObjednavky m_model;
    DetekceSiteQt m_detekceSystemu;
    bool m_bezOtazky = false;
    std::optional<KurzorCekani> m_hodiny;  // while an order is sent
    // Whether the window active before the sheet was one of its own (a message box, a file
    // dialog, "Nastavení", a menu, the price list): that one gives the activation back without
    // a new selection.
    bool m_zVlastnihoOkna = false;
    bool vlastniOkno(const QWidget* w) const;

public:
    // Declared after the model: released before it, as the connection settings go first.
    clsHTTP HTTP;
};
