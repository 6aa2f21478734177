#pragma once
// The twelve calculators bound to the application's state, each under its system's name.
#include "engine/Kalkulacka.h"

Kalkulacky vytvorKalkulacky(GlobalniData& g);
