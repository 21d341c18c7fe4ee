#!/bin/sh
# Starts the real program offscreen with APPDATA pointed at the test's
# directory and checks the start-up log and the data directory.
set -u
build="$1"
log="$KEYLOFT_TEST_ROOT/startup.log"
QT_MESSAGE_PATTERN='%{message}' "$build/keyloft" > "$log" 2>&1 &
pid=$!
i=0
while ! grep -q "dummy QtAppDelegateInitialize." "$log" 2>/dev/null; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "program ended before its window was up:"; cat "$log"; exit 1
    fi
    i=$((i + 1))
    [ $i -gt 600 ] && { echo "timed out"; cat "$log"; kill "$pid"; exit 1; }
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
echo "1 passed, 0 failed"
