#include "pricelist/QtSeznamPolozek.h"

#include "platform/QtWidgety.h"

QtSeznamPolozek::QtSeznamPolozek(TabulkaArtiklu& cenik, std::function<void(QWidget*)> registrace)
    : m_cenik(cenik), m_registrace(std::move(registrace)) {}

void QtSeznamPolozek::Zobraz(CilVlozeni cil) {
    if (!m_okno) {
        m_okno = new frmArt(m_cenik);
        if (m_registrace) m_registrace(m_okno);
    }
    m_okno->otevri(cil);
    if (std::holds_alternative<ICilNabidky*>(cil)) {
        // Shown for the order sheet meanwhile: now modal over the offer instead.
        m_okno->hide();
        obnovOkno(m_okno);
        m_okno->exec();
        return;
    }
    ukazOkno(m_okno);
}

void QtSeznamPolozek::odpoj(const ICilObjednavky& cil) {
    if (m_okno) m_okno->odpoj(cil);
}
