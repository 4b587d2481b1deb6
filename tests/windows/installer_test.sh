#!/usr/bin/env bash
# The installer as a school's software deployment runs it, silently under Wine in the build's
# prefix: the program and its uninstaller in the user's programs folder, the Start-menu entry and
# the entry among installed programs; then a silent uninstall that leaves none of it behind.
# Usage: installer_test.sh /usr/lib/wine/wine64 PREFIX sorvel-<version>-setup.exe
set -euo pipefail
wine="$1"
export WINEPREFIX="$2" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
setup="$3"
server="$(dirname "$wine")/wineserver"
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
user_dir=$(ls -d "$WINEPREFIX"/drive_c/users/*/ | grep -v '/Public/$' | head -n 1)
programs="$user_dir/AppData/Local/Programs/Sorvel"
start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Sorvel.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvel'

# Another test's run may have left it installed.
rm -rf "$programs" "$start_menu"

"$wine" "$setup" /S
"$server" -w
for file in sorvel.exe uninstall.exe LICENSE.txt; do
    [ -f "$programs/$file" ] || fail "$file not installed in $programs"
done
cmp -s "$programs/sorvel.exe" "$(dirname "$setup")/sorvel.exe" || fail "the installed sorvel.exe is not the portable one"
[ -f "$start_menu" ] || fail "no Start-menu entry"
"$wine" reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "not among the installed programs"

# The uninstaller copies itself away to delete its own file; Wine's server ends when it has.
"$wine" "$programs/uninstall.exe" /S
"$server" -w
[ ! -e "$programs" ] || fail "left behind: $(find "$programs" | tr '\n' ' ')"
[ ! -e "$start_menu" ] || fail "the Start-menu entry left behind"
if "$wine" reg query "$key" >/dev/null 2>&1; then
    fail "still among the installed programs"
fi
"$server" -w
[ $status -eq 0 ] && echo "installed and uninstalled silently"
exit $status
