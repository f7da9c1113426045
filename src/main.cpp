#include "ui/twips.h"
#include "shell/application.h"
#include "shell/resources.h"
#include "ui/contraststyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvexa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("hu.zorvexa.Zorvexa"));
    loadResources();
    loadTranslation(QStringLiteral("qtbase_hu"));
    QApplication::setWindowIcon(appIcon());
    // Fusion draws the key colours of the colourful scheme on every desktop;
    // its outlines and focus marks are redrawn to stay visible on every palette.
    QApplication::setStyle(new ContrastStyle);
    // The layouts' 8-point font, larger where the desktop's font is.
    twips::followDesktopFont();

    Application app;
    app.start();
    return qapp.exec();
}
