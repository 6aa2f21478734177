#pragma once
// Alt letters of menu captions, marked without changing the caption.
#include <QChar>
#include <QSet>
#include <QString>

// The caption with its Alt letter marked ("&"): word starts first, then any letter; only the
// letters every keyboard layout types without a dead key, and none in `pouzite` (the menu's
// letters so far, to which it adds its own). A "&" of the caption itself is doubled.
QString sMnemonikou(const QString& popisek, QSet<QChar>& pouzite);
