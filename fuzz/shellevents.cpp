// The events of the shell: view switches, the settings dialog, the help
// viewer, and the real message boxes of the runs that show them.
#include "eventdriver.h"

#include "describe.h"

#include "shell/application.h"
#include "shell/helpviewer.h"
#include "shell/optionsdialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <utility>

void EventDriver::viewEvent(QMainWindow *window)
{
    static const char *const items[] = {"egysz", "bovit", "info"};
    const QString name = QLatin1String(items[rng_.below(3)]) + describe::menuSuffix(window);
    QAction *item = window->findChild<QAction *>(name);
    if (!item)
        fail({QStringLiteral("%1 has no menu item %2").arg(window->objectName(), name)});
    perform(ViewSwitch, QStringLiteral("Nézet > %1 in %2").arg(item->text(), window->objectName()),
            [item] { item->trigger(); });
}

void EventDriver::optionsEvent(QMainWindow *window)
{
    OptionsDialog *options = app_.options();
    if (!options || !options->isVisible()) {
        activate(window);
        QAction *item = window->findChild<QAction *>(QStringLiteral("option"));
        perform(Options, QStringLiteral("Nézet > Beállítások in %1").arg(window->objectName()),
                [item] { item->trigger(); });
        return;
    }
    activate(options);
    const int r = rng_.below(100);
    if (r < 35) {
        perform(Options, QStringLiteral("options.Check1 (tips)"), [options] { options->Check1->click(); });
    } else if (r < 50) {
        perform(Options, QStringLiteral("options.Check2 (sound)"), [options] { options->Check2->click(); });
    } else if (r < 85) {
        click(options->Command1, QStringLiteral("options.Command1 \"OK\""), Options);
    } else {
        perform(Options, QStringLiteral("close options from its frame"), [options] { options->close(); });
    }
}

void EventDriver::helpEvent(QMainWindow *window)
{
    HelpViewer *viewer = app_.helpViewer();
    if (viewer && viewer->isVisible()) {
        const int r = rng_.below(100);
        if (r < 40) {
            searchHelp(viewer);
            return;
        }
        if (r < 70) {
            // The frame's close box, Escape or Ctrl+W.
            static const struct {
                Qt::Key key;
                Qt::KeyboardModifiers modifiers;
                const char *name;
            } closers[] = {{Qt::Key_unknown, Qt::NoModifier, "its frame"}, {Qt::Key_Escape, Qt::NoModifier, "Escape"},
                           {Qt::Key_W, Qt::ControlModifier, "Ctrl+W"}};
            const auto &closer = closers[rng_.below(3)];
            perform(Help, QStringLiteral("close the help window with %1").arg(QLatin1String(closer.name)),
                    [viewer, &closer] {
                        if (closer.key == Qt::Key_unknown) {
                            viewer->close();
                            return;
                        }
                        QApplication::setActiveWindow(viewer);
                        QWidget *target = viewer->focusWidget() ? viewer->focusWidget() : viewer;
                        QTest::keyClick(target, closer.key, closer.modifiers);
                    });
            return;
        }
    }
    // Index and Keresés do something in the standard window only.
    static const char *const items[] = {"tart", "index", "keres"};
    const QString name = QLatin1String(items[rng_.below(3)]) + describe::menuSuffix(window);
    QAction *item = window->findChild<QAction *>(name);
    perform(Help, QStringLiteral("Súgó > %1 in %2").arg(item->text(), window->objectName()),
            [item] { item->trigger(); });
}

void EventDriver::searchHelp(HelpViewer *viewer)
{
    // Words of the pages, accented or not, a prefix, and nothing to find.
    static const char *const words[] = {"memória", "memoria", "gyök*", "összeadás", "egyenlet", "xylofonzenekar", ""};
    const QString text = QString::fromUtf8(words[rng_.below(int(std::size(words)))]);
    perform(Help, QStringLiteral("search the help for %1").arg(describe::quoted(text)), [viewer, text] {
        viewer->search(text);
    });
}

void EventDriver::boxShown(const QString &text, messages::Icon icon, QWidget *owner)
{
    recorder_.shown.append({text, icon});
    boxOwner_ = owner ? owner->window() : QApplication::activeWindow();
    ++realBoxesShown_;
    // The box is in exec() when this runs: a user reads it, then closes it.
    QTimer::singleShot(rng_.below(3), this, &EventDriver::closeBox);
}

void EventDriver::closeBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        fail({QStringLiteral("a message box was shown, but no box is open to close")});
    // OK clicked, Return or Escape.
    const int r = rng_.below(4);
    if (r < 2)
        box->button(QMessageBox::Ok)->click();
    else
        QTest::keyClick(box, r == 2 ? Qt::Key_Return : Qt::Key_Escape);
    if (box->isVisible())
        fail({QStringLiteral("the message box did not close")});
}

void EventDriver::checkReactivation()
{
    // Activation arrives through the event loop: checked at the next event.
    QWidget *owner = std::exchange(boxOwner_, nullptr);
    if (!owner || !owner->isVisible() || QApplication::activeModalWidget())
        return;
    if (QApplication::activeWindow() != owner)
        fail({QStringLiteral("%1 is not active again after its message box closed (active: %2)")
                  .arg(owner->objectName(),
                       QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : QStringLiteral("none"))});
}
