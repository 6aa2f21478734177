#include "orders/clsObjednavka.h"

#include "platform/DataPaths.h"
#include "platform/Errors.h"

#include <QStringList>

clsObjednavka::clsObjednavka()
    : m_soubor(dataFile(kSouborObjednavek)), m_nastaveni(NactiNastaveniObjednavek(m_soubor)) {}

// The settings are saved and reported where they change (the connection dialog, each order
// sent); this keeps the numbers a failed send counted for its sub-orders. The sheet is being
// unloaded then, so no window is left to be told of a failure.
clsObjednavka::~clsObjednavka() { (void)Uloz_ini(); }

clsPodobjednavka& clsObjednavka::Add(const QString& Nazev, const QString& ObjZnak, const QString& Ks,
                                     const QString& Poznamka, Currency Cena) {
    m_polozky.push_back({Cena, Poznamka, ObjZnak, Ks, Nazev});
    return m_polozky.back();
}

void clsObjednavka::kontrola(int index) const {
    if (index < 1 || index > Count()) throw ChybaRozsahu();
}

clsPodobjednavka& clsObjednavka::Item(int index) {
    kontrola(index);
    return m_polozky[static_cast<size_t>(index - 1)];
}

const clsPodobjednavka& clsObjednavka::Item(int index) const {
    kontrola(index);
    return m_polozky[static_cast<size_t>(index - 1)];
}

void clsObjednavka::Remove(int index) {
    kontrola(index);
    m_polozky.erase(m_polozky.begin() + (index - 1));
}

Vysledek<> clsObjednavka::Uloz_ini() { return UlozUdajeObjednavek(m_soubor, m_nastaveni); }

QStringList polozkySeznamu(const QString& seznam) {
    QStringList casti = seznam.split(QLatin1Char('|'));
    casti.removeLast();  // what follows the last "|"
    return casti;
}
