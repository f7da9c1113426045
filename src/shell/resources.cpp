#include "shell/resources.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
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
    // The rendered sizes, not the SVG, which would load Qt's SVG icon engine
    // and library for the icon alone. Read as PNG by name: a reader that
    // guesses the format asks every image plugin first, loading them all.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/icons/zorvexa-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
