#!/bin/sh
# Starts the real program offscreen with APPDATA pointed at the test's
# directory and checks the start-up log and the data directory.
set -u
build="$1"
# Polls of 0.1 s: 60 s on a plain build, times the run's time scale.
polls=$((600 * ${KEYLOFT_TEST_TIME_SCALE:-1}))
log="$KEYLOFT_TEST_ROOT/startup.log"
QT_MESSAGE_PATTERN='%{message}' "$build/keyloft" > "$log" 2>&1 &
pid=$!
i=0
while ! grep -q "dummy QtAppDelegateInitialize." "$log" 2>/dev/null; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "program ended before its window was up:"; cat "$log"; exit 1
    fi
    i=$((i + 1))
    [ $i -gt "$polls" ] && { echo "timed out"; cat "$log"; kill "$pid"; exit 1; }
    sleep 0.1
done
kill "$pid"; wait "$pid" 2>/dev/null

fail() { echo "FAIL: $*"; cat "$log"; exit 1; }

# The start-up lines come in the order of the start-up steps.
order=$(grep -n -e '^QFont defaultFamily: ' -e '^Choosed Font Family:' \
    -e '^Change Application fontFamily ' -e '^PlatformAPI langCode: ' \
    -e '^dummy QtAppDelegateInitialize\.$' "$log" | cut -d: -f2- | cut -c1-12)
expected="QFont defaul
Choosed Font
Change Appli
PlatformAPI 
dummy QtAppD"
[ "$order" = "$expected" ] || fail "start-up log order: $order"

# Font family: the application's own family, named twice.
line=$(grep '^Change Application fontFamily ' "$log")
family=${line#Change Application fontFamily }
from=${family%% to *}
to=${family#* to }
[ "$from" = "$to" ] || fail "font change line names two families: $line"

dir="$APPDATA/Ormel/Keyloft"
[ -d "$dir" ] || fail "no data directory $dir"
mode=$(stat -c %a "$dir")
[ "$mode" = "700" ] || fail "data directory mode $mode"
# Without a platform plugin the program cannot start; the empty message
# pattern silences the ordinary log lines, but the reason reaches standard
# error, naming the plugin.
err="$KEYLOFT_TEST_ROOT/noplatform.err"
env -u QT_MESSAGE_PATTERN QT_QPA_PLATFORM=nonexistent "$build/keyloft" \
    > "$KEYLOFT_TEST_ROOT/noplatform.out" 2> "$err"
rc=$?
log="$err"
[ "$rc" -ne 0 ] || fail "started without a platform plugin"
grep -q '"nonexistent"' "$err" || fail "the plugin is not named on standard error"
grep -q 'no Qt platform plugin could be initialized' "$err" || fail "no reason given"
[ -s "$KEYLOFT_TEST_ROOT/noplatform.out" ] && fail "messages on standard output"

# A start that works writes nothing: the log lines stay silent.
quiet="$KEYLOFT_TEST_ROOT/quiet"
mkdir -p "$quiet"
APPDATA="$quiet" env -u QT_MESSAGE_PATTERN "$build/keyloft" > "$quiet/out" 2>&1 &
pid=$!
i=0
while ! ls "$quiet"/Ormel/Keyloft/Databases/*.sqlite > /dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { log="$quiet/out"; fail "program ended at start"; }
    i=$((i + 1))
    [ $i -gt "$polls" ] && { kill "$pid"; log="$quiet/out"; fail "no vault database made"; }
    sleep 0.1
done
kill "$pid"; wait "$pid" 2>/dev/null
log="$quiet/out"
[ -s "$quiet/out" ] && fail "log lines written without a message pattern"
echo "1 passed, 0 failed"
