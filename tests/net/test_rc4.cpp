#include "net/clsRC4.h"
#include "platform/Cp1250.h"
#include "platform/Errors.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

QByteArray keystream(const QByteArray& klic, int delka) {
    clsRC4 rc4;
    rc4.RC4ini(klic);
    return rc4.EnDeCrypt(QByteArray(delka, '\0'));
}

}  // namespace

// Published keystreams (RFC 6229) and text vectors, so enciphering is checked against someone
// else's RC4; the program's keys are their 32 characters as text, from a separate RC4 that
// reproduces the published vectors.
TEST(RC4, PublishedVectorsAndTheProgramsKeys) {
    const struct { QByteArray klic; int offset; const char* hex; } vektory[] = {
        {QByteArray::fromHex("0102030405"), 0, "b2396305f03dc027ccc3524a0a1118a8"},
        {QByteArray::fromHex("0102030405"), 240, "28cb1132c96ce286421dcaadb8b69eae"},
        {QByteArray::fromHex("0102030405"), 4096, "ff25b58995996707e51fbdf08b34d875"},
        {QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10"), 0, "9ac7cc9a609d1ef7b2932899cde41b97"},
        {"e3b94c07a51f6d28c9e0b7a43d12f865", 0, "eb75a49600abde2243edd053efed1e21"},
        {"5f08c2d7e19a4b63f2c58e0d7a91b34c", 0, "0c4cd39ce5b07659a0d3b286760ff486"},
    };
    for (const auto& v : vektory) EXPECT_EQ(keystream(v.klic, v.offset + 16).mid(v.offset).toHex(), QByteArray(v.hex)) << v.hex;

    const struct { const char* klic; const char* text; const char* hex; } texty[] = {
        {"Key", "Plaintext", "bbf316e8d940af0ad3"},
        {"Wiki", "pedia", "1021bf0420"},
        {"Secret", "Attack at dawn", "45a01f645fc35b383552544b9bf5"},
    };
    for (const auto& v : texty) {
        clsRC4 rc4;
        rc4.RC4ini(QByteArray(v.klic));
        EXPECT_EQ(rc4.EnDeCrypt(QByteArray(v.text)).toHex(), QByteArray(v.hex)) << v.klic;
        // Deciphering is the same operation, here through the text form.
        rc4.RC4ini(QString::fromLatin1(v.klic));
        EXPECT_EQ(rc4.EnDeCrypt(cp1250::decode(QByteArray::fromHex(v.hex))), QString::fromLatin1(v.text)) << v.klic;
    }
    // A Czech key is its Windows-1250 bytes.
    clsRC4 rc4;
    rc4.RC4ini(QStringLiteral("žluť"));
    EXPECT_EQ(rc4.EnDeCrypt(QByteArray(8, '\0')).toHex(), QByteArray("c2b70eea47e8c68a"));
}

TEST(RC4, SecondCallRestartsIndicesOnTheChangedPermutation) {
    clsRC4 rc4;
    rc4.RC4ini(QByteArray("Key"));
    EXPECT_EQ(rc4.EnDeCrypt(QByteArray(8, '\0')).toHex(), QByteArray("eb9f7781b734ca72"));
    EXPECT_EQ(rc4.EnDeCrypt(QByteArray(8, '\0')).toHex(), QByteArray("557b4affe2ef0e57"));
}

TEST(RC4, EmptyKeyAndMissingKey) {
    clsRC4 rc4;
    EXPECT_EQ(cisloChyby([&] { rc4.EnDeCrypt(QByteArray("text")); }), 5);
    EXPECT_EQ(rc4.EnDeCrypt(QByteArray()), QByteArray());
    EXPECT_EQ(cisloChyby([&] { rc4.RC4ini(QString()); }), 5);
    rc4.RC4ini(QByteArray("Key"));
    EXPECT_EQ(rc4.EnDeCrypt(QString()), QString());
}
