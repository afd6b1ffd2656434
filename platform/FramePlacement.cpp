#include "FramePlacement.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "X11Connection.h"

namespace vexilor {
namespace {

// A window manager sets a frame's extents within a few milliseconds of being asked or of
// framing the window; this long it may take under load before the window goes unframed.
constexpr int kAnswerPatienceMs = 500;

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// What the window manager says about the frames of an X server's windows.
class WindowManagerFrames {
public:
    WindowManagerFrames(xcb_connection_t* connection, xcb_window_t window)
        : connection_(connection), window_(window) {
        const std::array names{"_NET_SUPPORTED", "_NET_SUPPORTING_WM_CHECK",
                               "_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"};
        for (size_t i = 0; i < names.size(); ++i)
            atoms_[i] = internedAtom(connection, names[i]);
        const Owned<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr),
            &std::free);
        root_ = tree ? tree->root : xcb_window_t(XCB_WINDOW_NONE);
    }

    // Whether a window manager runs that says what its frames take. One that has gone
    // leaves its properties on the root window; only a living one keeps a check window
    // that names itself.
    bool framesWindows() const {
        const std::vector<uint32_t> check = values(root_, kCheck, XCB_ATOM_WINDOW);
        return check.size() == 1 && values(check[0], kCheck, XCB_ATOM_WINDOW) == check &&
               supports(kExtents);
    }

    // Asks for the window's frame extents before the window is mapped, if the window
    // manager takes such requests, and answers them; none if it gives none, or only zeros
    // (as some do until the window is mapped).
    std::optional<QMargins> extentsBeforeMapping() const {
        std::optional<QMargins> extents = this->extents();
        if (!extents && supports(kRequest)) {
            xcb_client_message_event_t request{};
            request.response_type = XCB_CLIENT_MESSAGE;
            request.format = 32;
            request.window = window_;
            request.type = atoms_[kRequest];
            xcb_send_event(
                connection_, 0, root_,
                XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                reinterpret_cast<const char*>(&request));
            xcb_flush(connection_);
            extents = awaitedExtents();
        }
        return extents && !extents->isNull() ? extents : std::nullopt;
    }

    // The extents as soon as the window manager has set them.
    std::optional<QMargins> awaitedExtents() const {
        // Qt's event thread takes the property's change, so the property is read anew.
        for (QDeadlineTimer patience(kAnswerPatienceMs); !patience.hasExpired();
             QThread::msleep(1)) {
            if (const std::optional<QMargins> set = extents())
                return set;
        }
        return std::nullopt;
    }

private:
    enum Atom { kSupported, kCheck, kRequest, kExtents };

    std::optional<QMargins> extents() const {
        const std::vector<uint32_t> sides = values(window_, kExtents, XCB_ATOM_CARDINAL);
        if (sides.size() != 4)
            return std::nullopt;
        // Given as left, right, top, bottom.
        return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
    }

    bool supports(Atom atom) const {
        const std::vector<uint32_t> supported = values(root_, kSupported, XCB_ATOM_ATOM);
        return std::find(supported.begin(), supported.end(), atoms_[atom]) != supported.end();
    }

    // The 32-bit values of a window's property; none if it or the window is missing.
    std::vector<uint32_t> values(xcb_window_t window, Atom property, xcb_atom_t type) const {
        const Owned<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, atoms_[property], type, 0, 1024), nullptr),
            &std::free);
        if (!reply || reply->format != 32)
            return {};
        const auto* first = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        return {first, first + xcb_get_property_value_length(reply.get()) / 4};
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::array<xcb_atom_t, 4> atoms_{};
};

// Runs `place` once when the window is first exposed: the window manager has framed it
// by then, and nothing of it is painted yet, so it is never seen at its first place.
class PlacementOnceFramed : public QObject {
public:
    PlacementOnceFramed(QWindow& window, std::function<void()> place)
        : QObject(&window), place_(std::move(place)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            place_();
        }
        return false;
    }

private:
    std::function<void()> place_;
};

}  // namespace

void placeByOuterSize(QWidget& window, const std::function<QPoint(QSize)>& outerTopLeft) {
    // The geometry is the window's own, without the frame, whatever Qt knows of the frame
    // (move() would place the frame once Qt knows it); Qt has the window manager keep the
    // window there (static gravity).
    const auto placeWithin = [&window, outerTopLeft](const QMargins& frame) {
        const QPoint outer = outerTopLeft(window.size().grownBy(frame));
        window.setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window.size()));
    };
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        placeWithin({});
        return;
    }
    const WindowManagerFrames frames(connection, xcb_window_t(window.winId()));
    if (!frames.framesWindows()) {
        placeWithin({});
        return;
    }
    if (const std::optional<QMargins> frame = frames.extentsBeforeMapping()) {
        placeWithin(*frame);
        return;
    }
    // This window manager tells the frame only once it has framed the window (KWin does).
    placeWithin({});
    if (window.windowHandle() != nullptr && !window.testAttribute(Qt::WA_Mapped)) {
        new PlacementOnceFramed(*window.windowHandle(), [placeWithin, frames] {
            placeWithin(frames.awaitedExtents().value_or(QMargins()));
        });
    }
}

}  // namespace vexilor
