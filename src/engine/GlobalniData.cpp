#include "engine/GlobalniData.h"

#include "platform/Errors.h"

const SystemZaznam& GlobalniData::system(int kod) const {
    if (kod < 1 || kod >= static_cast<int>(Systemy.size())) throw ChybaRozsahu();
    return Systemy[static_cast<size_t>(kod)];
}

bool JePovoleno(const Nastaveni& n, int pozice) {
    if (n.TypUzivatele != 0) return true;
    return pozice >= 1 && pozice <= n.Verze.size() && n.Verze[pozice - 1] == QLatin1Char('1');
}
