"""A web page opened by the real program running as root.

The web engine refuses to start its sandbox for root and used to end the
program the moment a web page opened. Here the program runs as root with
QTWEBENGINE_DISABLE_SANDBOX not in its environment (the test runner sets it
for every other test), under a private X server: on the welcome page a real
click on the 《岚匣密管用户协议》 link opens the agreement page, served by a
local web server on 127.0.0.1. The program must still run, show the page
(its blue background on the screen) and say once on standard error that it
turned the sandbox off. Screenshots go to <build>/artifacts/web_as_root/.

Skipped (exit 77) when not run as root. Called with the build directory as
first argument (through run-isolated.sh, which provides a fresh APPDATA).
"""
import glob
import importlib.util
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "pylib"))
from keyloftrun import (SKIP_STATUS, WIN_H, WIN_W, Program, fail, finish,  # noqa: E402
                        grab_pixels, rerun_under_xvfb, run_cases, start_raw, xdo)

BUILD = os.path.abspath(sys.argv[1])
if os.geteuid() != 0:
    print("SKIP: needs root: the program turns the web engine's sandbox off only for root")
    sys.exit(SKIP_STATUS)
rerun_under_xvfb(__file__, BUILD)

ART = os.path.join(BUILD, "artifacts", "web_as_root")
APPDATA = os.environ["APPDATA"]
SITE = os.path.join(HERE, "..", "qml", "web", "site")
# What the program says when it turns the sandbox off.
SANDBOX_LINE = "keyloft: running as root: the web pages are shown without the web engine's sandbox"
# The agreement page of the test site is this blue; the links are yellow.
PAGE_RGB = (0x15, 0x65, 0xC0)
LINK_RGB = (0xFF, 0xFF, 0x00)

os.makedirs(ART, exist_ok=True)
for old in glob.glob(os.path.join(ART, "*.p[np][gm]")):
    os.remove(old)


def load_webserver():
    spec = importlib.util.spec_from_file_location("webserver",
                                                  os.path.join(HERE, "..", "webserver.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def window_origin(p):
    """The window's top left corner on the screen."""
    values = dict(line.split("=", 1) for line in
                  xdo("getwindowgeometry", "--shell", p.wid).splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"])


def window_pixels(p, name):
    """(pixel function (x, y) -> (r, g, b) in window coordinates, grab path)."""
    path = os.path.join(ART, name + ".ppm")
    width, _, rgb = grab_pixels(BUILD, path)
    ox, oy = window_origin(p)

    def at(x, y):
        i = ((oy + y) * width + ox + x) * 3
        return tuple(rgb[i:i + 3])
    return at, path


def near(a, b, tolerance=24):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def first_link(at):
    """Centre of the first yellow run of the agreement line: the first link."""
    for y in range(WIN_H // 2, WIN_H):
        xs = [x for x in range(WIN_W) if near(at(x, y), LINK_RGB, 40)]
        if not xs:
            continue
        # The line of the first link; its glyphs, gaps of a few pixels apart.
        end = xs[0]
        for x in xs[1:]:
            if x - end > 12:
                break
            end = x
        return (xs[0] + end) // 2, y + 4
    return None


def agreement_page_as_root():
    servers = []
    web = load_webserver()
    for _ in range(2):
        servers.append(web.serve(os.path.abspath(SITE)))
    try:
        hosts = ["http://127.0.0.1:%d" % s.server_address[1] for s in servers]
        p = Program(BUILD, ART, "run", APPDATA, QTWEBENGINE_DISABLE_SANDBOX=None,
                    KEYLOFT_WEB_HOST=hosts[0], KEYLOFT_WEB_HOST_FOREIGN=hosts[1])
        p.wait(lambda: first_link(window_pixels(p, "welcome")[0]) is not None,
               "the agreement line of the welcome page")
        p.screenshot("01_welcome")
        at, _ = window_pixels(p, "welcome")
        x, y = first_link(at)
        print("agreement link at %d,%d" % (x, y))
        p.click(x, y)
        p.wait_log("WebView.LoadSucceeded", "the agreement page to load")

        def page_shown():
            at, _ = window_pixels(p, "agreement")
            blue = sum(1 for yy in range(0, WIN_H, 10) for xx in range(0, WIN_W, 10)
                       if near(at(xx, yy), PAGE_RGB))
            return blue > 200
        p.wait(page_shown, "the agreement page on the screen")
        p.screenshot("02_agreement")
        if not p.alive():
            fail("the program ended after the page showed; its log:\n" + p.text())
        if p.count(SANDBOX_LINE) != 1:
            fail("expected the sandbox line once on standard error; the log:\n" + p.text())
        if "Running as root without --no-sandbox" in p.text():
            fail("the web engine refused to run as root; the log:\n" + p.text())
        # A value the user gives is kept, and nothing is said: a second
        # start on the same data directory, which ends at once.
        status, _, err = finish(start_raw(BUILD, APPDATA, QTWEBENGINE_DISABLE_SANDBOX="1"),
                                "a second start")
        if status != 0 or SANDBOX_LINE in err:
            fail("second start with the variable set: status %s, stderr %r" % (status, err))
        p.stop()
    finally:
        for s in servers:
            s.shutdown()
            s.server_close()


sys.exit(run_cases([("agreement page as root, sandbox variable unset", agreement_page_as_root)]))
