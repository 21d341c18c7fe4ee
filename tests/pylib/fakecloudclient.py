"""Python side of the fake cloud service (tests/fake_cloud/fakecloud.py):
starts it for a script test, asks its services over HTTPS with its test CA
and drives its control port.

    with FakeCloud() as fake:
        fake.control("seed", {"accounts": [{"phone_number": "13800138000"}]})
        answer = fake.ask("user.php", "method=query&phone_number=13800138000")
        env = dict(os.environ, **fake.env())   # for a program under test
"""
import json
import os
import ssl
import subprocess
import sys
import urllib.request

FAKE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fake_cloud",
                    "fakecloud.py")
WSAPI = "/product/keyloft/v2_1/wsapi/"


class FakeCloud:
    def __init__(self, *args):
        self.args = list(args)
        self.proc = None
        self.info = None
        self.ctx = None

    def __enter__(self):
        self.proc = subprocess.Popen([sys.executable, FAKE, "--json", "--until-stdin-closes",
                                      *self.args],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        line = self.proc.stdout.readline()
        if not line:
            self.proc.wait()
            raise RuntimeError("the fake cloud service did not start")
        self.info = json.loads(line)
        self.ctx = ssl.create_default_context(cafile=self.info["caFile"])
        return self

    def __exit__(self, *exc):
        self.stop()

    def stop(self):
        """Stops the fake; True when it ended by itself once its input closed."""
        if self.proc is None:
            return True
        self.proc.stdin.close()
        try:
            self.proc.wait(timeout=10)
            return True
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            return False
        finally:
            self.proc = None

    def env(self):
        """The variables that point the program at the fake."""
        return {"KEYLOFT_CLOUD_HOST": self.info["cloudHost"],
                "KEYLOFT_CLOUD_HOST_FOREIGN": self.info["cloudHostForeign"],
                "KEYLOFT_EXTRA_CA_FILE": self.info["caFile"],
                "KEYLOFT_FAKE_CLOUD_CONTROL": self.info["control"]}

    def raw(self, path, query="", host=None, body=None, timeout=10):
        """(HTTP status, body text) of one request to the service port."""
        url = (host or self.info["cloudHost"]) + path + ("?" + query if query else "")
        data = body.encode() if body is not None else None
        with urllib.request.urlopen(url, data=data, context=self.ctx, timeout=timeout) as r:
            return r.status, r.read().decode("utf-8")

    def ask(self, script, query, root=WSAPI, **kw):
        """The parsed envelope of one service request."""
        return json.loads(self.raw(root + script, query, **kw)[1])

    def control(self, cmd, arg=None, timeout=30):
        """The answer of one control command; raises when it is refused."""
        req = urllib.request.Request(self.info["control"] + "/_fake/" + cmd,
                                     data=json.dumps(arg or {}).encode())
        with urllib.request.urlopen(req, timeout=timeout) as r:
            out = json.loads(r.read().decode("utf-8"))
        if out.get("ok") is not True:
            raise RuntimeError("fake cloud %s: %r" % (cmd, out))
        return out
