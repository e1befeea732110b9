#include "assets/InitAssets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must not be used inside a namespace, hence this plain function.
void initSolvarinAssets()
{
    Q_INIT_RESOURCE(assets);
}
