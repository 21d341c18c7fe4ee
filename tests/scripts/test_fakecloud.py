#!/usr/bin/env python3
"""The fake cloud service (tests/fake_cloud/fakecloud.py) on its own: started
from its command line, asked over HTTPS with its test CA, driven through its
control port, and stopped when its standard input closes.

Usage: test_fakecloud.py BUILD_DIR   (run through tests/run-isolated.sh)
"""
import http.client
import os
import socket
import sys
import time
import urllib.error

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
from fakecloudclient import WSAPI, FakeCloud  # noqa: E402

failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL: " + what)


def test_accounts(c):
    c.control("reset")
    c.control("seed", {"accounts": [
        {"phone_number": "13800138000", "devices": [{"device_code": "phone"}]},
        {"phone_number": "13900139000", "state": "ordered"},
        {"phone_number": "13700137000", "state": "expired"}],
        "settings": {"max_devices": 2}})
    q = "method=query&device_code=pc1&recharge_mode=true&phone_number="
    for phone, code in (("13800138000", 107), ("13900139000", 105),
                        ("13700137000", 106), ("13600136000", 104), ("", 1)):
        check(c.ask("user.php", q + phone)["error"] == code, "query %s -> %d" % (phone, code))
    for phone, code in (("13800138000", 0), ("US_2025550123", 0), ("12345", 110),
                        ("US_12a45", 110), ("", 1)):
        check(c.ask("user.php", "method=check_phone&phone_number=" + phone)["error"] == code,
              "check_phone %r -> %d" % (phone, code))

    # Paid but unregistered: a wrong code, then register and add this computer.
    code = c.ask("user.php", "method=sms_code&phone_number=13900139000")["result"]["code"]
    wrong = "%06d" % ((int(code) + 1) % 1000000)
    check(c.ask("user.php", "method=register&phone_number=13900139000&sms_code=" + wrong)
          ["error"] == 102, "register with a wrong code")
    check(c.ask("user.php", "method=register&phone_number=13900139000&sms_code=" + code)
          ["error"] == 0, "register")
    check(c.ask("user.php", "method=register&phone_number=13900139000&sms_code=" + code)
          ["error"] == 103, "register twice")
    add = c.ask("device.php", "method=add&phone_number=13900139000&sms_code=%s"
                "&device_code=pc1&device_name=PC%%20(1)" % code)
    check(add["error"] == 0 and add["result"]["creation_time"], "device add after register")
    check(c.ask("user.php", q + "13900139000")["result"] == add["result"], "query after add")

    # The device limit, removal, and the expired account.
    code = c.ask("user.php", "method=sms_code&phone_number=13800138000")["result"]["code"]
    add = "method=add&phone_number=13800138000&sms_code=%s&device_name=x&device_code=" % code
    check(c.ask("device.php", add + "pc1")["error"] == 0, "second device")
    check(c.ask("device.php", add + "pc2")["error"] == 108, "third device: DEVICE_MAX")
    check(c.ask("device.php", "method=remove&phone_number=13800138000&device_code=phone")
          ["error"] == 0, "remove")
    devices = c.ask("device.php", "method=list&phone_number=13800138000&device_code=pc1")
    check([d["device_code"] for d in devices["result"]] == ["pc1"], "list after removal")
    code = c.ask("user.php", "method=sms_code&phone_number=13700137000")["result"]["code"]
    check(c.ask("device.php", "method=add&phone_number=13700137000&sms_code=%s&device_code=pc1"
                % code)["error"] == 106, "add to an expired account")

    # Closing the account.
    code = c.control("state")["state"]["sms_codes"]["13800138000"]
    wrong = "%06d" % ((int(code) + 1) % 1000000)
    check(c.ask("user.php", "method=unregister&phone_number=13800138000&device_code=pc1"
                "&sms_code=" + wrong)["error"] == 102, "unregister with a wrong code")
    check(c.ask("user.php", "method=unregister&phone_number=13800138000&device_code=pc1"
                "&sms_code=" + code)["error"] == 0, "unregister")
    check("13800138000" not in c.control("state")["state"]["accounts"], "account gone")

    # SMS limit and codes kept out of the answer.
    c.control("seed", {"settings": {"sms_limit": 1, "sms_code_in_answer": False}})
    first = c.ask("user.php", "method=sms_code&phone_number=15000000000")
    check(first["error"] == 0 and first["result"]["code"] == "", "code kept out of the answer")
    check(c.ask("user.php", "method=sms_code&phone_number=15000000000")["error"] == 100,
          "SMSCODE_LIMIT")


def test_backups(c):
    c.control("reset")
    c.control("seed", {"settings": {"clock_offset": 3600}, "accounts": [
        {"phone_number": "US_2025550123", "devices": [{"device_code": "pc1",
                                                     "device_name": "Linux PC"}],
         "backups": [{"id": "a&b", "content_data": "old", "upload_time": "2020-01-01 00:00:00"}]}]})
    base = "phone_number=US_2025550123&device_code=pc1"
    up = c.ask("backup.php", None, host=c.info["cloudHostForeign"],
               body="method=upload&%s&content_data=BEGIN%%20BACKUP%%0A%%2B%%2F%%3D%%26"
                    "&attached_data=%%7B%%22pwdItemCount%%22%%3A1%%7D" % base)
    check(up["error"] == 0, "upload")
    ahead = time.mktime(time.strptime(up["result"]["upload_time"], "%Y-%m-%d %H:%M:%S"))
    check(3500 < ahead - time.time() < 3700, "upload_time follows the fake's clock offset")
    records = c.ask("backup.php", "method=list&" + base, host=c.info["cloudHostForeign"])["result"]
    check([r["id"] for r in records] == [up["result"]["id"], "a&b"], "list, newest first")
    check(records[0]["attached_data"] == "%7B%22pwdItemCount%22%3A1%7D", "attached_data encoded")
    check(records[0]["device_name"] == "Linux PC" and "attached_data" not in records[1],
          "record members")
    down = c.ask("backup.php", "method=download&%s&backup_id=a%%26b" % base,
                 host=c.info["cloudHostForeign"])
    check(down["result"]["content_data"] == "old", "download by an id with &")
    down = c.ask("backup.php", "method=download&%s&backup_id=%s" % (base, up["result"]["id"]),
                 host=c.info["cloudHostForeign"])
    check(down["result"]["content_data"] == "BEGIN%20BACKUP%0A%2B%2F%3D%26", "content encoded")
    reqs = c.control("requests", {"since": 0})["requests"]
    check(reqs[0]["region"] == "foreign" and reqs[0]["httpMethod"] == "POST"
          and reqs[0]["params"]["content_data"] == "BEGIN BACKUP\n+/=&", "upload recorded")
    check(c.ask("backup.php", "method=list&phone_number=US_2025550123&device_code=pc9")
          ["error"] == 107, "list from an unknown device")


def test_purchase(c):
    c.control("reset")
    c.control("seed", {"settings": {"trade_notpay_polls": 2},
                       "products": [{"id": "p1", "name": "一年", "price": 1250},
                                    {"id": "p2", "name": "Two", "price": 2000,
                                     "priceStr": "$20"}]})
    for channel in ("weipay_app", "alipay_app", "iap"):
        root = "/product/keyloft/v2_1/%s/" % channel
        listing = c.ask("buy.php", "method=list_product&phone_number=15000000000", root=root)
        check([p["id"] for p in listing["result"]] == ["p1", "p2"], channel + " listing")
    root = "/product/keyloft/v2_1/alipay_app/"
    debug = c.ask("buy.php", "method=list_product&phone_number=1&debugmode=true", root=root)
    check(len(debug["result"]) == 3, "debug listing adds a product")
    check(c.ask("buy.php", "method=create_trade&phone_number=15000000000&product_id=none",
                root=root)["error"] == 1, "unknown product")
    trade = c.ask("buy.php", "method=create_trade&phone_number=15000000000&product_id=p1",
                  root=root)["result"]["trade_no"]
    done = "method=complete_trade&trade_no=" + trade
    codes = [c.ask("buy.php", done, root=root)["error"] for _ in range(4)]
    check(codes == [5, 5, 0, 0], "two TRADE_NOTPAY, then SUCCESS: %r" % codes)
    check(c.ask("buy.php", "method=complete_trade&trade_no=nope", root=root)["error"] == 4,
          "unknown trade")
    check(c.ask("user.php", "method=query&phone_number=15000000000&device_code=pc1")
          ["error"] == 105, "a completed trade leaves a paid, unregistered account")

    c.control("seed", {"settings": {"trade_notpay_polls": -1}})
    trade = c.ask("buy.php", "method=create_trade&phone_number=15100000000&product_id=p2",
                  root=root)["result"]["trade_no"]
    check(c.ask("buy.php", "method=complete_trade&trade_no=" + trade, root=root)["error"] == 5,
          "never paid")
    c.control("pay", {"trade_no": trade})
    check(c.ask("buy.php", "method=complete_trade&trade_no=" + trade, root=root)["error"] == 0,
          "paid through the control port")


def test_forced(c):
    c.control("reset")
    check(c.control("next", {"queue": [{"error": 999, "message": "m", "match": {"method": "sms_code"}},
                                       {"result": []}]})["pending"] == 2, "two queued")
    first = c.ask("user.php", "method=check_phone&phone_number=13800138000")
    check(first == {"error": 0, "message": "", "result": []}, "result replaced: %r" % first)
    check(c.ask("user.php", "method=sms_code&phone_number=1")["error"] == 999, "matched error")

    try:
        c.raw(WSAPI + "nosuch.php", "method=x")
        check(False, "unknown script answered")
    except urllib.error.HTTPError as e:
        check(e.code == 404, "unknown script: 404")

    c.control("next", {"drop": True})
    try:
        c.raw(WSAPI + "user.php", "method=query")
        check(False, "dropped request answered")
    except (urllib.error.URLError, ConnectionError, http.client.HTTPException):
        pass

    # A connection stalled before the handshake times the client out; the
    # next one is served again.
    c.control("next", {"stall": "connect"})
    start = time.time()
    try:
        c.raw(WSAPI + "user.php", "method=query", timeout=1)
        check(False, "stalled connection answered")
    except (urllib.error.URLError, socket.timeout, TimeoutError):
        check(time.time() - start < 5, "client timed out")
    check(c.control("release")["released"] == 1, "one stall released")
    check(c.ask("user.php", "method=query&phone_number=1")["error"] == 104, "served again")

    # Offline refuses connections on the same port until online.
    c.control("offline")
    try:
        c.raw(WSAPI + "user.php", "method=query")
        check(False, "offline port answered")
    except urllib.error.URLError as e:
        check(isinstance(e.reason, ConnectionRefusedError), "refused: %r" % e.reason)
    c.control("online")
    check(c.ask("user.php", "method=query&phone_number=1")["error"] == 104, "online again")


def main():
    fake = FakeCloud()
    with fake:
        check(fake.info["cloudHostForeign"].startswith("https://localhost:"), "foreign host")
        for test in (test_accounts, test_backups, test_purchase, test_forced):
            try:
                test(fake)
            except Exception as e:  # one broken step must not hide the others
                check(False, "%s raised %r" % (test.__name__, e))
        check(fake.stop(), "the fake stops when its input closes")
    check(not os.path.exists(os.path.dirname(fake.info["caFile"])), "temporary CA removed")
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
