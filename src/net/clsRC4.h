#pragma once
// The RC4 stream cipher over Windows-1250 bytes; the same call enciphers and deciphers.
// Use: RC4ini(key), then one EnDeCrypt per message.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

class clsRC4 {
public:
    // The key is taken as the bytes of its text (a hex string stays 32 characters, it is not
    // turned into 16 bytes). An empty key throws run-time error 5.
    void RC4ini(const QByteArray& klic);
    void RC4ini(const QString& klic);

    // Each call starts the generator's indices afresh on the permutation left by the previous
    // call. Throws run-time error 5 on a non-empty text before RC4ini, rather than send it as it is.
    QByteArray EnDeCrypt(const QByteArray& text);
    QString EnDeCrypt(const QString& text);

private:
    std::array<std::uint8_t, 256> S{};
    bool m_pripraven = false;
};
