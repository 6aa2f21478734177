#pragma once
// Data/Objednavky.ini, section NASTAVENI: the HTTP client's connection keys, the server, and the
// order sheet's own keys. Two writers share the section; each writes only its own keys.
// The HTTP proxy's authorisation lives in Data/Sorvenika.ini, section UZIVATEL, beside the
// user's keys, and is read and written here too.
#include "platform/Vysledek.h"

#include <QString>

struct NastaveniSpojeni {
    QString Pripojeni;     // "0" none, "1" direct, "2" HTTP proxy, "3" SOCKS5
    QString Proxy;
    QString Port;
    QString SOCKS5Server;
    QString SOCKS5Port;
};

struct NastaveniObjednavek {
    NastaveniSpojeni spojeni;
    QString server;               // the manufacturer's server, "host" or "host:port"
    QString Email;
    QString ID;
    qint32 CisloObjednavky = 0;   // the next order's number; the server's numbers outgrow 16 bits
    QString Vystup;               // folder for copies of sent orders
    // Why the file could not be read; the values are then empty, and are never written over it.
    QString chybaCteni;
};

struct AutorizaceProxy {
    bool ProxyAuthorization = false;
    QString User;
    QString Password;   // stored as Base64 of its Windows-1250 bytes
    QString chybaCteni;  // as NastaveniObjednavek's
};

inline const QString kSouborObjednavek = QStringLiteral("Objednavky.ini");

// Missing keys, or a missing file, read as "" (the number as 0); so does a file that cannot be
// read, whose failure chybaCteni then names.
NastaveniObjednavek NactiNastaveniObjednavek(const QString& soubor);

// The five connection keys, in the client's order.
Vysledek<> UlozSpojeni(const QString& soubor, const NastaveniSpojeni& s);
// email, id, "cislo objednavky", vystup, in the order sheet's order; settings that were not read
// are refused with their failure.
Vysledek<> UlozUdajeObjednavek(const QString& soubor, const NastaveniObjednavek& n);

// What two objects that read settings could not read, each failure once, one a line; "" when both
// were read (a missing file is read, as empty).
QString chybyCteni(const QString& prvni, const QString& druha);

// ProxyAuthorization reads as on for "True" or a non-zero number; a password that is not Base64
// reads as empty. A file that cannot be read: as NactiNastaveniObjednavek.
AutorizaceProxy NactiAutorizaciProxy(const QString& soubor);
// ProxyAuthorization ("-1" or "0"), ProxyUser, ProxyPwd.
Vysledek<> UlozAutorizaciProxy(const QString& soubor, const AutorizaceProxy& a);
