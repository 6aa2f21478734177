#pragma once
// The order sheet as the main menu, the costing sheet and the price list reach it: loaded on
// first use, unloaded by "Konec" or its close box, loaded afresh (empty, the settings read
// again) the next time.
#include "orders/frmObjednavka.h"
#include "platform/Okna.h"

#include <QPointer>
#include <functional>

class QtObjednavkovyList : public IObjednavka {
public:
    // `sluzby` gives each new sheet the price list, the VAT and the browser; `registrace` hands
    // it to the program's window registry.
    QtObjednavkovyList(std::function<frmObjednavka::Sluzby()> sluzby, std::function<void(QWidget*)> registrace);

    // Shown without blocking and made the active window.
    void Zobraz() override;
    void PridatObjednavku(const PolozkaObjednavky& p) override;

    frmObjednavka* okno() const { return m_okno; }
    frmObjednavka* nacti();

private:
    std::function<frmObjednavka::Sluzby()> m_sluzby;
    std::function<void(QWidget*)> m_registrace;
    QPointer<frmObjednavka> m_okno;
};
