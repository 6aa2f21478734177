#include "platform/Guard.h"

#include "platform/Errors.h"
#include "platform/UserDialogs.h"

bool runGuarded(const std::function<void()>& udalost) {
    QString text;
    try {
        udalost();
        return true;
    } catch (const RuntimeError& e) {
        text = QStringLiteral("Chyba č. %1: %2").arg(e.cislo()).arg(e.popis());
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Nedostatek paměti.");
    } catch (const std::exception& e) {
        text = QStringLiteral("Neočekávaná chyba: ") + QString::fromLocal8Bit(e.what());
    }
    MsgBox(text, Tlacitka::Ok, Ikona::Kriticka);
    return false;
}
