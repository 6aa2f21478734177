#pragma once
// Choosing files and folders, under the names the rest of the program uses. These are dialogs by
// nature: the windows and the sheet's menu commands call them, never a computation.
#include "platform/UserDialogs.h"  // also VyberAdresar, the folder browser

#include <QList>
#include <QString>

inline const QString kSouborExistuje = QStringLiteral("Soubor již existuje, má se přepsat ?");

// The chosen path, or "" when the user cancels.
QString VyberSouborOtevrit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka);
QString VyberSouborUlozit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                          const QString& pripona);

// The save dialog until the user picks a file that is new or that he lets overwrite; "" when he
// cancels. The overwriting is the writer's, which replaces a file only once it is written whole.
QString VyberSouborKUlozeni(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& slozka,
                            const QString& pripona);
// A remembered start folder; one that does not exist here (a Windows path from an older data
// folder, an unplugged drive) or none gives the home folder.
QString pocatecniSlozka(const QString& ulozena);
// The start folder remembered under `klic` (Sorvenika.ini, section UZIVATEL), as pocatecniSlozka
// gives it; and the folder of a chosen `cesta` remembered there ("" for a cancelled dialog: none).
QString zapamatovanaSlozka(const QString& klic);
void zapamatujSlozku(const QString& klic, const QString& cesta);
// "Uložit sorveniku do formátu HTML" (the costing's page and an offer's): opened in the folder of
// the last HTML export, which the chosen file's folder then becomes; "" when the user cancels.
QString VyberHtmlKUlozeni();
