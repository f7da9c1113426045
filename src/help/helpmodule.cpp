// The root object of the help viewer module.
#include "help/helpviewer.h"
#include "help/helpwindow.h"

#include <QObject>

class HelpViewerModule : public QObject, public HelpModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZORVEXA_HELP_MODULE_IID)
    Q_INTERFACES(HelpModule)
public:
    std::unique_ptr<HelpWindow> create() override { return std::make_unique<HelpViewer>(); }
};

#include "helpmodule.moc"
