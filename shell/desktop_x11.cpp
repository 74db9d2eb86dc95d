// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QImage>
#include <QSysInfo>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>
#include <xcb/xcb.h>

namespace kolomaf::desktop {

void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

namespace {

using namespace std::chrono_literals;

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reply<T> reply(T *r)
{
    return Reply<T>(r, &std::free);
}

xcb_connection_t *connection()
{
    // The offscreen platform answers as X11 too, without a connection.
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Interns the names in one round trip.
template <size_t N> std::array<xcb_atom_t, N> atoms(xcb_connection_t *c, const char *const (&names)[N])
{
    std::array<xcb_intern_atom_cookie_t, N> cookies;
    for (size_t i = 0; i < N; ++i)
        cookies[i] = xcb_intern_atom(c, 0, uint16_t(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, N> out;
    for (size_t i = 0; i < N; ++i) {
        auto r = reply(xcb_intern_atom_reply(c, cookies[i], nullptr));
        out[i] = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return out;
}

std::vector<uint32_t> property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type)
{
    auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 1024), nullptr));
    if (!r || r->format != 32 || r->type != type)
        return {};
    const auto *data = static_cast<const uint32_t *>(xcb_get_property_value(r.get()));
    return {data, data + xcb_get_property_value_length(r.get()) / 4};
}

// A window's place on the root window, and its parent: the manager's frame
// once it has taken the window in.
struct Placement
{
    QRect client;
    xcb_window_t parent = XCB_WINDOW_NONE;
    QRect parentRect;
};

std::optional<Placement> placement(xcb_connection_t *c, xcb_window_t root, xcb_window_t w)
{
    auto geometry = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    auto tree = reply(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
    auto onRoot
        = reply(xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, root, 0, 0), nullptr));
    if (!geometry || !tree || !onRoot)
        return std::nullopt;
    Placement p;
    p.client = QRect(onRoot->dst_x, onRoot->dst_y, geometry->width, geometry->height);
    p.parent = tree->parent;
    if (p.parent != root) {
        auto frame = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, p.parent), nullptr));
        if (!frame)
            return std::nullopt;
        p.parentRect = QRect(frame->x, frame->y, frame->width, frame->height);
    }
    return p;
}

class Frames
{
public:
    static Frames &instance()
    {
        static Frames frames;
        return frames;
    }

    void aboutToMap(xcb_window_t w, QPoint frameTopLeft)
    {
        if (!manager() || m_known)
            return;
        if (m_answersRequests) {
            xcb_client_message_event_t ask {};
            ask.response_type = XCB_CLIENT_MESSAGE;
            ask.format = 32;
            ask.window = w;
            ask.type = m_request;
            xcb_send_event(m_c, 0, m_root,
                XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                reinterpret_cast<const char *>(&ask));
            xcb_flush(m_c);
            m_asked.push_back(w);
        } else if (!m_sample) {
            m_sample = Sample {w, frameTopLeft};
        }
    }

    QMargins margins(xcb_window_t own)
    {
        if (!manager())
            return {};
        if (own != XCB_WINDOW_NONE)
            if (auto m = extents(own))
                return *(m_known = m);
        if (m_known)
            return *m_known;
        // The first answer takes a round trip to the manager; waiting for it
        // once keeps the first screen from landing off centre.
        const auto deadline = std::chrono::steady_clock::now() + (m_answersRequests ? 100ms : 300ms);
        const bool wait = !m_gaveUp && (!m_asked.empty() || m_sample);
        do {
            if (m_answersRequests) {
                for (xcb_window_t w : m_asked)
                    if (auto m = extents(w))
                        return *(m_known = m);
            } else if (m_sample) {
                if (auto m = learnt(*m_sample))
                    return *(m_known = m);
            }
            if (!wait)
                break;
            std::this_thread::sleep_for(1ms);
        } while (std::chrono::steady_clock::now() < deadline);
        m_gaveUp = m_gaveUp || wait;
        return {};
    }

    // Where the manager moves a frame without telling the client (weston's
    // XWayland manager), Qt keeps the place it asked for: its pointer and
    // accessibility positions go wrong, and so would a screen's next place.
    // The manager owes the client a synthetic ConfigureNotify; send it.
    void tellPlacement(xcb_window_t w)
    {
        const auto p = placement(m_c, m_root, w);
        if (!p || p->parent == m_root)
            return;
        xcb_configure_notify_event_t moved {};
        moved.response_type = XCB_CONFIGURE_NOTIFY;
        moved.event = w;
        moved.window = w;
        moved.above_sibling = XCB_WINDOW_NONE;
        moved.x = int16_t(p->client.x());
        moved.y = int16_t(p->client.y());
        moved.width = uint16_t(p->client.width());
        moved.height = uint16_t(p->client.height());
        // With no event mask it goes to this program alone: the manager
        // must not take it for news of its own.
        xcb_send_event(m_c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&moved));
        xcb_flush(m_c);
    }

    bool quietManager() { return manager() && !m_answersRequests; }
    xcb_window_t root() const { return m_root; }

    std::optional<xcb_window_t> activeWindow()
    {
        if (!manager())
            return std::nullopt;
        const auto active = property(m_c, m_root, m_active, XCB_ATOM_WINDOW);
        if (active.empty())
            return std::nullopt;
        return active[0];
    }

private:
    struct Sample
    {
        xcb_window_t window;
        QPoint frameTopLeft;
    };

    bool manager()
    {
        if (m_present)
            return true;
        m_c = connection();
        if (!m_c)
            return false;
        if (m_root == XCB_WINDOW_NONE) {
            m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
            const auto a = atoms(m_c,
                {"_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS",
                    "_NET_FRAME_EXTENTS", "_NET_ACTIVE_WINDOW"});
            m_check = a[0];
            m_supported = a[1];
            m_request = a[2];
            m_extents = a[3];
            m_active = a[4];
        }
        // A window manager names a window of its own on the root, and that
        // window names itself.
        const auto check = property(m_c, m_root, m_check, XCB_ATOM_WINDOW);
        if (check.empty() || property(m_c, check[0], m_check, XCB_ATOM_WINDOW) != check)
            return false;
        const auto supported = property(m_c, m_root, m_supported, XCB_ATOM_ATOM);
        m_answersRequests = std::find(supported.begin(), supported.end(), m_request) != supported.end();
        return m_present = true;
    }

    std::optional<QMargins> extents(xcb_window_t w)
    {
        const auto e = property(m_c, w, m_extents, XCB_ATOM_CARDINAL); // left, right, top, bottom
        if (e.size() != 4)
            return std::nullopt;
        return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
    }

    // Where the manager does not tell, it still puts the frame's corner
    // where it was asked to: the client's offset from there is the frame's
    // left and top. Its own frame window may be wider by a shadow, the same
    // on every side, which the right and bottom edges lose again.
    std::optional<QMargins> learnt(const Sample &s)
    {
        const auto p = placement(m_c, m_root, s.window);
        if (!p || p->parent == m_root || !p->parentRect.contains(p->client))
            return std::nullopt;
        const QPoint offset = p->client.topLeft() - s.frameTopLeft;
        if (offset.x() < 0 || offset.y() < 0 || offset.x() > 64 || offset.y() > 96)
            return std::nullopt;
        const int shadowX = p->client.left() - p->parentRect.left() - offset.x();
        const int shadowY = p->client.top() - p->parentRect.top() - offset.y();
        const int right = p->parentRect.right() - p->client.right() - shadowX;
        const int bottom = p->parentRect.bottom() - p->client.bottom() - shadowY;
        if (shadowX < 0 || shadowY < 0 || right < 0 || bottom < 0)
            return std::nullopt;
        return QMargins(offset.x(), offset.y(), right, bottom);
    }

    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_root = XCB_WINDOW_NONE;
    xcb_atom_t m_check = XCB_ATOM_NONE, m_supported = XCB_ATOM_NONE, m_request = XCB_ATOM_NONE,
               m_extents = XCB_ATOM_NONE, m_active = XCB_ATOM_NONE;
    bool m_present = false;
    bool m_answersRequests = false;
    bool m_gaveUp = false;
    std::vector<xcb_window_t> m_asked;
    std::optional<Sample> m_sample;
    std::optional<QMargins> m_known;
};

// Follows the frames the manager puts the program's windows in: each time
// one is placed or moved, the window inside is told where it now stands.
class PlacementWatch : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *e = static_cast<const xcb_generic_event_t *>(message);
        switch (e->response_type & 0x7f) {
        case XCB_REPARENT_NOTIFY: {
            const auto *r = reinterpret_cast<const xcb_reparent_notify_event_t *>(e);
            // Qt watches its own windows' structure; the frames are ours.
            if (r->event != r->window || m_clients.contains(r->window) || r->parent == Frames::instance().root())
                break;
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection(), r->parent, XCB_CW_EVENT_MASK, &mask);
            m_clients[r->parent] = r->window;
            Frames::instance().tellPlacement(r->window);
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto *c = reinterpret_cast<const xcb_configure_notify_event_t *>(e);
            if (const auto client = m_clients.find(c->window); client != m_clients.end())
                Frames::instance().tellPlacement(client->second);
            break;
        }
        case XCB_DESTROY_NOTIFY:
            m_clients.erase(reinterpret_cast<const xcb_destroy_notify_event_t *>(e)->window);
            break;
        }
        return false;
    }

private:
    std::unordered_map<xcb_window_t, xcb_window_t> m_clients; // frame -> client
};

xcb_window_t nativeWindow(const QWidget *w)
{
    return w && w->testAttribute(Qt::WA_WState_Created) ? xcb_window_t(w->winId())
                                                        : xcb_window_t(XCB_WINDOW_NONE);
}

// Whether an RGB32 image goes to the server as it is: 32 bits a pixel in
// the server's byte order, for a drawable of depth 24.
bool takesRgb32(xcb_connection_t *c)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST || QSysInfo::ByteOrder != QSysInfo::LittleEndian)
        return false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == 24)
            return f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    return false;
}

} // namespace

class SentPicture
{
public:
    ~SentPicture()
    {
        if (m_sent.valid())
            m_sent.wait();
        if (m_c)
            xcb_disconnect(m_c);
    }

    // On the thread: a pixmap on the server with the picture in it, once
    // the server has answered after the last band.
    bool send(const QImage &picture)
    {
        if (picture.format() != QImage::Format_RGB32 || picture.isNull())
            return false;
        int screenNumber = 0;
        m_c = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_c) || !takesRgb32(m_c))
            return false;
        auto screen = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber && screen.rem; ++i)
            xcb_screen_next(&screen);
        if (!screen.rem)
            return false;
        // In bands that fit in one request, its 24-byte head included.
        const uint64_t room = uint64_t(xcb_get_maximum_request_length(m_c)) * 4 - 24;
        const int rows
            = int(std::min<uint64_t>(uint64_t(picture.height()), room / uint64_t(picture.bytesPerLine())));
        if (rows < 1)
            return false;
        m_pixmap = xcb_generate_id(m_c);
        xcb_create_pixmap(
            m_c, 24, m_pixmap, screen.data->root, uint16_t(picture.width()), uint16_t(picture.height()));
        const xcb_gcontext_t gc = xcb_generate_id(m_c);
        xcb_create_gc(m_c, gc, m_pixmap, 0, nullptr);
        for (int y = 0; y < picture.height(); y += rows) {
            const int band = std::min(rows, picture.height() - y);
            xcb_put_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_pixmap, gc, uint16_t(picture.width()),
                uint16_t(band), 0, int16_t(y), 0, 24, uint32_t(band * picture.bytesPerLine()),
                picture.constScanLine(y));
        }
        xcb_free_gc(m_c, gc);
        m_size = picture.size();
        auto answer = reply(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        return answer && !xcb_connection_has_error(m_c);
    }

    std::future<bool> m_sent;
    xcb_connection_t *m_c = nullptr;
    xcb_pixmap_t m_pixmap = XCB_PIXMAP_NONE;
    QSize m_size;
};

std::shared_ptr<SentPicture> sendPicture(std::function<QImage()> draw)
{
    // After choosePlatform(), before Qt has a connection of its own. Only
    // to a server on this machine (":0", "unix:0"): over a network (ssh -X,
    // a thin client) the megabyte would slow Qt's own start.
    const QString display = qEnvironmentVariable("DISPLAY");
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("xcb"))
        || !(display.startsWith(QLatin1Char(':')) || display.startsWith(QLatin1String("unix:"))))
        return nullptr;
    auto picture = std::make_shared<SentPicture>();
    picture->m_sent = std::async(
        std::launch::async, [p = picture.get(), draw = std::move(draw)] { return p->send(draw()); });
    return picture;
}

bool showPicture(const QWidget *window, const std::shared_ptr<SentPicture> &picture)
{
    xcb_connection_t *c = connection();
    const xcb_window_t w = nativeWindow(window);
    // The picture is there long before the window maps; a server slow to
    // take it does not hold the start up.
    if (!c || !w || !picture || !picture->m_sent.valid()
        || picture->m_sent.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready
        || !picture->m_sent.get() || picture->m_size != window->size() || window->devicePixelRatio() != 1)
        return false;
    // The picture went to the server the DISPLAY names; it must be this
    // window's, with the window's depth.
    const auto windowGeometry = xcb_get_geometry(c, w);
    const auto pixmapGeometry = xcb_get_geometry(c, picture->m_pixmap);
    auto ofWindow = reply(xcb_get_geometry_reply(c, windowGeometry, nullptr));
    xcb_generic_error_t *error = nullptr;
    auto ofPixmap = reply(xcb_get_geometry_reply(c, pixmapGeometry, &error));
    std::free(error);
    if (!ofWindow || !ofPixmap || ofWindow->depth != ofPixmap->depth || ofWindow->root != ofPixmap->root
        || ofWindow->width != ofPixmap->width || ofWindow->height != ofPixmap->height)
        return false;
    xcb_change_window_attributes(c, w, XCB_CW_BACK_PIXMAP, &picture->m_pixmap);
    return true;
}

void dropPicture(const QWidget *window)
{
    // Qt's own windows have none, so that nothing is painted under its paint.
    xcb_connection_t *c = connection();
    if (const xcb_window_t w = nativeWindow(window); c && w) {
        const uint32_t none = XCB_BACK_PIXMAP_NONE;
        xcb_change_window_attributes(c, w, XCB_CW_BACK_PIXMAP, &none);
        xcb_flush(c);
    }
}

bool isActive(const QWidget *window)
{
    if (const auto active = Frames::instance().activeWindow())
        return *active == nativeWindow(window);
    return window->isActiveWindow();
}

void flushDisplay()
{
    if (xcb_connection_t *c = connection())
        xcb_flush(c);
}

void aboutToMap(const QWidget *window, QPoint frameTopLeft)
{
    if (xcb_window_t w = nativeWindow(window))
        Frames::instance().aboutToMap(w, frameTopLeft);
}

QMargins frameMargins(const QWidget *window)
{
    return Frames::instance().margins(nativeWindow(window));
}

bool framesWhereMade()
{
    return Frames::instance().quietManager();
}

void watchPlacement()
{
    static bool watching = false;
    if (watching || !Frames::instance().quietManager())
        return;
    qApp->installNativeEventFilter(new PlacementWatch);
    watching = true;
}

} // namespace kolomaf::desktop
