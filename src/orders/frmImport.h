#pragma once
// "Import databáze zákazníků": a dBase table or a ";"-separated text file shown in a grid, the
// five customer fields mapped to its columns, and "Uložit", which replaces the customer file.
#include "orders/ImportZakazniku.h"
#include "platform/Okna.h"

#include <QDialog>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class FlexGridView;

class frmImport : public QDialog {
    Q_OBJECT
public:
    explicit frmImport(const QString& soubor, QWidget* rodic = nullptr);

    ModelImportu& model() { return m_model; }

    void mnu_Import_Click();
    void mnu_napoveda_Click();
    void cmdUlozit_Click();

    QAction* mnu_Import = nullptr;
    QAction* mnu_napoveda = nullptr;
    FlexGridView* T = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* lblPole[kPoliZakaznika] = {};
    QComboBox* cmb[kPoliZakaznika] = {};
    QPushButton* cmdUlozit = nullptr;

private:
    void zobraz();

    ModelImportu m_model;
};

// The costing sheet's command "Import databáze zákazníků".
class OknoImportu : public IModalniOkno {
public:
    explicit OknoImportu(std::function<QString()> soubor) : m_soubor(std::move(soubor)) {}
    void ZobrazModalne() override;

private:
    std::function<QString()> m_soubor;
};
