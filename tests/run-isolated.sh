#!/bin/sh
# Runs a test command with HOME, XDG_* and APPDATA pointed at a fresh
# temporary directory, offscreen and with the software Qt Quick backend.
# Options before the command:
#   --xvfb        run under a private X server instead of offscreen
#   --keep DIR    use DIR (created) instead of a temporary directory, keep it
#   --fake-cloud  start tests/fake_cloud/fakecloud.py for the command's run and
#                 export KEYLOFT_CLOUD_HOST, KEYLOFT_CLOUD_HOST_FOREIGN,
#                 KEYLOFT_EXTRA_CA_FILE and KEYLOFT_FAKE_CLOUD_CONTROL to it
set -e
here=$(cd "$(dirname "$0")" && pwd)
use_xvfb=0
use_fake_cloud=0
keep=""
while [ $# -gt 0 ]; do
    case "$1" in
        --xvfb) use_xvfb=1; shift ;;
        --keep) keep="$2"; shift 2 ;;
        --fake-cloud) use_fake_cloud=1; shift ;;
        *) break ;;
    esac
done

fake_pid=""
cleanup() {
    if [ -n "$fake_pid" ]; then
        kill "$fake_pid" 2>/dev/null || true
        wait "$fake_pid" 2>/dev/null || true
        fake_pid=""
    fi
    if [ -z "$keep" ]; then
        rm -rf "$root"
    fi
}
if [ -n "$keep" ]; then
    rm -rf "$keep"; mkdir -p "$keep"; root="$keep"
else
    root=$(mktemp -d "${TMPDIR:-/tmp}/keyloft-test.XXXXXX")
fi
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$root/home" "$root/data" "$root/config" "$root/cache" "$root/runtime" "$root/appdata"
chmod 700 "$root/runtime"
export HOME="$root/home"
export XDG_DATA_HOME="$root/data"
export XDG_CONFIG_HOME="$root/config"
export XDG_CACHE_HOME="$root/cache"
export XDG_RUNTIME_DIR="$root/runtime"
export APPDATA="${KEYLOFT_TEST_APPDATA:-$root/appdata}"
export KEYLOFT_TEST_ROOT="$root"
export LANG="${KEYLOFT_TEST_LANG:-zh_CN.UTF-8}"
unset LC_ALL LC_MESSAGES LC_NUMERIC
export QT_QUICK_BACKEND=software
export QTWEBENGINE_DISABLE_SANDBOX=1
export QML_DISABLE_DISK_CACHE=1
# Read only by a sanitizer build (make asan). Allocations keep the sanitizer's
# fast (frame-pointer) stacks: Qt's allocations left at exit still name the
# library that made them, which is what the suppressions match, and the full
# unwinder on every allocation made the tests over TLS six times slower.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

if [ "$use_fake_cloud" = 1 ]; then
    "${PYTHON:-python3}" "$here/fake_cloud/fakecloud.py" --json --exit-with-parent \
        --dir "$root/fakecloud" --env-file "$root/fakecloud.env" >"$root/fakecloud.log" 2>&1 &
    fake_pid=$!
    tries=0
    while [ ! -f "$root/fakecloud.env" ]; do
        if ! kill -0 "$fake_pid" 2>/dev/null || [ "$tries" -ge 300 ]; then
            echo "run-isolated: the fake cloud service did not start:" >&2
            cat "$root/fakecloud.log" >&2
            exit 1
        fi
        tries=$((tries + 1))
        sleep 0.1
    done
    . "$root/fakecloud.env"
fi

set +e
if [ "$use_xvfb" = 1 ]; then
    unset QT_QPA_PLATFORM
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"
else
    export QT_QPA_PLATFORM=offscreen
    "$@"
fi
status=$?
exit $status
