#pragma once
// What is left of the socket support once Qt's event loop delivers the socket events: the
// Windows Sockets error numbers with their fixed English texts, and the error they travel in.
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <QAbstractSocket>
#include <QString>

inline constexpr int kChybaStavuSocketu = 40006;  // wrong protocol or connection state

// The fixed text of a Windows Sockets error number; "Unknown error." for any other.
QString GetErrorDescription(int cislo);

// The same, and the socket class's own 40006.
QString textChybySocketu(int cislo);

// A port or other 16-bit word 0..65535 as the signed Integer that carries it (32768..65535 below
// zero); any other value is the overflow error. IntegerToUnsigned is the way back.
Integer UnsignedToInteger(qint32 slovo);
qint32 IntegerToUnsigned(Integer cislo);
// The low and the high 16 bits, each 0..65535.
qint32 LoWord(qint32 hodnota);
qint32 HiWord(qint32 hodnota);

// The Windows Sockets number of one of Qt's socket errors.
int cisloChybySocketu(QAbstractSocket::SocketError chyba);

// A socket-layer error: the number, its text and where it arose ("clsSocket.SendData").
class SocketError : public RuntimeError {
public:
    SocketError(int cislo, QString zdroj) : RuntimeError(cislo, textChybySocketu(cislo)), m_zdroj(std::move(zdroj)) {}
    const QString& zdroj() const { return m_zdroj; }

private:
    QString m_zdroj;
};
