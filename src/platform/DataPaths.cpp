#include "platform/DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString dataDir() {
    const QString env = qEnvironmentVariable("SORVENIKA_DATA");
    if (!env.isEmpty()) return QDir::cleanPath(QDir(env).absolutePath());
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/Data"));
}

QString appPath() {
    if (!qEnvironmentVariableIsEmpty("SORVENIKA_DATA")) return QFileInfo(dataDir()).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString resolvePath(const QString& cesta) {
    QString p = cesta;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty()) return p;
    if (QDir::isRelativePath(p)) p = appPath() + QLatin1Char('/') + p;
    p = QDir::cleanPath(p);
    if (QFileInfo::exists(p)) return p;

    // Walk the parts; where one is missing, look for a case-insensitive match in its folder.
    const QStringList casti = p.split(QLatin1Char('/'));
    QString hotovo = casti.first();  // "" for an absolute path
    for (qsizetype i = 1; i < casti.size(); ++i) {
        const QString& cast = casti[i];
        QString dalsi = hotovo + QLatin1Char('/') + cast;
        if (!QFileInfo::exists(dalsi)) {
            const QDir slozka(hotovo.isEmpty() ? QStringLiteral("/") : hotovo);
            const QStringList jmena = slozka.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& j : jmena) {
                if (j.compare(cast, Qt::CaseInsensitive) == 0) {
                    dalsi = hotovo + QLatin1Char('/') + j;
                    break;
                }
            }
        }
        hotovo = dalsi;
    }
    return hotovo;
}

QString dataFile(const QString& relativni) {
    QString r = relativni;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return resolvePath(dataDir() + QLatin1Char('/') + r);
}
