#pragma once
// The parameter wizard as the main menu opens it: a fresh window over the costing sheet each
// time, modal, unloaded when it closes. Its OK commits the draft, runs the accessory picker and
// puts the costing on the sheet.
#include "platform/Okna.h"
#include "parameters/ModelPrislusenstvi.h"
#include "parameters/frmParametry.h"

#include <QPointer>
#include <functional>

class QtListSorveniky;

class QtPruvodceParametru : public IModalniOkno {
public:
    // `registrace` hands the window to the program's registry; `prislusenstvi` is the accessory
    // picker, its window over the wizard when null.
    QtPruvodceParametru(GlobalniData& g, QtListSorveniky& list, std::function<void(QWidget*)> registrace,
                        IVyberPrislusenstvi* prislusenstvi = nullptr);

    void ZobrazModalne() override;
    // The wizard while it is open (tests reach it from inside its modal loop).
    frmParametry* okno() const { return m_okno; }

private:
    GlobalniData& m_g;
    QtListSorveniky& m_list;
    std::function<void(QWidget*)> m_registrace;
    IVyberPrislusenstvi* m_prislusenstvi;
    QPointer<frmParametry> m_okno;
};
