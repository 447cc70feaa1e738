# What the script tests share: a work folder of their own that goes when they end, and each
# failure told as it comes and counted.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# Ends the test: passed when nothing failed.
finish() {
    [ $failures = 0 ] && echo "$1 passed."
    exit $failures
}
