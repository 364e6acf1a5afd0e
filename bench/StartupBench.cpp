// Start-up as the user sees it, timed by the X server's map notifications:
//
//   startup_bench [--rounds N] [--settle MS] [--verbose] <voltaris> <bare program>
//
// Runs the program and the bare baseline alternately (A B A B ...) under the
// display in $DISPLAY, after one discarded warm-up run of each. Listens to
// SubstructureNotify on the root window and takes the time of each MapNotify
// of a top-level window as it arrives, so nothing polls. For the program:
// process start to the first window mapped (the About box), then, once the
// box has settled, Return sent to it and the time from that to the next
// window mapped (the menu window). For the baseline: process start to its
// dialog mapped. After each start-up has settled, the resident set of the
// process is read from /proc.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Options {
    int rounds = 15;
    int settleMs = 400;
    bool verbose = false;
    std::string app;
    std::string bare;
};

class Display {
  public:
    Display() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) {
            std::fprintf(stderr, "cannot open the display (run under xvfb-run)\n");
            std::exit(2);
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        returnKey_ = KeycodeOf(0xff0d);  // XK_Return
    }
    ~Display() { xcb_disconnect(connection_); }

    // Waits for the next top-level, non-override-redirect window to be
    // mapped; returns it and the time its notification arrived.
    std::optional<std::pair<xcb_window_t, Clock::time_point>> NextMap(int timeoutMs) {
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const Clock::time_point now = Clock::now();
                const bool isMap = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const bool topLevel = isMap && map->event == root_ && !map->override_redirect;
                const xcb_window_t window = map->window;
                std::free(event);
                if (topLevel)
                    return std::make_pair(window, now);
            }
            const int left = static_cast<int>(Ms(deadline - Clock::now()));
            if (left <= 0)
                return std::nullopt;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, left);
            if (xcb_connection_has_error(connection_))
                return std::nullopt;
        }
    }

    // Presses and releases Return in the window, as a user would.
    void PressReturn(xcb_window_t window) {
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        for (uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
            xcb_key_press_event_t key{};
            key.response_type = type;
            key.detail = returnKey_;
            key.root = root_;
            key.event = window;
            key.child = XCB_NONE;
            key.same_screen = 1;
            key.time = XCB_CURRENT_TIME;
            xcb_send_event(connection_, 0, window,
                           type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE,
                           reinterpret_cast<const char*>(&key));
        }
        xcb_flush(connection_);
    }

    std::string Title(xcb_window_t window) {
        xcb_get_property_cookie_t cookie =
            xcb_get_property(connection_, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
        std::string title;
        if (reply) {
            title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         static_cast<size_t>(xcb_get_property_value_length(reply)));
            std::free(reply);
        }
        return title;
    }

    // Drops notifications left over from a previous run.
    void Drain() {
        Sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

  private:
    // A round trip: every event the server sent before it has arrived.
    void Sync() {
        std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    xcb_keycode_t KeycodeOf(uint32_t keysym) {
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const uint8_t count = static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1);
        xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
            connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr);
        xcb_keycode_t found = 36;  // Return on the usual evdev layout
        if (reply) {
            const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
            const int perCode = reply->keysyms_per_keycode;
            for (int code = 0; code < count && perCode > 0; ++code) {
                if (syms[code * perCode] == keysym) {
                    found = static_cast<xcb_keycode_t>(setup->min_keycode + code);
                    break;
                }
            }
            std::free(reply);
        }
        return found;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_keycode_t returnKey_;
};

pid_t Start(const std::string& program) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::perror(program.c_str());
        _exit(127);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Resident set in KiB (VmRSS), 0 when unreadable.
long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

void Sleep(int ms) {
    usleep(static_cast<useconds_t>(ms) * 1000);
}

struct AppRun {
    double toAbout = 0;  // process start -> About box mapped
    double toMenu = 0;   // Return sent to the About box -> menu window mapped
    long rssKiB = 0;
};

struct BareRun {
    double toDialog = 0;
    long rssKiB = 0;
};

constexpr int kTimeoutMs = 20000;

std::optional<AppRun> RunApp(Display& display, const Options& options) {
    display.Drain();
    AppRun run;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start(options.app);
    const auto about = display.NextMap(kTimeoutMs);
    if (!about) {
        Stop(pid);
        return std::nullopt;
    }
    run.toAbout = Ms(about->second - start);
    if (options.verbose)
        std::printf("  mapped \"%s\" after %.1f ms\n", display.Title(about->first).c_str(), run.toAbout);
    Sleep(options.settleMs);  // the user reads the box before pressing Ok
    const Clock::time_point closed = Clock::now();
    display.PressReturn(about->first);
    const auto menu = display.NextMap(kTimeoutMs);
    if (!menu) {
        Stop(pid);
        return std::nullopt;
    }
    run.toMenu = Ms(menu->second - closed);
    if (options.verbose)
        std::printf("  mapped \"%s\" %.1f ms after Return\n", display.Title(menu->first).c_str(), run.toMenu);
    Sleep(options.settleMs);
    run.rssKiB = ResidentKiB(pid);
    Stop(pid);
    return run;
}

std::optional<BareRun> RunBare(Display& display, const Options& options) {
    display.Drain();
    BareRun run;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start(options.bare);
    const auto dialog = display.NextMap(kTimeoutMs);
    if (!dialog) {
        Stop(pid);
        return std::nullopt;
    }
    run.toDialog = Ms(dialog->second - start);
    if (options.verbose)
        std::printf("  mapped \"%s\" after %.1f ms\n", display.Title(dialog->first).c_str(), run.toDialog);
    Sleep(options.settleMs);
    run.rssKiB = ResidentKiB(pid);
    Stop(pid);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

Options Parse(int argc, char* argv[]) {
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            options.rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--settle" && i + 1 < argc)
            options.settleMs = std::max(0, std::atoi(argv[++i]));
        else if (arg == "--verbose")
            options.verbose = true;
        else
            programs.push_back(arg);
    }
    if (programs.size() != 2) {
        std::fprintf(stderr, "usage: %s [--rounds N] [--settle MS] [--verbose] <voltaris> <bare program>\n",
                     argv[0]);
        std::exit(2);
    }
    options.app = programs[0];
    options.bare = programs[1];
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    const Options options = Parse(argc, argv);
    // Qt wants a private runtime folder; without one it warns on every start.
    char runtime[] = "/tmp/startup-bench-XXXXXX";
    const bool ownRuntime = std::getenv("XDG_RUNTIME_DIR") == nullptr && mkdtemp(runtime) != nullptr;
    if (ownRuntime)
        setenv("XDG_RUNTIME_DIR", runtime, 1);
    Display display;

    // Warm-up: the first runs fill the page cache and the font caches.
    if (!RunApp(display, options) || !RunBare(display, options)) {
        std::fprintf(stderr, "a warm-up run did not map its windows\n");
        return 1;
    }
    std::vector<double> toAbout, toMenu, bare, aboutRatio, totalRatio, appRss, bareRss, rssRatio;
    std::printf("round  about(ms)  menu(ms)  bare(ms)  about/bare  app RSS(KiB)  bare RSS(KiB)\n");
    for (int round = 1; round <= options.rounds; ++round) {
        const std::optional<AppRun> a = RunApp(display, options);
        const std::optional<BareRun> b = RunBare(display, options);
        if (!a || !b) {
            std::fprintf(stderr, "round %d: a window was not mapped within %d ms\n", round, kTimeoutMs);
            return 1;
        }
        toAbout.push_back(a->toAbout);
        toMenu.push_back(a->toMenu);
        bare.push_back(b->toDialog);
        aboutRatio.push_back(a->toAbout / b->toDialog);
        totalRatio.push_back((a->toAbout + a->toMenu) / b->toDialog);
        appRss.push_back(static_cast<double>(a->rssKiB));
        bareRss.push_back(static_cast<double>(b->rssKiB));
        rssRatio.push_back(static_cast<double>(a->rssKiB) / static_cast<double>(b->rssKiB));
        std::printf("%5d  %9.1f  %8.1f  %8.1f  %10.2f  %12ld  %13ld\n", round, a->toAbout, a->toMenu,
                    b->toDialog, aboutRatio.back(), a->rssKiB, b->rssKiB);
    }
    std::printf("\nmedians over %d rounds (A B A B):\n", options.rounds);
    std::printf("  start -> About box mapped        %8.1f ms\n", Median(toAbout));
    std::printf("  About closed -> menu mapped      %8.1f ms\n", Median(toMenu));
    std::printf("  bare: start -> dialog mapped     %8.1f ms\n", Median(bare));
    std::printf("  ratio About / bare               %8.2f x (median of per-round ratios)\n",
                Median(aboutRatio));
    std::printf("  ratio (About + menu) / bare      %8.2f x\n", Median(totalRatio));
    std::printf("  resident: app %.0f KiB, bare %.0f KiB, ratio %.2f x\n", Median(appRss), Median(bareRss),
                Median(rssRatio));
    if (ownRuntime)
        rmdir(runtime);
    return 0;
}
