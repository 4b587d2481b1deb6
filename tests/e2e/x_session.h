// Drives the real program in a private Xvfb server: start, click with xdotool, take screenshots.
#pragma once

#include <QImage>
#include <QRect>

#include <string>
#include <sys/types.h>

namespace e2e {

class XSession {
public:
    // An X server of this size in device pixels, with openbox managing the windows if asked.
    XSession(int width, int height, bool windowManager = false);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& display() const { return display_; }

    // Starts the program on this display, at this QT_SCALE_FACTOR.
    void StartProgram(const std::string& binary, double scale = 1);
    // Starts another X client, such as xlogo.
    void StartClient(const std::string& command);
    // Waits up to the given seconds for the program to end; its exit code, or -1 if it did not.
    int WaitForExit(double seconds);
    bool ProgramRunning();

    void Click(int x, int y);
    // Types text into the window that has the keyboard focus.
    void Type(const std::string& text);
    // Presses keys (xdotool names, such as Tab, shift+Tab, space, End), one after the other.
    void Keys(const std::string& keys);
    // The title of the window that has the focus, as the window manager says.
    std::string ActiveWindow();
    // The client area of the visible window of this title, and its outer frame, in screen pixels.
    QRect ClientArea(const std::string& title);
    QRect OuterFrame(const std::string& title);
    // Puts the window of this title in front, as a user switching windows does.
    void Raise(const std::string& title);
    // Waits until a window with this title is mapped (or the time is up).
    bool WaitForWindow(const std::string& title, double seconds);
    QImage Screenshot();

private:
    std::string display_;
    pid_t server_ = -1;
    pid_t program_ = -1;
    pid_t windowManager_ = -1;
    pid_t client_ = -1;
};

// Runs a command with DISPLAY set; returns its exit status.
int RunOn(const std::string& display, const std::string& command);
// Runs a command with DISPLAY set; returns what it printed.
std::string OutputOn(const std::string& display, const std::string& command);

void Sleep(double seconds);

}  // namespace e2e
