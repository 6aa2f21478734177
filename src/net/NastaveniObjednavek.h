#pragma once
// Data/Objednavky.ini, section NASTAVENI: the HTTP client's connection keys, the server, and the
// order sheet's own keys. Two writers share the section; each writes only its own keys.
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
    qint16 CisloObjednavky = 0;   // the next order's number
    QString Vystup;               // folder for copies of sent orders
};

inline const QString kSouborObjednavek = QStringLiteral("Objednavky.ini");

// Missing keys, or a missing file, read as "" (the number as 0).
NastaveniObjednavek NactiNastaveniObjednavek(const QString& soubor);

// The five connection keys, in the client's order.
bool UlozSpojeni(const QString& soubor, const NastaveniSpojeni& s);
// email, id, "cislo objednavky", vystup, in the order sheet's order.
bool UlozUdajeObjednavek(const QString& soubor, const NastaveniObjednavek& n);
