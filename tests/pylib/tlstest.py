"""Test certificates and TLS-wrapped HTTP servers for the local test servers.

make_ca() creates a throw-away CA with the openssl command line,
make_server_cert() a server certificate signed by it, and TLSServer is a
threading HTTP server on 127.0.0.1 that does the TLS handshake on the
connection's own thread (so a client that never finishes it blocks nobody).
"""
import os
import ssl
import subprocess
from http.server import ThreadingHTTPServer

EC = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]


def openssl(*args):
    subprocess.run(["openssl", *args], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def make_ca(d, cn="Keyloft Test CA"):
    """Creates d/ca.key and d/ca.pem; returns the path of ca.pem."""
    p = lambda name: os.path.join(d, name)
    openssl("req", "-x509", *EC, "-keyout", p("ca.key"), "-out", p("ca.pem"),
            "-days", "2", "-subj", "/CN=" + cn,
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    return p("ca.pem")


def make_server_cert(d, name, cn, san):
    """Creates d/NAME.key and d/NAME.pem signed by the CA in d.

    san is the subjectAltName value, e.g. "IP:127.0.0.1,DNS:localhost"."""
    p = lambda n: os.path.join(d, n)
    with open(p(name + ".ext"), "w") as f:
        f.write("subjectAltName=%s\nbasicConstraints=CA:FALSE\n"
                "extendedKeyUsage=serverAuth\n" % san)
    openssl("req", *EC, "-keyout", p(name + ".key"), "-out", p(name + ".csr"),
            "-subj", "/CN=" + cn)
    openssl("x509", "-req", "-in", p(name + ".csr"), "-CA", p("ca.pem"),
            "-CAkey", p("ca.key"), "-CAcreateserial", "-days", "2",
            "-extfile", p(name + ".ext"), "-out", p(name + ".pem"))


def make_self_signed(d, name, cn, san):
    """A certificate for the right host that no test CA vouches for."""
    p = lambda n: os.path.join(d, n)
    openssl("req", "-x509", *EC, "-keyout", p(name + ".key"), "-out", p(name + ".pem"),
            "-days", "2", "-subj", "/CN=" + cn, "-addext", "subjectAltName=" + san)


def tls_context(d, name):
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(os.path.join(d, name + ".pem"), os.path.join(d, name + ".key"))
    return ctx


class TLSServer(ThreadingHTTPServer):
    """HTTP server on 127.0.0.1; with a context, HTTPS.

    before_handshake(request) is called on the connection's thread before
    the TLS handshake; returning False closes the connection unanswered."""
    daemon_threads = True

    def __init__(self, handler, context=None, port=0):
        super().__init__(("127.0.0.1", port), handler)
        self.context = context

    def before_handshake(self, request):
        return True

    def finish_request(self, request, client_address):
        if not self.before_handshake(request):
            return
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
