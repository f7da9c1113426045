#include "shell/application.h"

#include "informatics/infoswindow.h"
#include "scientific/extendwindow.h"
#include "shell/aboutdialog.h"
#include "shell/helpviewer.h"
#include "shell/menus.h"
#include "shell/optionsdialog.h"
#include "standard/standwindow.h"

#include "shared/messages.h"
#include "shared/texts.h"

#include <QApplication>
#include <QCloseEvent>

Application::Application() = default;

Application::~Application()
{
    quitting_ = true;
}

StandWindow &Application::stand()
{
    if (!stand_) {
        stand_ = std::make_unique<StandWindow>(state_);
        loaded(stand_.get(), View::Standard);
    }
    return *stand_;
}

ExtendWindow &Application::extend()
{
    if (!extend_) {
        extend_ = std::make_unique<ExtendWindow>(state_);
        loaded(extend_.get(), View::Extended);
    }
    return *extend_;
}

InfosWindow &Application::infos()
{
    if (!infos_) {
        infos_ = std::make_unique<InfosWindow>(state_);
        loaded(infos_.get(), View::Informatics);
    }
    return *infos_;
}

void Application::loaded(QMainWindow *window, View view)
{
    attachMenus(*this, window, view);
    window->installEventFilter(this);
    emit windowLoaded(view);
}

CalculatorWindow &Application::window(View view)
{
    switch (view) {
    case View::Extended: return extend();
    case View::Informatics: return infos();
    case View::Standard: break;
    }
    return stand();
}

bool Application::isLoaded(View view) const
{
    switch (view) {
    case View::Extended: return extend_ != nullptr;
    case View::Informatics: return infos_ != nullptr;
    case View::Standard: break;
    }
    return stand_ != nullptr;
}

void Application::start()
{
    stand().show();
    stand().activateWindow();
    QApplication::setActiveWindow(&stand());
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
    if (!options_)
        options_ = new OptionsDialog(*this);
    options_->show();
    options_->raise();
    options_->activateWindow();
}

OptionsDialog *Application::options() const
{
    return options_;
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

HelpViewer *Application::help()
{
    if (!help_ || !help_->isReady()) {
        help_ = std::make_unique<HelpViewer>();
        if (!help_->isReady()) {
            messages::show(texts::kHelpMissing, messages::Icon::Exclamation, visibleWindow());
            return nullptr;
        }
    }
    return help_.get();
}

void Application::showHelpContents()
{
    if (HelpViewer *viewer = help())
        viewer->showContents();
}

void Application::showHelpSearch()
{
    if (HelpViewer *viewer = help())
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
