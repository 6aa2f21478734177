#pragma once
#include <QDate>
#include <QDateTime>

// "Today" and the clock of the network waits, injectable for tests.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    // Milliseconds of a monotonic clock; only differences mean anything.
    virtual qint64 monotonicMs() const = 0;
};
