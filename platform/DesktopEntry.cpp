#include "DesktopEntry.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <utility>

#include "X11Connection.h"

namespace vexilor {
namespace {

// Gives each new top-level X11 window the entry's name in _KDE_NET_WM_DESKTOP_FILE,
// before the window is first mapped, which is when the desktop reads it.
class X11EntryLabel : public QObject {
public:
    X11EntryLabel(xcb_connection_t* connection, QByteArray entryName)
        : QObject(qGuiApp),
          connection_(connection),
          entryName_(std::move(entryName)),
          property_(internedAtom(connection, "_KDE_NET_WM_DESKTOP_FILE")),
          type_(internedAtom(connection, "UTF8_STRING")) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->isTopLevel())
                xcb_change_property(connection_, XCB_PROP_MODE_REPLACE,
                                    static_cast<xcb_window_t>(window->winId()), property_, type_, 8,
                                    static_cast<uint32_t>(entryName_.size()),
                                    entryName_.constData());
        }
        return false;
    }

private:
    xcb_connection_t* connection_;
    QByteArray entryName_;
    xcb_atom_t property_;
    xcb_atom_t type_;
};

}  // namespace

void nameDesktopEntry(const QString& entryName) {
    QGuiApplication::setDesktopFileName(entryName);
    if (xcb_connection_t* connection = x11Connection())
        qGuiApp->installEventFilter(new X11EntryLabel(connection, entryName.toUtf8()));
}

}  // namespace vexilor
