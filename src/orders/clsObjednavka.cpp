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
                                     const QString& Poznamka, Currency Cena, const QString& Key) {
    if (poziceKlice(Key) >= 0)
        throw RuntimeError(457, QStringLiteral("Tento klíč je již přiřazen jinému prvku kolekce"));
    m_polozky.push_back({Cena, Poznamka, ObjZnak, Ks, Nazev});
    m_klice.push_back(Key);
    return m_polozky.back();
}

int clsObjednavka::poziceKlice(const QString& Key) const {
    // Sub-orders are added without a key: an import of thousands must not search them all each time.
    if (Key.isEmpty()) return -1;
    for (size_t i = 0; i < m_klice.size(); ++i)
        if (m_klice[i].compare(Key, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

clsPodobjednavka& clsObjednavka::Item(const QString& Key) {
    const int i = poziceKlice(Key);
    if (i < 0) throw ChybaVolani(Key);
    return m_polozky[static_cast<size_t>(i)];
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
    m_klice.erase(m_klice.begin() + (index - 1));
}

Vysledek<> clsObjednavka::Uloz_ini() { return UlozUdajeObjednavek(m_soubor, m_nastaveni); }

QStringList polozkySeznamu(const QString& seznam) {
    QStringList casti = seznam.split(QLatin1Char('|'));
    casti.removeLast();  // what follows the last "|"
    return casti;
}
