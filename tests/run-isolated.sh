#!/bin/sh
# Runs a test command with HOME, XDG_* and APPDATA pointed at a fresh
# temporary directory, offscreen and with the software Qt Quick backend.
# Options before the command:
#   --xvfb        run under a private X server instead of offscreen
#   --keep DIR    use DIR (created) instead of a temporary directory, keep it
set -e
use_xvfb=0
keep=""
while [ $# -gt 0 ]; do
    case "$1" in
        --xvfb) use_xvfb=1; shift ;;
        --keep) keep="$2"; shift 2 ;;
        *) break ;;
    esac
done

if [ -n "$keep" ]; then
    rm -rf "$keep"; mkdir -p "$keep"; root="$keep"
else
    root=$(mktemp -d "${TMPDIR:-/tmp}/keyloft-test.XXXXXX")
    trap 'rm -rf "$root"' EXIT INT TERM
fi

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
# Read only by a sanitizer build (make asan); full stacks, so that the
# suppressions see which library an allocation came through.
export ASAN_OPTIONS="fast_unwind_on_malloc=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

if [ "$use_xvfb" = 1 ]; then
    unset QT_QPA_PLATFORM
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
fi
export QT_QPA_PLATFORM=offscreen
"$@"
