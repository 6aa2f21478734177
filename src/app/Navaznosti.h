#pragma once
// What the start-up and the main menu call in other parts of the program: the server and the
// offers.
#include "engine/GlobalniData.h"
#include "offers/SynchronizaceNabidek.h"
#include "platform/Okna.h"
#include "platform/UserDialogs.h"

#include <QString>

// The update check asks the manufacturer's server and sets ServerDostupny when it answered.
class IKontrolaAktualizace {
public:
    virtual ~IKontrolaAktualizace() = default;
    virtual void ZkontrolujAktualizaci(GlobalniData& g) = 0;
};

// The offer synchronisation with the server; returns its log.
class ISynchronizaceNabidek {
public:
    virtual ~ISynchronizaceNabidek() = default;
    virtual QString SynchronizujNabidky(GlobalniData& g) = 0;
};

// The four steps with the manufacturer's server; a connection that fails shows its message, once
// per step, and the log shows the step's empty reply.
class SynchronizaceServeru : public ISynchronizaceNabidek {
public:
    QString SynchronizujNabidky(GlobalniData& g) override {
        SpojeniNabidek spojeni;
        spojeni.oznamChybu = [](const QString& text) { MsgBox(text); };
        return ::SynchronizujNabidky(g.nastaveni, spojeni);
    }
};
