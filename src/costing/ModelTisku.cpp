#include "costing/ModelTisku.h"

#include "platform/Regional.h"
#include "platform/Vysledek.h"
#include "costing/PrikazyListu.h"

#include <QDir>

ModelTisku::ModelTisku(TiskNastaveni& t, QString& Tiskarna, const IPrinterCatalog& tiskarny)
    : m_t(t), m_tiskarna(Tiskarna), m_nazvy(tiskarny.names()) {
    t.PocetKopii = Integer(1);
    t.TiskPotvrzen = false;
    t.VychoziTiskarna = tiskarny.defaultName();
    C = m_nazvy.isEmpty() ? QStringList{kPdfSoubor} : m_nazvy;
    int vychozi = 0, zapamatovana = 0;
    for (int i = 0; i < C.size(); ++i) {
        if (C[i] == t.VychoziTiskarna) {
            vychozi = i;
            C[i] += kVychoziPripona;
        }
        if (C[i] == Tiskarna) zapamatovana = i;
    }
    Check = !Tiskarna.isEmpty();
    vybrana = Check ? zapamatovana : vychozi;
}

bool ModelTisku::potvrdKopie() {
    if (zachyt([&] { return Regional::current().CInt(txtkopii); })) return true;
    MsgBox(QStringLiteral("Zadejte číselnou hodnotu"));
    txtkopii = QStringLiteral("1");
    return false;
}

bool ModelTisku::ok() {
    if (!potvrdKopie()) return false;
    const Integer kopii(Regional::current().CInt(txtkopii));
    QString pdf;
    // No copies print nothing, so there is no file to ask for.
    if (m_nazvy.isEmpty() && kopii > 0) {
        pdf = VyberSouborKUlozeni(QStringLiteral("Tisk do souboru PDF"), {{QStringLiteral("PDF soubor (*.pdf)"), QStringLiteral("*.pdf")}},
                                  QDir::homePath(), QStringLiteral("pdf"));
        if (pdf.isEmpty()) return false;
    }
    m_tiskarna = Check ? C.value(vybrana) : QString();
    m_t.tiskarna = m_nazvy.value(vybrana);
    m_t.souborPdf = pdf;
    m_t.PocetKopii = kopii;
    m_t.TiskPotvrzen = true;
    return true;
}
