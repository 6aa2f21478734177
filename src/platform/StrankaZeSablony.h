#pragma once
// The program's HTML pages (the costing, the offer, the order) are templates of the data folder
// with placeholders; one writer reads, fills and writes them so that all three fail alike.
#include "platform/Vysledek.h"

#include <QString>
#include <functional>
#include <span>
#include <utility>

// Each placeholder (`pred` + name + `za`) replaced at every occurrence, one after the other, so a
// value holding a later placeholder is filled too.
QString vyplnZnacky(QString sablona, std::span<const std::pair<const char*, QString>> nahrady,
                    QLatin1StringView pred = {}, QLatin1StringView za = {});

// The template Data/`sablona` (Windows-1250) filled by `vypln` and written to `cil` in
// Windows-1250, other characters as numeric references, through a temporary file. A missing,
// unreadable or empty template is one message naming it, and nothing is written.
Vysledek<> zapisStranku(const QString& sablona, const QString& cil, const std::function<QString(QString)>& vypln);
