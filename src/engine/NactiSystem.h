#pragma once
#include "app/GlobalniData.h"
#include "engine/Artikly.h"

// Loads the item table of the system SystemKod (Data/ + its "Data" key) into Polozky, Prurezy
// and SachtaPovolena, resolving every cell against the price list; sets the row and column
// counts and the free rows, re-creates Prislusenstvi all False and copies the system record.
// A missing or malformed file is reported to the user and returns false with the previous
// state untouched.
bool NactiSystem(GlobalniData& g, const IArtikly& artikly);

// Parses an item table's text into `data`. On a malformed text returns the 1-based line that
// is short or missing, else 0.
int rozeberTabulkuPolozek(const QString& text, const IArtikly& artikly, int volnychRadku, DataSystemu& data);
