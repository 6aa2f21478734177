#pragma once
// Helpers shared by the dBase and price-list tests.
#include "pricelist/DBF.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <string>
#include <vector>

// A readable form of a cell for comparisons and failure messages.
std::string popis(const BunkaDBF& b);

// A hex fixture: byte pairs, blanks and "#" comments.
QByteArray zHexu(const QByteArray& text);

// A dBase file assembled field by field, for inputs that our writer never produces.
struct PoleT {
    QByteArray nazev;
    char typ;
    int delka;
    int desetinna = 0;
};
QByteArray sestavDBF(const std::vector<PoleT>& pole, const std::vector<QByteArray>& zaznamy, bool konec = true);

// A copy of b with a 16-bit little-endian value at offset.
QByteArray s16(QByteArray b, int offset, int v);

// Debian's own Python (python3-dbfread lives there). Empty when it is missing.
QString debianPython();
bool maDbfread();
// Runs a Python program; returns its standard output, or fails the test.
QByteArray spustPython(const QStringList& argumenty);

// Switches the regional settings for a scope.
struct Region {
    explicit Region(const QString& jmeno);
    ~Region();
};
