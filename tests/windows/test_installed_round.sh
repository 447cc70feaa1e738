#!/usr/bin/env bash
# A person installs Lunetra for Windows with its setup program, leaves it through the exit
# window, updates it through the setup's pages and uninstalls it; setup and
# uninstaller change nothing while Lunetra runs. Under Wine on this test's X server, with real
# key and mouse events, reading windows as Windows reports them and text as it appears on screen.
#   test_installed_round.sh WINE WINESERVER SETUP SHOWN_WINDOWS RECORDER ICON
set -euo pipefail
wine=$1 wineserver=$2 setup=$3 shown_windows=$4 recorder=$5 icon=$6
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; "$wineserver" -k 2>/dev/null || true; "$wineserver" -w; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    import -window root "$PWD/lunetra-round-failed.png" 2>/dev/null || true
    exit 1
}
# Waits up to 20 s for a command to succeed.
eventually() { for _ in $(seq 100); do "$@" && return 0 || sleep 0.2; done; return 1; }
quiet_wine() { "$wine" "$@" 2>/dev/null | tr -d '\r'; }
# Wine's desktop belongs to the first display its server sees: this test's.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w

unix_path() { quiet_wine winepath -u "$1"; }
appdata=$(unix_path "$(quiet_wine cmd /c echo %APPDATA%)")
programs=$(unix_path "$(quiet_wine cmd /c echo %LOCALAPPDATA%)")/Programs/Lunetra
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Lunetra.lnk"
settings="$appdata/lunetra.ini"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lunetra'
rm -f "$settings"

"$wine" "$setup" /S
[ "$(cd "$programs" && find . -type f | sort | tr '\n' ' ')" = "./Qt6Core.dll ./Qt6Gui.dll ./Qt6Widgets.dll \
./licences/GCC-runtime.txt ./licences/GPL-3.txt ./licences/LGPL-3.txt ./licences/Lunetra.txt ./licences/MinGW-w64.txt \
./licences/Qt-copyright.txt ./licences/Qt.txt ./lunetra.exe ./platforms/qwindows.dll ./uninstall.exe " ] ||
    fail "installed: $(cd "$programs" && find . -type f)"
for text in "Lunetra.txt|© 2026 Qorvane" "LGPL-3.txt|GNU LESSER GENERAL PUBLIC" "GPL-3.txt|GNU GENERAL PUBLIC" \
    "Qt.txt|in their place" "Qt.txt|qt6-base version $(dpkg-query -W -f='${Version}' qt6-base-dev-tools)," \
    "Qt-copyright.txt|Upstream-Name: qtbase" "MinGW-w64.txt|winpthreads" "GCC-runtime.txt|RUNTIME LIBRARY EXCEPTION"; do
    grep -q -F "${text#*|}" "$programs/licences/${text%%|*}" || fail "licences/${text%%|*} lacks ${text#*|}"
done
tr -d '\0' <"$shortcut" | grep -q -a "Find your Ixion sign from your date of birth" || fail "no shortcut with its description"
registered=$(quiet_wine reg query "$key")
for value in 'DisplayName.*Lunetra' 'DisplayVersion.*1\.0' 'Publisher.*Qorvane' 'DisplayIcon.*lunetra\.exe' \
    'UninstallString.*uninstall\.exe' 'EstimatedSize.*0x[1-9a-f]' 'InstallLocation.*Programs\\Lunetra$' \
    'URLInfoAbout.*http://www\.qorvane\.example$' 'HelpLink.*http://help\.qorvane\.example$'; do
    grep -q -E "$value" <<<"$registered" || fail "the uninstall entry lacks $value: $registered"
done
# Sharp and themed at any scale; icons at every size Windows asks for; the copyright as Explorer shows it.
for program in "$setup" "$programs/uninstall.exe"; do
    [ "$(grep -a -o -E '<dpiAware[^>]*>true<|"Microsoft.Windows.Common-Controls" version="6' "$program" | sort -u | wc -l)" = 2 ] ||
        fail "$program is not DPI aware with Common Controls 6"
done
[ "$(identify -format '%w ' "$icon")" = "16 20 24 32 40 48 64 256 " ] || fail "icon sizes: $(identify -format '%w ' "$icon")"
tr -d '\0' <"$programs/lunetra.exe" | LC_ALL=C grep -c -a -F $'\xa9 2026 Qorvane' >/dev/null || fail "no © in lunetra.exe"
cp -r "$programs" "$work/elsewhere"

# The recorder stands in for the browser, as the machine's http handler.
quiet_wine reg add 'HKCR\http\shell\open\command' /ve /f \
    /d "\"$(quiet_wine winepath -w "$recorder")\" \"%1\"" >/dev/null
LUNETRA_RECORD=$(quiet_wine winepath -w "$work/opened")
export LUNETRA_RECORD

shown() { quiet_wine "$shown_windows" "$1"; }
count_is() { [ "$(shown "$1" | grep -c .)" = "$2" ]; }
window_id() { xdotool search --onlyvisible --name "^$1\$" | tail -n 1; }
keys() { xdotool windowfocus --sync "$1" && sleep 0.3 && xdotool key --clearmodifiers "${@:2}"; }
# What a person reads in a window, as one line of words.
reads() { import -window "$1" -resize 300% png:- | tesseract - - 2>/dev/null | tr -s '\n ' ' '; }

"$wine" "$programs/lunetra.exe" & lunetra=$! && pids+=($!)
eventually count_is "Lunetra v1.0" 1 || fail "the main window did not appear"
keys "$(window_id "Lunetra v1.0")" Escape
eventually eval '[ "$(shown "Lunetra v1.0" | grep -c topmost)" = 1 ] && count_is "Lunetra v1.0" 1' ||
    fail "no topmost exit window alone: $(shown "Lunetra v1.0")"
exit_x=$(window_id "Lunetra v1.0")
# The link at the foot of the exit window's right-hand column.
xdotool mousemove --window "$exit_x" 612 298 click 1
eventually grep -q -F '"http://www.qorvane.example/qorvanesoftwares"' "$work/opened" 2>/dev/null ||
    fail "the browser got: $(cat "$work/opened" 2>/dev/null)"

"$wine" "$programs/lunetra.exe" & second=$! && pids+=($!)
eventually count_is "Lunetra" 1 || fail "a second start showed no notice"
[[ $(reads "$(window_id Lunetra)") == *"already running"* ]] || fail "the notice: $(reads "$(window_id Lunetra)")"
keys "$(window_id Lunetra)" Return
wait "$second" || fail "the second start did not end well after OK"

# While Lunetra runs, setup and uninstaller ask a person to close it first.
# A window with the title given that reads the text given; import would wait for a click without one.
asks() { title=$1 want=$2 && eventually eval 'w=$(window_id "$title") && [[ -n $w && $(reads "$w") == *"$want"* ]]'; }
"$wine" "$programs/uninstall.exe" && asks "Lunetra 1.0 Uninstall" "Lunetra is running" || fail "no uninstaller question"
keys "$(window_id "Lunetra 1.0 Uninstall")" Escape
"$wine" "$setup" & interactive=$! && pids+=($!)
asks "Lunetra 1.0 Setup" "Lunetra is running" || fail "the setup did not ask to close Lunetra"

# The setup's question holds Wine's foreground: a click gives it back to the exit window.
xdotool mousemove --window "$exit_x" 5 5 click 1
keys "$exit_x" alt+F4
status=0
wait "$lunetra" || status=$?
[ "$status" = 0 ] || fail "closing the exit window ended Lunetra with $status"
grep -q "$(date +%F)" "$settings" || fail "no reminder date in $settings"
kept=$(md5sum <"$settings")

# Lunetra closed, Retry leads through the pages of an update to the last, where "Run Lunetra" is
# ticked (its focus frame hides it from OCR: Finish starting Lunetra shows it).
for page in "Lunetra is running" Welcome Qorvane "Install Location" Completing; do # pages add a space to the title
    asks "Lunetra 1.0 Setup ?" "$page" || fail "no setup page with \"$page\": $(reads "$(window_id "Lunetra 1.0 Setup ?")")"
    keys "$(window_id "Lunetra 1.0 Setup ?")" Return
done
wait "$interactive" || fail "the setup through its pages ended with $?"
eventually count_is "Lunetra v1.0" 1 || fail "Finish did not start Lunetra"
# With /S, neither changes a byte while it runs, and both end with an error (the uninstaller
# tells its own only when run in place, with _?=); once it is closed, both do their work.
files() { (cd "$programs" && find . -type f -exec md5sum {} + -exec stat -c '%n %z' {} + | sort); } # %z: any write
installed=$(files)
"$wine" "$setup" /S && fail "setup /S over a running Lunetra ended with 0"
"$wine" "$programs/uninstall.exe" /S "_?=$(quiet_wine winepath -w "$programs")" && fail "uninstall /S ended with 0"
[ "$(files)" = "$installed" ] || fail "files changed while Lunetra ran: $(diff <(echo "$installed") <(files))"
quiet_wine reg query "$key" >/dev/null && [ -f "$shortcut" ] || fail "the entry or the shortcut went while Lunetra ran"
keys "$(window_id "Lunetra v1.0")" Escape && eventually eval '[ "$(shown "Lunetra v1.0" | grep -c topmost)" = 1 ]' &&
    keys "$(window_id "Lunetra v1.0")" alt+F4 && eventually count_is "Lunetra v1.0" 0 || fail "Lunetra did not end"
eventually "$wine" "$setup" /S || fail "setup /S failed once Lunetra had ended" # its window goes first
[ "$(md5sum <"$settings")" = "$kept" ] || fail "an update changed $settings"

"$wine" "$programs/uninstall.exe" /S
eventually test ! -e "$programs" || fail "left after uninstall: $(find "$programs")"
[ ! -e "$shortcut" ] || fail "the shortcut was left"
! quiet_wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry was left"
[ -f "$settings" ] || fail "the user's settings went with the program"

# The mutex alone tells a running Lunetra, wherever it was started from.
"$wine" "$work/elsewhere/lunetra.exe" & pids+=($!)
eventually count_is "Lunetra v1.0" 1 && ! "$wine" "$setup" /S && [ ! -e "$programs" ] ||
    fail "setup /S installed while Lunetra ran from another folder"
echo "The round passed."
