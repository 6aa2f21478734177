#pragma once
// The offer list's rows apart from any window: the twelve cells of an offer, which offers the
// filters let through, their order and total, and the filter boxes' lists.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

inline constexpr int kSloupcuSeznamu = 12;
enum SloupecSeznamu {
    sKey = 0,
    sStav,
    sID,
    sExtID,
    sDatum,
    sCisloOZ,
    sJmenoOZ,
    sNazevAkce,
    sMistoStavby,
    sRealizacniFirma,
    sObchodnik,
    sTrideni,  // "0" for the representative's own offers, else CisloOZ; then ID
};
// The columns that have a filter box, in the order the filters are tested.
inline constexpr std::array<int, 8> kSloupceFiltru{sStav, sDatum, sCisloOZ, sJmenoOZ, sNazevAkce, sMistoStavby, sRealizacniFirma, sObchodnik};

// One offer as the list shows and filters it.
struct RadekSeznamu {
    std::array<QString, kSloupcuSeznamu> bunky;
    QString datumFiltru;  // DatumNabidky as yyyy-MM-dd, what the date filter compares
    bool cizi = false;    // another representative's offer
    double CenaPoSleveBezDPH = 0;
    double CenaPoSleveSDPH = 0;
};

// What an offer needs to become a row; the caller takes it from its record.
struct UdajeRadku {
    QString key;
    QString stav;  // the state's text
    qint32 ID = 0;
    qint32 ExtID = 0;
    QDate DatumNabidky;
    int CisloOZ = 0;
    QString JmenoOZ, NazevAkce, MistoStavby, RealizacniFirma, Obchodnik;
    double CenaPoSleveBezDPH = 0;
    double CenaPoSleveSDPH = 0;
};
RadekSeznamu radekSeznamu(const UdajeRadku& u, int idoz);

struct FiltrySeznamu {
    std::array<QString, kSloupcuSeznamu> texty;  // by column; only the filter columns count
    bool ostatni = false;                         // chkZobrazitOstatni
    bool castka = false;                          // chkCastka
    QString txtCastka = QStringLiteral("50000");  // a text that is no number counts as 0
};

// An offer is listed when it is the representative's own (or others are shown), priced above
// the amount (when that is asked), and every filter lets it through: an empty text or "(vše)",
// a prefix letter case aside, and for "Číslo OZ" the exact number.
bool projde(const RadekSeznamu& r, const FiltrySeznamu& f);

struct ZobrazeniSeznamu {
    std::vector<int> radky;  // the listed offers' indexes, in display order
    double soucet = 0;       // CenaPoSleveSDPH of the listed offers
};
// ZobrazNabidky: the listed offers ordered by the sort text as text, character by character
// (so "0100" before "012"); equal texts keep the collection's order.
ZobrazeniSeznamu ZobrazNabidky(const std::vector<RadekSeznamu>& radky, const FiltrySeznamu& f);

// NaplnFiltry: for each filter column, "(vše)" and then the distinct texts of the listed rows in
// list order; dates as yyyy-MM-dd.
std::array<QStringList, kSloupceFiltru.size()> NaplnFiltry(const std::vector<RadekSeznamu>& radky,
                                                           const std::vector<int>& zobrazene);

QString textSouctu(double soucet);                // "Součet: 1 234,50 Kč"
QString textPozice(int radek, int pocet);         // "Pozice/Počet: 3/10"
