#pragma once
// Windows-1250, the code page of every text file, setting and byte sent to the server.
// Each byte maps to exactly one character (the five undefined bytes to U+0081 and so on), so
// text length equals byte length wherever offsets are computed.
#include <QByteArray>
#include <QString>

namespace cp1250 {

QChar toChar(unsigned char b);
// The byte of a character; characters outside the code page give '?'.
char toByte(QChar c);
bool representable(QChar c);

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
// For an HTML page: characters outside the code page become numeric references ("&#960;" for
// pi), so nothing the user typed is lost.
QByteArray encodeHtml(const QString& text);

}  // namespace cp1250

// "&", "<" and ">" as entities: offers from the server and imported orders carry other people's
// texts into a page that a browser opens.
QString htmlText(QString text);
