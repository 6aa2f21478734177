#pragma once
// The sales-representative settings without their window: the list of representatives from the
// server, the check of the chosen one's password, and what "Uložit" stores before the program
// starts again as that representative.
#include "offers/SynchronizaceNabidek.h"

#include <QStringList>

class NastaveniOZ {
public:
    explicit NastaveniOZ(Nastaveni& n, SpojeniNabidek spojeni = {});

    // The representatives' lines as the server sent them ("number|name|e-mail|phone"), each
    // shown whole; empty when the server could not be asked or refused.
    void NactiSeznamOZ();
    const QStringList& seznam() const { return m_seznam; }
    // The first offer number shown when the window opens.
    QString extId() const { return QString::number(m_n.ExtID); }

    // An entry chosen: the test becomes possible.
    void vyber(int index);
    bool testPovolen() const { return m_vybrany >= 0; }
    // Checks the chosen representative with the typed password; the text to show.
    QString Test(const QString& heslo);
    // The values can be saved while the chosen entry and the password are those of the last
    // test and it succeeded: what is saved is the representative the window shows, and never a
    // password the server refused.
    bool ulozeniPovoleno(const QString& heslo) const;
    // Stores the values of the last test, the next offer number and the privileged user type;
    // false, storing nothing, when they cannot be saved.
    bool Uloz(const QString& extIdText, const QString& heslo);

private:
    Nastaveni& m_n;
    SpojeniNabidek m_spojeni;
    QStringList m_seznam;
    int m_vybrany = -1;
    bool m_uspech = false;  // the last test succeeded
    int m_testovany = -1;   // the entry of the last test
    Integer m_idoz;
    QString m_jmeno, m_email, m_telefon, m_pwd;
};
