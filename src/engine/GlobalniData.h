#pragma once
// The shared state of one run. The application owns one object; tests build their own.
#include "engine/Polozky.h"
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

// The current costing: the chosen system, its cross-section and parameters, the note under the
// bill and the kit lists. The wizard writes the parameters, the calculators read them.
struct SorvenikaParametry {
    QString System;                // dispatch key, "MIV" .. "ORVIK"
    int SystemKod = 0;             // indexes Systemy
    SystemZaznam Zaznam;           // copy of Systemy(SystemKod), taken when the item table loads
    QString Prurez;                // chosen cross-section label
    Integer IdPrurez;              // its column of Polozky
    Integer PocetPrurezu;          // columns of the loaded item table
    Integer PocetRadku;            // item rows of the loaded item table (free rows not counted)

    float Vyska = 0;               // chimney height, m
    bool Sachta = false;           // with ventilation shaft
    Integer Kourovod;              // flue-pipe connection: 0 = 90 degrees, 1 = 45 degrees
    Integer Kourovod2;             // the same for the second flue
    bool HorniDvirka = false;      // upper cleaning door
    bool DruheNapojeni = false;    // second flue-pipe connection
    qint32 Ukonceni = 0;           // termination: 1 casing, 2 cladding, 3 Orlex, 4 plate, 5 KDS, 6 KDVO
    float VyskaUkonceni = 0;       // height of the termination (m; cm for the cladding)
    Integer IdVyskaPlaste;         // 1..7 for the cladding heights 75 .. 250 cm
    qint32 DruhPlaste = 0;         // 1 plaster, 2 brick finish
    qint32 DruhCihly = 0;          // 2 fireclay brick, 1 clinker brick
    float PocetCihel = 0;          // bricks of the casing
    float PocetPytlu = 0;          // bags of masonry mix of the casing
    float PocetDiluOrlex = 0;      // 7.5-cm Orlex pieces
    float PocetTyciOrlex = 0;      // Orlex rods: 0, 4 or 12
    float PocetZSLKT = 0;          // bags of ZSLKT mortar: 0..3, more with static-securing kits
    Integer DruhPaty;              // 0 no foot piece, 1 left or no side, 2 right
    Integer SoupravaKEPO;          // 0 standard basic kit, 1 KEPO basic set
    Integer PocetTermoTvarnic;     // heat-insulating blocks
    Integer PocetNapojovacichDilu; // connecting pieces
    Pole<bool, 0> Prislusenstvi{35};  // accessory flags 0..35, by the picker's check boxes

    SeznamSouprav ZakladniSoupravy;   // basic kits
    SeznamSouprav Sady;               // system sets
    SeznamSouprav SadyStred;          // middle sets
    SeznamSouprav SoupravyPaty;       // foot kits

    QString Poznamka;              // the note under the bill

    const QString& SystemNazev() const { return Zaznam.Nazev; }
    const QString& SystemNazevTisk() const { return Zaznam.NazevTisk; }
    const QString& SystemPiktogramPrurez() const { return Zaznam.PiktogramPrurez; }
    const QString& SystemPiktogramTisk() const { return Zaznam.PiktogramTisk; }
};

// What the print dialog hands to the print. Qt has no current printer of the system: the chosen
// one is kept here for the print and set back to the default after it.
struct TiskNastaveni {
    bool TiskPotvrzen = false;
    Integer PocetKopii{1};
    QString VychoziTiskarna;  // the system's default printer when the dialog opened
    QString tiskarna;         // the current printer's device name
    QString souborPdf;        // with no printer installed: the PDF file chosen instead
};

// The feature flags that the menu's switches set (characters of Verze, 1-based).
constexpr int kPriznakSadaStred = 4;       // the costing sheet's middle-set command
constexpr int kPriznakBezUpozorneni = 7;   // silences the sales notices

// A privileged user has every flag; otherwise character `n` of Verze must be "1".
bool JePovoleno(const Nastaveni& n, int pozice);

struct GlobalniData {
    Nastaveni nastaveni;
    // Systemy(n) describes the system with code n; index 0 is unused so codes index directly.
    std::vector<SystemZaznam> Systemy;
    DataSystemu dataSystemu;
    SorvenikaParametry sorvenikaParametry;
    float Koeficient = 1.0f;       // price coefficient, 1.0 = 100 % of the list price
    bool ServerDostupny = false;
    TiskNastaveni tisk;
    Integer AktRadek;              // the sheet's cell that an edit or command returns to
    Integer AktSloupec;

    // Kept beside the record, not in it: they survive the costing reset.
    quint8 PocetVolnychRadku = 0;  // free user rows after the item rows of Polozky
    QString PopisSadyOrlex;        // contents of the chosen Orlex top set

    const SystemZaznam& system(int kod) const;
};
