#!/usr/bin/env python3
"""Local HTTP and HTTPS servers for the HttpClient tests.

Usage: httptestserver.py DIR
Creates a test CA and server certificates in DIR with the openssl command,
listens on 127.0.0.1 only and prints one JSON line with the ports and the CA
file. Exits when its standard input is closed.
"""
import json
import os
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler
from urllib.parse import urlsplit, parse_qs

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
import tlstest  # noqa: E402
from tlstest import TLSServer, tls_context  # noqa: E402

HITS = {}
HITS_LOCK = threading.Lock()


def make_certs(d):
    tlstest.make_ca(d)
    tlstest.make_server_cert(d, "good", "127.0.0.1", "IP:127.0.0.1,DNS:localhost")
    tlstest.make_server_cert(d, "otherhost", "other.invalid", "DNS:other.invalid")
    # Right host name, but signed by nobody the client trusts.
    tlstest.make_self_signed(d, "self", "127.0.0.1", "IP:127.0.0.1")


class Handler(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def reply(self, status, body, ctype="text/plain; charset=utf-8"):
        self.send_response(status)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def handle_any(self):
        parts = urlsplit(self.path)
        path = parts.path
        with HITS_LOCK:
            HITS[path] = HITS.get(path, 0) + 1
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else b""
        if path == "/ok":
            self.reply(200, "hello 岚匣".encode("utf-8"))
        elif path == "/notfound":
            self.reply(404, b"there is nothing here")
        elif path == "/latin1":
            self.reply(200, b"caf\xe9!", "text/plain; charset=iso-8859-1")
        elif path == "/echo":
            self.reply(200, json.dumps({
                "method": self.command,
                "path": path,
                "query": parts.query,
                "rawPath": self.path,
                "contentType": self.headers.get("Content-Type") or "",
                "body": body.decode("latin-1"),
            }).encode("utf-8"), "application/json")
        elif path == "/slow":
            ms = int(parse_qs(parts.query).get("ms", ["1500"])[0])
            time.sleep(ms / 1000.0)
            self.reply(200, b"slow answer")
        elif path == "/stall":
            # Headers and one byte, then silence with the connection open.
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            self.wfile.write(b"x")
            self.wfile.flush()
            time.sleep(600)
        elif path == "/sized":
            # ?bytes=N of "a", then the connection closes; ?declared=1 also
            # names the length in Content-Length.
            q = parse_qs(parts.query)
            n = int(q.get("bytes", ["0"])[0])
            self.send_response(200)
            if q.get("declared", ["0"])[0] == "1":
                self.send_header("Content-Length", str(n))
            self.end_headers()
            self.close_connection = True
            block = b"a" * 65536
            while n > 0:
                self.wfile.write(block[:min(n, len(block))])
                n -= len(block)
        elif path == "/endless":
            # A body without end (no length, the connection stays open),
            # until the client goes.
            self.send_response(200)
            self.end_headers()
            self.close_connection = True
            block = b"0123456789abcdef" * 4096
            while True:
                self.wfile.write(block)
        elif path == "/trickle":
            # Enough bytes to pass every low-speed rule (one each ?ms=,
            # 500 by default), never the whole declared length.
            ms = int(parse_qs(parts.query).get("ms", ["500"])[0])
            self.send_response(200)
            self.send_header("Content-Length", "1000000")
            self.end_headers()
            while True:
                self.wfile.write(b"t")
                self.wfile.flush()
                time.sleep(ms / 1000.0)
        elif path == "/hits":
            with HITS_LOCK:
                data = json.dumps(HITS).encode("utf-8")
            self.reply(200, data, "application/json")
        else:
            self.reply(500, b"unknown path")

    do_GET = handle_any
    do_POST = handle_any
    do_PUT = handle_any


def main():
    d = sys.argv[1]
    make_certs(d)
    servers = {
        "http": TLSServer(Handler),
        "https": TLSServer(Handler, tls_context(d, "good")),
        "httpsOtherHost": TLSServer(Handler, tls_context(d, "otherhost")),
        "httpsSelfSigned": TLSServer(Handler, tls_context(d, "self")),
    }
    for server in servers.values():
        threading.Thread(target=server.serve_forever, daemon=True).start()
    info = {name: s.server_address[1] for name, s in servers.items()}
    info["caFile"] = os.path.join(d, "ca.pem")
    print(json.dumps(info), flush=True)
    sys.stdin.read()
    os._exit(0)


if __name__ == "__main__":
    main()
