// Starts Xvfb with -displayfd so parallel tests each get a free display, and cleans up after them.
#include "x_session.h"

#include <chrono>
#include <csignal>
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

void Sleep(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
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
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr);
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
        for (int i = 0; i < 100 && RunOn(display_, "wmctrl -m >/dev/null 2>&1") != 0; ++i)
            Sleep(0.05);
    }
}

XSession::~XSession()
{
    if (program_ > 0 && ProgramRunning()) {
        kill(program_, SIGKILL);
        waitpid(program_, nullptr, 0);
    }
    stop(client_);
    stop(windowManager_);
    stop(server_);
}

void XSession::StartClient(const std::string& command)
{
    client_ = startOn(display_, {"sh", "-c", "exec " + command});
}

void XSession::Keys(const std::string& keys)
{
    RunOn(display_, "xdotool key --delay 60 " + keys);
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

void XSession::StartProgram(const std::string& binary, double scale)
{
    program_ = fork();
    if (program_ == 0) {
        setenv("DISPLAY", display_.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (scale != 1)
            setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
        else
            unsetenv("QT_SCALE_FACTOR");
        execl(binary.c_str(), binary.c_str(), nullptr);
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
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        const pid_t done = waitpid(program_, &status, WNOHANG);
        if (done == program_) {
            program_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        Sleep(0.05);
    }
    return -1;
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

bool XSession::WaitForWindow(const std::string& title, double seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (RunOn(display_, "xdotool search --onlyvisible --name '^" + title + "$' >/dev/null 2>&1") == 0)
            return true;
        Sleep(0.1);
    }
    return false;
}

QImage XSession::Screenshot()
{
    char path[] = "/tmp/sorvel-shotXXXXXX";
    const int fd = mkstemp(path);
    close(fd);
    const std::string file = std::string(path) + ".png";
    RunOn(display_, "import -window root " + file);
    QImage image(QString::fromStdString(file));
    std::remove(path);
    std::remove(file.c_str());
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace e2e
