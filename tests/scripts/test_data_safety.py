"""The data directory and the vault file, with the real program under a
private X server: one program per data directory, private files, a first
start killed between the vault file and its settings file, lost settings
files, a vault file SQLite cannot read or finds damaged, one another program
holds, one the user may not read, a long APPDATA, no usable data directory,
a relative APPDATA or XDG_DATA_HOME, a lock left by a killed program.

Each case has its own APPDATA under the test's directory. Screenshots and
the programs' logs are kept under <build>/artifacts/data_safety/ (or
KEYLOFT_ARTIFACT_DIR).

Called with the build directory as first argument (through run-isolated.sh).
"""
import glob
import hashlib
import os
import pwd
import shutil
import signal
import sqlite3
import stat
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
from keyloftrun import (ALREADY_RUNNING, CLOUD_DB_NAME, FIELD_XY, NO_VAULT_LINE,  # noqa: E402
                        STORED_VAULT_LINE, VAULT_DB_NAME, VAULT_OPEN_LINE, Program,
                        artifact_dir, data_dir, database_file, fail, finish, rerun_under_xvfb,
                        run_cases, second_start, start_raw, stopped, vault_file, vault_rows,
                        wait_for, wait_limit)

BUILD = os.path.abspath(sys.argv[1])
rerun_under_xvfb(__file__, BUILD)

ROOT = os.environ["KEYLOFT_TEST_ROOT"]
# KEYLOFT_ARTIFACT_DIR: another place, for runs side by side.
ART = artifact_dir(BUILD, "data_safety")
PASSWORD = "Safe-2021pw"
NO_DATA_DIR = "keyloft: no usable data directory: "
UNREADABLE = "Error, read DB pwddata: "
# How many first starts are killed the moment the vault file appears.
FIRST_START_KILLS = 15



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


# A vault made by the program itself, copied aside for the cases that damage it.
_made_vault = []


def databases_of(appdata):
    return os.path.dirname(vault_file(appdata))


def copy_made_vault(case):
    """A new APPDATA for case holding a copy of the made vault's databases,
    taken from a directory no program is writing."""
    source = made_vault()
    others = [n for n in os.listdir(source) if not n.endswith((".sqlite", ".ini"))]
    if others:
        fail("test set-up: the made vault has files beside it: %s" % others)
    appdata = appdata_for(case)
    shutil.copytree(source, databases_of(appdata))
    return appdata


def made_vault():
    if not _made_vault:
        appdata = appdata_for("made-vault")
        p = Program(BUILD, ART, "made-vault", appdata)
        p.set_first_password(PASSWORD)
        p.wait_log(VAULT_OPEN_LINE, "the vault to open")
        wait_for(lambda: len(vault_rows(appdata)) == 1, "the pwddata row")
        stopped(p, "the program that made the vault")
        _made_vault.append(databases_of(appdata))
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
    second_start(BUILD, appdata, first)
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
    stopped(first, "the first program")
    shared = shared_entries(top)
    if shared:
        fail("shared after the run: %s" % ", ".join(shared))
    _made_vault.append(databases_of(appdata))


def truncated(data):
    return data[:len(data) // 2]


def cut_in_header(data):
    return data[:50]


def garbage_in_table_page(data):
    # The second page is the pwddata table; its page header made invalid.
    page = 4096
    return data[:page] + b"\xff" * 64 + data[page + 64:]


def no_cells_in_table_page(data):
    # The cell count of the pwddata table's root page zeroed: SQLite still
    # reads the file, and the table as empty.
    page = 4096
    return data[:page + 3] + b"\0\0" + data[page + 5:]


def rows_sqlite_reads(path):
    con = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
    try:
        return con.execute("SELECT count(*) FROM pwddata").fetchone()[0]
    finally:
        con.close()


def file_digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def unreadable_vault_file():
    """A vault file SQLite cannot read or finds damaged: the dialog names
    it, the first-run road is not open behind it (what the user types there
    writes nothing), Escape ends the program, and the file keeps every
    byte."""
    for tag, damage in [("truncated", truncated), ("cut in its header", cut_in_header),
                        ("garbage in a page", garbage_in_table_page),
                        ("no cells in the table's page", no_cells_in_table_page)]:
        appdata = copy_made_vault("unreadable-" + tag.replace(" ", "-"))
        path = vault_file(appdata)
        with open(path, "rb") as f:
            data = damage(f.read())
        with open(path, "wb") as f:
            f.write(data)
        digest = hashlib.sha256(data).hexdigest()
        if damage is no_cells_in_table_page and rows_sqlite_reads(path) != 0:
            fail("test set-up: SQLite still reads the row of %s" % tag)

        p = Program(BUILD, ART, "unreadable-" + tag.replace(" ", "-"), appdata)
        p.wait_log(UNREADABLE + "unreadable: ", "%s: the log line of the unreadable file" % tag)
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
        if file_digest(path) != digest:
            fail("%s: the vault file changed" % tag)
        others = [n for n in os.listdir(os.path.dirname(path))
                  if not n.endswith((".sqlite", ".ini"))]
        if others:
            fail("%s: files left beside the vault: %s" % (tag, others))


def killed_first_starts():
    """First starts killed (SIGKILL) the moment LocalStorage has made the
    vault file, a moment before it writes the settings file beside it: each
    next start is a first start again and puts the settings file back, and
    a first password then makes the vault."""
    left = {}
    for i in range(FIRST_START_KILLS):
        appdata = appdata_for("killed-first-start-%d" % i)
        path = vault_file(appdata)
        proc = start_raw(BUILD, appdata, QT_QPA_PLATFORM="offscreen")
        end = time.time() + wait_limit(30)
        while not os.path.exists(path) and proc.poll() is None and time.time() < end:
            pass
        proc.kill()
        proc.communicate()
        if not os.path.exists(path):
            fail("kill %d: no vault file appeared" % i)
        state = "%d bytes, settings file %s" % (
            os.path.getsize(path),
            "there" if os.path.exists(database_file(appdata, VAULT_DB_NAME, ".ini")) else "missing")
        left[state] = left.get(state, 0) + 1

        p = Program(BUILD, ART, "killed-first-start-%d" % i, appdata, window=False)
        p.wait(lambda: p.logged(NO_VAULT_LINE) or p.logged(UNREADABLE),
               "kill %d: the next start to read the vault file" % i)
        if not p.logged(NO_VAULT_LINE):
            fail("kill %d (%s): the next start refused the file:\n%s" % (i, state, p.text()))
        stopped(p, "kill %d: the next start" % i)
        with open(database_file(appdata, VAULT_DB_NAME, ".ini")) as f:
            if "Version=1.0" not in f.read():
                fail("kill %d: no version in the settings file after the next start" % i)
    print("left by the kills: %s" % left)
    if not any("missing" in state for state in left):
        fail("no kill came between the vault file and its settings file: %s" % left)

    p = Program(BUILD, ART, "killed-first-start-then-password", appdata)
    p.set_first_password(PASSWORD)
    p.wait_log(VAULT_OPEN_LINE, "the vault to open after the killed first start")
    wait_for(lambda: len(vault_rows(appdata)) == 1, "the pwddata row")
    stopped(p, "the program after the killed first start")


def lost_settings_files():
    """The settings files beside the vault and the cloud state deleted: the
    next start puts back what LocalStorage wrote, byte for byte, and the
    vault opens with its password."""
    appdata = copy_made_vault("lost-settings-files")
    inis = [database_file(appdata, name, ".ini") for name in (VAULT_DB_NAME, CLOUD_DB_NAME)]
    if not os.path.exists(database_file(appdata, CLOUD_DB_NAME)):
        fail("test set-up: the made vault has no cloud state")
    originals = []
    for ini in inis:
        with open(ini, "rb") as f:
            originals.append(f.read())
        os.remove(ini)

    p = Program(BUILD, ART, "lost-settings-files", appdata)
    p.wait_log(STORED_VAULT_LINE, "the stored vault to be read")
    p.click(*FIELD_XY)
    p.type(PASSWORD)
    p.wait_log(VAULT_OPEN_LINE, "the vault to open with its password")
    stopped(p, "the program on the lost settings files")
    if p.logged("Error, Load DB clouddata"):
        fail("the cloud state was not read:\n%s" % p.text())
    for ini, original in zip(inis, originals):
        with open(ini, "rb") as f:
            if f.read() != original:
                fail("%s is not what LocalStorage wrote" % os.path.basename(ini))


def held_by_another_program():
    """Another program holds the vault file locked (python3's sqlite3 in
    BEGIN EXCLUSIVE): the start says the file is in use, in either language,
    and ends on Escape with the file untouched; once the lock ends, the next
    start reads the vault."""
    for lang in ("zh_CN.UTF-8", "en_US.UTF-8"):
        tag = "in-use-" + lang[:2]
        appdata = copy_made_vault(tag)
        path = vault_file(appdata)
        digest = file_digest(path)
        holder = subprocess.Popen(
            [sys.executable, "-c",
             "import sqlite3, sys\n"
             "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
             "db.execute('BEGIN EXCLUSIVE')\n"
             "print('locked', flush=True)\n"
             "sys.stdin.read()\n", path],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        try:
            if holder.stdout.readline().strip() != "locked":
                fail("test set-up: the lock was not taken")
            p = Program(BUILD, ART, tag, appdata, LANG=lang)
            p.wait_log(UNREADABLE + "inUse: database is locked", "%s: the vault file in use" % lang)
            p.screenshot(tag)
            p.key("Escape")
            rc = p.wait_end("%s: Escape on the dialog" % lang)
            if rc != 0:
                fail("%s: status %d after the dialog closed" % (lang, rc))
        finally:
            holder.stdin.close()
            holder.wait()
        if file_digest(path) != digest:
            fail("%s: the vault file changed" % lang)
        p = Program(BUILD, ART, tag + "-after", appdata, window=False)
        p.wait(lambda: p.logged(STORED_VAULT_LINE) or p.logged(UNREADABLE),
               "%s: the start after the lock" % lang)
        if not p.logged(STORED_VAULT_LINE):
            fail("%s: the vault was not read after the lock ended:\n%s" % (lang, p.text()))
        stopped(p, "%s: the start after the lock" % lang)


def unreadable_for_the_user():
    """A vault file its user may not read (mode 0000; as root the program
    runs as nobody, since root reads every file): the start says so with
    the system's reason and leaves the file as it is."""
    work = tempfile.mkdtemp(prefix="keyloft-denied-")
    try:
        os.chmod(work, 0o755)
        appdata = os.path.join(work, "appdata")
        shutil.copytree(made_vault(), databases_of(appdata))
        extra = {"HOME": os.path.join(work, "home"), "XDG_RUNTIME_DIR": os.path.join(work, "run"),
                 "XDG_CACHE_HOME": os.path.join(work, "cache"),
                 "XDG_CONFIG_HOME": os.path.join(work, "config")}
        for d in extra.values():
            os.makedirs(d, mode=0o700)
        path = vault_file(appdata)
        digest = file_digest(path)
        command = [os.path.join(BUILD, "keyloft")]
        if os.geteuid() == 0:
            nobody = pwd.getpwnam("nobody")
            for dirpath, dirnames, filenames in os.walk(work):
                for name in [dirpath] + [os.path.join(dirpath, n) for n in filenames]:
                    os.chown(name, nobody.pw_uid, nobody.pw_gid)
            command = ["setpriv", "--reuid=%d" % nobody.pw_uid, "--regid=%d" % nobody.pw_gid,
                       "--clear-groups", "--"] + command
        os.chmod(path, 0)
        env = dict(os.environ, QT_MESSAGE_PATTERN="%{message}", QT_QUICK_BACKEND="software",
                   QT_QPA_PLATFORM="offscreen", APPDATA=appdata, **extra)
        log_path = os.path.join(ART, "denied.log")
        with open(log_path, "w") as log:
            proc = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT)
        try:
            def logged():
                with open(log_path, errors="replace") as f:
                    return f.read()
            wait_for(lambda: UNREADABLE in logged() or proc.poll() is not None,
                     "the start on the file its user may not read")
            line = UNREADABLE + "denied: Permission denied"
            if line not in logged():
                fail("no %r in the log:\n%s" % (line, logged()))
            if proc.poll() is not None:
                fail("the program ended before its dialog was closed (status %d)" % proc.returncode)
        finally:
            proc.terminate()
            proc.wait()
        os.chmod(path, 0o600)
        if file_digest(path) != digest:
            fail("the vault file changed")
    finally:
        shutil.rmtree(work, ignore_errors=True)


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
    second_start(BUILD, appdata, taker)
    stopped(taker, "the program that took the lock over")


sys.exit(run_cases([
    ("two starts on a user's 0755 data directory", two_starts_on_a_users_open_directory),
    ("a vault file SQLite cannot read or finds damaged", unreadable_vault_file),
    ("first starts killed between the vault file and its settings file", killed_first_starts),
    ("the settings files beside the databases lost", lost_settings_files),
    ("a vault file another program holds", held_by_another_program),
    ("a vault file its user may not read", unreadable_for_the_user),
    ("APPDATA of 300 characters", long_appdata),
    ("no usable data directory", no_usable_data_directory),
    ("a relative APPDATA or XDG_DATA_HOME", relative_data_home),
    ("a lock left by a killed program", lock_of_a_killed_program),
]))
