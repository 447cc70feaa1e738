#!/usr/bin/env bash
# tests/windows/run-wine.sh.in with a fake Wine in place of Wine: the program's output arrives
# while it runs; a run that Wine ends before the program has said anything is made once more,
# and one that fails after it has is not.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
# Run N of the fake Wine does what $work/run-N says.
printf '#!/bin/sh\nn=$(($(cat "$0.runs" 2>/dev/null || echo 0) + 1))\necho $n >"$0.runs"\n. "$0.$n"\n' \
    >"$work/wine" && chmod +x "$work/wine"
sed "s|@LUNETRA_WINE@|$work/wine|" "$1" >"$work/wrapper"
# Runs the wrapper on the given runs of the program; its output goes to $work/seen.
wrap() {
    rm -f "$work"/wine.*
    for ((n = 1; n <= $#; n++)); do echo "${!n}" >"$work/wine.$n"; done
    sh "$work/wrapper" >"$work/seen" 2>&1
}
# The program waits for its first line to be seen before it ends.
wrap 'echo started; while [ ! -e "$0.go" ]; do sleep 0.1; done; echo ended' &
for _ in $(seq 100); do grep -q started "$work/seen" 2>/dev/null && break || sleep 0.1; done
grep -q started "$work/seen" || fail "nothing of the program's output came before it ended"
touch "$work/wine.go"
wait $! && grep -q ended "$work/seen" || fail "the run that ended well: $(cat "$work/seen")"
lost='echo "wine client error:0: read: Connection reset by peer" >&2; exit 1'
wrap "$lost" 'echo fine' && [ "$(cat "$work/wine.runs")" = 2 ] && grep -q fine "$work/seen" ||
    fail "a start that Wine lost was not made again"
# The program said something, on either output, before Wine failed: that failure stands.
for said in 'echo reading' 'echo reading >&2'; do
    wrap "$said; $lost" 'echo fine'
    [ $? = 1 ] && [ "$(cat "$work/wine.runs")" = 1 ] || fail "a failure after '$said' was run again"
done
echo "The Wine wrapper passed."
