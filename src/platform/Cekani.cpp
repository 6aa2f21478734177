#include "platform/Cekani.h"

#include "platform/Clock.h"
#include "platform/Services.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QList>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

bool g_konec = false;
QList<QEventLoop*> g_smycky;

int zbyva(qint64 ms) { return static_cast<int>(std::clamp<qint64>(ms, 1, std::numeric_limits<int>::max())); }

}  // namespace

namespace cekani {

KonecCekani cekej(const std::function<bool()>& podminka, qint64 limitMs) {
    if (g_konec) return KonecCekani::KonecSezeni;
    if (podminka()) return KonecCekani::Splneno;
    const IClock& hodiny = platform::clock();
    const qint64 konec = hodiny.monotonicMs() + limitMs;

    QEventLoop smycka;
    KonecCekani vysledek = KonecCekani::Splneno;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    const auto zkontroluj = [&] {
        if (podminka()) {
            vysledek = KonecCekani::Splneno;
        } else if (limitMs > 0 && hodiny.monotonicMs() >= konec) {
            vysledek = KonecCekani::Vyprselo;
        } else {
            // The program's clock may lag the timer's: look again when it says the time is up.
            if (limitMs > 0 && !limit.isActive()) limit.start(zbyva(konec - hodiny.monotonicMs()));
            return;
        }
        smycka.quit();
    };
    // Whatever the condition waits for arrives as an event; once the events are handled and the
    // loop is about to sleep, the condition is looked at again. No polling tick.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &smycka, zkontroluj);
    QObject::connect(&limit, &QTimer::timeout, &smycka, zkontroluj);
    if (limitMs > 0) limit.start(zbyva(limitMs));
    g_smycky.append(&smycka);
    smycka.exec();
    g_smycky.removeOne(&smycka);
    return g_konec ? KonecCekani::KonecSezeni : vysledek;
}

void ukonciSezeni() {
    g_konec = true;
    for (QEventLoop* s : g_smycky) s->quit();
}

bool sezeniKonci() { return g_konec; }

void obnovSezeni() { g_konec = false; }

}  // namespace cekani
