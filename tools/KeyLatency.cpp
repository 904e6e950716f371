// Times Enter on the real window from outside the program, as the operator sees it: the
// key goes to the X server through XTEST and the screen is polled until the call field
// shows empty again.
//   vantor-keylatency ROUNDS
// The main window must have the keyboard, an empty form and the caret in the serial
// field. Each round types an exchange at 20 ms a key (a call that is never a duplicate
// of a generated log), waits for the screen to settle, then sends Enter and polls.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

std::vector<unsigned long> grab(Display* d, Window root, const Box& b) {
    XImage* image = XGetImage(d, root, b.x, b.y, static_cast<unsigned>(b.w),
                              static_cast<unsigned>(b.h), AllPlanes, ZPixmap);
    std::vector<unsigned long> pixels;
    if (!image)
        return pixels;
    pixels.reserve(static_cast<std::size_t>(b.w) * static_cast<std::size_t>(b.h));
    for (int y = 0; y < b.h; ++y)
        for (int x = 0; x < b.w; ++x)
            pixels.push_back(XGetPixel(image, x, y));
    XDestroyImage(image);
    return pixels;
}

void key(Display* d, KeySym sym) {
    const KeyCode code = XKeysymToKeycode(d, sym);
    XTestFakeKeyEvent(d, code, True, CurrentTime);
    XTestFakeKeyEvent(d, code, False, CurrentTime);
    XFlush(d);
}

void type(Display* d, const std::string& text) {
    for (char c : text) {
        const char name[2] = {c, 0};
        key(d, XStringToKeysym(name));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void settle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

// The bounding box of the pixels that differ, within the band of rows where the first
// difference from the top lies (the entry row; labels further down may change too).
Box changed(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b, int w,
            int h) {
    int top = -1;
    for (int y = 0; y < h && top < 0; ++y)
        for (int x = 0; x < w; ++x)
            if (a[static_cast<std::size_t>(y * w + x)] != b[static_cast<std::size_t>(y * w + x)]) {
                top = y;
                break;
            }
    if (top < 0)
        return {};
    Box box{w, top, 0, 0};
    int bottom = top, right = 0;
    for (int y = top; y < h; ++y) {
        bool any = false;
        for (int x = 0; x < w; ++x) {
            if (a[static_cast<std::size_t>(y * w + x)] != b[static_cast<std::size_t>(y * w + x)]) {
                any = true;
                box.x = std::min(box.x, x);
                right = std::max(right, x);
            }
        }
        if (!any)
            break;
        bottom = y;
    }
    box.w = right - box.x + 1;
    box.h = bottom - top + 1;
    return box;
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    const Box screen{0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d))};

    // Where the call field is: the first band that changes while only the call is typed.
    type(d, "12a");
    settle();
    const auto before = grab(d, root, screen);
    type(d, "w0zzqa");
    settle();
    const auto after = grab(d, root, screen);
    const Box call = changed(before, after, screen.w, screen.h);
    if (call.w <= 0) {
        std::fprintf(stderr, "the call field did not change\n");
        return 1;
    }
    type(d, "85ct");
    settle();
    key(d, XK_Return);
    settle();
    const auto empty = grab(d, root, call);
    std::fprintf(stderr, "call field at %d,%d %dx%d\n", call.x, call.y, call.w, call.h);

    std::vector<double> ms;
    for (int r = 1; r <= rounds; ++r) {
        const std::string letters = "abcdefghijklmnopqrstuvwxyz";
        std::string exchange = "12aw" + std::to_string(r % 10) + "zzq";
        exchange += letters[static_cast<std::size_t>(r / 10 % 26)];
        exchange += "85ct";
        type(d, exchange);
        settle();
        if (grab(d, root, call) == empty) {
            std::fprintf(stderr, "round %d: the call field shows nothing typed\n", r);
            return 1;
        }
        const auto start = Clock::now();
        key(d, XK_Return);
        while (grab(d, root, call) != empty) {
            if (Clock::now() - start > std::chrono::seconds(3)) {
                std::fprintf(stderr, "round %d: the call field did not empty\n", r);
                return 1;
            }
        }
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[static_cast<std::size_t>(q * static_cast<double>(ms.size() - 1))];
    };
    std::printf("Enter to empty call field, %d rounds: median %.2f ms, p10 %.2f, p90 %.2f, "
                "min %.2f, max %.2f\n",
                rounds, at(0.5), at(0.1), at(0.9), ms.front(), ms.back());
    XCloseDisplay(d);
    return 0;
}
