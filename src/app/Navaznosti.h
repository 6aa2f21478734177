#pragma once
// What the start-up and the main menu call in other parts of the program: the server, the
// offers, the costing sheet, the parameter wizard and the order sheet. Until a part is built its
// stand-in says so to the user instead of pretending to work.
#include "app/GlobalniData.h"

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

// The costing sheet: its two system captions lblSystem(0/1), and showing it not modal.
class IListSorveniky {
public:
    virtual ~IListSorveniky() = default;
    virtual void NastavSystem(const QString& nazev) = 0;
    virtual void Zobraz() = 0;
};

// A window the main menu shows modal (the parameter wizard, the sales-representative settings).
class IModalniOkno {
public:
    virtual ~IModalniOkno() = default;
    virtual void ZobrazModalne() = 0;
};

// A window the main menu shows not modal (the order sheet).
class IOkno {
public:
    virtual ~IOkno() = default;
    virtual void Zobraz() = 0;
};

// Without the network the server never answers: nothing is shown and ServerDostupny stays as it is.
class KontrolaBezServeru : public IKontrolaAktualizace {
public:
    void ZkontrolujAktualizaci(GlobalniData&) override {}
};

// Reached only when the server answered, which it cannot yet; says so in the status window.
class SynchronizaceNedostupna : public ISynchronizaceNabidek {
public:
    QString SynchronizujNabidky(GlobalniData&) override {
        return QStringLiteral("Synchronizace nabídek v této verzi programu není k dispozici. Nic nebylo přeneseno.");
    }
};

// A window of a part that is not built yet: tells the user so and does nothing else.
class OknoVPristiVerzi : public IModalniOkno, public IOkno {
public:
    explicit OknoVPristiVerzi(QString text) : m_text(std::move(text)) {}
    void ZobrazModalne() override { oznam(); }
    void Zobraz() override { oznam(); }

private:
    void oznam();
    QString m_text;
};
