#pragma once
// "Nastavení účtu": sets the program up for one sales representative. Saving restarts the
// program's start-up in the same process, so the opener runs it once this window is gone.
#include "offers/NastaveniOZ.h"
#include "platform/Okna.h"

#include <QDialog>
#include <QList>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmNastaveniOZ : public QDialog {
    Q_OBJECT
public:
    // `smiZnovuSpustit` asks, before anything is stored, whether the restart may unload the
    // program's windows (the order sheet's sub-orders go with them).
    frmNastaveniOZ(NastaveniOZ& model, std::function<bool()> smiZnovuSpustit, QWidget* rodic = nullptr);

    // Fills the list from the server; the window stays disabled while it waits.
    void Form_Load();
    // Set once "Uložit" has stored the values.
    bool ulozeno() const { return m_ulozeno; }

    QGroupBox* Frame1;
    QList<QLabel*> Label1;
    QComboBox* cmbSeznamOZ;
    QLineEdit* txtPwd;
    QPushButton* cmdTest;
    QLineEdit* txtExtID;
    QPushButton *cmdUlozit, *cmdStorno;

    // Not while a request waits.
    void reject() override;

private:
    void cmbSeznamOZ_Click();
    void povolUlozeni();
    void cmdTest_Click();
    void cmdUlozit_Click();
    void cekej(bool ano);

    NastaveniOZ& m_model;
    std::function<bool()> m_smiZnovuSpustit;
    bool m_ceka = false;
    bool m_ulozeno = false;
};

// Opens the window for the main menu's hidden switch and, after a save, restarts the program.
class QtNastaveniOZ : public IModalniOkno {
public:
    QtNastaveniOZ(Nastaveni& n, std::function<void(QWidget*)> zaregistruj, std::function<bool()> smiZnovuSpustit,
                  std::function<void()> znovuSpust);
    void ZobrazModalne() override;

private:
    Nastaveni& m_n;
    std::function<void(QWidget*)> m_zaregistruj;
    std::function<bool()> m_smiZnovuSpustit;
    std::function<void()> m_znovuSpust;
};
