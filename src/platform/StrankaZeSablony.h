#pragma once
// The program's HTML pages (the costing, the offer, the order) are templates of the data folder
// with placeholders; one writer reads, fills and writes them so that all three fail alike.
#include "platform/Vysledek.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <span>
#include <utility>

// Each placeholder (`pred` + name + `za`) replaced at every occurrence, one after the other, so a
// value holding a later placeholder is filled too.
QString vyplnZnacky(QString sablona, std::span<const std::pair<const char*, QString>> nahrady,
                    QLatin1StringView pred = {}, QLatin1StringView za = {});

// The template Data/`sablona` (Windows-1250) filled by `vypln`, in Windows-1250, other characters
// as numeric references. A missing, unreadable or empty template is one message naming it.
Vysledek<QByteArray> stranka(const QString& sablona, const std::function<QString(QString)>& vypln);
// The page written to `cil` through a temporary file; nothing is written when it fails.
Vysledek<> zapisStranku(const QString& sablona, const QString& cil, const std::function<QString(QString)>& vypln);
