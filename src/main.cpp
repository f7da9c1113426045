#include "shell/application.h"
#include "shell/resources.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvexa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("hu.zorvexa.Zorvexa"));
    loadResources();
    loadTranslation(QStringLiteral("qtbase_hu"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zorvexa-64.png")));
    // Fusion draws the key colours of the colourful scheme on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    Application app;
    app.start();
    return qapp.exec();
}
