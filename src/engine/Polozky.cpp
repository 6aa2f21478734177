#include "engine/Polozky.h"

#include "platform/Errors.h"

void MaticePolozek::vytvor(int sloupcu, int radku) {
    m_bunky.clear();
    if (sloupcu < 1 || radku < 1) {
        m_sloupcu = m_radku = 0;
        return;
    }
    m_sloupcu = sloupcu;
    m_radku = radku;
    m_bunky.resize(static_cast<size_t>(sloupcu) * static_cast<size_t>(radku));
}

size_t MaticePolozek::index(int sloupec, int radek) const {
    if (sloupec < 1 || sloupec > m_sloupcu || radek < 1 || radek > m_radku) throw ChybaRozsahu();
    return static_cast<size_t>(sloupec - 1) * static_cast<size_t>(m_radku) + static_cast<size_t>(radek - 1);
}
