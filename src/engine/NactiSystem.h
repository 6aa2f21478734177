#pragma once
#include "engine/GlobalniData.h"
#include "engine/Artikly.h"
#include "platform/Vysledek.h"

class TabulkaArtiklu;

// Loads the item table of the system SystemKod (Data/ + its "Data" key) into Polozky, Prurezy
// and SachtaPovolena, resolving every cell against the price list; sets the row and column
// counts and the free rows, re-creates Prislusenstvi all False and copies the system record.
// A missing or malformed file gives its message and leaves the previous state untouched.
Vysledek<> NactiSystem(GlobalniData& g, const IArtikly& artikly);
Vysledek<> NactiSystem(GlobalniData& g, const TabulkaArtiklu& cenik);
