#pragma once
// What one window asks of another it opens: the program wires the real windows, tests put
// recording stand-ins in their place, and a part that is not built yet says so to the user.
#include <QString>

// The costing sheet: its two system captions lblSystem(0/1), and showing it not modal.
class IListSorveniky {
public:
    virtual ~IListSorveniky() = default;
    virtual void NastavSystem(const QString& nazev) = 0;
    virtual void Zobraz() = 0;
};

// A window shown modal (the parameter wizard, the sales-representative settings).
class IModalniOkno {
public:
    virtual ~IModalniOkno() = default;
    virtual void ZobrazModalne() = 0;
};

// A window shown not modal (the order sheet).
class IOkno {
public:
    virtual ~IOkno() = default;
    virtual void Zobraz() = 0;
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
