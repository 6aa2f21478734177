#pragma once
// "Povinné údaje k nabídce": the offer form. The rules live in ModelNabidky; this window shows
// the offer's fields, the parts grid and the prices and forwards the user's edits and commands.
#include "offers/ModelNabidky.h"
#include "platform/QtFlexGridView.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmNabidka : public QDialog {
    Q_OBJECT
public:
    frmNabidka(GlobalniData& g, PametNabidek& pamet, ModelNabidky::Sluzby sluzby, QWidget* rodic = nullptr);

    ModelNabidky& model() { return m_model; }
    // The offer list's viewing: no saving or parts commands, every entry field disabled.
    void jenProhlizeni();

    QLineEdit* txtCisloOZ = nullptr;
    QLineEdit* txtJmenoOZ = nullptr;
    QLineEdit* txtEmailOZ = nullptr;
    QLineEdit* txtTelefonOZ = nullptr;
    QLineEdit* txtDatumNabidky = nullptr;
    QComboBox* cmbNazevAkce = nullptr;
    QLineEdit* txtMistoStavby = nullptr;
    QLineEdit* txtUlice = nullptr;
    QLineEdit* txtUliceCP = nullptr;
    QComboBox* cmbDruhStavby = nullptr;
    QLineEdit* txtRealizacniFirma = nullptr;
    QLineEdit* txtKontaktniOsoba = nullptr;
    QLineEdit* txtTelefon = nullptr;
    QLineEdit* txtMail = nullptr;
    QComboBox* cmbObchodnik = nullptr;
    QLineEdit* txtObchodnikMesto = nullptr;
    QPlainTextEdit* txtPoznamka = nullptr;
    QLineEdit* txtCenaBezDPH = nullptr;
    QLineEdit* txtProjektovaSleva = nullptr;
    QLineEdit* txtCenaPoSleveBezDPH = nullptr;
    QLineEdit* txtCenaPoSleveSDPH = nullptr;
    FlexGridView* Tabulka = nullptr;
    QPushButton* cmdUlozit = nullptr;
    QPushButton* cmdStorno = nullptr;
    QPushButton* cmdVymazat = nullptr;
    std::array<QPushButton*, 2> cmdPridatUbrat{};

protected:
    void reject() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* sestavZastupce();
    QWidget* sestavPovinne();
    QWidget* sestavTabulku();
    QGridLayout* sestavCeny();
    QHBoxLayout* sestavTlacitka();
    void nactiUdaje(const UdajeNabidky& u);
    UdajeNabidky udaje() const;
    QWidget* pole(PovinnePole p) const;
    void cmdUlozit_Click();
    void cmdVymazat_Click();
    void nactiCeny();
    void nactiNazvy(const QString& text);
    void zapomenNazev(const QString& nazev);

    ModelNabidky m_model;
    bool m_ulozeno = false;
    bool m_vybranyNazev = false;  // the project name's text is an entry the user picked
};
