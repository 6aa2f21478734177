#pragma once
// The shared state of one run. The application owns one object; tests build their own.
#include "platform/Numbers.h"

#include <QDate>
#include <QString>
#include <vector>

// One chimney system of the settings file, members in the file's order.
struct SystemZaznam {
    QString Data;             // item-table file under Data
    QString Info;
    QString Piktogram;
    QString PiktogramPrurez;  // "bez šachty||se šachtou" picture names
    QString PiktogramTisk;
    QString Sekce;            // the system's own section
    QString NazevTisk;
    QString Nazev;
    QString Parametry;
};

struct Nastaveni {
    QString Aktualizace;
    QString Zakaznici;
    Currency DPH;
    QString PlatnostCen;
    Integer PocetSystemu;
    QString Prodejce;
    QString Tiskarna;
    bool ZobrazitCeny = true;
    bool Prepocitavat = true;
    bool TisknoutCeny = true;
    bool ZobrazitCenuObchodnika = false;
    QString Verze = QStringLiteral("0000000");  // the seven feature-flag characters
    quint8 TypUzivatele = 0;                     // 1 = privileged
    Integer IDOZ;
    QString JmenoOZ;
    QString EmailOZ;
    QString TelefonOZ;
    QString Pwd;                                 // kept Base64-encoded, as the server wants it
    qint32 ExtID = 1;
    QDate PosledniSynchronizace{2000, 1, 1};
};

struct GlobalniData {
    Nastaveni nastaveni;
    // Systemy(n) describes the system with code n; index 0 is unused so codes index directly.
    std::vector<SystemZaznam> Systemy;
    float Koeficient = 1.0f;
    bool ServerDostupny = false;

    const SystemZaznam& system(int kod) const;
};
