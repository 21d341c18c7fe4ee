"""One program per data directory, with the real program under a private X
server: where the socket between two starts lies, and that another user's
files in a shared place are never connected to, removed or listened on. A
socket another user has made before the program starts, in the shared
temporary directory (and the name of the program's own directory there);
an XDG_RUNTIME_DIR others may write or that is not the user's; a data
directory too long for a socket address, with the fallback directory under
the temporary directory made by the program, or found made by another user,
as a link, with a wide mode, or too long itself.

The other users are real: uids without a user entry, through setpriv, when
the test runs as root (the cases that need them are skipped otherwise).
Their files lie in a sticky, world-writable temporary directory of the
case's own (given to the program as TMPDIR), since the test's root is
private. Logs are kept under <build>/artifacts/single_instance/ (or
KEYLOFT_ARTIFACT_DIR).

Called with the build directory as first argument (through run-isolated.sh).
"""
import contextlib
import hashlib
import json
import os
import pwd
import shutil
import stat
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
from keyloftrun import (ALREADY_RUNNING, NO_VAULT_LINE, RAISED, Program, Skipped,  # noqa: E402
                        artifact_dir, data_dir, fail, finish, program_command,
                        rerun_under_xvfb, run_cases, second_start, start_raw, stopped,
                        wait_limit)

BUILD = os.path.abspath(sys.argv[1])
BUILD_PROGRAM = program_command(BUILD)[0]
# The Python the other users' listeners run on: the system's, which they can
# reach (this one may lie under a private home).
OTHERS_PYTHON = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else sys.executable
rerun_under_xvfb(__file__, BUILD)

ROOT = os.environ["KEYLOFT_TEST_ROOT"]
ART = artifact_dir(BUILD, "single_instance")
CANNOT_LISTEN = "keyloft: cannot listen for other starts"
NO_ANSWER = "did not answer"
# A socket address holds 107 bytes of path and the terminating zero.
MAX_SOCKET_PATH = 107



def socket_name(appdata):
    """The socket's file name: the one the program used to listen on in the
    temporary directory, and the one it now uses in its own directory."""
    path = os.path.normpath(data_dir(appdata))
    return "keyloft-" + hashlib.sha256(path.encode()).hexdigest()[:32]


def short_appdata(case):
    """An APPDATA whose data directory leaves room for the socket's name."""
    path = os.path.join(ROOT, "c", case)
    os.makedirs(path)
    if len(os.path.join(data_dir(path), socket_name(path)).encode()) > MAX_SOCKET_PATH:
        fail("test set-up: the data directory %s is too long for the socket" % data_dir(path))
    return path


def long_appdata(case):
    """An APPDATA whose data directory is too long to hold the socket."""
    path = os.path.join(ROOT, "c", case, "d" * 100)
    os.makedirs(path)
    return path


def other_uids(n):
    """n uids without a user entry, for the other users of a case; skips
    the case unless it runs as root with setpriv at hand."""
    if os.geteuid() != 0:
        raise Skipped("another user needs root")
    if not shutil.which("setpriv"):
        raise Skipped("no setpriv")
    found = []
    uid = 4242
    while len(found) < n:
        try:
            pwd.getpwuid(uid)
        except KeyError:
            found.append(uid)
        uid += 1
    if subprocess.call(program_command(BUILD, found[0])[:-1] + [OTHERS_PYTHON, "-c", "pass"]) != 0:
        raise Skipped("another user cannot run %s" % OTHERS_PYTHON)
    return found


def can_run_program(uid):
    """Whether uid may start the program: every directory above the build
    directory must let others through (a clone under a private home does
    not)."""
    return subprocess.call(program_command(BUILD, uid)[:-1] + ["test", "-x", BUILD_PROGRAM]) == 0


@contextlib.contextmanager
def shared_tmp():
    """A temporary directory as /tmp is (1777), that other users can reach,
    removed afterwards."""
    path = tempfile.mkdtemp(prefix="keyloft-shared-", dir=os.path.dirname(ROOT))
    try:
        os.chmod(path, 0o1777)
        yield path
    finally:
        shutil.rmtree(path, ignore_errors=True)


# Makes what argv[1] lists, in order: ["dir", path, mode], ["link", path,
# target], ["socket", path, mode] (listening); says "ready", then a line for
# every connection to a socket, until its standard input ends.
SQUATTER = r"""
import json, os, select, socket, sys
listeners = []
for kind, path, arg in json.loads(sys.argv[1]):
    if kind == "dir":
        os.mkdir(path)
        os.chmod(path, arg)
    elif kind == "link":
        os.symlink(arg, path)
    else:
        s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        s.bind(path)
        os.chmod(path, arg)
        s.listen(16)
        s.setblocking(False)
        listeners.append((path, s))
print("ready", flush=True)

def drain():
    for path, s in listeners:
        while True:
            try:
                c, _ = s.accept()
            except BlockingIOError:
                break
            print("connection on " + path, flush=True)
            c.close()

while True:
    readable = select.select([0] + [s for _, s in listeners], [], [])[0]
    drain()
    if 0 in readable and not os.read(0, 1):
        drain()
        break
"""


class Squatter:
    """The files of plan (as for SQUATTER) made by uid (None: this user)
    before the program starts, with listeners on its sockets."""

    def __init__(self, uid, plan):
        command = [OTHERS_PYTHON, "-c", SQUATTER, json.dumps(plan)]
        if uid is not None:
            command = program_command(BUILD, uid)[:-1] + command
        self.proc = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE, text=True)
        if self.proc.stdout.readline().strip() != "ready":
            self.proc.kill()
            fail("test set-up: the other user's files were not made: %s"
                 % self.proc.communicate()[1])
        self.sockets = {path: os.lstat(path).st_ino for kind, path, _ in plan
                        if kind == "socket"}

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.communicate()

    def check(self):
        """Ends the listeners: nothing may have connected to their sockets,
        and each must still be the one they made."""
        try:
            out, err = self.proc.communicate(timeout=wait_limit(10))
        except subprocess.TimeoutExpired:
            fail("the other user's listeners did not end")
        if self.proc.returncode != 0:
            fail("the other user's listeners failed: %s" % err)
        if out.strip():
            fail("the program reached another user's socket:\n" + out)
        for path, inode in self.sockets.items():
            if not os.path.lexists(path) or os.lstat(path).st_ino != inode:
                fail("the other user's socket %s was removed or replaced" % path)


def listens_in(directory, appdata):
    """Fails unless the program's socket is in directory."""
    path = os.path.join(directory, socket_name(appdata))
    if not os.path.lexists(path) or not stat.S_ISSOCK(os.lstat(path).st_mode):
        fail("no socket %s; %s holds %s" % (path, directory, os.listdir(directory)))


def private_dirs(top, uid):
    """HOME, the XDG directories and APPDATA of a user under top, all the
    user's and private."""
    env = {}
    for var in ("HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                "XDG_DATA_HOME", "APPDATA"):
        env[var] = os.path.join(top, var.lower())
        os.makedirs(env[var], mode=0o700)
    for dirpath, dirnames, filenames in os.walk(top):
        os.chown(dirpath, uid, uid)
    os.chmod(top, 0o700)
    return env


def socket_taken_by_another_user():
    """Another user has made, before the program starts, the socket the
    program once listened on in the temporary directory (mode 0777) and the
    program's own directory name there (0777, with a socket inside). The
    program, as root (who may remove any file) and as an ordinary user (who
    may not), listens all the same, says nothing of not listening, a second
    start raises it, and the other user's sockets are neither reached nor
    removed nor replaced."""
    squatter, owner = other_uids(2)
    for i, (tag, uid, runtime) in enumerate([
            ("root, private XDG_RUNTIME_DIR", None, True),
            ("uid %d, private XDG_RUNTIME_DIR" % owner, owner, True),
            ("uid %d, no XDG_RUNTIME_DIR" % owner, owner, False)]):
        print("-- " + tag, flush=True)
        if uid is not None and not can_run_program(uid):
            print("skipped: uid %d cannot reach %s" % (uid, BUILD_PROGRAM))
            continue
        with shared_tmp() as tmp:
            if uid is None:
                env = {"XDG_RUNTIME_DIR": os.environ["XDG_RUNTIME_DIR"]}
                appdata = short_appdata("taken-root")
            else:
                env = private_dirs(os.path.join(tmp, "owner"), uid)
                env["QT_QPA_PLATFORM"] = "offscreen"
                appdata = env.pop("APPDATA")
            socket_dir = env["XDG_RUNTIME_DIR"] if runtime else data_dir(appdata)
            if not runtime:
                env["XDG_RUNTIME_DIR"] = None
            if len(os.path.join(socket_dir, socket_name(appdata)).encode()) > MAX_SOCKET_PATH:
                fail("test set-up: %s is too long for the socket" % socket_dir)
            env["TMPDIR"] = tmp
            name = socket_name(appdata)
            own = os.path.join(tmp, "keyloft-%d" % (uid or 0))
            with Squatter(squatter, [["socket", os.path.join(tmp, name), 0o777],
                                     ["dir", own, 0o777],
                                     ["socket", os.path.join(own, name), 0o777]]) as taken:
                first = Program(BUILD, ART, "taken-%d" % i, appdata,
                                window=uid is None, uid=uid, **env)
                if "cannot listen" in first.text().lower():
                    fail("%s: %s" % (tag, first.text()))
                listens_in(socket_dir, appdata)
                second_start(BUILD, appdata, first, uid=uid, **env)
                taken.check()
                stopped(first, tag)


def runtime_dir_not_private():
    """An XDG_RUNTIME_DIR others may write to (0777), one of another user,
    or a link to a private directory: nothing is made in it, the socket goes
    to the data directory, and a second start raises the first."""
    for i, tag in enumerate(["mode 0777", "of another user", "a link"]):
        print("-- " + tag, flush=True)
        appdata = short_appdata("run-%d" % i)
        runtime = os.path.join(ROOT, "c", "run-%d-dir" % i)
        os.makedirs(runtime, mode=0o700)
        env = {"XDG_RUNTIME_DIR": runtime}
        if tag == "mode 0777":
            os.chmod(runtime, 0o777)
        elif tag == "of another user":
            try:
                other = other_uids(1)[0]
            except Skipped as e:
                print("skipped: %s" % e)
                continue
            os.chown(runtime, other, other)
        else:
            env["XDG_RUNTIME_DIR"] = runtime + "-link"
            os.symlink(runtime, env["XDG_RUNTIME_DIR"])
        first = Program(BUILD, ART, "run-%d" % i, appdata, **env)
        listens_in(data_dir(appdata), appdata)
        second_start(BUILD, appdata, first, **env)
        if os.listdir(runtime):
            fail("%s: made %s in XDG_RUNTIME_DIR" % (tag, os.listdir(runtime)))
        stopped(first, tag)


def long_data_directory():
    """A data directory too long to hold the socket, no XDG_RUNTIME_DIR: the
    program makes keyloft-<uid> in the temporary directory, private to the
    user, listens there, and a second start raises the first."""
    appdata = long_appdata("long")
    tmp = os.path.join(ROOT, "c", "tmp")
    os.makedirs(tmp, mode=0o700)
    env = {"XDG_RUNTIME_DIR": None, "TMPDIR": tmp}
    first = Program(BUILD, ART, "long", appdata, **env)
    own = os.path.join(tmp, "keyloft-%d" % os.geteuid())
    if not os.path.lexists(own):
        fail("no %s; the temporary directory holds %s" % (own, os.listdir(tmp)))
    st = os.lstat(own)
    if not stat.S_ISDIR(st.st_mode) or stat.S_IMODE(st.st_mode) != 0o700 \
            or st.st_uid != os.geteuid():
        fail("%s: mode %o, uid %d" % (own, st.st_mode, st.st_uid))
    listens_in(own, appdata)
    second_start(BUILD, appdata, first, **env)
    stopped(first, "the program on the long data directory")


def ours(directory):
    return sorted(n for n in os.listdir(directory) if n.startswith("keyloft"))


def fallback_directory_refused():
    """The fallback directory of a long data directory as another user made
    it (0700, with a socket inside), as a link another user made to a
    directory of theirs (0777, with a socket inside), as the user's own with
    mode 0755 (with a socket of the user's inside), or too long itself for a
    socket address: the program says on standard error that it cannot
    listen and why, naming the directory, and goes on to open the vault; a
    second start ends with status 0, says it is already running and that the
    first did not answer; no socket there is reached, removed or replaced."""
    rows = [("made by another user", True), ("a link of another user", True),
            ("the user's own, mode 0755", False), ("too long", False)]
    for i, (tag, needs_uid) in enumerate(rows):
        print("-- " + tag, flush=True)
        try:
            other = other_uids(1)[0] if needs_uid else None
        except Skipped as e:
            print("skipped: %s" % e)
            continue
        appdata = long_appdata("refused-%d" % i)
        name = socket_name(appdata)
        with shared_tmp() as tmp:
            if tag == "too long":
                tmp = os.path.join(tmp, "t" * 80)
                os.makedirs(tmp)
            own = os.path.join(tmp, "keyloft-%d" % os.geteuid())
            elsewhere = os.path.join(tmp, "elsewhere")
            plan, reason = {
                "made by another user": (
                    [["dir", own, 0o700], ["socket", os.path.join(own, name), 0o777]],
                    "it belongs to uid %s" % other),
                "a link of another user": (
                    [["dir", elsewhere, 0o777], ["socket", os.path.join(elsewhere, name), 0o777],
                     ["link", own, elsewhere]], "it is a symbolic link"),
                "the user's own, mode 0755": (
                    [["dir", own, 0o755], ["socket", os.path.join(own, name), 0o777]],
                    "its mode is 0755"),
                "too long": ([], "more than a socket address holds"),
            }[tag]
            env = {"XDG_RUNTIME_DIR": None, "TMPDIR": tmp}
            with Squatter(other, plan) as found:
                # (Qt makes runtime-<user> there itself without XDG_RUNTIME_DIR.)
                before = ours(tmp)
                first = Program(BUILD, ART, "refused-%d" % i, appdata, **env)
                first.wait_log(NO_VAULT_LINE, "%s: the vault to be read" % tag)
                said = [line for line in first.text().splitlines() if CANNOT_LISTEN in line]
                if len(said) != 1 or own not in said[0] or reason not in said[0]:
                    fail("%s: no line naming %s and %r:\n%s" % (tag, own, reason, first.text()))
                rc, out, err = finish(start_raw(BUILD, appdata, **env), "the second start")
                if rc != 0 or ALREADY_RUNNING + data_dir(appdata) not in err \
                        or NO_ANSWER not in err or reason not in err:
                    fail("%s: second start: status %d, stderr %r" % (tag, rc, err))
                if first.logged(RAISED) or not first.alive():
                    fail("%s: the first program was reached or ended" % tag)
                found.check()
                if ours(tmp) != before:
                    fail("%s: made %s in the temporary directory"
                         % (tag, sorted(set(ours(tmp)) - set(before))))
                for d in (own, elsewhere):
                    if os.path.isdir(d) and os.listdir(d) != [name]:
                        fail("%s: %s holds %s" % (tag, d, os.listdir(d)))
                stopped(first, tag)


sys.exit(run_cases([
    ("the old socket and the fallback directory taken by another user",
     socket_taken_by_another_user),
    ("an XDG_RUNTIME_DIR that is not private", runtime_dir_not_private),
    ("a data directory too long for the socket", long_data_directory),
    ("a fallback directory that is not the user's alone", fallback_directory_refused),
]))
