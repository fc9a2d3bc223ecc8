#include "coreresources.h"

#include <QtGlobal>

void initCoreResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(core);
        return true;
    }();
    Q_UNUSED(done)
}
