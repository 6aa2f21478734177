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

bool replace(const QString& cesta, const QByteArray& bajty) {
    if (!slozkaPro(cesta)) return false;
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(bajty) != bajty.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool append(const QString& cesta, const QByteArray& bajty) {
    if (!slozkaPro(cesta)) return false;
    QFile f(cesta);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append)) return false;
    const qint64 puvodni = f.size();
    if (f.write(bajty) == bajty.size() && f.flush()) return true;
    f.resize(puvodni);
    return false;
}

bool remove(const QString& cesta) { return !QFileInfo::exists(cesta) || QFile::remove(cesta); }

}  // namespace filestore
