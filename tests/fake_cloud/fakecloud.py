#!/usr/bin/env python3
"""A stand-in for the cloud backup and purchase web services, for the tests.

Answers user.php, device.php and backup.php under /product/keyloft/v2_1/wsapi/
and buy.php under .../weipay_app/, .../alipay_app/ and .../iap/ over HTTPS on
127.0.0.1, with a certificate of a test CA made at start (openssl), and keeps
accounts, SMS codes, devices, backups and trades in memory. Tests drive it
through the control paths /_fake/... (see README.md beside this file), served
on the HTTPS port and on a plain-HTTP control port.

    fakecloud.py [--port N] [--control-port N] [--dir DIR] [--json]
                 [--info-file F] [--env-file F] [--seed FILE] [--demo]
                 [--until-stdin-closes] [--exit-with-parent]

Without --json it prints the shell lines to export; with --json one JSON
line (port, controlPort, caFile, cloudHost, cloudHostForeign, control, pid).
Stops on SIGTERM or SIGINT, on /_fake/stop, with --until-stdin-closes when
its standard input is closed, and with --exit-with-parent when the process
that started it ends.
"""
import argparse
import json
import os
import random
import shutil
import signal
import sys
import tempfile
import threading
import time
from http.server import BaseHTTPRequestHandler
from urllib.parse import parse_qsl, quote, urlsplit

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
import tlstest  # noqa: E402

# Codes of the "error" member, as the client's CloudErr and PayErr know them.
CLOUD = dict(SUCCESS=0, PARAMETER=1, DB_INIT=2, DB_SQL=3, DB_UNIQUE=4, DB_NO_RECORD=5,
             GATEWAY_API=6, SMSCODE_LIMIT=100, SMSCODE_SEND=101, SMSCODE_CHECK=102,
             USER_EXIST=103, USER_UNREGISTERED=104, USER_ORDER_COMPLETED=105,
             USER_EXPIRED=106, DEVICE_UNREGISTERED=107, DEVICE_MAX=108,
             ORDER_NOT_EXIST=109, PHONE_NUMBER=110)
PAY = dict(SUCCESS=0, PARAMETER_INVALID=1, CREAT_MERCHANT_ORDER=2, CALL_PAY_INTERFACE=3,
           TRADE_NUMBER=4, TRADE_NOTPAY=5, COMPLETE_MERCHANT_ORDER=6)

ROOT = "/product/keyloft/v2_1/"
SERVICES = {  # path below ROOT -> (service, scripts it serves)
    "wsapi": ("wsapi", ("user.php", "device.php", "backup.php")),
    "weipay_app": ("weipay", ("buy.php",)),
    "alipay_app": ("alipay", ("buy.php",)),
    "iap": ("iap", ("buy.php",)),
}

DIALLING = {"CN": "86", "US": "1", "GB": "44", "JP": "81", "HK": "852", "TW": "886",
            "MO": "853", "SG": "65", "AU": "61", "CA": "1", "DE": "49", "FR": "33"}

DEFAULT_PRODUCTS = [
    {"id": "keyloft.cloud.1y", "name": "云备份服务 1年", "price": 1000, "months": 12},
    {"id": "keyloft.cloud.3y", "name": "云备份服务 3年", "price": 2500, "months": 36},
]
DEBUG_PRODUCT = {"id": "keyloft.cloud.test", "name": "测试 1个月", "price": 1, "months": 1}

DEFAULT_SETTINGS = {
    "clock_offset": 0,          # seconds added to the computer's clock
    "max_devices": 3,           # device list size that gives DEVICE_MAX
    "sms_code_in_answer": True,  # false: "code" is "" in the sms_code answer
    "sms_limit": 0,             # codes per number before SMSCODE_LIMIT; 0 = none
    "trade_notpay_polls": 0,    # TRADE_NOTPAY answers per trade; -1 = never paid
    "stall_seconds": 60,        # longest hold of a stall without /_fake/release
}


def encode_component(text):
    """The form JavaScript's encodeURIComponent gives."""
    return quote(text, safe="!*'()")


class Fake:
    """The services' state and answers; every method runs under the lock."""

    def __init__(self):
        self.lock = threading.RLock()
        self.arrived = threading.Condition(self.lock)
        self.stop_event = threading.Event()
        self.reset()

    # --- state -------------------------------------------------------------
    def reset(self):
        with self.lock:
            self.settings = dict(DEFAULT_SETTINGS)
            self.products = [dict(p) for p in DEFAULT_PRODUCTS]
            self.accounts = {}
            self.sms_codes = {}
            self.sms_counts = {}
            self.trades = {}
            self.requests = []
            self.overrides = []
            self.connect_stalls = 0
            self.stalls = []
            self.next_backup_id = 1001
            self.next_trade = 1

    def note(self, entry, **members):
        """Adds members to a recorded request (read by other threads)."""
        with self.lock:
            entry.update(members)

    def now(self):
        return time.time() + float(self.settings.get("clock_offset", 0))

    def date_text(self, t=None):
        return time.strftime("%Y-%m-%d %H:%M:%S", time.localtime(self.now() if t is None else t))

    def day_text(self, t):
        return time.strftime("%Y-%m-%d", time.localtime(t))

    def new_account(self, phone, **given):
        acc = {
            "phone_number": phone,
            "state": "active",
            "creation_time": self.date_text(),
            "expiration_date": self.day_text(self.now() + 365 * 86400),
            "devices": [],
            "backups": [],
        }
        acc.update(given)
        acc["phone_number"] = phone
        acc["devices"] = [self.device_record(d) for d in acc["devices"]]
        acc["backups"] = [self.backup_record(b) for b in acc["backups"]]
        return acc

    def device_record(self, d):
        rec = {"device_code": "", "device_name": "", "creation_time": self.date_text()}
        rec.update(d)
        return rec

    def backup_record(self, b):
        rec = {"upload_time": self.date_text(), "device_name": "", "device_code": "",
               "content_data": ""}
        rec.update(b)
        if "id" not in rec:
            rec["id"] = self.next_backup_id
            self.next_backup_id += 1
        return rec

    def seed(self, data):
        with self.lock:
            for k, v in (data.get("settings") or {}).items():
                self.settings[k] = v
            if "products" in data:
                self.products = [dict(p) for p in data["products"]]
            for a in data.get("accounts") or []:
                a = dict(a)
                phone = a.pop("phone_number")
                self.accounts[phone] = self.new_account(phone, **a)
                for b in self.accounts[phone]["backups"]:
                    if isinstance(b["id"], int):
                        self.next_backup_id = max(self.next_backup_id, b["id"] + 1)
            self.sms_codes.update(data.get("sms_codes") or {})
            for t in data.get("trades") or []:
                trade = {"paid": False, "completed": False, "polls": 0, "channel": "weipay"}
                trade.update(t)
                self.trades[trade["trade_no"]] = trade
            return self.snapshot()

    def snapshot(self):
        with self.lock:
            return json.loads(json.dumps({
                "accounts": self.accounts, "sms_codes": self.sms_codes,
                "trades": self.trades, "products": self.products, "settings": self.settings,
            }))

    # --- forced answers ----------------------------------------------------
    def queue_override(self, o):
        with self.lock:
            if o.get("stall") == "connect":
                self.connect_stalls += 1
            else:
                self.overrides.append(o)
            return len(self.overrides) + self.connect_stalls

    def take_override(self, script, method):
        with self.lock:
            for i, o in enumerate(self.overrides):
                m = o.get("match") or {}
                if m.get("script") not in (None, script) or m.get("method") not in (None, method):
                    continue
                return self.overrides.pop(i)
            return None

    def new_stall(self):
        ev = threading.Event()
        with self.lock:
            self.stalls.append(ev)
        return ev

    def release(self):
        with self.lock:
            n = len(self.stalls)
            for ev in self.stalls:
                ev.set()
            self.stalls = []
            return n

    def take_connect_stall(self):
        with self.lock:
            if self.connect_stalls <= 0:
                return False
            self.connect_stalls -= 1
            return True

    # --- the services --------------------------------------------------------
    def answer(self, service, script, p):
        """Returns (error, message, result) for one service request."""
        with self.lock:
            method = p.get("method", "")
            if script == "buy.php":
                return self.buy(service, method, p)
            handler = getattr(self, "%s_%s" % (script[:-4], method), None)
            if handler is None:
                return CLOUD["PARAMETER"], "unknown method: " + method, {}
            return handler(p)

    def need(self, p, *keys):
        missing = [k for k in keys if not p.get(k)]
        if missing:
            return CLOUD["PARAMETER"], "missing " + ", ".join(missing), {}
        return None

    def account_for(self, p, device=True):
        """(account, None) or (None, refusal) for a request of an account."""
        acc = self.accounts.get(p.get("phone_number", ""))
        if acc is None:
            return None, (CLOUD["USER_UNREGISTERED"], "no such user", {})
        if acc["state"] == "ordered":
            return None, (CLOUD["USER_ORDER_COMPLETED"], "user not registered yet", {})
        if device and not any(d["device_code"] == p.get("device_code")
                              for d in acc["devices"]):
            return None, (CLOUD["DEVICE_UNREGISTERED"], "device not registered", {})
        return acc, None

    def check_code(self, p):
        code = self.sms_codes.get(p.get("phone_number", ""))
        if not code or p.get("sms_code") != code:
            return CLOUD["SMSCODE_CHECK"], "wrong sms code", {}
        return None

    def user_query(self, p):
        refused = self.need(p, "phone_number")
        if refused:
            return refused
        acc = self.accounts.get(p["phone_number"])
        if acc is None:
            return CLOUD["USER_UNREGISTERED"], "no such user", {}
        if acc["state"] == "ordered":
            return CLOUD["USER_ORDER_COMPLETED"], "order completed, not registered", {}
        if acc["state"] == "expired":
            return CLOUD["USER_EXPIRED"], "service expired", {}
        if not any(d["device_code"] == p.get("device_code") for d in acc["devices"]):
            return CLOUD["DEVICE_UNREGISTERED"], "device not registered", {}
        return 0, "", {"creation_time": acc["creation_time"],
                       "expiration_date": acc["expiration_date"]}

    def user_check_phone(self, p):
        phone = p.get("phone_number", "")
        if not phone:
            return CLOUD["PARAMETER"], "missing phone_number", {}
        region, digits = ("CN", phone) if phone[2:3] != "_" else (phone[:2], phone[3:])
        if not digits.isdigit() or not 5 <= len(digits) <= 15 or not region.isalpha():
            return CLOUD["PHONE_NUMBER"], "invalid phone number", {}
        if region == "CN" and (len(digits) != 11 or digits[0] != "1"):
            return CLOUD["PHONE_NUMBER"], "invalid phone number", {}
        acc = self.accounts.get(phone)
        if acc and acc.get("formatted"):
            return 0, "", {"formatted": acc["formatted"]}
        code = DIALLING.get(region.upper(), region.upper())
        if region == "CN":
            shown = "%s %s %s" % (digits[:3], digits[3:7], digits[7:])
        else:
            shown = digits
        return 0, "", {"formatted": "+%s %s" % (code, shown)}

    def user_sms_code(self, p):
        refused = self.need(p, "phone_number")
        if refused:
            return refused
        phone = p["phone_number"]
        limit = int(self.settings.get("sms_limit") or 0)
        if limit and self.sms_counts.get(phone, 0) >= limit:
            return CLOUD["SMSCODE_LIMIT"], "too many sms codes", {}
        self.sms_counts[phone] = self.sms_counts.get(phone, 0) + 1
        code = "%06d" % random.randrange(1000000)
        self.sms_codes[phone] = code
        return 0, "", {"code": code if self.settings.get("sms_code_in_answer") else ""}

    def user_register(self, p):
        refused = self.need(p, "phone_number", "sms_code") or self.check_code(p)
        if refused:
            return refused
        acc = self.accounts.get(p["phone_number"])
        if acc is None:
            return CLOUD["ORDER_NOT_EXIST"], "no completed order for this number", {}
        if acc["state"] != "ordered":
            return CLOUD["USER_EXIST"], "user exists", {}
        acc["state"] = "active"
        acc["creation_time"] = self.date_text()
        return 0, "", {}

    def user_unregister(self, p):
        refused = self.need(p, "phone_number", "device_code", "sms_code") or self.check_code(p)
        if refused:
            return refused
        acc, refused = self.account_for(p)
        if refused:
            return refused
        del self.accounts[acc["phone_number"]]
        self.sms_codes.pop(acc["phone_number"], None)
        return 0, "", {}

    def device_list(self, p):
        acc, refused = self.account_for(p)
        if refused:
            return refused
        return 0, "", [{k: d[k] for k in ("device_code", "device_name", "creation_time")}
                       for d in acc["devices"]]

    def device_add(self, p):
        refused = self.need(p, "phone_number", "sms_code", "device_code") or self.check_code(p)
        if refused:
            return refused
        acc, refused = self.account_for(p, device=False)
        if refused:
            return refused
        if acc["state"] == "expired":
            return CLOUD["USER_EXPIRED"], "service expired", {}
        known = [d for d in acc["devices"] if d["device_code"] == p["device_code"]]
        if known:
            known[0]["device_name"] = p.get("device_name", "")
        elif len(acc["devices"]) >= int(self.settings.get("max_devices", 3)):
            return CLOUD["DEVICE_MAX"], "too many devices", {}
        else:
            acc["devices"].append(self.device_record(
                {"device_code": p["device_code"], "device_name": p.get("device_name", "")}))
        return 0, "", {"creation_time": acc["creation_time"],
                       "expiration_date": acc["expiration_date"]}

    def device_remove(self, p):
        refused = self.need(p, "phone_number", "device_code")
        if refused:
            return refused
        acc, refused = self.account_for(p, device=False)
        if refused:
            return refused
        before = len(acc["devices"])
        acc["devices"] = [d for d in acc["devices"] if d["device_code"] != p["device_code"]]
        if len(acc["devices"]) == before:
            return CLOUD["DB_NO_RECORD"], "no such device", {}
        return 0, "", {}

    def backup_list(self, p):
        acc, refused = self.account_for(p)
        if refused:
            return refused
        out = []
        for b in reversed(acc["backups"]):
            rec = {"id": b["id"], "upload_time": b["upload_time"],
                   "device_name": b["device_name"]}
            if "attached_data_raw" in b:
                rec["attached_data"] = b["attached_data_raw"]
            elif b.get("attached_data") is not None:
                a = b["attached_data"]
                if not isinstance(a, str):
                    a = json.dumps(a, separators=(",", ":"))
                rec["attached_data"] = encode_component(a)
            out.append(rec)
        return 0, "", out

    def backup_upload(self, p):
        refused = self.need(p, "phone_number", "device_code", "content_data")
        if refused:
            return refused
        acc, refused = self.account_for(p)
        if refused:
            return refused
        if acc["state"] == "expired":
            return CLOUD["USER_EXPIRED"], "service expired", {}
        dev = [d for d in acc["devices"] if d["device_code"] == p["device_code"]][0]
        rec = self.backup_record({"device_code": p["device_code"],
                                  "device_name": dev["device_name"],
                                  "content_data": p["content_data"],
                                  "attached_data": p.get("attached_data")})
        acc["backups"].append(rec)
        return 0, "", {"upload_time": rec["upload_time"], "id": rec["id"]}

    def backup_download(self, p):
        refused = self.need(p, "phone_number", "device_code", "backup_id")
        if refused:
            return refused
        acc, refused = self.account_for(p)
        if refused:
            return refused
        for b in acc["backups"]:
            if str(b["id"]) == p["backup_id"]:
                content = b.get("content_data_raw")
                if content is None:
                    content = encode_component(b["content_data"])
                return 0, "", {"content_data": content, "upload_time": b["upload_time"]}
        return CLOUD["DB_NO_RECORD"], "no such backup", {}

    def buy(self, service, method, p):
        if method == "list_product":
            products = list(self.products)
            if p.get("debugmode") == "true":
                products.append(dict(DEBUG_PRODUCT))
            return 0, "", products
        if method == "create_trade":
            if not p.get("phone_number") or not p.get("product_id"):
                return PAY["PARAMETER_INVALID"], "missing phone_number or product_id", {}
            product = [x for x in self.products + [DEBUG_PRODUCT]
                       if str(x["id"]) == p["product_id"]]
            if not product:
                return PAY["PARAMETER_INVALID"], "no such product", {}
            trade_no = "T%s%04d" % (time.strftime("%Y%m%d%H%M%S"), self.next_trade)
            self.next_trade += 1
            self.trades[trade_no] = {
                "trade_no": trade_no, "phone_number": p["phone_number"],
                "product_id": p["product_id"], "channel": service, "paid": False,
                "completed": False, "polls": 0}
            return 0, "", {"trade_no": trade_no, "product_id": p["product_id"],
                           "price": product[0].get("price", 0), "channel": service,
                           "noncestr": "%08x" % random.randrange(1 << 32),
                           "timestamp": int(self.now()), "sign": "fake"}
        if method == "complete_trade":
            trade = self.trades.get(p.get("trade_no", ""))
            if trade is None:
                return PAY["TRADE_NUMBER"], "no such trade", {}
            if not trade["paid"]:
                wait = int(self.settings.get("trade_notpay_polls", 0))
                trade["polls"] += 1
                if wait < 0 or trade["polls"] <= wait:
                    return PAY["TRADE_NOTPAY"], "trade not paid", {}
                trade["paid"] = True
            if not trade["completed"]:
                trade["completed"] = True
                self.credit(trade)
            return 0, "", {"trade_no": trade["trade_no"]}
        return PAY["PARAMETER_INVALID"], "unknown method: " + method, {}

    def credit(self, trade):
        product = [x for x in self.products + [DEBUG_PRODUCT]
                   if str(x["id"]) == trade["product_id"]]
        months = int(product[0].get("months", 12)) if product else 12
        phone = trade["phone_number"]
        acc = self.accounts.get(phone)
        start = self.now()
        if acc is None:
            acc = self.accounts[phone] = self.new_account(phone, state="ordered")
        else:
            try:
                start = max(start, time.mktime(time.strptime(acc["expiration_date"][:10],
                                                             "%Y-%m-%d")))
            except ValueError:
                pass
            if acc["state"] == "expired":
                acc["state"] = "active"
        acc["expiration_date"] = self.day_text(start + months * 30.5 * 86400)


FAKE = Fake()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def reply(self, status, body, ctype="application/json; charset=utf-8"):
        if isinstance(body, str):
            body = body.encode("utf-8")
        try:
            self.send_response(status)
            self.send_header("Content-Type", ctype)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        except OSError:
            pass

    def reply_json(self, obj, status=200):
        self.reply(status, json.dumps(obj, ensure_ascii=False))

    def read_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length).decode("utf-8", "replace") if length else ""

    def handle_any(self):
        parts = urlsplit(self.path)
        body = self.read_body()
        if parts.path.startswith("/_fake/"):
            return self.control(parts.path[len("/_fake/"):], parts.query, body)
        if not self.server.serves_api:
            return self.reply(404, "not found", "text/plain")
        self.service(parts, body)

    do_GET = handle_any
    do_POST = handle_any

    # --- the services ------------------------------------------------------
    def service(self, parts, body):
        path = parts.path
        service = script = None
        if path.startswith(ROOT):
            folder, _, script = path[len(ROOT):].partition("/")
            if folder in SERVICES and script in SERVICES[folder][1]:
                service = SERVICES[folder][0]
        params = dict(parse_qsl(parts.query, keep_blank_values=True))
        if self.command == "POST":
            params.update(parse_qsl(body, keep_blank_values=True))
        host = self.headers.get("Host") or ""
        entry = {
            "time": FAKE.date_text(), "region": "cn" if host.startswith("127.") else "foreign",
            "host": host, "httpMethod": self.command, "path": path, "service": service,
            "script": script if service else None, "method": params.get("method"),
            "params": params, "query": parts.query, "body": body,
        }
        o = (FAKE.take_override(script, params.get("method")) or {}) if service else {}
        if o.get("stall"):
            entry["stalled"] = True
            stall = FAKE.new_stall()
        with FAKE.lock:
            entry["seq"] = len(FAKE.requests) + 1
            FAKE.requests.append(entry)
            FAKE.arrived.notify_all()
        if service is None:
            FAKE.note(entry, answer={"status": 404})
            return self.reply(404, "no such service", "text/plain")
        if o.get("stall"):
            released = stall.wait(float(FAKE.settings.get("stall_seconds", 60)))
            FAKE.note(entry, released=released)
        if o.get("delay_ms"):
            time.sleep(int(o["delay_ms"]) / 1000.0)
        if o.get("drop"):
            FAKE.note(entry, answer={"dropped": True})
            self.close_connection = True
            return
        if "body" in o:
            FAKE.note(entry, answer={"status": o.get("status", 200), "body": o["body"]})
            return self.reply(o.get("status", 200), o["body"],
                              o.get("content_type", "text/html; charset=utf-8"))
        if "error" in o:
            envelope = {"error": o["error"], "message": o.get("message", "forced error"),
                        "result": o.get("result", {})}
        else:
            err, msg, result = FAKE.answer(service, script, params)
            envelope = {"error": err, "message": msg, "result": result}
            if "result" in o:
                envelope["result"] = o["result"]
        status = o.get("status", 200)
        FAKE.note(entry, answer=dict(envelope, status=status))
        self.reply_json(envelope, status)

    # --- the control paths -------------------------------------------------
    def control(self, cmd, query, body):
        q = dict(parse_qsl(query, keep_blank_values=True))
        arg = {}
        if body.strip().startswith("{"):
            try:
                arg = json.loads(body)
            except ValueError:
                return self.reply_json({"ok": False, "message": "body is not JSON"}, 400)
        else:
            q.update(parse_qsl(body, keep_blank_values=True))
        if "json" in q:
            try:
                arg = json.loads(q.pop("json"))
            except ValueError:
                return self.reply_json({"ok": False, "message": "json is not JSON"}, 400)
        for k, v in q.items():  # plain parameters: numbers become numbers
            arg.setdefault(k, int(v) if v.lstrip("-").isdigit() else v)
        try:
            out = self.run_control(cmd, arg)
        except (KeyError, TypeError, ValueError, AttributeError) as e:
            return self.reply_json({"ok": False, "message": "%s: %r" % (cmd, e)}, 400)
        if out is None:
            return self.reply_json({"ok": False, "message": "unknown command " + cmd}, 404)
        out["ok"] = True
        self.reply_json(out)

    def run_control(self, cmd, arg):
        if cmd == "reset":
            FAKE.release()
            FAKE.reset()
            FAKE.listener.start()
            return {}
        if cmd == "seed":
            return {"state": FAKE.seed(arg)}
        if cmd == "state":
            return {"state": FAKE.snapshot()}
        if cmd == "next":
            pending = 0
            for o in arg.get("queue") or [arg]:
                if not isinstance(o, dict) or not isinstance(o.get("match", {}), dict):
                    raise ValueError("an override is an object, its match an object")
                pending = FAKE.queue_override(o)
            return {"pending": pending}
        if cmd == "requests":
            since = int(arg.get("since") or 0)
            count = int(arg.get("count") or 0)
            with FAKE.lock:
                FAKE.arrived.wait_for(lambda: len(FAKE.requests) - since >= count,
                                      float(arg.get("timeout") or 10))
                out = json.loads(json.dumps([r for r in FAKE.requests if r["seq"] > since]))
                if str(arg.get("clear", "")).lower() in ("1", "true"):
                    FAKE.requests = []
            return {"requests": out}
        if cmd == "pay":
            with FAKE.lock:
                FAKE.trades[arg["trade_no"]]["paid"] = True
            return {}
        if cmd == "release":
            return {"released": FAKE.release()}
        if cmd == "offline":
            FAKE.listener.stop()
            return {}
        if cmd == "online":
            FAKE.listener.start()
            return {}
        if cmd == "stop":
            threading.Timer(0.1, FAKE.stop_event.set).start()
            return {}
        return None


class ServiceServer(tlstest.TLSServer):
    serves_api = True

    def before_handshake(self, request):
        if not FAKE.take_connect_stall():
            return True
        FAKE.new_stall().wait(float(FAKE.settings.get("stall_seconds", 60)))
        return False


class ControlServer(tlstest.TLSServer):
    serves_api = False


class Listener:
    """The service port, which /_fake/offline closes (connections refused)
    and /_fake/online opens again on the same port number."""

    def __init__(self, context, port):
        self.context, self.port, self.server = context, port, None
        self.lock = threading.Lock()
        self.start()

    def start(self):
        with self.lock:
            if self.server is None:
                self.server = ServiceServer(Handler, self.context, self.port)
                self.port = self.server.server_address[1]
                threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        with self.lock:
            if self.server is not None:
                self.server.shutdown()
                self.server.server_close()
                self.server = None


def write_atomically(path, text):
    tmp = path + ".tmp"
    with open(path + ".tmp", "w") as f:
        f.write(text)
    os.replace(tmp, path)


def demo_state():
    """Accounts that reach the sign-in pages of the desktop build."""
    return {"accounts": [
        {"phone_number": "13800138000", "devices": [
            {"device_code": "demo-phone", "device_name": "iPhone (演示)"}],
         "backups": []},
        {"phone_number": "13900139000", "state": "ordered"},
        {"phone_number": "13700137000", "state": "expired",
         "expiration_date": "2020-01-01"},
        {"phone_number": "US_2025550123"},
    ]}


def main():
    ap = argparse.ArgumentParser(description="Fake cloud and purchase services for tests.")
    ap.add_argument("--port", type=int, default=0, help="HTTPS port (0: a free one)")
    ap.add_argument("--control-port", type=int, default=0,
                    help="plain-HTTP control port (0: a free one)")
    ap.add_argument("--dir", help="where the test CA and certificate go (default: temporary)")
    ap.add_argument("--json", action="store_true", help="print one JSON line, not exports")
    ap.add_argument("--info-file", help="also write that JSON line to this file")
    ap.add_argument("--env-file", help="also write the export lines to this file")
    ap.add_argument("--seed", help="JSON file with a state to seed at start")
    ap.add_argument("--demo", action="store_true", help="seed a few demo accounts")
    ap.add_argument("--until-stdin-closes", action="store_true",
                    help="stop when standard input is closed")
    ap.add_argument("--exit-with-parent", action="store_true",
                    help="stop when the process that started it ends")
    args = ap.parse_args()

    own_dir = args.dir is None
    d = tempfile.mkdtemp(prefix="fakecloud.") if own_dir else args.dir
    os.makedirs(d, exist_ok=True)
    tlstest.make_ca(d, "Keyloft Fake Cloud CA")
    tlstest.make_server_cert(d, "server", "127.0.0.1", "IP:127.0.0.1,DNS:localhost")

    if args.demo:
        FAKE.seed(demo_state())
    if args.seed:
        with open(args.seed) as f:
            FAKE.seed(json.load(f))

    FAKE.listener = Listener(tlstest.tls_context(d, "server"), args.port)
    control = ControlServer(Handler, None, args.control_port)
    threading.Thread(target=control.serve_forever, daemon=True).start()
    port, cport = FAKE.listener.port, control.server_address[1]
    info = {
        "port": port, "controlPort": cport, "caFile": os.path.join(d, "ca.pem"),
        "cloudHost": "https://127.0.0.1:%d" % port,
        "cloudHostForeign": "https://localhost:%d" % port,
        "control": "http://127.0.0.1:%d" % cport, "pid": os.getpid(),
    }
    exports = "".join("export %s='%s'\n" % kv for kv in (
        ("KEYLOFT_CLOUD_HOST", info["cloudHost"]),
        ("KEYLOFT_CLOUD_HOST_FOREIGN", info["cloudHostForeign"]),
        ("KEYLOFT_EXTRA_CA_FILE", info["caFile"]),
        ("KEYLOFT_FAKE_CLOUD_CONTROL", info["control"])))
    if args.env_file:
        write_atomically(args.env_file, exports)
    if args.info_file:
        write_atomically(args.info_file, json.dumps(info) + "\n")
    if args.json:
        print(json.dumps(info), flush=True)
    else:
        print(exports + "# control: %s/_fake/state, .../requests, .../seed, .../next, "
              ".../stop (README.md)" % info["control"], flush=True)

    for sig in (signal.SIGTERM, signal.SIGINT):
        signal.signal(sig, lambda *_: FAKE.stop_event.set())
    if args.until_stdin_closes:
        def watch_stdin():
            sys.stdin.read()
            FAKE.stop_event.set()
        threading.Thread(target=watch_stdin, daemon=True).start()
    parent = os.getppid()
    while not FAKE.stop_event.wait(0.5):
        if args.exit_with_parent and os.getppid() != parent:
            break
    FAKE.release()
    if own_dir:
        shutil.rmtree(d, ignore_errors=True)
    os._exit(0)


if __name__ == "__main__":
    main()
