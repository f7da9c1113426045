#include "help/helpfiles.h"

#include "core/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

namespace helpfiles {
namespace {
const QLatin1String kFolderPrefix("zorvexa-help-");
const QLatin1String kOwnerFile("owner.lock");

bool readable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}
}  // namespace

QString message(Problem problem)
{
    switch (problem) {
    case Problem::Damaged: return core::texts::kHelpDamaged;
    case Problem::NoWritablePlace:
        return core::texts::kHelpNoWritablePlace.arg(QDir::toNativeSeparators(QDir::tempPath()));
    case Problem::NoViewer: return core::texts::kHelpViewerMissing.arg(QLatin1String(kViewerModule));
    case Problem::Missing:
    case Problem::None: break;
    }
    return core::texts::kHelpMissing;
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

QString findViewerModule()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &folder : {appDir, appDir + QLatin1String("/" ZORVEXA_HELP_MODULE_DIR)}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(kViewerModule);
        if (readable(path))
            return QDir::cleanPath(path);
    }
    return QString();
}

QString prepareCollection(const QString &folder, std::unique_ptr<PrivateFolder> &place)
{
    const auto copyInto = [&folder](const QString &base) -> std::unique_ptr<PrivateFolder> {
        if (base.isEmpty())
            return nullptr;
        auto candidate =
            std::make_unique<PrivateFolder>(base + QLatin1Char('/') + kFolderPrefix + QLatin1String("XXXXXX"));
        if (!candidate->folder.isValid())
            return nullptr;
        candidate->owner = std::make_unique<QLockFile>(candidate->folder.filePath(kOwnerFile));
        if (!candidate->owner->tryLock(0))
            return nullptr;
        for (const char *name : {kCollectionFile, kDocumentationFile}) {
            const QString copy = candidate->folder.filePath(QLatin1String(name));
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
    return place ? place->folder.filePath(QLatin1String(kCollectionFile)) : QString();
}

void removeLeftovers()
{
    // Where copies are made; the runtime folder only when the session names
    // one, since asking Qt for it would make one.
    for (const QString &base : {QDir::tempPath(), qEnvironmentVariable("XDG_RUNTIME_DIR")}) {
        if (base.isEmpty())
            continue;
        const QFileInfoList found =
            QDir(base).entryInfoList({kFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QFileInfo &info : found) {
            // A copy without its lock file is being made (or is not ours to
            // judge); one whose lock can be taken has lost its owner. The
            // lock's own check tells a dead owner from a live one, also
            // when the pid was used again by another program.
            const QString ownerFile = info.filePath() + QLatin1Char('/') + kOwnerFile;
            if (info.isSymLink() || info.ownerId() != ::geteuid() || !QFileInfo::exists(ownerFile))
                continue;
            QLockFile owner(ownerFile);
            owner.setStaleLockTime(0);  // only a dead owner makes it stale, never age
            if (!owner.tryLock(0))
                continue;
            owner.unlock();
            QDir(info.filePath()).removeRecursively();
        }
    }
}

}  // namespace helpfiles
