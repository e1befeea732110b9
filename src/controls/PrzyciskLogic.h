#pragma once

#include <QPoint>
#include <QSize>

// The parts of the image button that need no widget: where the caption goes and how a mouse move
// changes the hover state.
namespace PrzyciskLogic {

// Top-left of a caption of `text` size centred on the control, halves dropped toward zero.
QPoint captionOrigin(QSize control, QSize text);

struct HoverFlags
{
    bool entered = false; // the mouse has just come in and no move has been seen yet
    bool hovering = false; // the hover picture is shown
};

enum class Show { Nothing, Hover, Rest };

// One mouse move. Without a region the hover picture is set once, on the first move after
// entering; with one it follows the pointer in and out of the region.
Show mouseMoved(HoverFlags &flags, bool hasRegion, bool insideRegion);

} // namespace PrzyciskLogic
