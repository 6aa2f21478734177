#pragma once
// The print dialog: printer, "Pamatovat si tiskárnu", copies. The rules live in ModelTisku.
#include "costing/Kalkulace.h"
#include "costing/ModelTisku.h"
#include "platform/QtPrintSurface.h"
#include "platform/Vysledek.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmTisk : public QDialog {
    Q_OBJECT
public:
    frmTisk(GlobalniData& g, const IPrinterCatalog& tiskarny, QWidget* rodic = nullptr);

    QGroupBox* Ram = nullptr;
    QLabel* Popisek[2] = {};
    QComboBox* C = nullptr;
    QCheckBox* Check = nullptr;
    QLineEdit* txtkopii = nullptr;
    QPushButton* Tlacitko[2] = {};  // OK, Storno

private:
    void prevezmi();

    ModelTisku m_model;
};

// "Tisk ...": the dialog modally, then, when it was confirmed, the costing on the chosen
// printer (or PDF file). A failure comes back as the sheet shows it.
Vysledek<> TiskniSDialogem(QWidget* rodic, GlobalniData& g, const Kalkulace& k,
                           const IPrinterCatalog& tiskarny = QtPrinterCatalog());
