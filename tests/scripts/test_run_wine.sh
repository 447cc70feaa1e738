#!/usr/bin/env bash
# tests/windows/run-wine.sh.in with a fake Wine in place of Wine: the program's output arrives
# while it runs; a run that Wine ends before the program has said anything is made once more,
# and one that fails after it has is not.
set -u
wrapper=$1
source "$(dirname "${BASH_SOURCE[0]}")/support.sh"

# Each run of the fake Wine counts itself and does what $work/run-N says for its number N.
cat >"$work/wine" <<'FAKE'
#!/bin/sh
n=$(($(cat "$WORK/runs" 2>/dev/null || echo 0) + 1))
echo $n >"$WORK/runs"
. "$WORK/run-$n"
FAKE
chmod +x "$work/wine"
sed "s|@LUNETRA_WINE@|$work/wine|" "$wrapper" >"$work/wrapper"
export WORK=$work
# Runs the wrapper on the given runs of the program; its output goes to $work/seen.
wrap() {
    rm -f "$work"/runs "$work"/run-*
    local n=0
    for run in "$@"; do
        n=$((n + 1))
        echo "$run" >"$work/run-$n"
    done
    sh "$work/wrapper" >"$work/seen" 2>&1
}
runs() { cat "$work/runs"; }

# The program waits for its first line to be seen before it ends.
wrap 'echo started; while [ ! -e "$WORK/go" ]; do sleep 0.1; done; echo ended' &
wrapping=$!
for _ in $(seq 100); do
    grep -q started "$work/seen" 2>/dev/null && break
    sleep 0.1
done
grep -q started "$work/seen" || fail "nothing of the program's output came before it ended"
touch "$work/go"
wait $wrapping || fail "a run that ended well failed"
grep -q ended "$work/seen" || fail "the end of the output was lost: $(cat "$work/seen")"

lost='echo "wine client error:0: read: Connection reset by peer" >&2; exit 1'
wrap "$lost" 'echo fine'
status=$?
[ "$status" = 0 ] && [ "$(runs)" = 2 ] && grep -q fine "$work/seen" ||
    fail "a start that Wine lost was not made again: status $status, $(runs) runs"

# The program said something, on either output, before Wine failed: that failure stands.
for said in 'echo reading' 'echo reading >&2'; do
    wrap "$said; $lost" 'echo fine'
    status=$?
    [ "$status" = 1 ] && [ "$(runs)" = 1 ] ||
        fail "a failure after '$said' was run again: status $status, $(runs) runs"
done

finish "The Wine wrapper"
