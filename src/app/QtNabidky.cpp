#include "app/QtNabidky.h"

#include "costing/Kalkulace.h"
#include "offers/frmNabidka.h"
#include "platform/QtWidgety.h"
#include "platform/UserDialogs.h"

#include <QApplication>

QtNabidky::QtNabidky(GlobalniData& g, Sluzby sluzby) : m_g(g), m_sluzby(std::move(sluzby)) {}

void QtNabidky::Zobraz() {
    if (!m_seznam) {
        frmNabidky::Sluzby s;
        s.formular = [this](std::shared_ptr<clsNabidka> n, bool jenProhlizeni) { zobrazFormular(std::move(n), jenProhlizeni); };
        s.synchronizuj = m_sluzby.synchronizuj;
        s.cenik = m_sluzby.cenik;
        m_seznam = new frmNabidky(m_g, std::move(s));
        if (m_sluzby.registrace) m_sluzby.registrace(m_seznam);
    }
    ukazOkno(m_seznam);
}

void QtNabidky::lblNabidka_Click(const Kalkulace& k) {
    const Vysledek<PodkladNabidky> p = podkladNabidky(k);
    if (!p) {
        MsgBox(p.chyba(), Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
        return;
    }
    NabidkaZListu n = SestavNabidku(*p, m_g.nastaveni, m_pamet.predloha());
    Nabidka = n.Nabidka;
    SorvenikaNabidky = std::move(n.SorvenikaNabidky);
    zobrazFormular(Nabidka, false, [this] { Nabidka.reset(); });
}

void QtNabidky::zobrazFormular(std::shared_ptr<clsNabidka> n, bool jenProhlizeni, std::function<void()> storno) {
    m_pamet.Nabidka = std::move(n);
    ModelNabidky::Sluzby s;
    s.storno = std::move(storno);
    s.cenik = m_sluzby.cenik;
    if (m_sluzby.seznamPolozek)
        s.pridatPolozky = [this](ICilNabidky& cil) { m_sluzby.seznamPolozek->Zobraz(CilVlozeni(&cil)); };
    const QPointer<frmNabidka> okno = new frmNabidka(m_g, m_pamet, std::move(s), QApplication::activeWindow());
    if (m_sluzby.registrace) m_sluzby.registrace(okno);
    if (jenProhlizeni) okno->jenProhlizeni();
    okno->exec();
    if (okno) okno->deleteLater();
}
