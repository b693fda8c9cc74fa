// Times the game's start from outside, by watching the X server's own
// framebuffer (Xvfb -fbdir) rather than trusting the game to report on itself:
// from the moment the process is started to the first frame that shows the
// start-up window painted, and from the "Let's Play!" click to the first frame
// that shows the main window. The root window must be black (Xvfb -br), so any
// lit pixel belongs to a window the game has painted.
// Given IDLE_SECONDS, one more start then idles on the main window while its
// CPU time and resident memory are measured.
// Usage: bench_startup GAME DATA_FOLDER FRAMEBUFFER_FILE [RUNS [IDLE_SECONDS]]

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// Where "Let's Play!" sits in the start-up window, and a point of the window's
// plain background level with it.
constexpr int ButtonX = 143, ButtonY = 304;
constexpr int BackgroundX = 20;
// Pixels are sampled on a grid this fine; a window counts as painted once this
// many of its samples are lit.
constexpr int Step = 4;
constexpr int PaintedSamples = 2000;
constexpr int PointerSamples = 50;

struct Box
{
    int left = 0, top = 0, right = -1, bottom = -1;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

std::uint32_t bigEndian(const unsigned char* bytes)
{
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 |
           std::uint32_t(bytes[2]) << 8 | bytes[3];
}

// The screen as Xvfb keeps it: an XWD file mapped into memory, updated in place.
class Framebuffer
{
public:
    explicit Framebuffer(const char* path)
    {
        const int fd = open(path, O_RDONLY);
        if (fd < 0)
            return;
        struct stat info = {};
        void* mapped = MAP_FAILED;
        if (fstat(fd, &info) == 0) {
            m_size = size_t(info.st_size);
            mapped = mmap(nullptr, m_size, PROT_READ, MAP_SHARED, fd, 0);
        }
        close(fd);
        if (mapped == MAP_FAILED)
            return;
        m_bytes = static_cast<const unsigned char*>(mapped);
        // The XWD header: 25 big-endian words, then the colour map, then pixels.
        const auto word = [this](int index) { return bigEndian(m_bytes + 4 * index); };
        m_width = int(word(4));
        m_height = int(word(5));
        m_bitsPerPixel = int(word(11));
        m_bytesPerLine = int(word(12));
        m_pixels = m_bytes + word(0) + 12 * word(19);
    }
    ~Framebuffer()
    {
        if (m_bytes)
            munmap(const_cast<unsigned char*>(m_bytes), m_size);
    }
    Framebuffer(const Framebuffer&) = delete;
    Framebuffer& operator=(const Framebuffer&) = delete;

    bool usable() const { return m_bytes && m_bitsPerPixel == 32; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    std::uint32_t pixel(int x, int y) const
    {
        std::uint32_t value;
        std::copy_n(m_pixels + y * m_bytesPerLine + 4 * x, 4,
                    reinterpret_cast<unsigned char*>(&value));
        return value & 0xffffff;
    }

    int litSamples(const Box& outside = {}) const
    {
        int lit = 0;
        for (int y = 0; y < m_height; y += Step)
            for (int x = 0; x < m_width; x += Step)
                lit += pixel(x, y) != 0 && !outside.contains(x, y);
        return lit;
    }

    Box litBox() const
    {
        Box box{m_width, m_height, -1, -1};
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (pixel(x, y) != 0)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
        return box;
    }

private:
    const unsigned char* m_bytes = nullptr;
    const unsigned char* m_pixels = nullptr;
    size_t m_size = 0;
    int m_width = 0, m_height = 0, m_bitsPerPixel = 0, m_bytesPerLine = 0;
};

// Polls every 100 µs; the time at which `done` first held, or nothing after 10 s.
std::optional<Clock::time_point> waitFor(const std::function<bool()>& done)
{
    const auto giveUp = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < giveUp) {
        if (done())
            return Clock::now();
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return std::nullopt;
}

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

pid_t startGame(const char* game, const char* folder)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (chdir(folder) == 0)
            execl(game, game, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void click(Display* display, int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

struct Times
{
    double startUp = 0;
    double letsPlay = 0;
};

long clockTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    // The fields after the command name, which may hold spaces, from field 3.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::vector<std::string> values{std::istream_iterator<std::string>(fields), {}};
    return values.size() > 12 ? std::stol(values[11]) + std::stol(values[12]) : 0;
}

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// With the main window up: the share of one core used over `seconds`, and the
// resident memory at the end.
void measureIdle(pid_t pid, int seconds)
{
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const long before = clockTicks(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const long used = clockTicks(pid) - before;
    std::printf("idle CPU over %d s:           %6.2f %% of a core\n", seconds,
                100.0 * double(used) / double(sysconf(_SC_CLK_TCK)) / seconds);
    std::printf("resident memory:             %6.1f MB\n", double(residentKilobytes(pid)) / 1024);
}

// The game's process, ended however the measuring ends.
class Game
{
public:
    Game(const char* program, const char* folder) : m_pid(startGame(program, folder)) {}
    ~Game()
    {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    pid_t pid() const { return m_pid; }

private:
    pid_t m_pid;
};

std::optional<Times> fail(const char* why)
{
    std::fprintf(stderr, "bench_startup: %s\n", why);
    return std::nullopt;
}

std::optional<Times> timeOneStart(const Framebuffer& screen, Display* display, const char* program,
                                  const char* folder, int idleSeconds = 0)
{
    // Xvfb draws the pointer into its framebuffer: it waits in the middle of
    // the screen, inside where the start-up window will be, and is too small
    // to count as a window.
    XTestFakeMotionEvent(display, -1, screen.width() / 2, screen.height() / 2, CurrentTime);
    XSync(display, False);
    if (!waitFor([&] { return screen.litSamples() < PointerSamples; }))
        return fail("the screen never cleared");

    const auto started = Clock::now();
    const Game game(program, folder);
    const auto painted = waitFor([&] { return screen.litSamples() >= PaintedSamples; });
    if (!painted)
        return fail("no start-up window");

    const Box splash = screen.litBox();
    const int x = splash.left + ButtonX, y = splash.top + ButtonY;
    if (!waitFor([&] { return screen.pixel(x, y) != screen.pixel(splash.left + BackgroundX, y); }))
        return fail("no \"Let's Play!\" button");
    click(display, x, y);
    const auto clicked = Clock::now();
    const auto mainShown = waitFor([&] { return screen.litSamples(splash) >= PaintedSamples; });
    if (!mainShown)
        return fail("no main window after the click");

    if (idleSeconds > 0)
        measureIdle(game.pid(), idleSeconds);
    return Times{milliseconds(*painted - started), milliseconds(*mainShown - clicked)};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(
            stderr,
            "usage: bench_startup GAME DATA_FOLDER FRAMEBUFFER_FILE [RUNS [IDLE_SECONDS]]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 10;
    const int idleSeconds = argc > 5 ? std::max(0, std::atoi(argv[5])) : 0;
    const Framebuffer screen(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (!screen.usable() || !display) {
        std::fprintf(stderr, "bench_startup: needs a 24-bit Xvfb with -fbdir and DISPLAY set\n");
        return 2;
    }
    std::vector<double> startUps, letsPlays;
    // The first start fills the disk cache and is not counted.
    for (int run = 0; run <= runs; ++run) {
        const std::optional<Times> times = timeOneStart(screen, display, argv[1], argv[2]);
        if (!times) {
            std::fprintf(stderr, "bench_startup: run %d never showed its windows\n", run);
            return 1;
        }
        if (run == 0)
            continue;
        startUps.push_back(times->startUp);
        letsPlays.push_back(times->letsPlay);
        std::printf("run %2d: start-up window painted after %6.1f ms, main window %6.1f ms after "
                    "\"Let's Play!\"\n",
                    run, times->startUp, times->letsPlay);
    }
    std::printf("median start-up window:      %6.1f ms\n", median(startUps));
    std::printf("median \"Let's Play!\" to main: %6.1f ms\n", median(letsPlays));
    const bool idled =
        idleSeconds == 0 || timeOneStart(screen, display, argv[1], argv[2], idleSeconds);
    XCloseDisplay(display);
    return idled ? 0 : 1;
}
