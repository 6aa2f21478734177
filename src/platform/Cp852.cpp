#include "platform/Cp852.h"

#include "platform/Cp1250.h"

#include <algorithm>
#include <array>

namespace dbftext {
namespace {

struct Prekryv {
    unsigned char bajt;
    char16_t znak;
};

// The letters that the price lists and customer tables keep in code page 852.
constexpr Prekryv kPrekryv[] = {
    {0xA0, u'á'}, {0xB5, u'Á'}, {0x82, u'é'}, {0x90, u'É'}, {0xD8, u'ě'}, {0xB7, u'Ě'},
    {0xA1, u'í'}, {0xD6, u'Í'}, {0xA2, u'ó'}, {0xE0, u'Ó'}, {0xA3, u'ú'}, {0xE9, u'Ú'},
    {0x85, u'ů'}, {0xDE, u'Ů'}, {0xEC, u'ý'}, {0xED, u'Ý'}, {0x9F, u'č'}, {0xAC, u'Č'},
    {0xD4, u'ď'}, {0xD2, u'Ď'}, {0x96, u'ľ'}, {0x95, u'Ľ'}, {0xE5, u'ň'}, {0xD5, u'Ň'},
    {0xFD, u'ř'}, {0xFC, u'Ř'}, {0xE7, u'š'}, {0xE6, u'Š'}, {0x9C, u'ť'}, {0x9B, u'Ť'},
    {0xA7, u'ž'}, {0xA6, u'Ž'}, {0x84, u'ä'}, {0x89, u'ë'}, {0x94, u'ö'}, {0x81, u'ü'},
    {0x8E, u'Ä'}, {0xD3, u'Ë'}, {0x99, u'Ö'}, {0x9A, u'Ü'}, {0xE1, u'ß'}, {0xF8, u'°'},
};

struct Tabulky {
    std::array<char16_t, 256> znak{};
    Tabulky() {
        for (int b = 0; b < 256; ++b) znak[b] = cp1250::toChar(static_cast<unsigned char>(b)).unicode();
        for (const Prekryv& p : kPrekryv) znak[p.bajt] = p.znak;
    }
};

const Tabulky& tabulky() {
    static const Tabulky t;
    return t;
}

char overlayByte(char16_t u) {
    for (const Prekryv& p : kPrekryv)
        if (p.znak == u) return static_cast<char>(p.bajt);
    return 0;
}

// Plain forms of the characters whose Windows-1250 byte is one of the 42 codes and that are no
// letter with a diacritic.
struct Prosty {
    char16_t znak;
    const char* tvar;
};
constexpr Prosty kProste[] = {
    {u'\u00A0', " "}, {u'–', "-"}, {u'‚', ","}, {u'„', "\""}, {u'”', "\""}, {u'›', ">"},  {u'…', "..."}, {u'•', "*"},
    {u'‰', "%o"},     {u'™', "TM"}, {u'·', "."}, {u'µ', "u"},   {u'¦', "|"},   {u'¬', "-"},  {u'Ł', "L"},
};

}  // namespace

bool uchovatelny(QChar c) { return toChar(static_cast<unsigned char>(toByte(c))) == c; }

QString prostyTvar(const QString& text) {
    // Composed first, so that a letter typed as a base and an accent is one of the 42.
    const QString t = text.normalized(QString::NormalizationForm_C);
    QString s;
    s.reserve(t.size());
    for (QChar c : t) {
        if (uchovatelny(c)) {
            s += c;
            continue;
        }
        // A character beyond the 16-bit range becomes one "?", not two.
        if (c.isLowSurrogate()) continue;
        const auto p = std::find_if(std::begin(kProste), std::end(kProste), [c](const Prosty& p) { return p.znak == c.unicode(); });
        if (p != std::end(kProste)) {
            s += QLatin1String(p->tvar);
            continue;
        }
        // A letter whose byte would read back as another: its base letter.
        const QChar zaklad = QString(c).normalized(QString::NormalizationForm_D).front();
        s += zaklad != c && uchovatelny(zaklad) ? zaklad : QLatin1Char('?');
    }
    return s;
}

QChar toChar(unsigned char b) { return QChar(tabulky().znak[b]); }

char toByte(QChar c) {
    const char16_t u = c.unicode();
    // All 42 letters lie above U+00AF; below that Windows-1250 answers directly.
    if (u >= 0xB0) {
        const char b = overlayByte(u);
        if (b) return b;
    }
    return cp1250::toByte(c);
}

void decode(const char* bytes, qsizetype n, char16_t* kam) {
    const auto& t = tabulky().znak;
    for (qsizetype i = 0; i < n; ++i) kam[i] = t[static_cast<unsigned char>(bytes[i])];
}

QString decode(const char* bytes, qsizetype n) {
    QString s(n, Qt::Uninitialized);
    decode(bytes, n, reinterpret_cast<char16_t*>(s.data()));
    return s;
}

QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

QByteArray encode(const QString& text) {
    QByteArray b(text.size(), Qt::Uninitialized);
    char* out = b.data();
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = toByte(text[i]);
    return b;
}

}  // namespace dbftext
