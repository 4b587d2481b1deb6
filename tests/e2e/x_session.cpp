// Starts Xvfb with -displayfd so parallel tests each get a free display, and cleans up after them.
#include "x_session.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, double timeoutSeconds)
{
    // Short enough to see a change within a tick or two of the program's 60 a second, long
    // enough to leave the cores to the program and the X server.
    constexpr auto kPoll = std::chrono::milliseconds(20);
    const auto deadline =
        std::chrono::steady_clock::now() +
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(timeoutSeconds));
    for (;;) {
        const bool late = std::chrono::steady_clock::now() >= deadline;
        if (condition())
            return true;
        if (late)
            return false;
        const std::chrono::steady_clock::duration left = deadline - std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::clamp<std::chrono::steady_clock::duration>(left, {}, kPoll));
    }
}

int RunOn(const std::string& display, const std::string& command)
{
    const std::string line = "DISPLAY=" + display + " " + command;
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string OutputOn(const std::string& display, const std::string& command)
{
    const std::string line = "DISPLAY=" + display + " " + command + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

namespace {

pid_t startOn(const std::string& display, const std::vector<std::string>& command)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> args;
        for (const std::string& word : command)
            args.push_back(const_cast<char*>(word.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

void stop(pid_t& pid)
{
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
}

}  // namespace

XSession::XSession(int width, int height, bool windowManager)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe");
    server_ = fork();
    if (server_ == 0) {
        close(fds[0]);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        const std::string fd = std::to_string(fds[1]);
        std::freopen("/dev/null", "w", stderr);
        // -noreset: a server left by its last client starts over, and a client connecting in that
        // moment is turned away; the tests' own short-lived clients leave it often, and the
        // program, starting then, ended with "could not connect to display".
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-noreset",
               nullptr);
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    display_ = ":" + number;
    if (windowManager) {
        windowManager_ = startOn(display_, {"openbox", "--sm-disable"});
        if (!WaitUntil([&] { return RunOn(display_, "wmctrl -m >/dev/null 2>&1") == 0; }))
            throw std::runtime_error("openbox did not start");
    }
}

XSession::~XSession()
{
    if (program_ > 0 && ProgramRunning()) {
        kill(program_, SIGKILL);
        waitpid(program_, nullptr, 0);
    }
    stop(client_);
    // Wine's server outlives the program by a few seconds, still talking to this display: the
    // next test's program must meet a server of its own.
    if (!wine_.empty()) {
        wineServer("-k");
        // The next test starts at Windows' own DPI.
        wineRegistry("delete \"HKCU\\Control Panel\\Desktop\" /v LogPixels /f");
    }
    stop(windowManager_);
    stop(server_);
}

void XSession::wineServer(const std::string& argument)
{
    const std::string server = wine_.substr(0, wine_.rfind('/') + 1) + "wineserver";
    const std::string prefix = "WINEPREFIX='" + winePrefix_ + "' ";
    std::system((prefix + server + " " + argument + " >/dev/null 2>&1; " + prefix + server + " -w").c_str());
}

void XSession::wineRegistry(const std::string& arguments)
{
    // Without a display: the registry needs none, and the test's server is not up to it yet.
    std::system(("env -u DISPLAY WINEPREFIX='" + winePrefix_ + "' WINEDEBUG=-all " + wine_ + " reg " + arguments +
                 " >/dev/null 2>&1")
                    .c_str());
    wineServer("-w");
}

void XSession::StartClient(const std::string& command)
{
    client_ = startOn(display_, {"sh", "-c", "exec " + command});
}

void XSession::Keys(const std::string& keys)
{
    RunOn(display_, "xdotool key --delay 24 " + keys);
}

std::string XSession::ActiveWindow()
{
    return OutputOn(display_, "xdotool getactivewindow getwindowname");
}

QRect XSession::ClientArea(const std::string& title)
{
    const std::string id = OutputOn(display_, "xdotool search --onlyvisible --name '^" + title + "$' | head -n 1");
    std::istringstream info(OutputOn(display_, "xwininfo -id " + id));
    int x = 0, y = 0, w = 0, h = 0;
    for (std::string line; std::getline(info, line);) {
        const auto value = [&](const char* key, int& v) {
            if (const auto at = line.find(key); at != std::string::npos)
                v = std::stoi(line.substr(at + std::string(key).size()));
        };
        value("Absolute upper-left X:", x);
        value("Absolute upper-left Y:", y);
        value("Width:", w);
        value("Height:", h);
    }
    return {x, y, w, h};
}

QRect XSession::OuterFrame(const std::string& title)
{
    const std::string id = OutputOn(display_, "xdotool search --onlyvisible --name '^" + title + "$' | head -n 1");
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    std::string extents = OutputOn(display_, "xprop -id " + id + " _NET_FRAME_EXTENTS");
    int left = 0, right = 0, top = 0, bottom = 0;
    if (const auto at = extents.find('='); at != std::string::npos)
        std::sscanf(extents.c_str() + at + 1, " %d, %d, %d, %d", &left, &right, &top, &bottom);
    const QRect client = ClientArea(title);
    return client.adjusted(-left, -top, right, bottom);
}

void XSession::UseWine(const std::string& wine, const std::string& winePrefix)
{
    wine_ = wine;
    winePrefix_ = winePrefix;
}

void XSession::StartProgram(const std::string& binary, double scale, const std::vector<std::string>& arguments,
                            const std::string& errorFile)
{
    // Windows scales by the monitor's DPI, which Wine takes from its prefix: 96 a scale of 1.
    if (!wine_.empty() && scale != 1)
        wineRegistry("add \"HKCU\\Control Panel\\Desktop\" /v LogPixels /t REG_DWORD /f /d " +
                 std::to_string(std::lround(96 * scale)));
    std::vector<char*> argv;
    if (!wine_.empty())
        argv.push_back(const_cast<char*>(wine_.c_str()));
    argv.push_back(const_cast<char*>(binary.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    program_ = fork();
    if (program_ == 0) {
        if (!errorFile.empty())
            if (FILE* err = std::freopen(errorFile.c_str(), "w", stderr); !err)
                _exit(126);
        setenv("DISPLAY", display_.c_str(), 1);
        if (!wine_.empty()) {
            setenv("WINEPREFIX", winePrefix_.c_str(), 1);
            setenv("WINEDEBUG", "-all", 1);
            // Wine's own chatter is no error of the program's.
            if (errorFile.empty())
                std::freopen("/dev/null", "w", stderr);
            execv(wine_.c_str(), argv.data());
            _exit(127);
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (scale != 1)
            setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
        else
            unsetenv("QT_SCALE_FACTOR");
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
}

bool XSession::ProgramRunning()
{
    int status = 0;
    return program_ > 0 && waitpid(program_, &status, WNOHANG) == 0;
}

int XSession::WaitForExit(double seconds)
{
    int code = -1;
    WaitUntil(
        [&] {
            int status = 0;
            if (program_ <= 0 || waitpid(program_, &status, WNOHANG) != program_)
                return false;
            program_ = -1;
            code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return true;
        },
        seconds);
    return code;
}

void XSession::Click(int x, int y)
{
    RunOn(display_, "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

void XSession::Type(const std::string& text)
{
    RunOn(display_, "xdotool type --delay 20 '" + text + "'");
}

void XSession::Raise(const std::string& title)
{
    RunOn(display_, "xdotool search --onlyvisible --name '^" + title + "$' windowraise");
}

bool XSession::WindowShown(const std::string& title)
{
    return RunOn(display_, "xdotool search --onlyvisible --name '^" + title + "$' >/dev/null 2>&1") == 0;
}

bool XSession::WaitForWindow(const std::string& title, double seconds)
{
    return WaitUntil([&] { return WindowShown(title); }, seconds);
}

namespace {

std::uint32_t bigEndian32(const unsigned char* p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// The root window as xwd writes it: a header of big-endian 32-bit fields, the window's name, a
// colour map of 12-byte entries, then the rows, 32 bits a pixel on Xvfb's 24-bit screen. Where
// windows of several visuals show, as under a window manager, xwd pieces the screen together
// window by window instead, at 24 bits a pixel and with the program's windows left black: that
// is refused, and the caller falls back to a slower reading that gets them right.
QImage fromXwd(const std::string& data)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    constexpr std::size_t kFields = 25;
    if (data.size() < kFields * 4)
        return {};
    const auto field = [&](int i) { return bigEndian32(bytes + 4 * i); };
    const std::uint32_t headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7);
    const std::uint32_t bitsPerPixel = field(11), bytesPerLine = field(12), colours = field(19);
    const std::uint32_t redMask = field(14), greenMask = field(15), blueMask = field(16);
    const std::size_t start = headerSize + std::size_t{colours} * 12;
    if (bitsPerPixel != 32 || redMask != 0xff0000 || greenMask != 0xff00 || blueMask != 0xff ||
        data.size() < start + std::size_t{bytesPerLine} * height)
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    for (std::uint32_t y = 0; y < height; ++y) {
        const unsigned char* row = bytes + start + std::size_t{y} * bytesPerLine;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = row + 4 * x;
            const std::uint32_t value =
                byteOrder == 0 ? std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0]
                               : bigEndian32(p);
            out[x] = 0xff000000u | (value & 0xffffffu);
        }
    }
    return image;
}

}  // namespace

QImage XSession::Screenshot()
{
    if (!slowScreenshots_) {
        std::string data;
        const std::string line = "DISPLAY=" + display_ + " xwd -root -silent 2>/dev/null";
        if (FILE* pipe = popen(line.c_str(), "r")) {
            char buffer[1 << 16];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                data.append(buffer, n);
            pclose(pipe);
        }
        if (QImage image = fromXwd(data); !image.isNull())
            return image;
        slowScreenshots_ = true;
    }
    char path[] = "/tmp/sorvel-shotXXXXXX";
    const int fd = mkstemp(path);
    close(fd);
    const std::string file = std::string(path) + ".png";
    RunOn(display_, "import -window root " + file);
    QImage image(QString::fromStdString(file));
    std::remove(path);
    std::remove(file.c_str());
    if (image.isNull())
        throw std::runtime_error("no picture of the screen");
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace e2e
