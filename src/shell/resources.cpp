#include "shell/resources.h"

#include <QIcon>
#include <QImageReader>
#include <QString>

void loadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(zorvexa);
        return true;
    }();
    (void)loaded;
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
