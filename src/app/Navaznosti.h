#pragma once
// What the start-up and the main menu call in other parts of the program: the server and the
// offers. Until a part is built its stand-in says so to the user instead of pretending to work.
#include "engine/GlobalniData.h"
#include "platform/Okna.h"

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

// Reached only when the server answered, which it cannot yet; says so in the status window.
class SynchronizaceNedostupna : public ISynchronizaceNabidek {
public:
    QString SynchronizujNabidky(GlobalniData&) override {
        return QStringLiteral("Synchronizace nabídek v této verzi programu není k dispozici. Nic nebylo přeneseno.");
    }
};
