#include "shell/helpfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace helpfiles {

QString findDocumentation()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{
        appDir + QLatin1Char('/') + QLatin1String(kDocumentationFile),
        appDir + QLatin1String("/../share/zorvexa/") + QLatin1String(kDocumentationFile),
    };
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable())
            return info.canonicalFilePath();
    }
    return QString();
}

QString prepareCollection(const QString &documentation)
{
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath() + QLatin1String("/zorvexa");
    if (!QDir().mkpath(cache))
        return QString();
    // A fresh copy at every start: the installed file may have been updated.
    const QString copy = cache + QLatin1Char('/') + QLatin1String(kDocumentationFile);
    const QString collection = cache + QLatin1String("/zorvexa.qhc");
    QFile::remove(copy);
    QFile::remove(collection);
    if (!QFile::copy(documentation, copy))
        return QString();
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return collection;
}

}  // namespace helpfiles
