#include "app/GlobalniData.h"

#include "platform/Errors.h"

const SystemZaznam& GlobalniData::system(int kod) const {
    if (kod < 1 || kod >= static_cast<int>(Systemy.size())) throw ChybaRozsahu();
    return Systemy[static_cast<size_t>(kod)];
}
