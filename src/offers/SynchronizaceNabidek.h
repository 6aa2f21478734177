#pragma once
// The offer commands of the manufacturer's server and the four-step synchronisation: each
// request is one command text, enciphered with RC4 under the offers' key, in Base64 lines of 76
// characters, uploaded as "cmd.txt"; the server answers with plain text, "OK" for success.
#include "engine/GlobalniData.h"
#include "net/clsHTTP.h"
#include "platform/Vysledek.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

inline const QByteArray kKlicNabidek = QByteArrayLiteral("e3b94c07a51f6d28c9e0b7a43d12f865");
inline const QString kSynchronizaceBezi =
    QStringLiteral("Synchronizace nabídek již probíhá. Počkejte prosím, až skončí.");

// The command text: BEGIN;, IDOZ= and PWD= (unless `prihlaseni` is empty), CMD=, TYPE= and DATA=
// for a command that carries a file (`data`: the file's bytes, empty when it is missing), END;.
// Nothing in a value is escaped.
struct Prihlaseni {
    int idoz;
    QString pwd;  // Base64, as the settings keep it
};
QString PrikazSynchronizace(const QString& cmd, const std::optional<Prihlaseni>& prihlaseni,
                            const std::optional<QByteArray>& data = std::nullopt);
// RC4 under the offers' key, Base64, lines of 76 characters.
QString ObalPrikazu(const QString& prikaz);

// How a request reaches the server: a new HTTP client for each. `oznamChybu` shows a failure of
// the connection as it happens (the window's box); the step goes on with the empty reply.
struct SpojeniNabidek {
    clsHTTP::Limity limity{10000, 600000};
    std::function<void(const QString&)> oznamChybu;
    // The processed reply to an enveloped command, or the failure of the connection.
    Vysledek<QString> odesli(const QString& obalka) const;
};

// The requests of one representative (the shared IDOZ and Pwd, read when each request is built).
class SynchronizaceNabidek {
public:
    explicit SynchronizaceNabidek(const Nastaveni& n, SpojeniNabidek spojeni = {});

    // "test" with the given number and password; the reply.
    QString Test(int idoz, const QString& pwdBase64);
    // "insert" of NeodeslaneNabidky.txt. On the exact reply "OK" the offers that were sent are
    // taken out of the file wherever they now stand; offers saved during the wait stay for the
    // next run. The reply names sent offers that were no longer in the file.
    QString OdesliNabidky();
    // "update_status" of StavyNabidek.txt; the file stays.
    QString OdesliStavy();
    // "export_bids": on "OK" the body replaces UlozeneNabidky.txt; otherwise the server's reply,
    // or the write error, is the message.
    Vysledek<> StahniNabidky();
    // "export_obchodnici": the same for Obchodnici.txt.
    Vysledek<> StahniSeznamObchodniku();
    // "get_list_oz": the body on "OK", else "".
    QString StahniSeznamOZ();
    // The four steps in order and their log, from its first line to "KONEC SYNCHRONIZACE".
    QString Synchronizuj();

private:
    QString pozadavek(const QString& cmd, bool sPrihlasenim, const std::optional<QByteArray>& data = std::nullopt);
    // The reply to a command; a failed connection is shown and is the empty reply.
    QString odpoved(const QString& prikaz) const;
    Vysledek<> stahni(const QString& cmd, const QString& soubor);
    Prihlaseni prihlaseni() const;

    const Nastaveni& m_n;
    SpojeniNabidek m_spojeni;
};

// One synchronisation with its total time, for the status window; sets PosledniSynchronizace to
// today whatever the replies were. While one runs, another is refused with kSynchronizaceBezi.
QString SynchronizujNabidky(Nastaveni& n, const SpojeniNabidek& spojeni = {});
bool SynchronizaceBezi();
