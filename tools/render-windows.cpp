// Renders every window of Zorvexa to PNG files, offscreen, as a user first
// sees it (with a small calculation in the calculator windows):
//   zorvexa-pictures <folder> [--theme-font]
// With --theme-font the desktop's font (a theme's, say qt6ct's) is followed as
// Zorvexa follows it at start-up, instead of the 8-point design font; the help
// window, laid out by Qt, is left out then.
#include "extend/extendwindow.h"
#include "help/helpwindow.h"
#include "infos/infoswindow.h"
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/optionsdialog.h"
#include "shell/resources.h"
#include "solvers/linearwindow.h"
#include "solvers/masodfwindow.h"
#include "stand/standwindow.h"
#include "ui/contraststyle.h"
#include "ui/twips.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

bool save(QWidget &window, const QString &folder, const char *name)
{
    window.show();
    QTest::qWait(100);
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QLatin1String(".png");
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setStyle(new ContrastStyle);
    const bool themeFont = argc > 2 && QByteArray(argv[2]) == "--theme-font";
    if (themeFont) {
        twips::followDesktopFont();
    } else {
        QFont font = QApplication::font();
        font.setPointSize(8);
        QApplication::setFont(font);
    }
    loadResources();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pictures");
    QDir().mkpath(folder);
    bool ok = true;

    Application app;
    app.start();
    StandWindow &stand = app.stand();
    for (QPushButton *key :
         {stand.Command2[1], stand.Command2[2], stand.Command5[0], stand.Command2[3], stand.Command7})
        key->click();
    ok &= save(stand, folder, "stand");

    app.switchView(View::Stand, View::Extend);
    ExtendWindow &extend = app.extend();
    extend.Text1->setText(QStringLiteral("30"));
    extend.Command8[8]->click();  // sin
    ok &= save(extend, folder, "extend");

    app.switchView(View::Extend, View::Infos);
    InfosWindow &infos = app.infos();
    infos.Text1->setText(QStringLiteral("255"));
    infos.Option1[9]->setChecked(true);  // base 16
    ok &= save(infos, folder, "infos");

    MasodfWindow masodf;
    ok &= save(masodf, folder, "masodf");
    LinearWindow linear(app.state());
    ok &= save(linear, folder, "linear");

    app.showOptions();
    ok &= save(*app.options(), folder, "options");
    AboutDialog about;
    ok &= save(about, folder, "about");
    const std::unique_ptr<HelpWindow> help = openHelpWindow();
    if (!themeFont && help && help->isReady()) {
        help->showContents();
        ok &= save(*help->window(), folder, "help");
    }
    return ok ? 0 : 1;
}
