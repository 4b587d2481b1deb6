// Starts Xvfb with -displayfd so parallel tests each get a free display, and cleans up after them.
#include "x_session.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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

XSession::XSession(int width, int height)
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
}

XSession::~XSession()
{
    if (program_ > 0 && ProgramRunning()) {
        kill(program_, SIGKILL);
        waitpid(program_, nullptr, 0);
    }
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

void XSession::StartProgram(const std::string& binary)
{
    program_ = fork();
    if (program_ == 0) {
        setenv("DISPLAY", display_.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
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
