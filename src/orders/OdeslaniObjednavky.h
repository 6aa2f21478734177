#pragma once
// "Odeslat ...": the sheet checked, turned into the order message (H, A and T lines per
// sub-order), enciphered under the order key, Base64-encoded and uploaded to the chosen plant;
// or, for the dealer, the order XML mailed. A confirmed order gets its copy in the folder for
// copies and empties the sheet.
#include "net/clsHTTP.h"
#include "orders/ModelObjednavky.h"

#include <QDate>

inline const QString kKlicObjednavky = QStringLiteral("5f08c2d7e19a4b63f2c58e0d7a91b34c");
// What each plant of cmbZavod is sent as.
inline const QStringList kTextyZavodu = {QStringLiteral("DOLMARKA"), QStringLiteral("VESTRON"), QStringLiteral("HRAB")};

inline const QString kNeniCoOdeslat = QStringLiteral("Není co odeslat.");
inline const QString kChybiVystup =
    QStringLiteral("Musíte zadat adresář kam se budou ukládat kopie objednávek (viz. Nastavení)");
inline const QString kVyberteZavod = QStringLiteral("Musíte si vybrat ze seznamu u koho chcete objednávat !!!");
inline const QString kNenastavenoPripojeni =
    QStringLiteral("Nemáte nakonfigurované připojení k Internetu !!!\r\nKlikněte v menu na \"Nastavení\"");
inline const QString kChybnyRok = QStringLiteral("Chybný rok !!!");
inline const QString kChybnyMesic = QStringLiteral("Chybný měsíc !!!");
inline const QString kChybnyDen = QStringLiteral("Chybný den !!!");
inline const QString kExpediceVMinulosti = QStringLiteral("Datum expedice nemůže být v minulosti !!!");
inline const QString kBezZbozi = QStringLiteral("V objednávce musí být zboží !!!");
inline const QString kNulovyPocet = QStringLiteral("Nemůžete objednávat zboží s nulovým počtem kusů !!!");
// %1 the name taken already, %2 the one the new copy got.
inline const QString kKopiePodJinymJmenem =
    QStringLiteral("Kopie objednávky %1 už je ve složce pro kopie, nová kopie je uložena jako %2.");

// The control a refused check gives the focus to.
enum class Fokus { Zadny, cmbZavod, Rok, Mesic, Den };

// Checks 1 to 8 in order (for the dealer only 1 to 3); the first that fails. `chybaKlienta`: why
// the HTTP client could not read its settings.
[[nodiscard]] std::optional<Odmitnuti<Fokus>> kontrolaOdeslani(const ModelObjednavky& m, const QString& pripojeni, const QDate& dnes,
                                                               const QString& chybaKlienta = {});

// The order message, one block per sub-order numbered from the stored next number on (the stored
// number raised for each further block, and left raised when a block is refused by check 9
// or 10). A sub-order refused by check 9 or 10 is selected.
Vysledek<QString> ZpravaObjednavky(ModelObjednavky& m, const QDate& dnes);

// RC4 under the order key, then Base64 on one line, by the sheet's own cipher and codec.
QString zasifrujObjednavku(ModelObjednavky& m, const QString& zprava);

// The handler; nothing is sent after a refused check, and the sheet is emptied only when the
// server confirmed the order or the mail program took it. A send that went through tells the
// server's answer, then what failed after it (the copy, the next number).
Hlaseni<Fokus> mnuOdeslat_Click(ModelObjednavky& m, clsHTTP& http);
