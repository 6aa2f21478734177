#pragma once
// The boundary between Qt's event dispatch and the core: no exception crosses it.
#include "platform/UserDialogs.h"
#include "platform/Vysledek.h"

#include <QObject>
#include <functional>
#include <type_traits>

// Runs one user event. A run-time error of the core is shown to the user and the program goes
// on; the event's work is dropped (computations work on copies and commit only on success).
// Returns false when the event ended in an error.
bool runGuarded(const std::function<void()>& udalost);

// Shows the message of a failed result; true when it succeeded.
template <class T>
bool ohlas(const Vysledek<T>& v) {
    if (!v) ukazChybu(v.chyba());
    return static_cast<bool>(v);
}
void ukazChybu(const QString& text);

// Shows what a request has to tell: a refusal plainly, then `naPole(pole)` gives its field the
// focus; a failure; or the notices in order. True when the request went through.
template <class Pole, class NaPole>
bool ukaz(const Hlaseni<Pole>& h, NaPole&& naPole, Ikona chyby = Ikona::Kriticka, Ikona oznameni = Ikona::Vykricnik) {
    if (h.odmitnuti) {
        MsgBox(h.odmitnuti->zprava);
        naPole(h.odmitnuti->pole);
        return false;
    }
    if (h.chyba) {
        MsgBox(h.chyba->zprava, Tlacitka::Ok, chyby);
        return false;
    }
    for (const QString& text : h.oznameni) MsgBox(text, Tlacitka::Ok, oznameni);
    return true;
}

// connect() for the handlers of user events: each runs guarded. The handler takes the signal's
// arguments or none.
template <class Odesilatel, class Signal, class Handler>
QMetaObject::Connection pripoj(Odesilatel* odesilatel, Signal signal, const QObject* kontext, Handler handler) {
    return QObject::connect(odesilatel, signal, kontext, [handler = std::move(handler)](auto&&... a) {
        runGuarded([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(a)...>)
                handler(a...);
            else
                handler();
        });
    });
}
