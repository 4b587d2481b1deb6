# What the scripts install, and how: sourced by every script that builds, so that each installs from
# Debian only what is missing and a fresh Debian 12 machine needs nothing done by hand.

# Installs the Debian packages named as arguments that are not installed yet.
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
# libstb-dev: the one PNG encoder (stb_image_write.h, header-only, its own deflate), which also
# compiles under emscripten without a download.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev libstb-dev libgl-dev libxcb1-dev fonts-dejavu-core fonts-liberation2)

# Installs the Debian package that provides a command, unless some package provides it already
# (Node.js and npm may come from elsewhere than Debian).
install_command() {
    command -v "$1" >/dev/null 2>&1 || install_missing "$2"
}

# What building the browser edition needs: Debian's emscripten; Node.js assembles the page; the
# page's face is cut from Liberation Sans with fontTools; the web app's icons are drawn from the
# program's SVG by librsvg; the PNG encoder is libstb-dev's, as on the desktop.
WEB_PACKAGES=(emscripten cmake make libstb-dev fonts-liberation2 python3-fonttools librsvg2-bin)
# What testing it needs: the three engines schools have, Debian's own builds, each driven by its own
# automation (Chromium through playwright-core, Firefox over WebDriver BiDi, WebKitGTK through
# WebKitWebDriver, which shows its windows on an Xvfb display).
WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver xvfb xauth)

# What building the Windows edition needs: Debian's MinGW-w64 cross compiler (the POSIX thread
# model), NSIS for the installer, and the face's step as for the page. What testing it needs: Wine
# in an Xvfb server.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix nsis cmake make fonts-liberation2 python3-fonttools)
WINDOWS_TEST_PACKAGES=(wine64 xvfb xdotool x11-utils imagemagick)
