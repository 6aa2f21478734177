#pragma once
// Bags of mortar (a Single count) joining a row of the bill (an Integer): the sum is taken in
// single precision, as Integer + Single is, and only then rounded, so that a count within a
// float step of a half rounds the same way in every system.
#include "platform/Numbers.h"

inline Integer pridejPytle(Integer radek, float pytle) {
    const float soucet = static_cast<float>(radek.value()) + pytle;
    return Integer::fromDouble(soucet);
}
