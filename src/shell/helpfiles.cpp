#include "shell/helpfiles.h"

#include "core/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace helpfiles {
namespace {
bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}
}  // namespace

QString message(Problem problem)
{
    switch (problem) {
    case Problem::Damaged: return texts::kHelpDamaged;
    case Problem::NoWritablePlace: return texts::kHelpNoWritablePlace.arg(QDir::toNativeSeparators(QDir::tempPath()));
    case Problem::Missing:
    case Problem::None: break;
    }
    return texts::kHelpMissing;
}

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

QString prepareCollection(const QString &folder, std::unique_ptr<QTemporaryDir> &place)
{
    const auto copyInto = [&folder](const QString &base) -> std::unique_ptr<QTemporaryDir> {
        if (base.isEmpty())
            return nullptr;
        auto candidate = std::make_unique<QTemporaryDir>(base + QLatin1String("/zorvexa-help-XXXXXX"));
        if (!candidate->isValid())
            return nullptr;
        for (const char *name : {kCollectionFile, kDocumentationFile}) {
            const QString copy = candidate->filePath(QLatin1String(name));
            if (!QFile::copy(folder + QLatin1Char('/') + QLatin1String(name), copy) ||
                !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner))
                return nullptr;
        }
        return candidate;
    };
    // The temporary folder needs no home; the user's runtime folder is the
    // fallback when it is not writable.
    place = copyInto(QDir::tempPath());
    if (!place)
        place = copyInto(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    return place ? place->filePath(QLatin1String(kCollectionFile)) : QString();
}

}  // namespace helpfiles
