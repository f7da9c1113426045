#include "shell/helpfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace helpfiles {
namespace {
bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}
}  // namespace

QString findHelpFolder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{appDir, appDir + QLatin1String("/../share/zorvexa")};
    for (const QString &folder : candidates) {
        if (readable(folder + QLatin1Char('/') + QLatin1String(kCollectionFile)) &&
            readable(folder + QLatin1Char('/') + QLatin1String(kDocumentationFile)))
            return QDir(folder).canonicalPath();
    }
    return QString();
}

QString prepareCollection(const QString &folder)
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath() + QLatin1String("/zorvexa");
    cache += QLatin1String("/help");
    // A fresh copy at every start: the installed files may have been updated.
    QDir(cache).removeRecursively();
    if (!QDir().mkpath(cache))
        return QString();
    for (const char *name : {kCollectionFile, kDocumentationFile}) {
        const QString copy = cache + QLatin1Char('/') + QLatin1String(name);
        if (!QFile::copy(folder + QLatin1Char('/') + QLatin1String(name), copy))
            return QString();
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    }
    return cache + QLatin1Char('/') + QLatin1String(kCollectionFile);
}

}  // namespace helpfiles
