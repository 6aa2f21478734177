#include "orders/QtObjednavkovyList.h"

#include "platform/QtWidgety.h"

QtObjednavkovyList::QtObjednavkovyList(std::function<frmObjednavka::Sluzby()> sluzby,
                                       std::function<void(QWidget*)> registrace)
    : m_sluzby(std::move(sluzby)), m_registrace(std::move(registrace)) {}

frmObjednavka* QtObjednavkovyList::nacti() {
    if (!m_okno) {
        m_okno = new frmObjednavka(m_sluzby());
        if (m_registrace) m_registrace(m_okno);
    }
    return m_okno;
}

void QtObjednavkovyList::Zobraz() {
    frmObjednavka* o = nacti();
    const bool aktivni = o->isVisible() && o->isActiveWindow();
    ukazOkno(o);
    // No activation comes to a sheet that already was the active window.
    if (aktivni) o->aktivovano();
}

void QtObjednavkovyList::PridatObjednavku(const PolozkaObjednavky& p) {
    frmObjednavka* o = nacti();
    o->model().PridatObjednavku(p);
    o->nacti();
}
