#pragma once
// The price-list browser as its callers open it: loaded on first use, unloaded by its close box,
// loaded afresh the next time over the same article table.
#include "pricelist/frmArt.h"

#include <QPointer>
#include <functional>

class QtSeznamPolozek {
public:
    // `registrace` hands a new window to the program's window registry.
    QtSeznamPolozek(TabulkaArtiklu& cenik, std::function<void(QWidget*)> registrace);

    // Shows the browser for a target: modal for the offer (returns when it hides or closes), not
    // modal otherwise (returns at once). The order sheet gives the focus back to its own grid
    // itself.
    void Zobraz(CilVlozeni cil);
    // The order sheet unloads: a browser shown for it hides and no longer inserts into it.
    void odpoj(const ICilObjednavky& cil);

    // The loaded window, nullptr when it is not loaded.
    frmArt* okno() const { return m_okno; }

private:
    TabulkaArtiklu& m_cenik;
    std::function<void(QWidget*)> m_registrace;
    QPointer<frmArt> m_okno;
};
