#pragma once
// The connection-settings dialog (frmNastaveni) without its widgets: what each control shows and
// what each of its events does to the order sheet's HTTP client and order settings. Option
// clicks, the check box, the user and password boxes and Enter in an address box, or leaving it,
// change the client at once, so they stay even when the dialog is left with Storno.
#include "net/DetekceSite.h"
#include "net/NastaveniObjednavek.h"
#include "net/clsHTTP.h"

inline const QString kNelzeTestovat =
    QStringLiteral("Nemůžete otestovat spojení, protože nemáte připojení k internetu.");
inline const QString kTitulekSlozky = QStringLiteral("Adresář pro ukládání odeslaných objednávek");
inline const QString kPripojeniNeulozeno =
    QStringLiteral("Nastavení připojení se nepodařilo uložit.");

class NastaveniPripojeni {
public:
    NastaveniPripojeni(clsHTTP& http, NastaveniObjednavek& objednavka, IDetekceSite& detekce)
        : m_http(http), m_objednavka(objednavka), m_detekce(detekce) {}

    // Without a connection mode, finds out how the computer is connected; then fills the controls.
    // Settings that could not be read are unknown rather than a first set-up: no mode is proposed.
    void Form_Load();
    // Why the settings it edits could not be read, for the window to name as it opens; "" when
    // they were read.
    QString chybaCteni() const { return chybyCteni(m_objednavka.chybaCteni, m_http.chybaCteni()); }

    // What the controls show after the load; the window copies the boxes' texts back before OK.
    QString txtID, txtMail, lblVystup;
    int optPripojeni = -1;  // the selected option = the mode; -1 none
    QString txtProxy, txtPort, txtUsr, txtPwd, txtSOCKS5Server, txtSOCKS5Port;
    bool chkAutorizace = false;  // ticked: txtUsr and txtPwd are enabled

    enum class Adresa { Proxy, Port, SOCKS5Server, SOCKS5Port };
    void optPripojeni_Click(int index);
    void chkAutorizace_Click(bool zaskrtnuto);
    void txtUsr_Change(const QString& text);
    void txtPwd_Change(const QString& text);
    // Enter in an address box, or the focus leaving it: its trimmed text goes to the client.
    void Enter(Adresa pole, const QString& text);
    // The folder the browser returned; "" when it was cancelled.
    void cmdProchazet(const QString& slozka);
    // The text to show, or why the test cannot run.
    Vysledek<QString> cmdTestSpojeni_Click();
    // Copies the controls into both objects and saves them; neither over settings that could not
    // be read.
    Vysledek<> cmdOk_Click();
    // Saves what the controls changed at once (the folder, a client's changed settings): it stays
    // after Storno, and is written here, where a failure can be shown. Over settings that could
    // not be read, which the window named as it opened, it writes and says nothing.
    Vysledek<> cmdStorno_Click();

private:
    // The order settings, and the client's when `klient` or changed.
    Vysledek<> uloz(bool klient);

    clsHTTP& m_http;
    NastaveniObjednavek& m_objednavka;
    IDetekceSite& m_detekce;
};
