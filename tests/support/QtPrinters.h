#pragma once
// Readable Qt values in test failures. Included into every test file by the build, so that all
// of them print the same way.
#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) { *os << "QByteArray(\"" << b.toHex(' ').toStdString() << "\")"; }
