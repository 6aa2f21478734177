#include "net/MSocketSupport.h"

#include <QHash>

QString GetErrorDescription(int cislo) {
    static const QHash<int, const char*> texty = {
        {10004, "Interrupted function call."},
        {10013, "Permission denied."},
        {10014, "Bad address."},
        {10022, "Invalid argument."},
        {10024, "Too many open files."},
        {10035, "Resource temporarily unavailable."},
        {10036, "Operation now in progress."},
        {10037, "Operation already in progress."},
        {10038, "Socket operation on nonsocket."},
        {10039, "Destination address required."},
        {10040, "Message too long."},
        {10041, "Protocol wrong type for socket."},
        {10042, "Bad protocol option."},
        {10043, "Protocol not supported."},
        {10044, "Socket type not supported."},
        {10045, "Operation not supported."},
        {10046, "Protocol family not supported."},
        {10047, "Address family not supported by protocol family."},
        {10048, "Address already in use."},
        {10049, "Cannot assign requested address."},
        {10050, "Network is down."},
        {10051, "Network is unreachable."},
        {10052, "Network dropped connection on reset."},
        {10053, "Software caused connection abort."},
        {10054, "Connection reset by peer."},
        {10055, "No buffer space available."},
        {10056, "Socket is already connected."},
        {10057, "Socket is not connected."},
        {10058, "Cannot send after socket shutdown."},
        {10060, "Connection timed out."},
        {10061, "Connection refused."},
        {10064, "Host is down."},
        {10065, "No route to host."},
        {10067, "Too many processes."},
        {10091, "Network subsystem is unavailable."},
        {10092, "Winsock.dll version out of range."},
        {10093, "Successful WSAStartup not yet performed."},
        {10101, "Graceful shutdown in progress."},
        {10107, "System call failure."},
        {10109, "Class type not found."},
        {11001, "Host not found."},
        {11002, "Nonauthoritative host not found."},
        {11003, "This is a nonrecoverable error."},
        {11004, "Valid name, no data record of requested type."},
    };
    return QString::fromLatin1(texty.value(cislo, "Unknown error."));
}

QString textChybySocketu(int cislo) {
    return cislo == kChybaStavuSocketu
               ? QStringLiteral("Wrong protocol or connection state for the requested transaction or request.")
               : GetErrorDescription(cislo);
}

Integer UnsignedToInteger(qint32 slovo) {
    if (slovo < 0 || slovo > 65535) throw ChybaPreteceni();
    return Integer(slovo > 32767 ? slovo - 65536 : slovo);
}

qint32 IntegerToUnsigned(Integer cislo) { return cislo.value() < 0 ? cislo.value() + 65536 : cislo.value(); }

qint32 LoWord(qint32 hodnota) { return hodnota & 0xFFFF; }

qint32 HiWord(qint32 hodnota) { return static_cast<qint32>(static_cast<quint32>(hodnota) >> 16); }

int cisloChybySocketu(QAbstractSocket::SocketError chyba) {
    switch (chyba) {
        case QAbstractSocket::ConnectionRefusedError: return 10061;
        case QAbstractSocket::RemoteHostClosedError: return 10054;
        case QAbstractSocket::HostNotFoundError: return 11001;
        case QAbstractSocket::SocketAccessError: return 10013;
        case QAbstractSocket::SocketResourceError: return 10055;
        case QAbstractSocket::SocketTimeoutError: return 10060;
        case QAbstractSocket::DatagramTooLargeError: return 10040;
        case QAbstractSocket::NetworkError: return 10050;
        case QAbstractSocket::AddressInUseError: return 10048;
        case QAbstractSocket::SocketAddressNotAvailableError: return 10049;
        case QAbstractSocket::UnsupportedSocketOperationError: return 10045;
        case QAbstractSocket::TemporaryError: return 10035;
        default: return 10107;
    }
}
