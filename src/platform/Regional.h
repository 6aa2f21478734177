#pragma once
// The regional settings: Czech by default whatever the machine's
// locale, because data and server messages from Czech installations must read back.
// SORVENIKA_LOCALE (a locale name such as "C" or "en_US") overrides it.
#include "platform/Numbers.h"

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

class Regional {
public:
    explicit Regional(const QString& localeName = QStringLiteral("cs_CZ"));

    // The process-wide settings (read from SORVENIKA_LOCALE at first use).
    static const Regional& current();
    // Tests switch it for their duration; pass an empty name to return to the environment's.
    static void setCurrent(const QString& localeName);

    QChar desetinnaCarka() const { return m_desetinna; }
    QChar oddelovacTisicu() const { return m_skupina; }

    // Regional number parsing: blanks around, sign, digits with optional thousand separators
    // (a plain blank counts where the separator is a no-break space), one decimal separator,
    // optional exponent.
    bool IsNumeric(const QString& text) const;
    double CDbl(const QString& text) const;     // not numeric: type-mismatch error 13
    float CSng(const QString& text) const;
    Currency CCur(const QString& text) const;
    qint16 CInt(const QString& text) const;
    qint32 CLng(const QString& text) const;

    // Number to plain text as cells, templates and messages show it: up to 15 significant
    // digits, no grouping, regional decimal separator ("20,5", "21", "0,125").
    QString Str(double v) const;
    QString Str(Currency c) const;

    // Format(v, "##,##0.00") and its kin: `decimals` fixed decimals, thousands grouped when asked.
    QString Format(double v, int decimals = 2, bool seskupit = true) const;
    QString Format(Currency c, int decimals = 2, bool seskupit = true) const;

    // The short-date form and the date test of the regional settings ("5.12.2026").
    QString KratkeDatum(const QDate& d) const;
    bool IsDate(const QString& text) const;
    // The general date form: the short date and the time "H:mm:ss", the date alone at midnight.
    QString ObecneDatum(const QDateTime& t) const;
    QDate CDate(const QString& text) const;     // not a date: type-mismatch error 13

private:
    QLocale m_locale;
    QChar m_desetinna;
    QChar m_skupina;
    QString m_datum;  // QDate format of the short date
};

// A typed number under the current settings as a Double or a Single; nullopt when the text is
// no number or leaves the type's range.
std::optional<double> naDouble(const QString& text);
std::optional<float> naSingle(const QString& text);
