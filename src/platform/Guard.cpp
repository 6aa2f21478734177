#include "platform/Guard.h"

#include "platform/UserDialogs.h"

void ukazChybu(const QString& text) { MsgBox(text, Tlacitka::Ok, Ikona::Kriticka); }

bool runGuarded(const std::function<void()>& udalost) {
    const Vysledek<> v = zachyt(udalost);
    return ohlas(v);
}
