#include "guiresources.h"

#include "coreresources.h"

#include <QtGlobal>

void initGuiResources()
{
    static const bool done = [] {
        initCoreResources();
        Q_INIT_RESOURCE(icons);
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    Q_UNUSED(done)
}
