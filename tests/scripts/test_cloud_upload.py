#!/usr/bin/env python3
"""What the automatic upload puts on the cloud service is the vault document,
readable by anyone who holds the account's creation time and nothing else of
this program: python3 and `openssl enc` decrypt it under MD5 of MD5 of
creation_time (the data part under the login key).

Runs the QML test AutoUpload::test_firstUpload against a fake service this
script starts, then reads the upload the fake received.

Usage: test_cloud_upload.py BUILD_DIR   (run through tests/run-isolated.sh)
"""
import hashlib
import json
import os
import subprocess
import sys
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "pylib"))
from fakecloudclient import FakeCloud  # noqa: E402
from keyloftrun import wait_limit  # noqa: E402

BUILD = sys.argv[1]
CREATION = "2024-03-01 10:20:30"   # cloudtest.js CREATION
LOGIN = "login-A"                  # cloudtest.js openVault
IV = "5e0a9c13d7f24b68a1c3e5f70b2d4f96"


def md5hex(text):
    return hashlib.md5(text.encode("utf-8")).hexdigest()


def openssl_decrypt(key_hex, b64_text):
    out = subprocess.run(["openssl", "enc", "-d", "-aes-128-cbc", "-a", "-A",
                          "-K", key_hex, "-iv", IV],
                         input=b64_text.replace("\n", "").encode(), capture_output=True)
    if out.returncode != 0:
        raise SystemExit("openssl failed: " + out.stderr.decode())
    return out.stdout.decode("utf-8")


def main():
    with FakeCloud() as fake:
        env = dict(os.environ, **fake.env())
        run = subprocess.run([os.path.join(HERE, "..", "run-isolated.sh"),
                              os.path.join(BUILD, "keyloft-qmltest"), "-input",
                              os.path.join(HERE, "..", "qml", "cloud", "tst_autoupload.qml"),
                              "AutoUpload::test_firstUpload"],
                             env=env, capture_output=True, text=True, timeout=wait_limit(300))
        if run.returncode != 0:
            print(run.stdout[-4000:], run.stderr[-4000:])
            raise SystemExit("the QML upload test failed")
        reqs = fake.control("requests")["requests"]
        uploads = [r for r in reqs if r["script"] == "backup.php" and r["method"] == "upload"]
        assert len(uploads) == 1, uploads
        up = uploads[0]
        # The body on the wire is the form-encoded query; the framed text
        # comes back whole from it.
        body = urllib.parse.parse_qs(up["body"], keep_blank_values=True)
        content = body["content_data"][0]
        assert content == up["params"]["content_data"]
        assert content.startswith("-----BEGIN BACKUP-----\n"), content[:40]
        assert content.endswith("-----END BACKUP-----"), content[-40:]
        lines = content[len("-----BEGIN BACKUP-----\n"):-len("-----END BACKUP-----")]
        assert all(len(l) <= 64 for l in lines.split("\n")), "64-column lines"

        doc = json.loads(openssl_decrypt(md5hex(md5hex(CREATION)), lines))
        assert doc["app"]["name"] == "Ormel Keyloft", doc["app"]
        assert "local" not in doc
        assert doc["summary"]["pwdItemCount"] == 1
        assert doc["security"]["securityQuestion1"] == "宠物的名字?"
        data_json = openssl_decrypt(md5hex(LOGIN), doc["data"])
        assert md5hex(data_json) == doc["dataHash"]
        data = json.loads(data_json)
        assert [i["label"] for i in data["pwdItemList"]] == ["uploaded entry"], data["pwdItemList"]
        assert json.loads(body["attached_data"][0]) == {"pwdItemCount": 1, "noteItemCount": 0}
    print("ok")


main()
