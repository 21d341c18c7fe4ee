#!/usr/bin/env python3
"""Serves a directory over plain HTTP on 127.0.0.1 while a command runs.

Usage: webserver.py DIR -- COMMAND [ARGS...]
Two servers on free ports serve DIR, one as the China web host and one as
the international web host: KEYLOFT_WEB_HOST and KEYLOFT_WEB_HOST_FOREIGN
point at them ("http://127.0.0.1:PORT") while COMMAND runs. Both stop when
it ends; the exit code is the command's.
"""
import functools
import os
import subprocess
import sys
import threading
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer


class Handler(SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


def serve(root):
    server = ThreadingHTTPServer(("127.0.0.1", 0),
                                 functools.partial(Handler, directory=root))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    if len(sys.argv) < 4 or sys.argv[2] != "--":
        sys.stderr.write(__doc__)
        return 2
    root = os.path.abspath(sys.argv[1])
    servers = [serve(root), serve(root)]
    env = dict(os.environ)
    env["KEYLOFT_WEB_HOST"] = "http://127.0.0.1:%d" % servers[0].server_address[1]
    env["KEYLOFT_WEB_HOST_FOREIGN"] = "http://127.0.0.1:%d" % servers[1].server_address[1]
    try:
        return subprocess.call(sys.argv[3:], env=env)
    finally:
        for s in servers:
            s.shutdown()
            s.server_close()


if __name__ == "__main__":
    sys.exit(main())
