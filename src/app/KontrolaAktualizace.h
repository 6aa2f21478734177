#pragma once
// The update check of every start: the information file beside the update archive on the
// manufacturer's server names the newest version; a newer one than this program is announced.
#include "app/Navaznosti.h"

#include <QDate>
#include <QString>
#include <optional>

// "verze: 9.4.2009" (blanks around the parts allowed) as a date; none when it is not three
// numbers of a valid date.
QDate DatumVerze(const QString& text);
// The information file's address: every ".rar" of the archive's address becomes ".nfo".
QString AdresaInfa(const QString& aktualizace);

struct InfoOAktualizaci {
    bool serverDostupny = false;
    std::optional<QString> oznameni;
};
// The download's processed reply and the message of its <sdeleni1> element against the program's
// date. "500" and "" mean the server did not answer; a version line that is not a date counts as
// none.
InfoOAktualizaci VyhodnotAktualizaci(const QString& odpoved, const QString& sdeleni, const QDate& datumProgramu);

class KontrolaAktualizace : public IKontrolaAktualizace {
public:
    void ZkontrolujAktualizaci(GlobalniData& g) override;
};
