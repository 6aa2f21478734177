#pragma once
// The termination signals of a desktop session (SIGTERM and SIGHUP at log-off or shut-down,
// SIGINT from a terminal) delivered as a Qt signal on the event loop, where the settings can be
// saved safely. One watcher per process.
#include <QObject>

class QSocketNotifier;

class HlidacSignalu : public QObject {
    Q_OBJECT
public:
    explicit HlidacSignalu(QObject* rodic = nullptr);
    ~HlidacSignalu() override;

signals:
    void konecSezeni(int cisloSignalu);

private:
    QSocketNotifier* m_oznamovatel = nullptr;
};
