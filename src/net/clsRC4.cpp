#include "net/clsRC4.h"

#include "platform/Cp1250.h"
#include "platform/Errors.h"

#include <utility>

void clsRC4::RC4ini(const QByteArray& klic) {
    if (klic.isEmpty()) throw ChybaVolani(QStringLiteral("prázdný klíč RC4"));
    const qsizetype n = klic.size();
    for (int i = 0; i < 256; ++i) S[i] = static_cast<std::uint8_t>(i);
    unsigned j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + S[i] + static_cast<std::uint8_t>(klic[i % n])) & 255;
        std::swap(S[i], S[j]);
    }
    m_pripraven = true;
}

void clsRC4::RC4ini(const QString& klic) { RC4ini(cp1250::encode(klic)); }

QByteArray clsRC4::EnDeCrypt(const QByteArray& text) {
    if (text.isEmpty()) return {};
    if (!m_pripraven) throw ChybaVolani(QStringLiteral("RC4 bez klíče"));
    QByteArray vystup(text.size(), Qt::Uninitialized);
    unsigned i = 0, j = 0;
    for (qsizetype p = 0; p < text.size(); ++p) {
        i = (i + 1) & 255;
        j = (j + S[i]) & 255;
        std::swap(S[i], S[j]);
        vystup[p] = static_cast<char>(static_cast<std::uint8_t>(text[p]) ^ S[(S[i] + S[j]) & 255]);
    }
    return vystup;
}

QString clsRC4::EnDeCrypt(const QString& text) { return cp1250::decode(EnDeCrypt(cp1250::encode(text))); }
