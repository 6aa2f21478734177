#pragma once
// Text of dBase character fields: the 42 Czech, Slovak and German letters (and the degree sign)
// travel as their code-page-852 bytes; every other byte is read and written as Windows-1250.
// The mapping is not a bijection: a Windows-1250 byte that is also one of the 42 codes (0x82
// is "‚" there and é in 852) reads back as the letter. Existing price lists rely on exactly this.
#include <QByteArray>
#include <QString>

namespace dbftext {

QChar toChar(unsigned char b);
// The byte of a character; characters that neither table holds give '?'.
char toByte(QChar c);

QString decode(const char* bytes, qsizetype n);
// The same into n units at `kam`.
void decode(const char* bytes, qsizetype n, char16_t* kam);
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// Whether a character reads back as itself from a dBase text field: ASCII, the 42 letters and
// every Windows-1250 character whose byte is none of their 852 codes (ł, ô, ő, €, as other
// installations keep them).
bool uchovatelny(QChar c);
// The text as a customer file keeps it: every other character (one whose Windows-1250 byte would
// read back as one of the 42, or one beyond the code page) in its plain form (Ô O, ĺ l, – -, „ ",
// … ..., a no-break space a space), "?" where there is none.
QString prostyTvar(const QString& text);

}  // namespace dbftext
