#include "shell/application.h"

#include "standard/standwindow.h"

Application::Application() = default;
Application::~Application() = default;

StandWindow &Application::stand()
{
    if (!stand_)
        stand_ = std::make_unique<StandWindow>(state_);
    return *stand_;
}

void Application::start()
{
    stand().show();
    stand().activateWindow();
}
