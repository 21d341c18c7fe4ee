#!/usr/bin/env python3
"""Local HTTP and HTTPS servers for the HttpClient tests.

Usage: httptestserver.py DIR
Creates a test CA and server certificates in DIR with the openssl command,
listens on 127.0.0.1 only and prints one JSON line with the ports and the CA
file. Exits when its standard input is closed.
"""
import json
import os
import ssl
import subprocess
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import urlsplit, parse_qs

HITS = {}
HITS_LOCK = threading.Lock()


def openssl(*args):
    subprocess.run(["openssl", *args], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


EC = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]


def make_certs(d):
    p = lambda name: os.path.join(d, name)
    openssl("req", "-x509", *EC, "-keyout", p("ca.key"), "-out", p("ca.pem"),
            "-days", "2", "-subj", "/CN=Keyloft Test CA",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    for name, cn, san in (("good", "127.0.0.1", "IP:127.0.0.1,DNS:localhost"),
                          ("otherhost", "other.invalid", "DNS:other.invalid")):
        with open(p(name + ".ext"), "w") as f:
            f.write("subjectAltName=%s\nbasicConstraints=CA:FALSE\n"
                    "extendedKeyUsage=serverAuth\n" % san)
        openssl("req", *EC, "-keyout", p(name + ".key"), "-out", p(name + ".csr"),
                "-subj", "/CN=" + cn)
        openssl("x509", "-req", "-in", p(name + ".csr"), "-CA", p("ca.pem"),
                "-CAkey", p("ca.key"), "-CAcreateserial", "-days", "2",
                "-extfile", p(name + ".ext"), "-out", p(name + ".pem"))
    # Right host name, but signed by nobody the client trusts.
    openssl("req", "-x509", *EC, "-keyout", p("self.key"), "-out", p("self.pem"),
            "-days", "2", "-subj", "/CN=127.0.0.1",
            "-addext", "subjectAltName=IP:127.0.0.1")


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
        elif path == "/hits":
            with HITS_LOCK:
                data = json.dumps(HITS).encode("utf-8")
            self.reply(200, data, "application/json")
        else:
            self.reply(500, b"unknown path")

    do_GET = handle_any
    do_POST = handle_any
    do_PUT = handle_any


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, context=None):
        super().__init__(("127.0.0.1", 0), Handler)
        self.context = context

    def finish_request(self, request, client_address):
        if self.context is not None:
            try:
                request = self.context.wrap_socket(request, server_side=True)
            except (ssl.SSLError, OSError):
                return
        try:
            self.RequestHandlerClass(request, client_address, self)
        finally:
            try:
                request.close()
            except OSError:
                pass

    def handle_error(self, request, client_address):
        pass


def tls_context(d, name):
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(os.path.join(d, name + ".pem"), os.path.join(d, name + ".key"))
    return ctx


def main():
    d = sys.argv[1]
    make_certs(d)
    servers = {
        "http": Server(),
        "https": Server(tls_context(d, "good")),
        "httpsOtherHost": Server(tls_context(d, "otherhost")),
        "httpsSelfSigned": Server(tls_context(d, "self")),
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
