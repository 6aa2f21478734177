#include "offers/KodyNabidek.h"

namespace {

QString text(const QStringList& tabulka, qint32 kod) {
    return kod >= 0 && kod < tabulka.size() ? tabulka[kod] : QString();
}

}  // namespace

const QStringList& StavyNabidky() {
    static const QStringList t{QStringLiteral("V řešení"), QStringLiteral("Vyhráno"),   QStringLiteral("Storno"),
                               QStringLiteral("Alternativa"), QStringLiteral("P_Centr"), QStringLiteral("P_Jine"),
                               QStringLiteral("P_Kon"),    QStringLiteral("P_ZRV"),     QStringLiteral("P_Strecha"),
                               QStringLiteral("P_Turbo"),  QStringLiteral("P_Vymaz")};
    return t;
}

const QStringList& DruhyStavby() {
    static const QStringList t{QStringLiteral("Bytový dům"), QStringLiteral("Ostatní"), QStringLiteral("Rekonstrukce"),
                               QStringLiteral("Rodinný dům")};
    return t;
}

QString ZjistiStav(qint32 stav) { return text(StavyNabidky(), stav); }
QString ZjistiDruhStavby(qint32 druh) { return text(DruhyStavby(), druh); }
