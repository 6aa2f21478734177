#include "costing/QtListSorveniky.h"

#include "platform/QtWidgety.h"

QtListSorveniky::QtListSorveniky(GlobalniData& g, std::function<void(QWidget*)> registrace,
                                 std::function<frmSorvenika::Sluzby()> sluzby)
    : m_g(g), m_registrace(std::move(registrace)), m_sluzby(std::move(sluzby)) {}

frmSorvenika* QtListSorveniky::nacti() {
    if (!m_okno) {
        m_okno = new frmSorvenika(m_g, m_sluzby ? m_sluzby() : frmSorvenika::Sluzby{});
        if (m_registrace) m_registrace(m_okno);
    }
    return m_okno;
}

void QtListSorveniky::NastavSystem(const QString& nazev) {
    frmSorvenika* o = nacti();
    o->lblSystem[0]->setText(nazev);
    o->lblSystem[1]->setText(nazev);
}

void QtListSorveniky::Zobraz() {
    frmSorvenika* o = nacti();
    ukazOkno(o);
}

void QtListSorveniky::ZakazPrikazySorveniky() { nacti()->model().ZakazPrikazySorveniky(); }
