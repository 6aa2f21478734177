#include "platform/PrintSurface.h"

void PrintSurface::beginDocument() {
    x = y = 0;
    m_strana = 1;
    zacniDokument();
}

void PrintSurface::setFont(const Pismo& p) {
    m_pismo = p;
    pouzijPismo(p);
}

void PrintSurface::zajistiMisto(int vyska) {
    if (y <= 0 || y + vyska <= height()) return;
    novaStrana();
    ++m_strana;
    y = 0;
}

void PrintSurface::printLine(const QString& text) { printCells({{x, text}}); }

void PrintSurface::printCells(const QList<Bunka>& bunky) {
    const int v = lineHeight();
    zajistiMisto(v);
    for (const Bunka& b : bunky)
        if (!b.text.isEmpty()) kresliText(b.x, y, b.text);
    y += v;
    x = 0;
}

void PrintSurface::rule(int odX, int w) {
    zajistiMisto(0);
    kresliCaru(odX, y, w);
}
