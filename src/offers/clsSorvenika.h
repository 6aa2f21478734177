#pragma once
// One costing detached from the costing sheet, as an offer carries it: the chimney, its notes,
// the bill of materials as text, and the same as the small costing XML stored in the offer.
#include <QString>
#include <QStringList>

struct clsSorvenika {
    QString Nazev;        // display name of the system
    QString System;       // "MIV", "T-REMOL2S", ...
    QString Prurez;
    float Vyska = 0;      // metres
    bool Sachta = false;  // with ventilation shaft
    QString Ukonceni;
    QString Tvarnice;
    QString SysPoznamka;  // CR LF between lines
    QString Poznamka;     // CR LF between lines
    QString Rozpis;       // one line per item, each cell followed by TAB, each line ended by CR LF
    QString Xml;

    // Builds Xml from the members.
    void GenerXml();
    // Sets System to Rozpis from Xml.
    void ParseXml();

    // One line of Rozpis: every cell followed by TAB, the line ended by CR LF.
    static QString RadekRozpisu(const QStringList& bunky);
    // The cells of every non-empty line of a Rozpis. Lines whose cells are only separated by
    // TAB read the same as lines whose every cell is followed by one.
    static QList<QStringList> BunkyRozpisu(const QString& rozpis);
};
