#include "x_display_client.h"

#ifdef BEDITOR_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace beditor::test {

#ifdef BEDITOR_HAVE_X11

struct XDisplayClient::Connection {
  Display* display = nullptr;
  ~Connection() {
    if (display) XCloseDisplay(display);
  }
};

namespace {

// The windows looked at belong to another process and may go at any moment, between being
// listed and being asked about: such a request fails (the caller sees a failed call) instead
// of Xlib's default handler ending the test process.
int IgnoreVanishedWindows(Display*, XErrorEvent*) { return 0; }

}  // namespace

XDisplayClient::XDisplayClient() : connection_(std::make_unique<Connection>()) {}
XDisplayClient::~XDisplayClient() = default;

bool XDisplayClient::Open(const std::string& displayName) {
  connection_->display = XOpenDisplay(displayName.c_str());
  XSetErrorHandler(IgnoreVanishedWindows);
  return connection_->display != nullptr;
}

void XDisplayClient::Close() {
  if (connection_->display) XCloseDisplay(connection_->display);
  connection_->display = nullptr;
}

std::vector<unsigned long> XDisplayClient::WindowsTitled(const std::string& title) {
  std::vector<unsigned long> found;
  Display* display = connection_->display;
  if (!display) return found;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  XSync(display, False);
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return found;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name) {
      if (title == name) found.push_back(children[i]);
      XFree(name);
    }
  }
  if (children) XFree(children);
  return found;
}

std::vector<IconPicture> XDisplayClient::WindowIcon(unsigned long window) {
  std::vector<IconPicture> pictures;
  Display* display = connection_->display;
  if (!display) return pictures;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  // Long enough for every size up to 256 x 256 and then some (the length is in 32-bit units).
  const long length = 1 << 20;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), 0, length,
                         False, XA_CARDINAL, &type, &format, &count, &remaining, &data) != Success ||
      !data)
    return pictures;
  // Xlib hands 32-bit items over as longs. Each picture: width, height, then its pixels.
  const auto* values = reinterpret_cast<const long*>(data);
  for (unsigned long i = 0; format == 32 && i + 2 <= count;) {
    IconPicture picture;
    picture.width = static_cast<int>(values[i]);
    picture.height = static_cast<int>(values[i + 1]);
    const unsigned long pixels = static_cast<unsigned long>(picture.width) * picture.height;
    i += 2;
    if (picture.width <= 0 || picture.height <= 0 || i + pixels > count) break;
    for (unsigned long p = 0; p < pixels; ++p) picture.argb.push_back(static_cast<std::uint32_t>(values[i + p]));
    i += pixels;
    pictures.push_back(std::move(picture));
  }
  XFree(data);
  return pictures;
}

WindowPicture XDisplayClient::WindowImage(unsigned long window) {
  WindowPicture picture;
  Display* display = connection_->display;
  XWindowAttributes attributes;
  if (!display || !XGetWindowAttributes(display, window, &attributes)) return picture;
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!image) return picture;
  picture.width = attributes.width;
  picture.height = attributes.height;
  picture.rgb.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  // The private displays are 24-bit TrueColor: a pixel value is 0xRRGGBB.
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      picture.rgb.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFFu);
  XDestroyImage(image);
  return picture;
}

void XDisplayClient::SendDeleteWindow(unsigned long window) {
  Display* display = connection_->display;
  if (!display) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

#else

struct XDisplayClient::Connection {};
XDisplayClient::XDisplayClient() = default;
XDisplayClient::~XDisplayClient() = default;
bool XDisplayClient::Open(const std::string&) { return false; }
void XDisplayClient::Close() {}
std::vector<unsigned long> XDisplayClient::WindowsTitled(const std::string&) { return {}; }
std::vector<IconPicture> XDisplayClient::WindowIcon(unsigned long) { return {}; }
WindowPicture XDisplayClient::WindowImage(unsigned long) { return {}; }
void XDisplayClient::SendDeleteWindow(unsigned long) {}

#endif

}  // namespace beditor::test
