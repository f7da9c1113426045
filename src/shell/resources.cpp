#include "shell/resources.h"

#include <QtGlobal>

void loadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(zorvexa);
        return true;
    }();
    (void)loaded;
}
