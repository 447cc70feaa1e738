// Whole-process start-up of Lunetra against the least any Qt program with one window of text
// costs: each program is started afresh, runs alternating, and timed from exec to its first
// window mapped and to that window's first paint, as the X server sees them. Memory is the
// peak resident size of the same runs.
//
// Usage, on an X display (scripts/bench.sh has the whole command):
//   bench_startup [-n RUNS] BASELINE PROGRAM...
// Every program is compared with the baseline; several builds of Lunetra can so be set side
// by side in one run.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Run {
    double mapped = -1; // ms from exec
    double painted = -1;
    double peakMiB = -1;
};

long PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class Display {
public:
    Display() {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("no X display: run this under xvfb-run");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present)
            throw std::runtime_error("the X server has no DAMAGE extension");
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(m_connection,
                                            xcb_damage_query_version(m_connection, 1, 1), nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }

    // Starts the program and follows its windows until the first mapped one is painted.
    Run measure(const std::string& program, char** environment) {
        drain();
        Run run;
        const double start = Now();
        const pid_t pid = fork();
        if (pid == 0) {
            char* arguments[] = {const_cast<char*>(program.c_str()), nullptr};
            execve(program.c_str(), arguments, environment);
            _exit(127);
        }
        std::set<xcb_window_t> created;
        xcb_window_t shown = XCB_NONE;
        const double deadline = start + 20000;
        while (run.painted < 0 && Now() < deadline) {
            xcb_generic_event_t* event = next(deadline);
            if (!event)
                break;
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, so that no paint can slip by before it is mapped.
                const auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event);
                created.insert(create->window);
                xcb_damage_create(m_connection, xcb_generate_id(m_connection), create->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(m_connection);
            } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (created.count(map->window)) {
                    shown = map->window;
                    run.mapped = Now() - start;
                }
            } else if (type == m_damageEvent && shown != XCB_NONE) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                if (damage->drawable == shown)
                    run.painted = Now() - start;
            }
            free(event);
        }
        // Whatever the first paint left to do is done by now.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        run.peakMiB = double(PeakKiB(pid)) / 1024.0;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return run;
    }

private:
    xcb_generic_event_t* next(double deadline) {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
                return event;
            const int left = int(deadline - Now());
            if (left <= 0)
                return nullptr;
            pollfd watch{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&watch, 1, left);
        }
    }
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            free(event);
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    uint8_t m_damageEvent = 0;
};

struct Summary {
    double median, low, high; // the median and the middle half of the runs
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) { return values[std::size_t(q * double(values.size() - 1))]; };
    return {at(0.5), at(0.25), at(0.75)};
}

// A fresh user for every run: a reminder asked today, so that nothing is asked, and no
// instance of Lunetra left over from the run before.
std::vector<std::string> FreshUser(const std::filesystem::path& home) {
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "config");
    std::filesystem::create_directories(home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
    char today[16];
    const std::time_t now = std::time(nullptr);
    std::strftime(today, sizeof today, "%Y-%m-%d", std::localtime(&now));
    std::ofstream(home / "config" / "lunetra.conf")
        << "[Settings]\nLastUpdateReminder=" << today << "\n";
    return {"XDG_CONFIG_HOME=" + (home / "config").string(),
            "XDG_RUNTIME_DIR=" + (home / "runtime").string()};
}

} // namespace

int main(int argc, char** argv) {
    int runs = 21;
    std::vector<std::string> programs; // the baseline first
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "-n" && i + 1 < argc)
            runs = std::max(3, std::atoi(argv[++i]));
        else
            programs.emplace_back(argv[i]);
    }
    if (programs.size() < 2) {
        std::fprintf(stderr, "usage: %s [-n RUNS] BASELINE PROGRAM...\n", argv[0]);
        return 2;
    }
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("lunetra-bench-" + std::to_string(getpid()));

    std::vector<std::string> keep;
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        if (text.rfind("XDG_CONFIG_HOME=", 0) && text.rfind("XDG_RUNTIME_DIR=", 0) &&
            text.rfind("QT_QPA_PLATFORM=", 0))
            keep.push_back(text);
    }

    Display display;
    std::vector<std::vector<Run>> results(programs.size());
    for (int round = -1; round < runs; ++round) { // round -1 warms the caches
        for (std::size_t which = 0; which < programs.size(); ++which) {
            std::vector<std::string> variables = keep;
            for (std::string& fresh : FreshUser(home))
                variables.push_back(std::move(fresh));
            std::vector<char*> environment;
            for (std::string& variable : variables)
                environment.push_back(variable.data());
            environment.push_back(nullptr);
            const Run run = display.measure(programs[which], environment.data());
            if (run.painted < 0) {
                std::fprintf(stderr, "%s showed no painted window\n", programs[which].c_str());
                return 1;
            }
            if (round >= 0)
                results[which].push_back(run);
        }
    }
    std::filesystem::remove_all(home);

    std::printf("Start-up, whole process, %d alternating runs each: median [middle half], and "
                "the ratio of medians to the baseline\n",
                runs);
    for (std::size_t which = 0; which < programs.size(); ++which)
        std::printf("  %c: %s%s\n", char('A' + which), programs[which].c_str(),
                    which == 0 ? " (baseline)" : "");
    const auto row = [&](const char* name, double Run::*field) {
        double base = 0;
        std::printf("%-20s", name);
        for (std::size_t which = 0; which < programs.size(); ++which) {
            std::vector<double> values;
            for (const Run& run : results[which])
                values.push_back(run.*field);
            const Summary s = Summarise(values);
            if (which == 0)
                base = s.median;
            std::printf("  %c %6.1f [%6.1f, %6.1f]", char('A' + which), s.median, s.low, s.high);
            if (which > 0)
                std::printf(" %.2f", s.median / base);
        }
        std::printf("\n");
    };
    row("to mapped (ms)", &Run::mapped);
    row("to first paint (ms)", &Run::painted);
    row("peak memory (MiB)", &Run::peakMiB);
    return 0;
}
