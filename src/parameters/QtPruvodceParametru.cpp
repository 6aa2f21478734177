#include "parameters/QtPruvodceParametru.h"

#include "costing/QtListSorveniky.h"
#include "parameters/PotvrzeniParametru.h"

QtPruvodceParametru::QtPruvodceParametru(GlobalniData& g, QtListSorveniky& list,
                                         std::function<void(QWidget*)> registrace, IModalniOkno* prislusenstvi)
    : m_g(g), m_list(list), m_registrace(std::move(registrace)),
      m_prislusenstvi(prislusenstvi ? prislusenstvi : &m_bezPrislusenstvi) {}

void QtPruvodceParametru::ZobrazModalne() {
    frmParametry::Sluzby s;
    s.potvrd = [this](ModelParametru& m) {
        PotvrdParametry(m, m_g, vytvorKalkulacky(m_g), m_list.nacti()->model().mrizky());
        return true;
    };
    s.zavreno = [this] { m_list.ZakazPrikazySorveniky(); };
    s.prislusenstvi = [this] { m_prislusenstvi->ZobrazModalne(); };

    m_okno = new frmParametry(m_g, std::move(s), m_list.nacti());
    if (m_registrace) m_registrace(m_okno);
    m_okno->exec();
    if (m_okno) m_okno->deleteLater();
}
