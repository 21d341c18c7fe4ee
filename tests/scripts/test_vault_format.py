#!/usr/bin/env python3
"""Format check of the stored vault and of a backup text (its closing
backupHash member included).

Writes a vault through the real store (tests/format/tst_vault_writer.qml run
by keyloft-qmltest), then reads the SQLite file with python's sqlite3 and
decrypts every layer with the openssl command line only.

Usage: test_vault_format.py BUILD_DIR   (run through tests/run-isolated.sh)
"""
import hashlib
import json
import os
import re
import sqlite3
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pylib"))
from keyloftrun import wait_limit  # noqa: E402

IV = "5e0a9c13d7f24b68a1c3e5f70b2d4f96"
WRAP = "format-check-device"
LOGIN = "login password 密码"
PIN = "135790"
ANSWERS = "blue" + "tiger"
BACKUP_PASSWORD = "backup password"

failures = []


def md5(text):
    if isinstance(text, str):
        text = text.encode("utf-8")
    return hashlib.md5(text).hexdigest()


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL: " + what)


def decrypt(key, text, lines=False):
    """Plain bytes of a Base64 cipher text, or None when openssl refuses it."""
    args = ["openssl", "enc", "-d", "-aes-128-cbc", "-K", key, "-iv", IV, "-base64"]
    if not lines:
        args.append("-A")
    p = subprocess.run(args, input=text.encode("ascii"), capture_output=True)
    return p.stdout if p.returncode == 0 else None


def decrypt_text(key, text, lines=False):
    plain = decrypt(key, text, lines)
    return None if plain is None else plain.decode("utf-8")



def check_data(doc, where):
    """The data part: hash, login key, confidential fields."""
    data_bytes = decrypt(md5(LOGIN), doc["data"])
    check(data_bytes is not None, where + ": data opens with MD5 of the login password")
    if data_bytes is None:
        return
    check(md5(data_bytes) == doc["dataHash"], where + ": dataHash is MD5 of the data JSON")
    text = data_bytes.decode("utf-8")
    check(": " not in text and "\n" not in text.replace("\\n", ""), where + ": compact JSON")
    data = json.loads(text)
    check(list(data.keys()) == ["pwdBoxIncrement", "pwdBoxList", "pwdItemIncrement",
                                "pwdItemList", "noteBoxIncrement", "noteBoxList",
                                "noteItemIncrement", "noteItemList"], where + ": data members")
    check(data["pwdBoxList"][0] == {"id": -1, "iconId": 0, "name": "all"}, where + ": placeholder")
    check(data["pwdBoxList"][1] == {"id": 1, "iconId": 5, "name": "工作"}, where + ": box")
    check(data["pwdBoxIncrement"] == 1 and data["pwdItemIncrement"] == 2
          and data["noteItemIncrement"] == 2, where + ": counters")
    items = data["pwdItemList"]
    check([i["id"] for i in items] == [2, 1], where + ": newest entry first")
    check(list(items[0].keys()) == ["id", "securityLevel", "boxId", "iconId", "label", "account",
                                    "password", "note", "otpUrl", "date"], where + ": entry members")
    conf, plain = items[0], items[1]
    check(plain["securityLevel"] == 0 and plain["password"] == "forum-pwd", where + ": plain entry")
    pin_key = md5(PIN)
    check(conf["securityLevel"] == 1 and conf["boxId"] == 1 and conf["label"] == "银行",
          where + ": confidential entry stays readable where it should")
    check(decrypt_text(pin_key, conf["password"]) == "bank-pwd 😀", where + ": password under PIN")
    check(decrypt_text(pin_key, conf["note"]) == "card note", where + ": note under PIN")
    check(decrypt_text(pin_key, conf["otpUrl"]) == "otpauth://totp/bank?secret=JBSWY3DPEHPK3PXP",
          where + ": otpUrl under PIN")
    notes = data["noteItemList"]
    check(list(notes[0].keys()) == ["id", "securityLevel", "boxId", "colorIndex", "note", "date",
                                    "title", "summary"], where + ": note members")
    check(notes[0]["securityLevel"] == 1 and decrypt_text(pin_key, notes[0]["note"]) == "私密笔记",
          where + ": confidential note under PIN")
    check(notes[1]["note"] == "购物清单\nmilk" and notes[1]["colorIndex"] == 2, where + ": plain note")


def check_security(doc, where):
    sec = doc["security"]
    check(list(sec.keys()) == ["encryptedLoginPassword", "securityQuestion1", "securityQuestion2",
                               "verifiedSecurityAnswer", "verifiedPinCode"], where + ": security members")
    check(sec["verifiedPinCode"] == md5(md5(PIN)), where + ": verifiedPinCode")
    check(sec["verifiedSecurityAnswer"] == md5(md5(ANSWERS)), where + ": verifiedSecurityAnswer")
    check(decrypt_text(md5(ANSWERS), sec["encryptedLoginPassword"]) == md5(LOGIN),
          where + ": encryptedLoginPassword is the login key under the answer key")
    check(sec["securityQuestion1"] == "最喜欢的颜色？", where + ": question")


def main():
    build = os.path.abspath(sys.argv[1])
    src = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    appdata = os.environ["APPDATA"]
    env = dict(os.environ, QT_MESSAGE_PATTERN="%{message}")
    p = subprocess.run([os.path.join(build, "keyloft-qmltest"), "-input",
                        os.path.join(src, "tests", "format")],
                       capture_output=True, text=True, env=env, timeout=wait_limit(300))
    out = p.stdout + p.stderr
    if p.returncode != 0:
        print(out)
        print("writer failed")
        return 1
    m = re.search(r"VAULT-FORMAT-BACKUP:(\".*\")", out)
    check(m is not None, "writer printed the backup text")

    db_path = os.path.join(appdata, "Ormel", "Keyloft", "Databases", md5("ZovuduzuRez") + ".sqlite")
    check(os.path.exists(db_path), "database file " + db_path)
    con = sqlite3.connect(db_path)
    cols = [r[1] for r in con.execute("PRAGMA table_info(pwddata)")]
    check(cols == ["content", "date", "wrapkey"], "pwddata columns")
    rows = con.execute("SELECT content, date, wrapkey FROM pwddata").fetchall()
    con.close()
    check(len(rows) == 1, "one row")
    content, date, wrapkey = rows[0]
    check(re.fullmatch(r"\d{4}-\d\d-\d\d \d\d:\d\d:\d\d", date) is not None, "date text " + date)
    check(wrapkey == "yes", "wrapkey yes")
    check(re.fullmatch(r"[A-Za-z0-9+/]+=*", content) is not None, "content is one-line Base64")

    row_plain = decrypt(md5(date + md5(WRAP)), content)
    check(row_plain is not None, "row opens with MD5(date + MD5(device code))")
    if row_plain is not None:
        doc_text = row_plain.decode("utf-8")
        doc = json.loads(doc_text)
        check(list(doc.keys()) == ["app", "local", "security", "summary", "dataHash", "data"],
              "document parts in order")
        check(doc["app"] == {"name": "Ormel Keyloft", "version": 1,
                             "login": {"pwdTry": 0, "pwdTryMax": 5, "typeIndex": 0},
                             "prompt": {"pwdBoxEdit": True, "pwdItemEdit": True, "noteBoxEdit": True,
                                        "noteItemEdit": True, "noteAttrEdit": True}}, "app part")
        check(list(doc["app"].keys()) == ["name", "version", "login", "prompt"], "app members")
        check(doc["local"] == {"ui": {"darkMode": True}}, "local part")
        s = doc["summary"]
        check(list(s.keys()) == ["modifiedDate", "backupDate", "pwdItemCount", "noteItemCount"],
              "summary members")
        check(s["pwdItemCount"] == 2 and s["noteItemCount"] == 2 and s["modifiedDate"] > 0
              and s["backupDate"] >= s["modifiedDate"], "summary values")
        check(doc_text == json.dumps(doc, ensure_ascii=False, separators=(",", ":")),
              "compact document JSON")
        check_security(doc, "row")
        check_data(doc, "row")

    if m is not None:
        framed = json.loads(m.group(1))
        top, bottom = "-----BEGIN BACKUP-----\n", "-----END BACKUP-----"
        check(framed.startswith(top) and framed.endswith(bottom), "backup markers")
        body = framed[len(top):-len(bottom)]
        lines = body.split("\n")
        check(lines[-1] == "" and all(len(l) == 64 for l in lines[:-2])
              and 0 < len(lines[-2]) <= 64, "backup body in 64-column lines ending in a newline")
        backup_plain = decrypt(md5(md5(BACKUP_PASSWORD)), body, lines=True)
        check(backup_plain is not None, "backup opens with MD5(MD5(backup password))")
        if backup_plain is not None:
            bdoc = json.loads(backup_plain.decode("utf-8"))
            check(list(bdoc.keys()) == ["app", "security", "summary", "dataHash", "data",
                                        "backupHash"],
                  "backup parts in order, no local, backupHash last")
            # backupHash: MD5 of the document's text without that member.
            tail = (',"backupHash":"%s"}' % bdoc.get("backupHash", "")).encode("ascii")
            check(backup_plain.endswith(tail)
                  and md5(backup_plain[:-len(tail)] + b"}") == bdoc.get("backupHash"),
                  "backupHash is MD5 of the backup text before it")
            check(bdoc["summary"]["backupDate"] > 0, "backup date stamped")
            check_security(bdoc, "backup")
            check_data(bdoc, "backup")

    if failures:
        print("%d checks failed" % len(failures))
        return 1
    print("vault format check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
