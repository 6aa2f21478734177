#include "platform/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace filestore {

namespace {

bool slozkaPro(const QString& cesta) { return QDir().mkpath(QFileInfo(cesta).absolutePath()); }

}  // namespace

std::optional<QByteArray> readAll(const QString& cesta) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray obsah = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return obsah;
}

std::optional<QByteArray> readTail(const QString& cesta, qint64 n) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(qMax<qint64>(0, f.size() - n))) return std::nullopt;
    return f.readAll();
}

bool replace(const QString& cesta, const QByteArray& bajty, std::optional<QFileDevice::Permissions> prava) {
    if (!slozkaPro(cesta)) return false;
    QSaveFile f(cesta);
    // Unbuffered: a write cut short shows in write()'s count, where the buffer's flush at commit
    // would let the short file through as complete.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if ((prava && !f.setPermissions(*prava)) || f.write(bajty) != bajty.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool append(const QString& cesta, const QByteArray& bajty) {
    if (!slozkaPro(cesta)) return false;
    QFile f(cesta);
    // Unbuffered as in replace(); a buffer still holding the rest would also stop the cut-back.
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) return false;
    const qint64 puvodni = f.size();
    if (f.write(bajty) == bajty.size()) return true;
    f.resize(puvodni);
    return false;
}

bool remove(const QString& cesta) { return !QFileInfo::exists(cesta) || QFile::remove(cesta); }

}  // namespace filestore
