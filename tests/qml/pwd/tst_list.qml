import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Encryptor 1.0
import Lib.Util 1.0
import Widgets.Theme 1.0
import ZV.OPTClient 1.0
import "qrc:/pwd"
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "../common/pagetest.js" as T
import "../common"

// The entry list of one box: rows, reveal button, live codes and the PIN
// check in front of confidential entries.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idListComp
        PwdListPage {
            anchors.fill: parent
            boxId: -1
        }
    }

    SignalSpy {
        id: idExpireSpy
        signalName: "expireChanged"
    }

    // Ticks on the same event loop as the rows: a clock for "a tick has passed".
    OPTClient {
        id: idRefClient
    }

    SignalSpy {
        id: idRefSpy
        target: idRefClient
        signalName: "expireChanged"
    }

    // A clock for "the PIN check's pause would have ended by now": the
    // success tick, longer than the keypad's pause.
    SuccessfulAnimation {
        id: idReferenceTick
    }

    SignalSpy {
        id: idReferenceSpy
        target: idReferenceTick
        signalName: "stopped"
    }

    KeyloftTestCase {
        id: idCase
        name: "PwdList"
        when: windowShown

        readonly property string otpUrl: "otpauth://totp/bob?secret=JBSWY3DPEHPK3PXP"
        property var page: null
        property var secretItem: null

        function init() {
            T.resetStore(LocalStorage, Encryptor)
            T.setPin()
            T.addEntry({ label: "Mail", account: "plain-acc", password: "plain-pw" }, Encryptor)
            secretItem = T.addEntry({ securityLevel: 1, label: "Bank", account: "secret-acc",
                                      password: "secret-pw", note: "n" }, Encryptor)
            T.addEntry({ label: "Git", account: "otp-acc", password: "JBSWY3DPEHPK3PXP",
                         otpUrl: otpUrl }, Encryptor)
            page = idListComp.createObject(idWindow)
            waitRows()
        }

        // Rows are made at the list's next layout.
        function waitRows() {
            tryVerify(function () { return allHidden() })
        }

        function cleanup() {
            idRefClient.stop()
            page.destroy()
            page = null
            DB.pinCode = ""
        }

        function row(account) {
            return T.search(T.find(page, "pwdListView"), function (o) {
                return String(o).indexOf("PwdListItem") === 0 && o.pwdItem
                        && o.pwdItem.account === account
            })
        }

        function checkPage() {
            return T.find(page, "checkPinCodePage")
        }

        function reveal(account) {
            T.tap(idCase, T.find(row(account), "revealButton"))
        }

        function allHidden() {
            var rows = T.findAll(T.find(page, "pwdListView"), function (o) {
                return String(o).indexOf("PwdListItem") === 0
            })
            for (var i = 0; i < rows.length; ++i) {
                if (rows[i].pwdText !== "******" || rows[i].viewIndex !== 0)
                    return false
            }
            return rows.length === 3
        }

        function test_revealConfidentialAsksPin() {
            reveal("plain-acc")
            compare(row("plain-acc").pwdText, "plain-pw")

            reveal("secret-acc")
            tryCompare(checkPage(), "opened", true)
            compare(row("secret-acc").pwdText, "******")
            compare(T.find(row("secret-acc"), "revealButton").checked, false)

            // a cancelled check hides every row again
            T.answerPinCheck(idCase, page, false)
            waitRows()

            reveal("secret-acc")
            tryCompare(checkPage(), "opened", true)
            T.answerPinCheck(idCase, page, true)
            var r = row("secret-acc")
            tryCompare(r, "pwdText", "secret-pw")
            var button = T.find(r, "revealButton")
            compare(button.checked, true)
            verify(String(button.imgSource).indexOf("unlock.png") > 0, button.imgSource)

            // with the key held, hiding and showing need no check
            reveal("secret-acc")
            compare(r.pwdText, "******")
            verify(String(button.imgSource).indexOf("/lock.png") > 0, button.imgSource)
            reveal("secret-acc")
            compare(r.pwdText, "secret-pw")
            compare(checkPage().visible, false)
        }

        function test_openConfidentialAsksPin() {
            var view = T.find(page, "viewPwdItemPage")
            T.tap(idCase, T.find(row("secret-acc"), "holdButton"))
            tryCompare(checkPage(), "opened", true)
            compare(view.visible, false)
            T.answerPinCheck(idCase, page, false)
            compare(view.visible, false)

            T.tap(idCase, T.find(row("secret-acc"), "holdButton"))
            tryCompare(checkPage(), "opened", true)
            T.answerPinCheck(idCase, page, true)
            tryCompare(view, "opened", true)
            compare(T.find(view, "pwdText").text, "secret-pw")
            compare(T.find(view, "noteText").text, "n")
            compare(T.find(view, "levelText").text, "机密")
            compare(view.__pwdTitle, "密码")
            T.tap(idCase, T.findType(view, "CloseButton"))
            tryCompare(view, "visible", false)

            // a normal entry opens at once
            T.tap(idCase, T.find(row("plain-acc"), "holdButton"))
            tryCompare(view, "opened", true)
            compare(checkPage().visible, false)
            compare(T.find(view, "accountText").text, "plain-acc")
        }

        function test_deleteConfidentialAsksPin() {
            var menu = T.find(page, "itemMenu")
            var view = T.find(page, "viewPwdItemPage")
            T.hold(idCase, T.find(row("secret-acc"), "holdButton"), menu)
            compare(view.visible, false)
            T.tap(idCase, T.findText(menu, "删除 \"Bank\""))
            tryCompare(checkPage(), "opened", true)
            T.answerPinCheck(idCase, page, false)
            verify(DB.getPwdItem(secretItem.id) !== null)
            waitRows()

            T.hold(idCase, T.find(row("secret-acc"), "holdButton"), menu)
            T.tap(idCase, T.findText(menu, "删除 \"Bank\""))
            tryCompare(checkPage(), "opened", true)
            T.answerPinCheck(idCase, page, true)
            tryCompare(T.find(page, "pwdListView"), "count", 2)
            compare(DB.getPwdItem(secretItem.id), null)
        }

        // The right PIN, then the check closed during the keypad's pause:
        // the entry is not deleted and the PIN key not kept.
        function test_pinCheckClosedDuringItsPause() {
            var menu = T.find(page, "itemMenu")
            T.hold(idCase, T.find(row("secret-acc"), "holdButton"), menu)
            T.tap(idCase, T.findText(menu, "删除 \"Bank\""))
            var check = checkPage()
            tryCompare(check, "opened", true)
            T.clickDigits(idCase, check, T.PIN)
            idReferenceSpy.clear()
            idReferenceTick.start()
            mouseClick(T.findType(check, "CloseButton"))
            tryCompare(check, "visible", false)
            tryCompare(idReferenceSpy, "count", 1)
            verify(DB.getPwdItem(secretItem.id) !== null)
            compare(check.checkPassed, false)
            compare(DB.pinCode, "")
            waitRows()
        }

        function test_otpRowShowsLiveCode() {
            var r = row("otp-acc")
            var pwdText = T.find(r, "pwdText")
            verify(Qt.colorEqual(pwdText.color, Theme.buttonGreenColor))
            reveal("otp-acc")
            compare(r.viewIndex, 1)
            var code = T.find(r, "codeText")
            var ring = T.find(r, "totpRing")
            tryVerify(function () { return /^[0-9]{6}$/.test(code.text) })
            var secs = Number(ring.text)
            verify(secs >= 1 && secs <= 30, ring.text)
            T.expectRingFollows(idCase, ring, T.find(r, "rowOptClient"), 30)
            // the stored secret is never shown in the row
            compare(r.pwdText, "JBSWY3DPEHPK3PXP")
            compare(pwdText.visible, false)

            idExpireSpy.target = T.find(r, "rowOptClient")
            idExpireSpy.clear()
            idExpireSpy.wait(2500)

            reveal("otp-acc")
            compare(r.viewIndex, 0)
            compare(r.pwdText, "******")
            verify(Qt.colorEqual(pwdText.color, Theme.buttonGreenColor))
            // the reference client starts with one signal and then ticks
            // twice, by which time the row's timer would have ticked
            idExpireSpy.clear()
            idRefSpy.clear()
            idRefClient.url = otpUrl
            idRefClient.start()
            tryVerify(function () { return idRefSpy.count >= 3 })
            compare(idExpireSpy.count, 0)
        }

        // The view page of an entry with a one-time code: the code shown is
        // the current one at every opening, the ring runs down, "复制" copies
        // the code, and a double click on the ring shows the stored secret.
        function test_viewPageLiveCode() {
            var view = T.find(page, "viewPwdItemPage")
            var client = T.find(view, "viewOptClient")
            var code = T.find(view, "codeText")
            for (var round = 0; round < 2; ++round) {
                T.tap(idCase, T.find(row("otp-acc"), "holdButton"))
                tryCompare(view, "opened", true)
                compare(view.viewIndex, 1)
                compare(T.find(view, "pwdRow").title, "令牌")
                verify(/^[0-9]{6}$/.test(client.code), client.code)
                compare(code.text, client.code)
                T.tap(idCase, T.findType(view, "CloseButton"))
                tryCompare(view, "visible", false)
            }

            T.tap(idCase, T.find(row("otp-acc"), "holdButton"))
            tryCompare(view, "opened", true)
            T.expectRingFollows(idCase, T.find(view, "totpRing"), client, 30)
            Util.clipboardText = ""
            T.tap(idCase, T.find(view, "copyPwdButton"))
            compare(Util.clipboardText, code.text)
            T.expectToast(idCase, T.findType(view, "PopupMsg"), "已复制")

            mouseDoubleClickSequence(T.find(view, "totpRing"))
            compare(view.viewIndex, 0)
            compare(T.find(view, "pwdText").text, "JBSWY3DPEHPK3PXP")
            compare(T.find(view, "pwdRow").title, "令牌")
            T.tap(idCase, T.findType(view, "CloseButton"))
            tryCompare(view, "visible", false)
        }

        function test_hiddenListEmptiesModel() {
            reveal("otp-acc")
            page.visible = false
            compare(T.find(page, "pwdListView").count, 0)
            page.visible = true
            waitRows()
        }
    }
}
