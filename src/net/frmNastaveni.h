#pragma once
// "Nastavení": the connection to the manufacturer's server and the data an order needs. The order
// sheet opens it modally over its own HTTP client and order settings.
#include "net/NastaveniPripojeni.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmNastaveni : public QDialog {
    Q_OBJECT
public:
    frmNastaveni(clsHTTP& http, NastaveniObjednavek& objednavka, IDetekceSite& detekce, QWidget* rodic = nullptr);

    QLineEdit *txtID, *txtMail, *txtProxy, *txtPort, *txtUsr, *txtPwd, *txtSOCKS5Server, *txtSOCKS5Port;
    QRadioButton* optPripojeni[4];
    QCheckBox* chkAutorizace;
    QLabel* lblVystup;
    QPushButton *cmdTestSpojeni, *cmdProchazet, *cmdOk, *cmdStorno;

    // Not while the connection test waits: the client it edits is in use.
    void reject() override;

private:
    void cmdTestSpojeni_Click();
    void cmdOk_Click();

    clsHTTP& m_http;
    NastaveniPripojeni m_p;
};
