#pragma once
#include <functional>

// Runs one user event. A run-time error of the core is shown to the user and the program goes
// on; the event's work is dropped (computations work on copies and commit only on success).
// Returns false when the event ended in an error.
bool runGuarded(const std::function<void()>& udalost);
