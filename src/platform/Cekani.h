#pragma once
// Waiting without freezing: a nested event loop that ends when its condition holds, when its
// time on the program's clock is up, or when the desktop session ends. Every wait of the
// program goes through here, so the end of the session can end them all.
#include <QtGlobal>
#include <functional>

enum class KonecCekani { Splneno, Vyprselo, KonecSezeni };

namespace cekani {

// Keeps the events flowing until `podminka` holds or `limitMs` of the clock pass (0: no limit).
// The condition is looked at whenever the pending events have been handled, so it must depend
// only on what events change. Returns at once when the session is already ending.
KonecCekani cekej(const std::function<bool()>& podminka, qint64 limitMs = 0);

// The session is ending: every running wait returns KonecSezeni, later ones return at once, and
// loops that ask the user again and again must stop asking.
void ukonciSezeni();
bool sezeniKonci();
// Starts a new session; each test case that ends one starts the next.
void obnovSezeni();

}  // namespace cekani
