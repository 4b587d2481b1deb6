// Drives the real program in a private Xvfb server: start, click with xdotool, take screenshots.
#pragma once

#include <QImage>
#include <QRect>

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

// How long anything the tests expect may take to show, on a machine whose cores are all busy.
inline constexpr double kPatience = 10;

// The one way the end-to-end tests wait: asks the condition every few hundredths of a second
// until it holds (true) or the seconds are up (false). The condition is asked at least once,
// and once more at the deadline, so a slow poll never turns a success into a failure.
bool WaitUntil(const std::function<bool()>& condition, double timeoutSeconds = kPatience);

class XSession {
public:
    // An X server of this size in device pixels, with openbox managing the windows if asked.
    XSession(int width, int height, bool windowManager = false);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& display() const { return display_; }

    // Runs the programs this session starts under this Wine, in this prefix: a Windows program.
    void UseWine(const std::string& wine, const std::string& winePrefix);
    // Starts the program on this display, at this scale (QT_SCALE_FACTOR, or Windows' DPI under
    // Wine), with these arguments and, if named, its standard error into that file.
    void StartProgram(const std::string& binary, double scale = 1, const std::vector<std::string>& arguments = {},
                      const std::string& errorFile = "");
    // Starts another X client, such as xlogo.
    void StartClient(const std::string& command);
    // Waits up to the given seconds for the program to end; its exit code, or -1 if it did not.
    int WaitForExit(double seconds = kPatience);
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
    // Whether a window of this title is mapped now.
    bool WindowShown(const std::string& title);
    // Waits until a window with this title is mapped (or the time is up).
    bool WaitForWindow(const std::string& title, double seconds = kPatience);
    // The whole screen, read with xwd where it can, which takes a few milliseconds where a PNG takes tens.
    QImage Screenshot();

private:
    // Runs Wine's server with this argument in the program's prefix, and waits until it is done.
    void wineServer(const std::string& argument);
    // Runs Wine's reg with these arguments in the program's prefix.
    void wineRegistry(const std::string& arguments);

    std::string display_;
    pid_t server_ = -1;
    pid_t program_ = -1;
    pid_t windowManager_ = -1;
    pid_t client_ = -1;
    std::string wine_, winePrefix_;  // the Wine that runs the program, and its prefix
    bool slowScreenshots_ = false;  // xwd cannot read this screen as it is
};

// Runs a command with DISPLAY set; returns its exit status.
int RunOn(const std::string& display, const std::string& command);
// Runs a command with DISPLAY set; returns what it printed.
std::string OutputOn(const std::string& display, const std::string& command);

}  // namespace e2e
