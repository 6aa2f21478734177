#include "net/clsBase64.h"

#include "platform/Cp1250.h"
#include "platform/Errors.h"

#include <array>

namespace {

constexpr char kAbeceda[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kVypln = 256;   // "=": the value of a pad symbol
constexpr int kNeplatny = -1;
constexpr qsizetype kDelkaRadku = 76;

constexpr std::array<int, 256> kHodnoty = [] {
    std::array<int, 256> t{};
    for (int& h : t) h = kNeplatny;
    for (int i = 0; i < 64; ++i) t[static_cast<unsigned char>(kAbeceda[i])] = i;
    t['='] = kVypln;
    return t;
}();

// No value when a character of a whole group is outside the alphabet and "=".
std::optional<QByteArray> dekoduj(const QByteArray& vstup) {
    const qsizetype n = vstup.size();
    if (n < 4) return QByteArray();
    QByteArray vystup(n / 4 * 3, Qt::Uninitialized);
    char* w = vystup.data();
    const auto* r = reinterpret_cast<const unsigned char*>(vstup.constData());
    // Only whole groups of four count; a short tail is ignored.
    for (qsizetype p = 0; p + 4 <= n; p += 4) {
        int q[4];
        for (int k = 0; k < 4; ++k) {
            q[k] = kHodnoty[r[p + k]];
            if (q[k] == kNeplatny) return std::nullopt;
        }
        *w++ = static_cast<char>((q[0] * 4 | q[1] / 16) & 255);
        if (q[2] != kVypln) *w++ = static_cast<char>((q[1] * 16 | q[2] / 4) & 255);
        if (q[3] != kVypln) *w++ = static_cast<char>((q[2] * 64 | q[3]) & 255);
    }
    vystup.resize(w - vystup.constData());
    return vystup;
}

template <typename Text, typename Znak>
Text naRadky(const Text& text, Znak cr, Znak lf) {
    const qsizetype n = text.size();
    Text vystup;
    vystup.reserve(n + 2 * (n / kDelkaRadku) + 2);
    qsizetype p = 0;
    for (; p + kDelkaRadku <= n; p += kDelkaRadku) {
        vystup.append(text.constData() + p, kDelkaRadku);
        vystup.append(cr);
        vystup.append(lf);
    }
    vystup.append(text.constData() + p, n - p);
    vystup.append(cr);
    vystup.append(lf);
    return vystup;
}

}  // namespace

QByteArray clsBase64::Encode(const QByteArray& bajty) {
    const qsizetype n = bajty.size();
    QByteArray vystup((n + 2) / 3 * 4, Qt::Uninitialized);
    const auto* r = reinterpret_cast<const unsigned char*>(bajty.constData());
    char* w = vystup.data();
    qsizetype p = 0;
    for (; p + 3 <= n; p += 3) {
        const unsigned v = r[p] << 16 | r[p + 1] << 8 | r[p + 2];
        *w++ = kAbeceda[v >> 18];
        *w++ = kAbeceda[(v >> 12) & 63];
        *w++ = kAbeceda[(v >> 6) & 63];
        *w++ = kAbeceda[v & 63];
    }
    if (p < n) {
        const bool dva = p + 2 == n;
        const unsigned v = r[p] << 16 | (dva ? r[p + 1] << 8 : 0u);
        *w++ = kAbeceda[v >> 18];
        *w++ = kAbeceda[(v >> 12) & 63];
        *w++ = dva ? kAbeceda[(v >> 6) & 63] : '=';
        *w++ = '=';
    }
    return vystup;
}

QString clsBase64::Encode(const QString& text) {
    return QString::fromLatin1(Encode(cp1250::encode(text)));
}

std::optional<QByteArray> clsBase64::DecodeChecked(const QByteArray& base64) {
    return dekoduj(base64);
}

std::optional<QString> clsBase64::DecodeChecked(const QString& base64) {
    // Characters outside the code page become "?", which is not in the alphabet either.
    const auto bajty = dekoduj(cp1250::encode(base64));
    if (!bajty) return std::nullopt;
    return cp1250::decode(*bajty);
}

QByteArray clsBase64::Decode(const QByteArray& base64) {
    auto vysledek = DecodeChecked(base64);
    if (!vysledek) throw ChybaTypu(QStringLiteral("Base64"));
    return *std::move(vysledek);
}

QString clsBase64::Decode(const QString& base64) {
    auto vysledek = DecodeChecked(base64);
    if (!vysledek) throw ChybaTypu(QStringLiteral("Base64"));
    return *std::move(vysledek);
}

QByteArray clsBase64::MakeLine(const QByteArray& text) { return naRadky(text, '\r', '\n'); }

QString clsBase64::MakeLine(const QString& text) { return naRadky(text, QChar(u'\r'), QChar(u'\n')); }

QByteArray clsBase64::ClearCRLF(const QByteArray& text) {
    QByteArray vystup = text;
    vystup.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return vystup;
}

QString clsBase64::ClearCRLF(const QString& text) {
    QString vystup = text;
    vystup.removeIf([](QChar c) { return c == u'\r' || c == u'\n'; });
    return vystup;
}
