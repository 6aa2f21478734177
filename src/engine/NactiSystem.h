#pragma once
#include "app/GlobalniData.h"
#include "engine/Artikly.h"

class TabulkaArtiklu;

// Loads the item table of the system SystemKod (Data/ + its "Data" key) into Polozky, Prurezy
// and SachtaPovolena, resolving every cell against the price list; sets the row and column
// counts and the free rows, re-creates Prislusenstvi all False and copies the system record.
// A missing or malformed file is reported to the user and returns false with the previous
// state untouched.
bool NactiSystem(GlobalniData& g, const IArtikly& artikly);
bool NactiSystem(GlobalniData& g, const TabulkaArtiklu& cenik);
