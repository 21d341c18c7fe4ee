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
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
from keyloftrun import (FIELD_XY, OK_XY, SCREEN_H, SCREEN_W, START_XY, VAULT_OPEN_LINE,  # noqa: E402
                        WIN_H, WIN_W, Program, fail, rerun_under_xvfb, run_cases, vault_rows,
                        wait_for)

BUILD = os.path.abspath(sys.argv[1])
rerun_under_xvfb(__file__, BUILD)

ART = os.path.join(BUILD, "artifacts", "e2e")
APPDATA = os.environ["APPDATA"]
PASSWORD = "Loft-2021pw"

os.makedirs(ART, exist_ok=True)
for old in glob.glob(os.path.join(ART, "*.png")):
    os.remove(old)


def start(tag):
    p = Program(BUILD, ART, tag, APPDATA)
    geo = p.geometry()
    if "%dx%d" % (WIN_W, WIN_H) not in geo:
        fail("window geometry is not %dx%d: %s" % (WIN_W, WIN_H, geo))
    # Centred on the 1024x768 screen (no window manager moves it).
    centre = "Position: %d,%d " % ((SCREEN_W - WIN_W) // 2, (SCREEN_H - WIN_H) // 2)
    if centre not in geo:
        fail("window is not centred (%s): %s" % (centre.strip(), geo))
    return p


def rows():
    return [(date, wrapkey, len(content or "")) for date, wrapkey, content in vault_rows(APPDATA)]


def first_run_then_login():
    # --- first run -----------------------------------------------------------
    if rows():
        fail("the data directory is not fresh")
    p = start("run1")
    p.screenshot("01_welcome")
    p.click(*START_XY)
    p.screenshot("02_set_password")
    p.click(*FIELD_XY)
    p.type(PASSWORD)
    p.screenshot("03_first_entry")
    p.click(*OK_XY)
    p.type(PASSWORD)
    p.screenshot("04_second_entry")
    p.click(*OK_XY)
    p.wait_log(VAULT_OPEN_LINE, "the vault to open on the first run")
    p.screenshot("05_vault_open")
    wait_for(lambda: len(rows()) == 1, "the pwddata row")
    p.stop()

    found = rows()
    if len(found) != 1:
        fail("expected one pwddata row, found %r" % (found,))
    date, wrapkey, length = found[0]
    if wrapkey != "yes" or not length or len(date) != 19:
        fail("unexpected row %r" % (found[0],))
    print("row after first run: date %s, wrapkey %s, content length %d" % found[0])

    # --- second run: login ---------------------------------------------------
    p = start("run2")
    p.screenshot("06_login")
    if p.logged(VAULT_OPEN_LINE):
        fail("vault opened without a login")
    p.click(*FIELD_XY)
    p.type(PASSWORD[:-1])
    p.screenshot("07_login_partial")
    if p.logged(VAULT_OPEN_LINE):
        fail("vault opened on an incomplete password")
    p.type(PASSWORD[-1])
    p.wait_log(VAULT_OPEN_LINE, "the vault to open on login")
    p.screenshot("08_logged_in")
    p.stop()

    found = rows()
    if len(found) != 1 or found[0][0] != date or found[0][1] != "yes":
        fail("row changed unexpectedly: %r" % (found,))
    print("vault row %s survives the restart and opens with the password" % date)


sys.exit(run_cases([("first run, then login with the same password", first_run_then_login)]))
