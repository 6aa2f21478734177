#pragma once
// lblNabidka on the costing sheet: the costing record and the new offer made from what the
// costing gives, with the next offer number and the project fields of the previous offer.
#include "costing/PodkladNabidky.h"
#include "offers/clsNabidka.h"
#include "offers/clsSorvenika.h"

#include <memory>

struct NabidkaZListu {
    clsSorvenika SorvenikaNabidky;
    std::shared_ptr<clsNabidka> Nabidka;
};

// `predloha`: the offer whose project and customer fields are carried over, or none.
NabidkaZListu SestavNabidku(const PodkladNabidky& p, const Nastaveni& n, const clsNabidka* predloha);
