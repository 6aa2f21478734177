#pragma once
// "Databáze zákazníků": the customer address book over ModelAdresare. The list of surnames on
// the left, the chosen customer's five text boxes on the right, the commands below; the file is
// written when the window closes and something changed.
#include "orders/Zakaznici.h"
#include "platform/Okna.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmAdresar : public QDialog {
    Q_OBJECT
public:
    // `vyber` receives the customer chosen with "Ok" as the costing sheet's three lines.
    frmAdresar(const QString& soubor, std::function<void(const RadkyZakaznika&)> vyber, QWidget* rodic = nullptr);

    // Form_Load; false (the message shown) when the file cannot be read.
    bool nacti();
    ModelAdresare& model() { return m_model; }

    // Form_Unload: a failed write asks whether to close without the changes.
    void done(int r) override;

    QListWidget* L = nullptr;
    QLabel* Cislo_zaznamu = nullptr;
    QLineEdit* txtAdresa[kPoliZakaznika] = {};
    QPushButton* cmbPrikaz[6] = {};  // no 3
    QPushButton* cmdVybrat[2] = {};

protected:
    // The close box while a customer is typed asks whether to store it.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void prikaz(int i);
    void zobraz();

    ModelAdresare m_model;
    std::function<void(const RadkyZakaznika&)> m_vyber;
    bool m_zobrazuje = false;
};

// The costing sheet's command "Zákazník": the book for the customer file the settings name.
class OknoAdresare : public IModalniOkno {
public:
    OknoAdresare(std::function<QString()> soubor, std::function<void(const RadkyZakaznika&)> vyber)
        : m_soubor(std::move(soubor)), m_vyber(std::move(vyber)) {}
    void ZobrazModalne() override;

private:
    std::function<QString()> m_soubor;
    std::function<void(const RadkyZakaznika&)> m_vyber;
};
