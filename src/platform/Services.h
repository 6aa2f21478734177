#pragma once
// The platform services of one process: set by main (real ones) or by a test (fakes).
// Core code that must ask the user or touch the desktop reaches them here.
class IUserDialogs;
class IDesktop;
class IClock;

namespace platform {

IUserDialogs& dialogs();
IDesktop& desktop();
const IClock& clock();

void setDialogs(IUserDialogs* d);
void setDesktop(IDesktop* d);
void setClock(const IClock* c);

}  // namespace platform
