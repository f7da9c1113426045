#include "shell/resources.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QSet>
#include <QString>
#include <QTranslator>

void loadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(zorvexa);
        return true;
    }();
    (void)loaded;
}

void loadTranslation(const QString &catalogue)
{
    static QSet<QString> loaded;
    if (loaded.contains(catalogue))
        return;
    loaded.insert(catalogue);
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QIcon appIcon()
{
    loadResources();
    // Drawn from the vector at every size; the pictures per size only where
    // Qt has no SVG support installed (decoding them all would slow the start).
    if (QImageReader::supportedImageFormats().contains("svg"))
        return QIcon(QStringLiteral(":/icons/zorvexa.svg"));
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zorvexa-%1.png").arg(size), QSize(size, size));
    return icon;
}
