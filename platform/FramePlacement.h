#pragma once

#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

namespace vexilor {

// Moves the top-level `window` so that its outer rectangle, the window manager's frame
// (title bar and borders) included, has its top-left where `outerTopLeft` puts a window
// of that outer size. Call it before the window's first showing (from its show event,
// once it has its size) or after; it makes the window's native window if there is none.
// `outerTopLeft` may be kept and called again as the window is first exposed.
//
// On X11 the frame is what the window manager says it is (_NET_FRAME_EXTENTS). Before
// the window is mapped the window manager is asked (_NET_REQUEST_FRAME_EXTENTS); one that
// tells the frame only once it has framed the window has the window placed by its inner
// size and once more as it is first exposed, before anything of it is painted. Where
// nothing frames the window (a bare X server) the outer size is the window's own, and on
// Wayland, where the compositor places the windows, the move does nothing.
void placeByOuterSize(QWidget& window, const std::function<QPoint(QSize)>& outerTopLeft);

}  // namespace vexilor
