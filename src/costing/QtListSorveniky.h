#pragma once
// The costing sheet as the main menu and the wizard reach it: loaded on first use, unloaded by
// its close box, loaded afresh the next time.
#include "platform/Okna.h"
#include "costing/frmSorvenika.h"
#include "engine/Sorvenika.h"

#include <QPointer>
#include <functional>

class QtListSorveniky : public IListSorveniky, public IPrikazySorveniky {
public:
    // `registrace` hands a new window to the program's window registry; `sluzby` gives each new
    // sheet what its commands open.
    QtListSorveniky(GlobalniData& g, std::function<void(QWidget*)> registrace,
                    std::function<frmSorvenika::Sluzby()> sluzby);

    // lblSystem(0) and lblSystem(1).
    void NastavSystem(const QString& nazev) override;
    void Zobraz() override;
    void ZakazPrikazySorveniky() override;

    // The loaded sheet, nullptr when it is not loaded.
    frmSorvenika* okno() const { return m_okno; }
    // The sheet, loaded when it is not.
    frmSorvenika* nacti();

private:
    GlobalniData& m_g;
    std::function<void(QWidget*)> m_registrace;
    std::function<frmSorvenika::Sluzby()> m_sluzby;
    QPointer<frmSorvenika> m_okno;
};
