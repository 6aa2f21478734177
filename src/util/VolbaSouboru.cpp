#include "util/VolbaSouboru.h"

#include "platform/DataPaths.h"
#include "platform/Services.h"
#include "util/Soubory.h"

#include <QDir>
#include <QFileInfo>

QString VyberSouborOtevrit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka) {
    return platform::dialogs().souborOtevrit(titulek, filtr, vychoziSlozka);
}

QString VyberSouborUlozit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                          const QString& pripona) {
    return platform::dialogs().souborUlozit(titulek, filtr, vychoziSlozka, pripona);
}

QString VyberSouborKUlozeni(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& slozka,
                            const QString& pripona) {
    for (;;) {
        const QString cesta = VyberSouborUlozit(titulek, filtr, slozka, pripona);
        if (cesta.isEmpty() || !QFileInfo::exists(cesta)) return cesta;
        switch (MsgBox(kSouborExistuje, Tlacitka::YesNoCancel, Ikona::Vykricnik, kTitulekUpozorneni)) {
        case Odpoved::Yes: return cesta;
        case Odpoved::No: continue;
        default: return {};
        }
    }
}

QString pocatecniSlozka(const QString& ulozena) {
    const QFileInfo f(ulozena);
    return !ulozena.isEmpty() && f.isAbsolute() && f.isDir() ? ulozena : QDir::homePath();
}

namespace {

const QString kUzivatel = QStringLiteral("UZIVATEL");

}  // namespace

QString zapamatovanaSlozka(const QString& klic) {
    return pocatecniSlozka(CtiIni(dataFile(kSouborNastaveni), kUzivatel, klic));
}

void zapamatujSlozku(const QString& klic, const QString& cesta) {
    // Only where the next dialog opens: what the file was chosen for does not depend on it.
    if (cesta.isEmpty()) return;
    (void)ZapisIni(dataFile(kSouborNastaveni), kUzivatel, klic, QFileInfo(cesta).absolutePath());
}

QString VyberHtmlKUlozeni() {
    const QString klic = QStringLiteral("Export HTML");
    const QString cesta = VyberSouborKUlozeni(QStringLiteral("Uložit sorveniku do formátu HTML"),
                                              {{QStringLiteral("HTML soubor (*.htm)"), QStringLiteral("*.htm")}},
                                              zapamatovanaSlozka(klic), QStringLiteral("htm"));
    zapamatujSlozku(klic, cesta);
    return cesta;
}
