#include "shell/application.h"
#include "shell/commandline.h"
#include "shell/resources.h"
#include "ui/contraststyle.h"
#include "ui/translations.h"
#include "ui/twips.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {
constexpr const char *kVersion = "1.0.0";

// Sets the window icon once the first window has painted: decoding the
// icon's sizes before would delay the window by as much.
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(appIcon());
                deleteLater();
            });
        }
        return false;
    }
};
}  // namespace

int main(int argc, char *argv[])
{
    // --help, --version and a missing display are answered before Qt starts.
    if (const int code = commandline::handle(argc, argv, kVersion); code >= 0)
        return code;
    commandline::watchPlatformStart();
    QApplication qapp(argc, argv);
    commandline::platformStarted();
    QApplication::setApplicationName(QStringLiteral("Zorvexa"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setDesktopFileName(QStringLiteral("hu.zorvexa.zorvexa"));
    loadResources();
    loadTranslation(QStringLiteral("qtbase_hu"));
    // Fusion draws the key colours of the colourful scheme on every desktop;
    // its outlines and focus marks are redrawn to stay visible on every palette.
    QApplication::setStyle(new ContrastStyle);
    // The layouts' 8-point font, larger where the desktop's font is.
    twips::followDesktopFont();

    Application app;
    app.start();
    app.visibleWindow()->installEventFilter(new IconAfterFirstPaint(&app));
    return qapp.exec();
}
