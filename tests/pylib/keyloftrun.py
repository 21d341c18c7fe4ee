"""Runs the real program for script tests: under a private X server, driven
with xdotool, with its log read through QT_MESSAGE_PATTERN=%{message}.

    rerun_under_xvfb(__file__, BUILD)    # first thing in the script
    p = Program(BUILD, ART, "run1", appdata)
    p.click(*START_XY)
    ...
    p.stop()

Every program started here is ended by end_all() (run_cases calls it after
each case), so that a failing case leaves nothing running.
"""
import hashlib
import os
import shutil
import sqlite3
import subprocess
import sys
import time

WIN_W, WIN_H = 400, 650
SCREEN_W, SCREEN_H = 1024, 768
UNIT = 10  # Util.unitHeight for a 400 px wide window

# Places fixed by the layout in units (independent of fonts): the welcome
# button 8 units above the bottom and 4 units high; on the login page the
# text field starts 7 units below the 6-unit image that stands at 6 % of
# the height, the "确定" button 2 units below the field.
START_XY = (WIN_W // 2, WIN_H - 8 * UNIT - 2 * UNIT)
FIELD_Y = int(-(-WIN_H * 0.06 // 1)) + 6 * UNIT + 7 * UNIT
FIELD_XY = (WIN_W // 2, FIELD_Y + 16)
OK_XY = (WIN_W // 2, FIELD_Y + 33 + 2 * UNIT + 2 * UNIT)

# The vault database: LocalStorage names the file after the MD5 of the name.
VAULT_DB_NAME = "ZovuduzuRez"
CLOUD_DB_NAME = "KeyloftCloud"
# Logged by the frame once the vault is open.
VAULT_OPEN_LINE = "main: Load DBCloud."
# Said by a second start on a data directory a program runs on (standard
# error, then the directory), and logged by the running program it asks to
# come to the front.
ALREADY_RUNNING = "keyloft: already running on "
RAISED = "Raise requested by another start."
# Logged by the store when it has read the vault file at start.
NO_VAULT_LINE = "DB pwddata loaded: no vault yet."
STORED_VAULT_LINE = "DB pwddata loaded: a stored vault."


class Failed(Exception):
    pass


class Skipped(Exception):
    """A case that cannot run here; the message says why."""


# Exit status of a script test that could run none of its cases (the
# SKIP_RETURN_CODE of script tests in tests/CMakeLists.txt).
SKIP_STATUS = 77


def fail(msg):
    raise Failed(msg)


def wait_limit(seconds):
    """The limit of a wait that takes `seconds` on a plain build: times the
    run's KEYLOFT_TEST_TIME_SCALE, which the sanitizer build lengthens."""
    try:
        scale = float(os.environ.get("KEYLOFT_TEST_TIME_SCALE", "1"))
    except ValueError:
        scale = 1.0
    return seconds * max(scale, 1.0)


def wait_for(cond, what, timeout=30.0):
    end = time.time() + wait_limit(timeout)
    while True:
        if cond():
            return
        if time.time() >= end:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def rerun_under_xvfb(script, build):
    """Runs script again under xvfb-run unless this is that run already."""
    if os.environ.get("KEYLOFT_XVFB_INNER") == "1":
        return
    env = dict(os.environ, KEYLOFT_XVFB_INNER="1")
    env.pop("QT_QPA_PLATFORM", None)
    sys.exit(subprocess.call(
        ["xvfb-run", "-a", "-s", "-screen 0 %dx%dx24" % (SCREEN_W, SCREEN_H),
         sys.executable, os.path.abspath(script), build], env=env))


def xdo(*args):
    return subprocess.run(["xdotool"] + [str(a) for a in args], check=True,
                          capture_output=True, text=True).stdout.strip()


def screenshot(build, art, name):
    # Give the scene graph a moment to paint before grabbing (the grab is
    # only a record; nothing is decided on it).
    time.sleep(0.6)
    path = os.path.join(art, name + ".png")
    subprocess.run([os.path.join(build, "screengrab"), path], check=True)
    print("screenshot: " + path)


def grab_pixels(build, path):
    """The whole screen as (width, height, rgb bytes), saved as a PPM at path."""
    subprocess.run([os.path.join(build, "screengrab"), path], check=True)
    with open(path, "rb") as f:
        data = f.read()
    # P6, width, height, maximum value, each followed by one blank.
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        fail("unexpected screen grab format in %s: %r" % (path, fields))
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


def data_dir(appdata):
    return os.path.join(appdata, "Ormel", "Keyloft")


def database_file(appdata, name, ext=".sqlite"):
    """A LocalStorage database's file (ext ".ini": the settings file beside it)."""
    return os.path.join(data_dir(appdata), "Databases",
                        hashlib.md5(name.encode()).hexdigest() + ext)


def vault_file(appdata):
    return database_file(appdata, VAULT_DB_NAME)


def vault_rows(appdata):
    """(date, wrapkey, content) of every pwddata row of the vault file."""
    path = vault_file(appdata)
    if not os.path.exists(path):
        return []
    con = sqlite3.connect("file:%s?mode=ro" % path, uri=True)
    try:
        tables = [r[0] for r in con.execute(
            "SELECT name FROM sqlite_master WHERE type='table'")]
        if "pwddata" not in tables:
            return []
        return con.execute("SELECT date, wrapkey, content FROM pwddata").fetchall()
    finally:
        con.close()


_started = []


def end_all():
    """Ends every program started here that still runs."""
    while _started:
        proc = _started.pop()
        if proc.poll() is None:
            proc.kill()
        proc.wait()


def program_env(appdata, **extra):
    """The program's environment: APPDATA is appdata (unset when None); a
    variable of extra given as None is unset."""
    env = dict(os.environ, QT_MESSAGE_PATTERN="%{message}", QT_QUICK_BACKEND="software",
               QT_QPA_PLATFORM="xcb", APPDATA=appdata)
    env.update(extra)
    return {k: v for k, v in env.items() if v is not None}


def program_command(build, uid=None):
    """The program's command line; with uid, run as that user and group
    (root only; no user entry is needed)."""
    command = [os.path.join(build, "keyloft")]
    if uid is None:
        return command
    return ["setpriv", "--reuid=%d" % uid, "--regid=%d" % uid, "--clear-groups", "--"] + command


def start_raw(build, appdata, cwd=None, uid=None, **extra):
    """Starts the program (in cwd, when given; as uid, when given) with
    stdout and stderr piped, for a start that is expected to end by itself."""
    proc = subprocess.Popen(program_command(build, uid), env=program_env(appdata, **extra),
                            cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    _started.append(proc)
    return proc


def finish(proc, what, timeout=15.0):
    """Waits for a start that ends by itself: (status, stdout, stderr)."""
    try:
        out, err = proc.communicate(timeout=wait_limit(timeout))
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.communicate()
        fail("%s did not end within %.0f s" % (what, wait_limit(timeout)))
    return proc.returncode, out, err


def artifact_dir(build, name):
    """The script's empty directory for screenshots and logs:
    KEYLOFT_ARTIFACT_DIR (another place, for runs side by side), else
    <build>/artifacts/<name>."""
    path = os.environ.get("KEYLOFT_ARTIFACT_DIR") or os.path.join(build, "artifacts", name)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def second_start(build, appdata, first, uid=None, **extra):
    """Starts the program again on appdata (as uid, with extra, as for
    start_raw) while first runs: it must end with status 0 within seconds,
    say so, go no further than asking for the raise, and have first raise
    its window."""
    began = time.monotonic()
    rc, out, err = finish(start_raw(build, appdata, uid=uid, **extra), "the second start")
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


def stopped(p, what):
    """Ends p as the session would (SIGTERM): it must end by itself, with
    status 0, so that nothing it was writing is left half done."""
    rc = p.stop()
    if rc != 0:
        fail("%s: status %d after SIGTERM, not a normal end" % (what, rc))


class Program:
    """The program with its window up and focused on the private X server;
    with window False, offscreen (nothing to click, only its log to read).
    uid: run as that user (as for program_command; offscreen only, since the
    X server admits only its own user). extra: variables of the program's
    environment, as for program_env (None unsets one)."""

    def __init__(self, build, art, tag, appdata, window=True, uid=None, **extra):
        self.build = build
        self.art = art
        self.log_path = os.path.join(art, tag + ".log")
        self.log = open(self.log_path, "w")
        if not window:
            extra.setdefault("QT_QPA_PLATFORM", "offscreen")
        self.proc = subprocess.Popen(program_command(build, uid),
                                     env=program_env(appdata, **extra),
                                     stdout=self.log, stderr=subprocess.STDOUT)
        _started.append(self.proc)
        self.wait_log("Theme.statusBarHeight", "start-up of the QML frame")
        self.wid = None
        if not window:
            return

        def find():
            try:
                out = xdo("search", "--onlyvisible", "--pid", self.proc.pid)
            except subprocess.CalledProcessError:
                return False
            ids = out.split()
            self.wid = ids[-1] if ids else None
            return self.wid is not None
        self.wait(find, "the program's window")
        # No window manager under Xvfb: give the window the input focus.
        xdo("windowfocus", "--sync", self.wid)
        self.wait_log("main: Recived WillEnterForeground.", "window activation")

    def text(self):
        if not self.log.closed:
            self.log.flush()
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def logged(self, line):
        return line in self.text()

    def count(self, line):
        return self.text().count(line)

    def alive(self):
        return self.proc.poll() is None

    def wait(self, cond, what, timeout=30.0):
        """Waits for cond; fails at once, with the log, when the program ends."""
        def check():
            if cond():
                return True
            if not self.alive():
                fail("the program ended (status %s) while waiting for %s; its log:\n%s"
                     % (self.proc.returncode, what, self.text()))
            return False
        wait_for(check, what, timeout)

    def wait_log(self, line, what, timeout=30.0):
        self.wait(lambda: self.logged(line), what, timeout)

    def wait_end(self, what, timeout=15.0):
        """Waits for the program to end by itself; its exit status."""
        try:
            return self.proc.wait(wait_limit(timeout))
        except subprocess.TimeoutExpired:
            fail("the program did not end after " + what)
        finally:
            self.log.close()

    def geometry(self):
        return xdo("getwindowgeometry", self.wid)

    def click(self, x, y):
        xdo("mousemove", "--window", self.wid, x, y)
        xdo("click", 1)

    def type(self, txt):
        xdo("type", "--delay", 30, txt)

    def key(self, name):
        xdo("key", name)

    def screenshot(self, name):
        screenshot(self.build, self.art, name)

    def set_first_password(self, password):
        """From the welcome page: "开始使用", then a first text password typed
        twice with "确定" after each entry."""
        self.click(*START_XY)
        self.click(*FIELD_XY)
        self.type(password)
        # Two presses close in time and place make a double click, on which
        # a button does not say "clicked": the two presses of "确定" fall on
        # different points of the wide button.
        self.click(OK_XY[0] - 60, OK_XY[1])
        self.type(password)
        self.click(OK_XY[0] + 60, OK_XY[1])

    def stop(self):
        """Asks the program to end (SIGTERM, on which it ends between two
        events, as on closing its window); its exit status, negative when it
        had to be killed."""
        if self.alive():
            self.proc.terminate()
            try:
                self.proc.wait(wait_limit(10))
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()
        return self.proc.returncode


def run_cases(cases):
    """Runs (name, function) pairs; every program still running after a
    case is ended. Exit status 0 when none failed, SKIP_STATUS when every
    case was skipped."""
    failed = []
    skipped = []
    for name, fn in cases:
        print("--- " + name, flush=True)
        try:
            fn()
            print("PASS: " + name, flush=True)
        except Failed as e:
            print("FAIL: %s: %s" % (name, e), flush=True)
            failed.append(name)
        except Skipped as e:
            print("SKIP: %s: %s" % (name, e), flush=True)
            skipped.append(name)
        finally:
            end_all()
    print("%d passed, %d failed, %d skipped"
          % (len(cases) - len(failed) - len(skipped), len(failed), len(skipped)))
    if failed:
        return 1
    return SKIP_STATUS if len(skipped) == len(cases) else 0
