"""The data directory and the vault file, with the real program under a
private X server: one program per data directory, private files, a vault
file SQLite cannot read, a long APPDATA, no usable data directory, a
relative APPDATA or XDG_DATA_HOME, a lock left by a killed program.

Each case has its own APPDATA under the test's directory. Screenshots and
the programs' logs are kept under <build>/artifacts/data_safety/.

Called with the build directory as first argument (through run-isolated.sh).
"""
import glob
import hashlib
import os
import shutil
import signal
import stat
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
from keyloftrun import (VAULT_OPEN_LINE, Program, data_dir, fail, finish,  # noqa: E402
                        rerun_under_xvfb, run_cases, start_raw, vault_file, vault_rows,
                        wait_for)

BUILD = os.path.abspath(sys.argv[1])
rerun_under_xvfb(__file__, BUILD)

ROOT = os.environ["KEYLOFT_TEST_ROOT"]
ART = os.path.join(BUILD, "artifacts", "data_safety")
PASSWORD = "Safe-2021pw"
ALREADY_RUNNING = "keyloft: already running on "
RAISED = "Raise requested by another start."
NO_DATA_DIR = "keyloft: no usable data directory: "
UNREADABLE = "Error, read DB pwddata: "

shutil.rmtree(ART, ignore_errors=True)
os.makedirs(ART)


def appdata_for(case):
    path = os.path.join(ROOT, "cases", case)
    os.makedirs(path)
    return path


def mode(path):
    return stat.S_IMODE(os.lstat(path).st_mode)


def shared_entries(top):
    """Files and directories under top (top included) with group or other bits."""
    found = []
    for dirpath, dirnames, filenames in os.walk(top):
        for path in [dirpath] + [os.path.join(dirpath, n) for n in filenames]:
            if mode(path) & 0o077:
                found.append("%s %o" % (os.path.relpath(path, top), mode(path)))
    return found


def second_start(appdata, first):
    """Starts the program again on appdata while first runs: it must end
    with status 0 within seconds, say so, and have first raise its window."""
    began = time.monotonic()
    rc, out, err = finish(start_raw(BUILD, appdata), "the second start")
    print("second start ended after %.1f s" % (time.monotonic() - began))
    if rc != 0:
        fail("second start: status %d, stderr %r" % (rc, err))
    if ALREADY_RUNNING + data_dir(appdata) not in err:
        fail("second start did not say it is already running: %r" % err)
    if "did not answer" in err or "Theme.statusBarHeight" in out + err:
        fail("second start went further than asking for the raise: %r" % (out + err))
    first.wait_log(RAISED, "the running program to be asked to raise its window")
    if not first.alive():
        fail("the first program ended after the second start")


# A vault made by the program itself, copied aside for the cases that damage it.
_made_vault = []


def made_vault():
    if not _made_vault:
        appdata = appdata_for("made-vault")
        p = Program(BUILD, ART, "made-vault", appdata)
        p.set_first_password(PASSWORD)
        p.wait_log(VAULT_OPEN_LINE, "the vault to open")
        wait_for(lambda: len(vault_rows(appdata)) == 1, "the pwddata row")
        p.stop()
        _made_vault.append(os.path.dirname(vault_file(appdata)))
    return _made_vault[0]


def two_starts_on_a_users_open_directory():
    """The user's data directory exists with 0755: the first program makes it
    0700; a second start on it ends at once with status 0 and the first one
    goes on; the first one's save lands; nothing under the directory can be
    read by group or others, while it runs or after."""
    appdata = appdata_for("two-starts")
    top = data_dir(appdata)
    os.makedirs(top)
    os.chmod(top, 0o755)

    first = Program(BUILD, ART, "two-starts-first", appdata)
    if mode(top) != 0o700:
        fail("data directory mode %o, not 700" % mode(top))
    second_start(appdata, first)
    first.screenshot("two-starts-after-second")

    first.set_first_password(PASSWORD)
    first.wait_log(VAULT_OPEN_LINE, "the vault to open in the first program")
    wait_for(lambda: len(vault_rows(appdata)) == 1, "the first program's row on disk")
    date, wrapkey, content = vault_rows(appdata)[0]
    if wrapkey != "yes" or not content:
        fail("unexpected row %r" % ((date, wrapkey, len(content or "")),))
    if not os.path.exists(os.path.join(top, "keyloft.lock")):
        fail("no lock file in the data directory while the program runs")
    shared = shared_entries(top)
    if shared:
        fail("shared while running: %s" % ", ".join(shared))
    first.stop()
    shared = shared_entries(top)
    if shared:
        fail("shared after the run: %s" % ", ".join(shared))
    _made_vault.append(os.path.dirname(vault_file(appdata)))


def truncated(data):
    return data[:len(data) // 2]


def cut_in_header(data):
    return data[:50]


def garbage_in_table_page(data):
    # The second page is the pwddata table; its page header made invalid.
    page = 4096
    return data[:page] + b"\xff" * 64 + data[page + 64:]


def unreadable_vault_file():
    """A vault file SQLite cannot read: the dialog names it, the first-run
    road is not open behind it (what the user types there writes nothing),
    Escape ends the program, and the file keeps every byte."""
    source = made_vault()
    for tag, damage in [("truncated", truncated), ("cut in its header", cut_in_header),
                        ("garbage in a page", garbage_in_table_page)]:
        appdata = appdata_for("unreadable-" + tag.replace(" ", "-"))
        shutil.copytree(source, os.path.dirname(vault_file(appdata)))
        path = vault_file(appdata)
        with open(path, "rb") as f:
            data = damage(f.read())
        with open(path, "wb") as f:
            f.write(data)
        digest = hashlib.sha256(data).hexdigest()

        p = Program(BUILD, ART, "unreadable-" + tag.replace(" ", "-"), appdata)
        p.wait_log(UNREADABLE, "%s: the log line of the unreadable file" % tag)
        p.screenshot("unreadable-" + tag.replace(" ", "-"))
        # What a user would do on the welcome page: nothing of it reaches a
        # page behind the dialog. Escape comes after it in the same event
        # stream, so once the program has ended on it, all of it was handled.
        p.set_first_password(PASSWORD)
        if not p.alive():
            fail("%s: the program ended before the dialog was closed" % tag)
        p.key("Escape")
        rc = p.wait_end("%s: Escape on the dialog" % tag)
        if rc != 0:
            fail("%s: status %d after the dialog closed" % (tag, rc))
        if p.logged(VAULT_OPEN_LINE) or p.logged("save refused"):
            fail("%s: a vault was set up over the unreadable file:\n%s" % (tag, p.text()))
        with open(path, "rb") as f:
            if hashlib.sha256(f.read()).hexdigest() != digest:
                fail("%s: the vault file changed" % tag)
        others = [n for n in os.listdir(os.path.dirname(path))
                  if not n.endswith((".sqlite", ".ini"))]
        if others:
            fail("%s: files left beside the vault: %s" % (tag, others))


def long_appdata():
    """APPDATA of 300 characters: the data directory and the vault are made
    there, nowhere else."""
    base = os.path.join(ROOT, "cases", "long")
    appdata = base
    while len(appdata) < 300:
        appdata = os.path.join(appdata, "d" * min(60, 299 - len(appdata)))
    if len(appdata) != 300:
        fail("test set-up: APPDATA of %d characters" % len(appdata))
    os.makedirs(appdata)
    p = Program(BUILD, ART, "long-appdata", appdata)
    wait_for(lambda: os.path.exists(vault_file(appdata)), "the vault file under the long APPDATA")
    p.stop()
    if mode(data_dir(appdata)) != 0o700:
        fail("data directory mode %o" % mode(data_dir(appdata)))
    stray = glob.glob(os.path.join(ROOT, "**", "OfflineStorage"), recursive=True)
    if stray:
        fail("the vault database went elsewhere too: %s" % stray)


def refused_start(tag, appdata, **kw):
    """Starts the program on appdata, which gives it no usable data
    directory: it must end with a non-zero status, say why on standard error
    and load no QML frame. Returns (status, stderr)."""
    rc, out, err = finish(start_raw(BUILD, appdata, **kw), tag)
    if rc == 0:
        fail("%s: status 0" % tag)
    if NO_DATA_DIR not in err:
        fail("%s: no reason on stderr: %r" % (tag, err))
    if "Theme.statusBarHeight" in out + err:
        fail("%s: the QML frame was loaded" % tag)
    return rc, err


def no_usable_data_directory():
    """When the data directory cannot be made or used, the program says why on
    standard error and ends with a non-zero status."""
    base = os.path.join(ROOT, "cases", "unusable")
    os.makedirs(base)
    plain = os.path.join(base, "plain-file")
    with open(plain, "w") as f:
        f.write("not a directory\n")
    as_file = os.path.join(base, "data-dir-is-a-file")
    os.makedirs(os.path.join(as_file, "Ormel"))
    with open(data_dir(as_file), "w") as f:
        f.write("not a directory\n")
    for tag, appdata in [("APPDATA under a regular file", os.path.join(plain, "appdata")),
                         ("the data directory is a regular file", as_file)]:
        refused_start(tag, appdata)
    with open(plain) as f:
        if f.read() != "not a directory\n":
            fail("the regular file was changed")


def relative_data_home():
    """A relative APPDATA is refused as an unusable data directory would be:
    the reason on standard error, status 1, nothing made under the current
    directory. A relative XDG_DATA_HOME is ignored (the XDG rules): the vault
    goes under $HOME/.local/share, wherever the program is started from."""
    base = os.path.join(ROOT, "cases", "relative")
    here = os.path.join(base, "started-here")
    home = os.path.join(base, "home")
    os.makedirs(here)
    os.makedirs(home)
    rc, err = refused_start("relative APPDATA", "appdata", cwd=here)
    if rc != 1:
        fail("relative APPDATA: status %d, stderr %r" % (rc, err))
    if '"appdata"' not in err or "not an absolute path" not in err:
        fail("relative APPDATA: the reason names no relative path: %r" % err)
    if os.listdir(here):
        fail("relative APPDATA: made %s in the current directory" % os.listdir(here))

    proc = start_raw(BUILD, None, cwd=here, XDG_DATA_HOME="data", HOME=home)
    vault = vault_file(os.path.join(home, ".local", "share"))
    wait_for(lambda: os.path.exists(vault) or proc.poll() is not None,
             "the vault file under $HOME/.local/share")
    if proc.poll() is not None:
        fail("relative XDG_DATA_HOME: the program ended (status %d): %r"
             % (proc.returncode, proc.communicate()))
    proc.terminate()
    proc.communicate()
    if os.listdir(here):
        fail("relative XDG_DATA_HOME: made %s in the current directory" % os.listdir(here))


def lock_of_a_killed_program():
    """A lock left by a program killed with SIGKILL is taken over by the next
    start, which then holds it against a further start."""
    appdata = appdata_for("killed")
    lock = os.path.join(data_dir(appdata), "keyloft.lock")
    first = Program(BUILD, ART, "killed-first", appdata)
    first.proc.send_signal(signal.SIGKILL)
    first.wait_end("SIGKILL")
    if not os.path.exists(lock):
        fail("test set-up: the killed program left no lock file")
    taker = Program(BUILD, ART, "killed-next", appdata)
    if taker.logged(ALREADY_RUNNING):
        fail("the next start took the stale lock as held")
    second_start(appdata, taker)
    taker.stop()


sys.exit(run_cases([
    ("two starts on a user's 0755 data directory", two_starts_on_a_users_open_directory),
    ("a vault file SQLite cannot read", unreadable_vault_file),
    ("APPDATA of 300 characters", long_appdata),
    ("no usable data directory", no_usable_data_directory),
    ("a relative APPDATA or XDG_DATA_HOME", relative_data_home),
    ("a lock left by a killed program", lock_of_a_killed_program),
]))
