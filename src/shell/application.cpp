#include "shell/application.h"

#include "extend/extendwindow.h"
#include "help/helpfiles.h"
#include "help/helpwindow.h"
#include "infos/infoswindow.h"
#include "shell/aboutdialog.h"
#include "shell/menus.h"
#include "shell/optionsdialog.h"
#include "shell/quitkeys.h"
#include "stand/standwindow.h"

#include "ui/messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QToolTip>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM, SIGHUP and SIGINT (Ctrl+C in a terminal) end the application as
// Kilépés does, so the help's private copy is removed: the handler only
// writes a byte, and the event loop, a modal box's included, reads it.
int signalPipe[2] = {-1, -1};
QPointer<Application> running;

void onTerminationSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}

void endOnTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        if (running)
            running->quit();
        else
            QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}

}  // namespace

Application::Application() = default;

Application::~Application() { quitting_ = true; }

StandWindow &Application::stand()
{
    if (!stand_) {
        stand_ = std::make_unique<StandWindow>(state_);
        loaded(stand_.get(), View::Stand);
    }
    return *stand_;
}

ExtendWindow &Application::extend()
{
    if (!extend_) {
        extend_ = std::make_unique<ExtendWindow>(state_);
        loaded(extend_.get(), View::Extend);
    }
    return *extend_;
}

InfosWindow &Application::infos()
{
    if (!infos_) {
        infos_ = std::make_unique<InfosWindow>(state_);
        loaded(infos_.get(), View::Infos);
    }
    return *infos_;
}

void Application::loaded(QMainWindow *window, View view)
{
    MenuActions actions;
    actions.switchView = [this](View from, View to) { switchView(from, to); };
    actions.options = [this] { showOptions(); };
    actions.helpContents = [this] { showHelpContents(); };
    actions.helpSearch = [this] { showHelpSearch(); };
    actions.about = [this](QMainWindow *owner) { showAbout(owner); };
    actions.quit = [this] { quit(); };
    attachMenus(window, view, actions);
    window->installEventFilter(this);
    emit windowLoaded(view);
}

CalculatorWindow &Application::window(View view)
{
    switch (view) {
    case View::Extend: return extend();
    case View::Infos: return infos();
    case View::Stand: break;
    }
    return stand();
}

bool Application::isLoaded(View view) const
{
    switch (view) {
    case View::Extend: return extend_ != nullptr;
    case View::Infos: return infos_ != nullptr;
    case View::Stand: break;
    }
    return stand_ != nullptr;
}

void Application::start()
{
    running = this;
    endOnTerminationSignals();
    new QuitKeys([this] { quit(); }, this);
    stand().show();
    stand().activateWindow();
    QApplication::setActiveWindow(&stand());
    // A killed instance could not remove its help copy. Looked for a moment
    // after the window is up, so the start is not slowed, and at every start,
    // whether or not the help is opened in this run.
    QTimer::singleShot(2000, this, [] { helpfiles::removeLeftovers(); });
}

void Application::switchView(View from, View to)
{
    if (from == to)
        return;
    QMainWindow &target = window(to);
    target.show();
    target.activateWindow();
    QApplication::setActiveWindow(&target);  // activation runs its Form_Activate now
    for (View other : kViews)
        if (other != from && other != to)
            window(other).hide();
    window(from).hide();
}

void Application::showOptions()
{
    if (!options_) {
        options_ = new OptionsDialog;
        connect(options_, &OptionsDialog::tipsChosen, this, [this](bool on) {
            setTips(on);
            // The calculator window becomes active again, dropping a pending operation.
            if (QMainWindow *calculator = visibleWindow()) {
                calculator->activateWindow();
                QApplication::setActiveWindow(calculator);
            }
        });
    }
    options_->show();
    options_->raise();
    options_->activateWindow();
}

OptionsDialog *Application::options() const { return options_; }

void Application::setTips(bool on)
{
    QToolTip::hideText();
    for (View view : kViews)
        window(view).showTips(on);
}

void Application::showAbout(QMainWindow *owner)
{
    {
        AboutDialog about(owner);
        about.exec();
    }
    // No platform hands activation back after a modal dialog closes.
    owner->activateWindow();
    QApplication::setActiveWindow(owner);
}

HelpWindow *Application::help()
{
    if (!help_ || !help_->isReady()) {
        help_ = openHelpWindow();
        const helpfiles::Problem problem = help_ ? help_->problem() : helpfiles::Problem::NoViewer;
        if (problem != helpfiles::Problem::None) {
            messages::show(helpfiles::message(problem), messages::Icon::Exclamation, visibleWindow());
            return nullptr;
        }
    }
    return help_.get();
}

void Application::showHelpContents()
{
    if (HelpWindow *viewer = help())
        viewer->showContents();
}

void Application::showHelpSearch()
{
    if (HelpWindow *viewer = help())
        viewer->showSearch();
}

QMainWindow *Application::visibleWindow()
{
    for (View view : kViews)
        if (isLoaded(view) && window(view).isVisible())
            return &window(view);
    return nullptr;
}

void Application::quit()
{
    quitting_ = true;
    QApplication::exit(0);
}

bool Application::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the calculator from its frame ends the application: the other
    // views are only hidden and would keep an invisible process alive.
    if (event->type() == QEvent::Close && !quitting_) {
        auto *window = qobject_cast<QMainWindow *>(watched);
        if (window && window->isVisible())
            quit();
    }
    return QObject::eventFilter(watched, event);
}
