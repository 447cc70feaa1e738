#!/usr/bin/env bash
# A person installs Lunetra for Windows with its setup program, finds a sign, leaves through
# the exit window and uninstalls it: under Wine on this test's X server, with real key and
# mouse events, reading windows as Windows reports them and text as it appears on screen.
#   test_installed_round.sh WINE WINESERVER SETUP SHOWN_WINDOWS RECORDER
set -euo pipefail
wine=$1 wineserver=$2 setup=$3 shown_windows=$4 recorder=$5
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
[ "$(cd "$programs" && find . -type f | sort | tr '\n' ' ')" = \
    "./Qt6Core.dll ./Qt6Gui.dll ./Qt6Widgets.dll ./lunetra.exe ./platforms/qwindows.dll ./uninstall.exe " ] ||
    fail "installed: $(cd "$programs" && find . -type f)"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
registered=$(quiet_wine reg query "$key")
for value in 'DisplayName.*Lunetra' 'DisplayVersion.*1\.0' 'Publisher.*Qorvane' 'DisplayIcon.*lunetra\.exe' \
    'UninstallString.*uninstall\.exe' 'EstimatedSize.*0x[1-9a-f]'; do
    grep -q -E "$value" <<<"$registered" || fail "the uninstall entry lacks $value: $registered"
done

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

"$wine" "$programs/lunetra.exe" &
pids+=($!)
lunetra=$!
eventually count_is "Lunetra v1.0" 1 || fail "the main window did not appear"
main=$(shown "Lunetra v1.0")
main_x=$(window_id "Lunetra v1.0")
keys "$main_x" a n n Tab 2 1 Tab O c t Tab 1 9 0 4
[[ $(reads "$main_x") == *ANN* ]] || fail "the name is not shown in capitals: $(reads "$main_x")"
keys "$main_x" alt+i
eventually eval '[ "$(shown "Lunetra v1.0")" != "$main" ] && count_is "Lunetra v1.0" 1' ||
    fail "the result window did not take the main window's place"
result_x=$(window_id "Lunetra v1.0")
[[ $(reads "$result_x") == *Virgo* ]] || fail "21 October 1904 is not Virgo: $(reads "$result_x")"

keys "$result_x" alt+b
eventually eval '[ "$(shown "Lunetra v1.0")" = "$main" ]' || fail "Back: $(shown "Lunetra v1.0")"
sleep 0.5 # nothing shows up late
[ "$(shown "Lunetra v1.0")" = "$main" ] || fail "after Back: $(shown "Lunetra v1.0")"
[[ $(reads "$main_x") == *ANN* ]] || fail "the name was not kept: $(reads "$main_x")"

keys "$main_x" Escape
eventually eval '[ "$(shown "Lunetra v1.0" | grep -c topmost)" = 1 ] && count_is "Lunetra v1.0" 1' ||
    fail "no topmost exit window alone: $(shown "Lunetra v1.0")"
exit_x=$(window_id "Lunetra v1.0")
# The link at the foot of the exit window's right-hand column.
xdotool mousemove --window "$exit_x" 612 298 click 1
eventually test -f "$work/opened" || fail "the link reached no browser"
grep -q -F '"http://www.qorvane.example/qorvanesoftwares"' "$work/opened" ||
    fail "the browser got: $(tr '\0' ' ' <"$work/opened")"

"$wine" "$programs/lunetra.exe" &
second=$!
pids+=($second)
eventually count_is "Lunetra" 1 || fail "a second start showed no notice"
[[ $(reads "$(window_id Lunetra)") == *"already running"* ]] || fail "the notice: $(reads "$(window_id Lunetra)")"
keys "$(window_id Lunetra)" Return
wait "$second" || fail "the second start did not end well after OK"

keys "$exit_x" alt+F4
status=0
wait "$lunetra" || status=$?
[ "$status" = 0 ] || fail "closing the exit window ended Lunetra with $status"
grep -q "$(date +%F)" "$settings" || fail "no reminder date in $settings"

"$wine" "$programs/uninstall.exe" /S
eventually test ! -e "$programs" || fail "left after uninstall: $(find "$programs")"
[ ! -e "$shortcut" ] || fail "the shortcut was left"
! quiet_wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry was left"
[ -f "$settings" ] || fail "the user's settings went with the program"
echo "The round passed."
