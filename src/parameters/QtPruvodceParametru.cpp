#include "parameters/QtPruvodceParametru.h"

#include "costing/QtListSorveniky.h"
#include "parameters/NastavSorveniku.h"
#include "parameters/PotvrzeniParametru.h"
#include "parameters/frmPrislusenstvi.h"
#include "systems/Kalkulacky.h"

QtPruvodceParametru::QtPruvodceParametru(GlobalniData& g, QtListSorveniky& list,
                                         std::function<void(QWidget*)> registrace, IVyberPrislusenstvi* prislusenstvi)
    : m_g(g), m_list(list), m_registrace(std::move(registrace)), m_prislusenstvi(prislusenstvi) {}

void QtPruvodceParametru::ZobrazModalne() {
    frmParametry::Sluzby s;
    s.potvrd = [this](ModelParametru& m) {
        QtVyberPrislusenstvi okno(m_okno);
        PotvrdPruvodce(m, m_g, vytvorKalkulacky(m_g), m_list.nacti()->model(),
                       m_prislusenstvi ? *m_prislusenstvi : okno);
        return true;
    };
    s.zavreno = [this] { m_list.ZakazPrikazySorveniky(); };
    s.zkouska = [this](const SorvenikaParametry& p) { return KalkulaceProjde(m_g, p); };
    // From the link the picker works on the draft: what it stores is committed only with the wizard.
    s.prislusenstvi = [this] {
        QtVyberPrislusenstvi okno(m_okno);
        VyberPrislusenstviZOdkazu(m_okno->model(), m_prislusenstvi ? *m_prislusenstvi : okno);
    };

    m_okno = new frmParametry(m_g, std::move(s), m_list.nacti());
    if (m_registrace) m_registrace(m_okno);
    const bool potvrzeno = m_okno->exec() == QDialog::Accepted;
    if (m_okno) m_okno->deleteLater();
    if (potvrzeno) m_list.Zobraz();
}
