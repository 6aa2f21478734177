#pragma once
// The two code tables of an offer, shared by the record, the offer form, the offer list and the
// HTML offer: the offer states and the building types, each text at the index of its code.
#include <QString>
#include <QStringList>

// "V řešení" (0) to "P_Vymaz" (10).
const QStringList& StavyNabidky();
// "Bytový dům" (0) to "Rodinný dům" (3).
const QStringList& DruhyStavby();

// The text of a code; "" for a code outside its table.
QString ZjistiStav(qint32 stav);
QString ZjistiDruhStavby(qint32 druh);
