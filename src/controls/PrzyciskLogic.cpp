#include "controls/PrzyciskLogic.h"

namespace PrzyciskLogic {

QPoint captionOrigin(QSize control, QSize text)
{
    return {(control.width() - text.width()) / 2, (control.height() - text.height()) / 2};
}

Show mouseMoved(HoverFlags &flags, bool hasRegion, bool insideRegion)
{
    if ((flags.entered && !hasRegion) || (hasRegion && insideRegion)) {
        flags.entered = false;
        flags.hovering = true;
        return Show::Hover;
    }
    if (flags.hovering && hasRegion && !insideRegion) {
        flags.hovering = false;
        return Show::Rest;
    }
    return Show::Nothing;
}

} // namespace PrzyciskLogic
