// Drives the real program in a private Xvfb server: start, click with xdotool, take screenshots.
#pragma once

#include <QImage>

#include <string>
#include <sys/types.h>

namespace e2e {

class XSession {
public:
    XSession(int width, int height);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& display() const { return display_; }

    // Starts the program on this display.
    void StartProgram(const std::string& binary);
    // Waits up to the given seconds for the program to end; its exit code, or -1 if it did not.
    int WaitForExit(double seconds);
    bool ProgramRunning();

    void Click(int x, int y);
    // Types text into the window that has the keyboard focus.
    void Type(const std::string& text);
    // Puts the window of this title in front, as a user switching windows does.
    void Raise(const std::string& title);
    // Waits until a window with this title is mapped (or the time is up).
    bool WaitForWindow(const std::string& title, double seconds);
    QImage Screenshot();

private:
    std::string display_;
    pid_t server_ = -1;
    pid_t program_ = -1;
};

// Runs a command with DISPLAY set; returns its exit status.
int RunOn(const std::string& display, const std::string& command);

void Sleep(double seconds);

}  // namespace e2e
