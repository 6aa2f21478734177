#include "platform/Cekani.h"

#include "platform/Clock.h"
#include "platform/Services.h"

#include <QEventLoop>
#include <QList>
#include <QTimer>

namespace {

bool g_konec = false;
QList<QEventLoop*> g_smycky;

constexpr int kKrokMs = 10;

}  // namespace

namespace cekani {

KonecCekani cekej(const std::function<bool()>& podminka, qint64 limitMs) {
    if (g_konec) return KonecCekani::KonecSezeni;
    if (podminka()) return KonecCekani::Splneno;
    const IClock& hodiny = platform::clock();
    const qint64 konec = hodiny.monotonicMs() + limitMs;

    QEventLoop smycka;
    KonecCekani vysledek = KonecCekani::Splneno;
    QTimer krok;
    QObject::connect(&krok, &QTimer::timeout, &smycka, [&] {
        if (podminka()) {
            vysledek = KonecCekani::Splneno;
        } else if (limitMs > 0 && hodiny.monotonicMs() >= konec) {
            vysledek = KonecCekani::Vyprselo;
        } else {
            return;
        }
        smycka.quit();
    });
    krok.start(kKrokMs);
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
