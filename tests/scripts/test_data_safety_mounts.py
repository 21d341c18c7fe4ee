"""Real faults under the store, made with mounts: a data directory on a
read-only bind mount and one on a small tmpfs (a full disk). The QML files
under faults_qml/ run through the QML test runner with APPDATA at the
prepared directory: setup/ stores the vaults before the fault, readonly/ and
fulldisk/ work on them under it. A first start of the real program on a full
disk runs under a private X server.

Mounting needs root (CI runs as root; there file modes do not stop writes,
which is why the faults are mounts). A case that cannot mount is skipped
with the reason; every mount made is undone, also on failure.

Called with the build directory as first argument (through run-isolated.sh).
"""
import hashlib
import os
import shutil
import signal
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "pylib"))
from keyloftrun import (NO_VAULT_LINE, VAULT_DB_NAME, VAULT_OPEN_LINE, Program,  # noqa: E402
                        Skipped, database_file, fail, rerun_under_xvfb, run_cases, vault_rows,
                        wait_for, wait_limit)

BUILD = os.path.abspath(sys.argv[1])
rerun_under_xvfb(__file__, BUILD)

ROOT = os.environ["KEYLOFT_TEST_ROOT"]
ART = os.path.join(BUILD, "artifacts", "data_safety_mounts")
FAULTS = os.path.join(HERE, "faults_qml")
RUN_ISOLATED = os.path.join(HERE, "..", "run-isolated.sh")
QMLTEST = os.path.join(BUILD, "keyloft-qmltest")

# Mount points made by this script, undone in reverse order at the end of
# each case (and at exit, should a case be interrupted).
_mounted = []


def mount(args, target, undo=True):
    """Runs mount ARGS TARGET; Skipped with mount's reason when it fails.
    undo: a new mount to undo (not a remount of one)."""
    r = subprocess.run(["mount"] + args + [target], capture_output=True, text=True)
    if r.returncode != 0:
        raise Skipped("cannot mount (%s): %s" % (" ".join(args),
                                                  (r.stderr or r.stdout).strip()))
    if undo:
        _mounted.append(target)


def unmount_all():
    errors = []
    while _mounted:
        target = _mounted.pop()
        r = subprocess.run(["umount", target], capture_output=True, text=True)
        if r.returncode != 0:
            # Busy (a runner still ending): detach it now, it goes when free.
            r2 = subprocess.run(["umount", "-l", target], capture_output=True, text=True)
            if r2.returncode != 0:
                errors.append("%s: %s" % (target, (r.stderr + r2.stderr).strip()))
    if errors:
        fail("cannot undo mounts: " + "; ".join(errors))


def qmltest(appdata, path, *functions, logged=None):
    """Runs QML test file path with APPDATA at appdata (only the named test
    functions when given); logged: a text its output must hold."""
    env = dict(os.environ, KEYLOFT_TEST_APPDATA=appdata)
    cmd = [RUN_ISOLATED, QMLTEST, "-input", os.path.join(FAULTS, path)] + list(functions)
    try:
        r = subprocess.run(cmd, env=env, capture_output=True, text=True, timeout=wait_limit(120))
    except subprocess.TimeoutExpired:
        fail("%s did not end in 120 s" % path)
    lines = [ln for ln in r.stdout.splitlines() if not ln.startswith(("QDEBUG", "QWARN"))]
    if r.returncode != 0:
        print("\n".join(lines[-40:]) + "\n" + r.stderr[-2000:])
    else:
        print("\n".join(ln for ln in lines if ln.startswith(("PASS", "SKIP", "Totals"))))
    if r.returncode != 0:
        fail("%s %s failed (status %d)" % (path, " ".join(functions), r.returncode))
    if logged and logged not in r.stdout + r.stderr:
        fail("%s %s: no %r in its output" % (path, " ".join(functions), logged))


def tree_digest(top):
    h = hashlib.sha256()
    for dirpath, dirnames, filenames in sorted(os.walk(top)):
        dirnames.sort()
        for name in sorted(filenames):
            path = os.path.join(dirpath, name)
            h.update(os.path.relpath(path, top).encode() + b"\0")
            with open(path, "rb") as f:
                h.update(f.read())
    return h.hexdigest()


def read_only_data_directory():
    top = os.path.join(ROOT, "readonly")
    keypad = os.path.join(top, "keypad")
    text = os.path.join(top, "text")
    os.makedirs(keypad)
    os.makedirs(text)
    qmltest(keypad, "setup/tst_setup.qml", "Setup::test_keypadVault")
    qmltest(text, "setup/tst_setup.qml", "Setup::test_textVault")
    digest = tree_digest(top)
    try:
        mount(["--bind", top], top)
        mount(["-o", "remount,bind,ro"], top, undo=False)
        try:
            open(os.path.join(top, "probe"), "w").close()
            fail("the read-only mount takes writes")
        except OSError:
            pass
        qmltest(keypad, "readonly/tst_readonly.qml", "ReadOnly::test_keypadLogin",
                "ReadOnly::test_newEntryNotSaved", "ReadOnly::test_boxNotSaved",
                "ReadOnly::test_storeWrites",
                logged="Error, write to pwddata failed: attempt to write a readonly database")
        qmltest(text, "readonly/tst_readonly.qml", "ReadOnly::test_textLogin")
    finally:
        unmount_all()
    if tree_digest(top) != digest:
        fail("the data directories changed under the read-only mount")


def full_disk():
    top = os.path.join(ROOT, "fulldisk")
    os.makedirs(top)
    try:
        mount(["-t", "tmpfs", "-o", "size=1m,mode=0700", "tmpfs"], top)
        qmltest(top, "setup/tst_setup.qml", "Setup::test_keypadVault")
        st = os.statvfs(top)
        free = st.f_bavail * st.f_frsize
        print("free on the tmpfs after the set-up: %d KiB" % (free // 1024))
        if free >= 1024 * 1024:
            fail("test set-up: the tmpfs has %d bytes free" % free)
        qmltest(top, "fulldisk/tst_fulldisk.qml",
                logged="Error, write to pwddata failed: database or disk is full")
    finally:
        unmount_all()


def fill(path):
    """Writes path until the file system it is on is full."""
    chunk = b"\0" * 4096
    with open(path, "wb", buffering=0) as f:
        try:
            while True:
                f.write(chunk)
        except OSError:
            pass


def full_disk_at_the_first_start():
    """A first start on a full disk: the program opens on the first-run
    page, LocalStorage having made an empty vault file and no settings file
    beside it. Once space is freed, the next start is a first start again,
    and a first password makes the vault."""
    top = os.path.join(ROOT, "fullfirst")
    os.makedirs(top)
    shutil.rmtree(ART, ignore_errors=True)
    os.makedirs(ART)
    try:
        mount(["-t", "tmpfs", "-o", "size=256k,mode=0700", "tmpfs"], top)
        appdata = os.path.join(top, "appdata")
        os.makedirs(appdata)
        filler = os.path.join(top, "filler")
        fill(filler)
        vault = database_file(appdata, VAULT_DB_NAME)
        ini = database_file(appdata, VAULT_DB_NAME, ".ini")

        p = Program(BUILD, ART, "full-first-start", appdata, window=False)
        p.wait(lambda: p.logged(NO_VAULT_LINE) or p.logged("Error, read DB pwddata"),
               "the first start on the full disk to read the vault file")
        if not p.logged(NO_VAULT_LINE):
            fail("the first start on the full disk refused the vault file:\n" + p.text())
        if p.stop() != 0:
            fail("the first start on the full disk did not end normally")
        if not os.path.exists(vault) or os.path.getsize(vault) != 0 or os.path.exists(ini):
            fail("test set-up: the full disk left %s" % os.listdir(os.path.dirname(vault)))

        os.remove(filler)
        p = Program(BUILD, ART, "full-first-start-freed", appdata)
        p.set_first_password("Safe-2021pw")
        p.wait_log(VAULT_OPEN_LINE, "the vault to open once space is freed")
        wait_for(lambda: len(vault_rows(appdata)) == 1, "the pwddata row")
        if p.stop() != 0:
            fail("the start after space was freed did not end normally")
        if not os.path.exists(ini):
            fail("no settings file beside the vault after the first password")
    finally:
        unmount_all()


def main():
    if os.geteuid() != 0:
        for name in ("read-only data directory", "full disk", "full disk at the first start"):
            print("SKIP: %s: mounting needs root (running as uid %d)" % (name, os.geteuid()))
        return 77
    # A kill of the script still undoes the mounts.
    signal.signal(signal.SIGTERM, lambda *a: sys.exit(143))
    try:
        return run_cases([
            ("read-only data directory", read_only_data_directory),
            ("full disk", full_disk),
            ("full disk at the first start", full_disk_at_the_first_start),
        ])
    finally:
        if _mounted:
            unmount_all()


sys.exit(main())
