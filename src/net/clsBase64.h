#pragma once
// Base64 of byte strings (RFC 4648 alphabet, "=" padding), as the server and the settings file
// expect it. Text goes in and out as Windows-1250 bytes, never UTF-8, so that stored passwords
// and everything the server decodes keep their meaning.
#include <QByteArray>
#include <QString>
#include <optional>

class clsBase64 {
public:
    // One line, no line breaks.
    static QByteArray Encode(const QByteArray& bajty);
    static QString Encode(const QString& text);

    // Strict: a character outside the alphabet and "=" (line breaks included) throws run-time
    // error 13. Fewer than 4 characters give an empty result; 1 to 3 trailing characters are
    // ignored.
    static QByteArray Decode(const QByteArray& base64);
    static QString Decode(const QString& base64);
    // The same without throwing, for values read from files that a user may have edited.
    static std::optional<QByteArray> DecodeChecked(const QByteArray& base64);
    static std::optional<QString> DecodeChecked(const QString& base64);

    // Lines of 76 characters, each ending in CR LF, and a CR LF after the whole.
    static QByteArray MakeLine(const QByteArray& text);
    static QString MakeLine(const QString& text);

    static QByteArray ClearCRLF(const QByteArray& text);
    static QString ClearCRLF(const QString& text);
};
