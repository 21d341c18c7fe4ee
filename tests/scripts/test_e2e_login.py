"""End-to-end run of the real program under a private X server.

First start: the welcome page's "开始使用", a first text password typed twice
with "确定" after each entry; the vault opens. The program is ended, started
again, and the same password typed on the login page opens the vault. From
outside, the vault database under $APPDATA/Ormel/Keyloft must hold exactly
one pwddata row keyed to this machine. A screenshot of every step is saved
under <build>/artifacts/e2e/.

Called with the build directory as first argument (through run-isolated.sh,
which provides a fresh APPDATA).
"""
import glob
import os
import sqlite3
import subprocess
import sys
import time

BUILD = os.path.abspath(sys.argv[1])
ART = os.path.join(BUILD, "artifacts", "e2e")
PASSWORD = "Loft-2021pw"
WIN_W, WIN_H = 400, 650
SCREEN_W, SCREEN_H = 1024, 768
UNIT = 10  # Util.unitHeight for a 400 px wide window

if os.environ.get("KEYLOFT_E2E_INNER") != "1":
    env = dict(os.environ, KEYLOFT_E2E_INNER="1")
    env.pop("QT_QPA_PLATFORM", None)
    sys.exit(subprocess.call(
        ["xvfb-run", "-a", "-s", "-screen 0 %dx%dx24" % (SCREEN_W, SCREEN_H),
         sys.executable, os.path.abspath(__file__), BUILD], env=env))

os.makedirs(ART, exist_ok=True)
for old in glob.glob(os.path.join(ART, "*.png")):
    os.remove(old)


def fail(msg):
    print("FAIL: " + msg)
    sys.exit(1)


def wait_for(cond, what, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        if cond():
            return
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def xdo(*args):
    return subprocess.run(["xdotool"] + [str(a) for a in args], check=True,
                          capture_output=True, text=True).stdout.strip()


def screenshot(name):
    # Give the scene graph a moment to paint before grabbing (the grab is
    # only a record; nothing is decided on it).
    time.sleep(0.6)
    path = os.path.join(ART, name + ".png")
    subprocess.run([os.path.join(BUILD, "screengrab"), path], check=True)
    print("screenshot: " + path)


class Program:
    def __init__(self, tag):
        self.log_path = os.path.join(ART, tag + ".log")
        self.log = open(self.log_path, "w")
        env = dict(os.environ, QT_MESSAGE_PATTERN="%{message}",
                   QT_QPA_PLATFORM="xcb", QT_QUICK_BACKEND="software")
        self.proc = subprocess.Popen([os.path.join(BUILD, "keyloft")], env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        wait_for(lambda: self.logged("Theme.statusBarHeight"), "start-up of the QML frame")
        self.wid = None

        def find():
            try:
                out = xdo("search", "--onlyvisible", "--pid", self.proc.pid)
            except subprocess.CalledProcessError:
                return False
            ids = out.split()
            self.wid = ids[-1] if ids else None
            return self.wid is not None
        wait_for(find, "the program's window")
        geo = xdo("getwindowgeometry", self.wid)
        if "%dx%d" % (WIN_W, WIN_H) not in geo:
            fail("window geometry is not %dx%d: %s" % (WIN_W, WIN_H, geo))
        # Centred on the 1024x768 screen (no window manager moves it).
        centre = "Position: %d,%d " % ((SCREEN_W - WIN_W) // 2, (SCREEN_H - WIN_H) // 2)
        if centre not in geo:
            fail("window is not centred (%s): %s" % (centre.strip(), geo))
        # No window manager under Xvfb: give the window the input focus.
        xdo("windowfocus", "--sync", self.wid)
        wait_for(lambda: self.logged("main: Recived WillEnterForeground."), "window activation")

    def text(self):
        self.log.flush()
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def logged(self, line):
        return line in self.text()

    def count(self, line):
        return self.text().count(line)

    def click(self, x, y):
        xdo("mousemove", "--window", self.wid, x, y)
        xdo("click", 1)

    def type(self, txt):
        xdo("type", "--delay", 30, txt)

    def stop(self):
        self.proc.terminate()
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        self.log.close()


def db_rows():
    files = glob.glob(os.path.join(os.environ["APPDATA"], "Ormel", "Keyloft",
                                   "Databases", "*.sqlite"))
    rows = []
    for f in files:
        con = sqlite3.connect(f)
        try:
            tables = [r[0] for r in con.execute(
                "SELECT name FROM sqlite_master WHERE type='table'")]
            if "pwddata" in tables:
                rows += con.execute(
                    "SELECT date, wrapkey, length(content) FROM pwddata").fetchall()
        finally:
            con.close()
    return rows


# Places fixed by the layout in units (independent of fonts): the welcome
# button 8 units above the bottom and 4 units high; on the login page the
# text field starts 7 units below the 6-unit image that stands at 6 % of
# the height, the "确定" button 2 units below the field.
START_XY = (WIN_W // 2, WIN_H - 8 * UNIT - 2 * UNIT)
FIELD_Y = int(-(-WIN_H * 0.06 // 1)) + 6 * UNIT + 7 * UNIT
FIELD_XY = (WIN_W // 2, FIELD_Y + 16)
OK_XY = (WIN_W // 2, FIELD_Y + 33 + 2 * UNIT + 2 * UNIT)

# --- first run ---------------------------------------------------------------
if db_rows():
    fail("the data directory is not fresh")
p = Program("run1")
screenshot("01_welcome")
p.click(*START_XY)
screenshot("02_set_password")
p.click(*FIELD_XY)
p.type(PASSWORD)
screenshot("03_first_entry")
p.click(*OK_XY)
p.type(PASSWORD)
screenshot("04_second_entry")
p.click(*OK_XY)
wait_for(lambda: p.logged("main: Load DBCloud."), "the vault to open on the first run")
screenshot("05_vault_open")
wait_for(lambda: len(db_rows()) == 1, "the pwddata row")
p.stop()

rows = db_rows()
if len(rows) != 1:
    fail("expected one pwddata row, found %r" % (rows,))
date, wrapkey, length = rows[0]
if wrapkey != "yes" or not length or len(date) != 19:
    fail("unexpected row %r" % (rows[0],))
print("row after first run: date %s, wrapkey %s, content length %d" % rows[0])

# --- second run: login -------------------------------------------------------
p = Program("run2")
screenshot("06_login")
if p.logged("main: Load DBCloud."):
    fail("vault opened without a login")
p.click(*FIELD_XY)
p.type(PASSWORD[:-1])
screenshot("07_login_partial")
if p.logged("main: Load DBCloud."):
    fail("vault opened on an incomplete password")
p.type(PASSWORD[-1])
wait_for(lambda: p.logged("main: Load DBCloud."), "the vault to open on login")
screenshot("08_logged_in")
p.stop()

rows2 = db_rows()
if len(rows2) != 1 or rows2[0][0] != date or rows2[0][1] != "yes":
    fail("row changed unexpectedly: %r" % (rows2,))
print("PASS: vault row %s survives the restart and opens with the password" % date)
