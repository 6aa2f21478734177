#pragma once
// The one HTTP/1.0 client of the program: the connection test, the order and offer uploads and
// the download of the update information, directly, through an HTTP proxy or through SOCKS5.
// Each operation waits with the event loop running; a client that is waiting refuses another
// request. Failures come back as the message a window shows; the client never asks the user.
#include "net/NastaveniObjednavek.h"
#include "net/ProtokolHTTP.h"
#include "net/clsSocket.h"
#include "platform/Vysledek.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

inline const QString kNelzeSePripojitKServeru =
    QStringLiteral("Nelze se připojit ke vzdálenému serveru. Zkontrolujte nastavení připojení.");
inline const QString kVyprselLimitTestu = QStringLiteral("Vypršel časový limit serveru. Test opakujte později.");
inline const QString kObjednavkaNepotvrzena =
    QStringLiteral("Objednávka se pravděpodobně odeslala, ale server nepotvrdil její přijetí.\r\n"
                   "Pokud Vám do hodiny nepřijde potvrzující e-mail z firmy Kestroma tak zkuste odeslat objednávku znova.");
inline const QString kTimeoutVyprsel = QStringLiteral("Timeout vypršel.");
inline const QString kKlientZaneprazdnen =
    QStringLiteral("Spojení se serverem právě probíhá. Počkejte prosím, až skončí.");
inline const QString kProxyOdmitla =
    QStringLiteral("Proxy server požadavek odmítl (%1). Zkontrolujte nastavení proxy serveru a přihlášení k němu.");
inline const QString kServerNenastaven =
    QStringLiteral("Není nastaven server výrobce (položka server v souboru Data/Objednavky.ini).");
inline const QString kOdpovedPrilisVelka =
    QStringLiteral("Odpověď serveru je příliš velká, a proto byla zahozena.");
// What the update download gives when the server cannot be reached or does not answer in time.
inline const QString kServerNedostupny = QStringLiteral("500");

class clsHTTP {
public:
    // Milliseconds to wait for the connection and for the whole reply.
    struct Limity {
        qint64 pripojeni;
        qint64 odpoved;
    };
    Limity limitTestu{10000, 10000};
    Limity limitObjednavky{10000, 20000};
    Limity limitNabidek{10000, 600000};
    Limity limitAktualizace{4000, 4000};
    // A longer reply ends the operation; nothing the server sends is that long.
    qsizetype limitOdpovedi = 16 * 1024 * 1024;
    // A random fraction 0 <= x < 1 for the form-data boundaries.
    std::function<double()> Rnd;
    Prekladac prekladac = prekladacSystemu();

    // Reads the connection settings of the data folder; a file that cannot be read gives empty
    // settings, which are never saved.
    clsHTTP();
    // Writes them back when a property was set since they were read or saved; see the definition.
    ~clsHTTP();
    clsHTTP(const clsHTTP&) = delete;
    clsHTTP& operator=(const clsHTTP&) = delete;

    bool ProxyAuthorization() const { return m_autorizace.ProxyAuthorization; }
    void setProxyAuthorization(bool v) { zmen(m_autorizace.ProxyAuthorization, v); }
    QString Password() const { return m_autorizace.Password; }
    void setPassword(const QString& v) { zmen(m_autorizace.Password, v); }
    QString User() const { return m_autorizace.User; }
    void setUser(const QString& v) { zmen(m_autorizace.User, v); }
    QString Pripojeni() const { return m_spojeni.Pripojeni; }
    // Why the settings could not be read when the client was made; empty when they were.
    const QString& chybaCteni() const { return m_chybaCteni; }
    void setPripojeni(const QString& v) { zmen(m_spojeni.Pripojeni, v); }
    QString Port() const { return m_spojeni.Port; }
    void setPort(const QString& v) { zmen(m_spojeni.Port, v); }
    QString Proxy() const { return m_spojeni.Proxy; }
    void setProxy(const QString& v) { zmen(m_spojeni.Proxy, v); }
    QString SOCKS5Port() const { return m_spojeni.SOCKS5Port; }
    void setSOCKS5Port(const QString& v) { zmen(m_spojeni.SOCKS5Port, v); }
    QString SOCKS5Server() const { return m_spojeni.SOCKS5Server; }
    void setSOCKS5Server(const QString& v) { zmen(m_spojeni.SOCKS5Server, v); }
    // The manufacturer's server, "host" or "host:port".
    QString Server() const { return m_server; }

    // The five connection keys to Objednavky.ini, then the proxy authorisation to Sorvenika.ini;
    // nothing, and the failure, when either could not be read.
    Vysledek<> Uloz_ini();
    // A property was set since the settings were read or saved.
    bool zmeneno() const { return m_zmeneno; }

    bool zaneprazdnen() const { return m_zaneprazdnen; }
    // The bytes of the last reply as they came, headers included.
    const QByteArray& Odpoved() const { return m_odpoved; }

    // The server's processed reply; a failure carries why there is none, first of all settings
    // that could not be read. Empty without a connection mode.
    Vysledek<QString> TestSpojeni();
    // The processed reply; a failure carries the message to show (as the test's, settings that
    // could not be read first). Empty without a connection mode.
    Vysledek<QString> OdeslatObjednavku(const QString& ID, const QString& mail, const QString& Zavod,
                                        const QString& Objednavka);
    // As OdeslatObjednavku, for a command of the offer synchronisation.
    Vysledek<QString> OdeslatNabidky(const QString& Nabidky);
    // Takes what the socket brought into Odpoved; a reply past limitOdpovedi is dropped whole.
    void SOCK_OnDataArrival(qint64 bytesTotal);
    // The reply processing applied to Odpoved: the body as plain text.
    QString ZpracujOdpoved() const { return http::ZpracujOdpoved(m_odpoved); }
    // The processed reply, or "500" when the server cannot be reached or does not answer in time.
    Vysledek<QString> StahniInfoOAktualizaci(const QString& Adresa);

private:
    struct Pruchod;
    struct Nezdar;
    struct PozdeSmazat {
        void operator()(clsSocket* s) const;
    };

    template <class T>
    void zmen(T& pole, const T& hodnota) {
        pole = hodnota;
        m_zmeneno = true;
    }
    Pruchod proved(const http::Cil& cil, const QByteArray& hlavicka, const QByteArray& telo, Limity limity,
                   bool chybaKonciOdpoved);
    // The pass as the operation's result: its reply, or its failure in the operation's words.
    static Vysledek<QString> vysledek(const Pruchod& p, const Nezdar& n);
    QString SOCKS5_login(const http::Cil& cil, qint64 limit);
    QByteArray radkyRezimu() const;

    NastaveniSpojeni m_spojeni;
    AutorizaceProxy m_autorizace;
    QString m_server;
    QString m_chybaCteni;  // why the settings could not be read
    bool m_zmeneno = false;
    bool m_zaneprazdnen = false;
    std::unique_ptr<clsSocket, PozdeSmazat> SOCK;
    QByteArray m_odpoved;
    bool m_prilisVelka = false;  // the reply passed limitOdpovedi
};
