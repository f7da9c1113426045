#include "help/helpwindow.h"

#include <QPluginLoader>
#include <QtDebug>

std::unique_ptr<HelpWindow> openHelpWindow()
{
    const QString file = helpfiles::findViewerModule();
    if (file.isEmpty())
        return nullptr;
    // Loaded once per process; a second loader hands back the same module.
    QPluginLoader loader(file);
    auto *module = qobject_cast<HelpModule *>(loader.instance());
    if (!module) {
        qWarning().noquote() << loader.errorString();
        return nullptr;
    }
    return module->create();
}
