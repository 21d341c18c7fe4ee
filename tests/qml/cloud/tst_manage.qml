import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Lib.HttpClient 1.0
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "../common"
import "../common/pagetest.js" as T
import "../frame/Fixture.js" as Fixture
import "cloudtest.js" as C

// The signed-in pages against the fake service: account summary and manual
// backup, backup records and restore, devices, sign-out and account closing,
// and how the opening query's failures are shown.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idPageComp
        CloudBackupPage {}
    }

    SignalSpy {
        id: idNeedAnswer
        signalName: "needSetSecurityAnswer"
    }

    FakeCloud {
        id: idFake
        testCase: idCase
    }

    // The longest time between two of its ticks while it runs: how long the
    // window stopped.
    Timer {
        id: idTicks
        property double last: 0
        property double longestGap: 0
        interval: 10
        repeat: true
        onRunningChanged: {
            if (running) {
                last = Date.now()
                longestGap = 0
            }
        }
        onTriggered: {
            var now = Date.now()
            longestGap = Math.max(longestGap, now - last)
            last = now
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "Manage"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        readonly property string phone: "13800138000"
        property var page: null

        function seedAccount(extra) {
            var acc = { phone_number: phone, creation_time: C.CREATION, expiration_date: "2030-01-01",
                        formatted: "+86 138 0013 8000",
                        devices: [{ device_code: Util.deviceCode, device_name: "This PC",
                                    creation_time: "2024-03-01 10:20:30" },
                                  { device_code: "phone-2", device_name: "Old (phone) <b>2</b>",
                                    creation_time: "2024-04-01 08:00:00" }] }
            for (var k in extra)
                acc[k] = extra[k]
            idFake.seed({ accounts: [acc] })
        }

        function init() {
            idFake.reset()
            C.openVault(env)
            DB.addPwdItem().label = "entry"
            verify(DB.save())
            C.signIn(phone)
            CloudErr.userQueryError = CloudErr.PARAMETER
            page = createTemporaryObject(idPageComp, idWindow)
            idNeedAnswer.clear()
            idNeedAnswer.target = page
        }

        function cleanup() {
            T.closePopup(idCase, page)
            verify(testLanguage.setEnglish(false))
        }

        function summary() { return page.managePageStack.userInfoPage }

        function openSignedIn() {
            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 2)
            tryVerify(function() { return !T.find(page, "cloudBusy").visible })
        }

        function idle(p) {
            C.idle(idCase, p)
        }

        function test_summary() {
            seedAccount({ expiration_date: "2031-02-03" })
            openSignedIn()
            var s = summary()
            // The local form: the phone check's form was never stored here.
            compare(C.forwardText(s.accountRows, 0), "+86 13800138000")
            // The expiration date comes anew from the opening query.
            compare(C.forwardText(s.accountRows, 1), "2031-02-03")
            compare(C.forwardText(s.timeRows, 0), Pubfun.millisecToDateTimeStr(DB.root.summary.modifiedDate))
            compare(C.forwardText(s.timeRows, 1), "")
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-account-summary")
            C.clickRowButton(idCase, s.accountRows, 2)
            C.expectMsg(idCase, page, "请在移动端App中续期", false)
        }

        // The service knows the account, but this computer is not signed in:
        // the SMS page, and the creation time is not taken.
        function test_successWithoutDevice() {
            seedAccount({ creation_time: "2025-01-01 00:00:00" })
            DBCloud.root.summary.deviceRegistered = false
            DBCloud.root.user.creationTime = ""
            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 1)
            tryCompare(page.rechargePageStack.stack, "currentIndex", 2)
            compare(CloudErr.userQueryError, CloudErr.DEVICE_UNREGISTERED)
            compare(DBCloud.root.user.creationTime, "")
        }

        function test_openingFailures_data() {
            return [
                { tag: "HTML body", next: { body: "<html>busy</html>" }, start: "数据错误: " },
                { tag: "unknown code", next: { error: 6, message: "gateway" }, msg: "错误: gateway" },
                { tag: "HTTP 503", next: { status: 503, body: "x" }, msg: "网络错误: 22" }
            ]
        }
        function test_openingFailures(data) {
            seedAccount()
            idFake.next(data.next)
            T.openPopup(idCase, page)
            var toast = T.find(page, "pageMsg")
            tryCompare(toast, "opened", true, 15000)
            if (data.msg)
                compare(toast.msg, data.msg)
            else
                compare(toast.msg.indexOf(data.start), 0)
            compare(toast.autoClose, false)
            toast.close()
            // The page stays on its loading page.
            compare(page.stack.currentIndex, 0)
        }

        // An opening query whose dates are missing or not texts is a data
        // error: nothing is stored, the creation time (the backup key's
        // seed) stays.
        function test_accountDatesChecked_data() {
            return C.BAD_DATES
        }
        function test_accountDatesChecked(data) {
            seedAccount()
            var before = C.cloudState()
            idFake.next({ result: data.result, match: { script: "user.php", method: "query" } })
            T.openPopup(idCase, page)
            var toast = T.find(page, "pageMsg")
            tryCompare(toast, "opened", true, 15000)
            compare(toast.msg, data.msg)
            toast.close()
            compare(page.stack.currentIndex, 0)
            compare(C.cloudState(), before)
            compare(DBCloud.root.user.creationTime, C.CREATION)
        }

        // The expiration date is only shown: an empty or missing one is
        // stored and shown as it came, and the opening signs in.
        function test_expirationDateAsItCame_data() {
            return [
                { tag: "empty", result: { creation_time: C.CREATION, expiration_date: "" } },
                { tag: "missing", result: { creation_time: C.CREATION } }
            ]
        }
        function test_expirationDateAsItCame(data) {
            seedAccount()
            idFake.next({ result: data.result, match: { script: "user.php", method: "query" } })
            openSignedIn()
            compare(C.forwardText(summary().accountRows, 1), "")
            compare(DBCloud.root.user.expirationDate, "")
            DBCloud.load()
            compare(DBCloud.root.user.expirationDate, "")
            compare(DBCloud.root.user.creationTime, C.CREATION)
        }

        // A service message of 1 MB: the toast shows its text cut to a
        // couple of hundred characters, and the window never stops for a
        // second on the way (the longest gap between the ticks of a 10 ms
        // timer, from the opening until the toast is up).
        function test_longMessageToast_data() {
            return [{ tag: "zh", english: false, prefix: "错误: " },
                    { tag: "en", english: true, prefix: "Error: " }]
        }
        function test_longMessageToast(data) {
            seedAccount()
            verify(testLanguage.setEnglish(data.english))
            page = createTemporaryObject(idPageComp, idWindow)
            var message = "数据库忙 " + new Array(1000001).join("x")
            idFake.next({ error: 3, message: message, match: { script: "user.php", method: "query" } })
            var request = T.search(page, function(o) { return o.logName === "LoadUserInfoPage" })
            var toast = T.find(page, "pageMsg")
            var times = { sent: 0, shown: 0 }
            var onSent = function() { times.sent = Date.now() }
            var onShown = function() {
                if (toast.visible && times.shown === 0)
                    times.shown = Date.now()
            }
            request.http.requested.connect(onSent)
            toast.visibleChanged.connect(onShown)
            idTicks.restart()
            T.openPopup(idCase, page)
            tryCompare(toast, "opened", true, 15000)
            idTicks.stop()
            request.http.requested.disconnect(onSent)
            toast.visibleChanged.disconnect(onShown)
            verify(times.sent > 0)
            console.log("long message: toast shown " + (times.shown - times.sent)
                        + " ms after the request; longest stop of the window " + idTicks.longestGap + " ms")
            verify(idTicks.longestGap < 1000 * timeScale, idTicks.longestGap + " ms")
            compare(toast.msg, data.prefix + message.substring(0, Pubfun.SHOWN_TEXT_MAX - 1) + "…")
            compare(T.find(toast, "toastText").text, toast.msg)
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-long-message-toast-" + data.tag)
            toast.close()
            tryCompare(toast, "visible", false)
        }

        function test_expiredAccount() {
            seedAccount({ state: "expired" })
            T.openPopup(idCase, page)
            var dialog = T.find(page, "expiredDialog")
            tryCompare(dialog, "opened", true)
            compare(dialog.msg, "云备份服务已过期")
            verify(!DBCloud.root.summary.deviceRegistered)
            mouseClick(T.find(dialog, "acceptButton"))
            tryCompare(page.stack, "currentIndex", 1)
            compare(page.rechargePageStack.stack.currentIndex, 0)
        }

        // Escape on the expired dialog does what its one button does.
        function test_expiredDialogEscape() {
            seedAccount({ state: "expired" })
            T.openPopup(idCase, page)
            var dialog = T.find(page, "expiredDialog")
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            tryCompare(page.stack, "currentIndex", 1)
            verify(page.opened)
        }

        // Escape on the permission dialog cancels as "取消" does: the cloud
        // page closes instead of waiting on its spinner.
        function test_permissionDialogEscape() {
            seedAccount()
            idFake.next({ stall: true })
            T.openPopup(idCase, page)
            PhoneNotify.devicePermissionsResult("android.permission.READ_PHONE_STATE", false)
            var dialog = T.find(page, "permissionDialog")
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            tryCompare(page, "visible", false)
            idFake.release()
            idle(page)
        }

        function test_backupNow() {
            seedAccount()
            openSignedIn()
            var s = summary()
            C.clickRowButton(idCase, s.timeRows, 2)
            C.expectMsg(idCase, page, "备份完成", false)
            var up = idFake.requestsOf("backup.php", "upload")
            compare(up.length, 1)
            compare(up[0].httpMethod, "POST")
            compare(up[0].body.indexOf("method=upload&phone_number=13800138000&device_code="), 0)
            compare(JSON.parse(up[0].params.attached_data), { pwdItemCount: 1, noteItemCount: 0 })
            var backupTxt = Pubfun.unwrapLine(up[0].params.content_data, "BEGIN BACKUP", "END BACKUP")
            verify(DB.verifyBackupPassword(backupTxt, Qt.md5(C.CREATION)) !== false)
            var stored = idFake.state().accounts[phone].backups[0].upload_time
            compare(C.forwardText(s.timeRows, 1), Pubfun.millisecToDateTimeStr(Pubfun.dateTimeStrToMillisec(stored)))
            DBCloud.load()
            compare(DBCloud.root.summary.uploadedModifiedDate, DB.root.summary.modifiedDate)

            // Nothing new: nothing sent.
            C.clickRowButton(idCase, s.timeRows, 2)
            C.expectMsg(idCase, page, "备份已是最新", false)
            compare(idFake.requestsOf("backup.php", "upload").length, 1)
        }

        // Uploaded, but the cloud state cannot be written: said so, and the
        // upload time is not shown as stored.
        function test_backupNowStateNotSaved() {
            seedAccount()
            openSignedIn()
            LocalStorage.openDatabaseSync("KeyloftCloud", "1.0", "KeyloftCloud", 1000000)
                    .transaction(function(tx) { tx.executeSql("DROP TABLE clouddata") })
            C.clickRowButton(idCase, summary().timeRows, 2)
            C.expectMsg(idCase, page, "保存数据失败", true)
            compare(idFake.requestsOf("backup.php", "upload").length, 1)
        }

        function test_backupNeedsSecurityQuestions() {
            DB.root.security.verifiedSecurityAnswer = ""
            seedAccount()
            openSignedIn()
            C.clickRowButton(idCase, summary().timeRows, 2)
            var dialog = T.find(page, "needSecurityDialog")
            tryCompare(dialog, "opened", true)
            mouseClick(T.find(dialog, "acceptButton"))
            compare(idNeedAnswer.count, 1)
            tryCompare(page, "visible", false)
            compare(idFake.requestsOf("backup.php", "upload").length, 0)
        }

        // A backup made by another vault with other security questions.
        function otherVaultBackup() {
            var saved = { root: JSON.stringify(DB.root), login: DB.loginPassword }
            DB.loginPassword = Qt.md5("login-B")
            Fixture.setQuestions(Encryptor, ["颜色?", "blue", "数字?", "7"])
            DB.root.data.pwdItemList.length = 0
            DB.addPwdItem().label = "from the cloud"
            DB.addPwdItem().label = "second"
            DB.root.summary.pwdItemCount = 2
            DB.root.summary.modifiedDate = 1700000000000
            var text = Pubfun.wrapLine(DB.backup(Qt.md5(C.CREATION)), "BEGIN BACKUP", "END BACKUP")
            DB.root = JSON.parse(saved.root)
            DB.loginPassword = saved.login
            DB.securityAnswer = ""
            return text
        }

        // The backup with its first question changed and everything else,
        // its backupHash included, kept.
        function changedBackup(framed) {
            var key = Qt.md5(Qt.md5(C.CREATION))
            var plain = Encryptor.aesDecryptLines(key, Pubfun.unwrapLine(framed, "BEGIN BACKUP", "END BACKUP"))
            verify(plain.indexOf("颜色?") > 0)
            return Pubfun.wrapLine(Encryptor.aesEncryptLines(key, plain.replace("颜色?", "颜色!")),
                                   "BEGIN BACKUP", "END BACKUP")
        }

        function openRecords() {
            openSignedIn()
            C.clickRow(idCase, summary().entryRows, 0)
            var records = summary().backupDataPage
            tryCompare(records, "opened", true)
            idle(records)
            return records
        }

        function test_recordsAndRestore() {
            seedAccount({ backups: [
                { id: 7, upload_time: "2024-05-06 07:08:09", device_name: "This PC",
                  content_data: "no frame at all" },
                { id: "8&x=1", upload_time: "2024-06-01 10:00:59", device_name: "Old (phone) <b>2</b>",
                  content_data: otherVaultBackup(), attached_data: { pwdItemCount: 2, noteItemCount: 5 } }
            ] })
            var records = openRecords()
            var panel = records.recordPanel
            tryVerify(function() { return panel.backupListModel.length === 2 })
            // Newest first, as the service lists them.
            var newest = T.find(panel, "backupRecord0")
            var older = T.find(panel, "backupRecord1")
            compare(C.forwardText(newest, 0), "2024-06-01 10:00")
            compare(C.forwardText(newest, 1), "Old (phone) <b>2</b>")
            compare(T.find(C.row(newest, 1), "forwardText").textFormat, Text.PlainText)
            compare(C.forwardText(newest, 2), "密码2，便签5")
            compare(C.forwardText(older, 2), "")
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-backup-records")

            C.clickRowButton(idCase, newest, 3)
            var imp = records.importPage
            tryCompare(imp, "opened", true)
            compare(T.find(imp, "question1").text, "颜色?")
            compare(T.find(imp, "question2").text, "数字?")
            T.typeInto(idCase, imp.answer1, "blue ")
            mouseClick(T.find(imp, "restoreButton"))
            C.expectMsg(idCase, imp, "请输入密保答案", false)
            compare(imp.answer1.text, "blue")
            // Return and the keypad's Enter in an answer press "恢复备份".
            T.typeInto(idCase, imp.answer2, "8")
            keyClick(Qt.Key_Return)
            C.expectMsg(idCase, imp, "密保答案不正确", false)
            keyClick(Qt.Key_Backspace)
            T.typeText(idCase, "7")
            compare(imp.answer2.text, "7")
            keyClick(Qt.Key_Enter, Qt.KeypadModifier)
            tryCompare(imp.confirmDialog, "opened", true)
            mouseClick(T.find(imp.confirmDialog, "acceptButton"))
            tryCompare(imp, "visible", false)
            C.expectMsg(idCase, records, "备份已恢复", false)
            compare(idFake.requestsOf("backup.php", "download")[0].params.backup_id, "8&x=1")

            // The backup's entries and questions, this vault's login password.
            compare(DB.root.data.pwdItemList.map(function(i) { return i.label }), ["from the cloud", "second"])
            compare(DB.root.security.securityQuestion1, "颜色?")
            compare(DB.loginPassword, Qt.md5("login-A"))
            compare(Encryptor.aesDecrypt(Qt.md5("blue7"), DB.root.security.encryptedLoginPassword),
                    Qt.md5("login-A"))
            T.reload()
            verify(DB.login(Qt.md5("login-A")))
            // Counts as uploaded at the record's time: nothing to send back.
            DBCloud.load()
            compare(DBCloud.root.summary.uploadTime, Pubfun.dateTimeStrToMillisec("2024-06-01 10:00:59"))
            compare(DBCloud.root.summary.uploadedModifiedDate, 1700000000000)
        }

        function test_downloadFailures_data() {
            return [
                { tag: "no markers", made: "plain", msg: "无效的备份记录", sticky: false },
                { tag: "another account's key", made: "other", msg: "备份数据解密失败", sticky: false },
                { tag: "damaged text", made: "damaged", msg: "备份数据解密失败", sticky: false },
                { tag: "a question changed", made: "changed", msg: "无效的备份记录", sticky: false },
                { tag: "content not URI-decodable", raw: "%E0%A4%A", start: "数据错误: ", sticky: true }
            ]
        }
        function test_downloadFailures(data) {
            var rec = { id: 1, upload_time: "2024-05-06 07:08:09", device_name: "x" }
            if (data.made === "other")
                rec.content_data = Pubfun.wrapLine(DB.backup(Qt.md5("2020-01-01 00:00:00")),
                                                   "BEGIN BACKUP", "END BACKUP")
            else if (data.made === "plain")
                rec.content_data = "no frame at all"
            else if (data.made === "damaged")
                rec.content_data = "-----BEGIN BACKUP-----\nAAAAbroken\n-----END BACKUP-----"
            else if (data.made === "changed")
                rec.content_data = changedBackup(otherVaultBackup())
            else
                rec.content_data_raw = data.raw
            seedAccount({ backups: [rec] })
            var before = JSON.stringify(DB.root.data)
            var records = openRecords()
            tryVerify(function() { return records.recordPanel.backupListModel.length === 1 })
            C.clickRowButton(idCase, T.find(records.recordPanel, "backupRecord0"), 3)
            var toast = T.find(records, "pageMsg")
            tryCompare(toast, "opened", true)
            if (data.msg)
                compare(toast.msg, data.msg)
            else
                compare(toast.msg.indexOf(data.start), 0)
            compare(toast.autoClose, !data.sticky)
            toast.close()
            idle(records)
            verify(!records.importPage.visible)
            compare(JSON.stringify(DB.root.data), before)
        }

        function openDevices() {
            openSignedIn()
            C.clickRow(idCase, summary().entryRows, 1)
            var devices = summary().deviceListPage
            tryCompare(devices, "opened", true)
            idle(devices)
            return devices
        }

        function test_devices() {
            seedAccount()
            var devices = openDevices()
            var panel = devices.devicePanel
            tryVerify(function() { return panel.deviceListModel.length === 2 })
            var self = T.find(panel, "deviceRecord0")
            var other = T.find(panel, "deviceRecord1")
            compare(T.find(C.row(self, 2), "buttonText").text, "本设备")
            verify(C.row(self, 2).isDisabled)
            compare(T.find(C.row(other, 2), "buttonText").text, "移除设备")
            compare(C.forwardText(other, 0), "Old (phone) <b>2</b>")
            compare(C.forwardText(other, 1), "2024-04-01 08:00:00")
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-device-list")

            // This computer cannot be removed from here.
            C.clickRowButton(idCase, self, 2)
            verify(!devices.removeDialog.visible)

            C.clickRowButton(idCase, other, 2)
            tryCompare(devices.removeDialog, "opened", true)
            compare(devices.removeDialog.msg, "移除设备 \"Old (phone) <b>2</b>\" ?")
            mouseClick(T.find(devices.removeDialog, "acceptButton"))
            tryVerify(function() { return panel.deviceListModel.length === 1 }, 15000)
            var got = idFake.requests().filter(function(r) { return r.script === "device.php" })
                    .map(function(r) { return r.method + " " + r.params.device_code })
            compare(got, ["list " + Util.deviceCode, "remove phone-2", "list " + Util.deviceCode])
        }

        // A row whose value is too long for it: the label whole, the value
        // elided at its end between the label and the row's right padding.
        function checkElidedValue(rowItem) {
            var label = T.find(rowItem, "label")
            var value = T.find(rowItem, "forwardText")
            tryVerify(function() { return value.truncated }, 5000, label.text + ": value not elided")
            verify(!label.truncated, label.text + ": label elided")
            verify(label.width >= label.implicitWidth)
            var labelEnd = label.mapToItem(rowItem, label.implicitWidth, 0).x
            var valueStart = value.mapToItem(rowItem, 0, 0).x
            verify(labelEnd <= valueStart, label.text + ": value over the label")
            verify(valueStart + value.width <= rowItem.width - 2 * Util.unitHeight,
                   label.text + ": value past the row's edge")
        }

        // Device names of 60 characters, this computer's and another's, in
        // both languages: elided in the records and the device list; the
        // removal question names the device in full.
        function test_longDeviceNames_data() {
            return [{ tag: "zh", english: false }, { tag: "en", english: true }]
        }
        function test_longDeviceNames(data) {
            var own = "研发部张伟的工作站 DESKTOP-7Q4K2M9 ThinkPad X1 Carbon Gen 11 (三楼东侧办公)"
            var other = "Pixel-8-Pro-of-the-Shanghai-office-reception-desk-spare-0042"
            compare(own.length, 60)
            compare(other.length, 60)
            seedAccount({
                devices: [{ device_code: Util.deviceCode, device_name: own, creation_time: C.CREATION },
                          { device_code: "phone-2", device_name: other, creation_time: C.CREATION }],
                backups: [{ id: 1, upload_time: "2024-05-06 07:08:09", device_name: own,
                            content_data: "x", attached_data: { pwdItemCount: 3, noteItemCount: 1 } }]
            })
            verify(testLanguage.setEnglish(data.english))
            // Made again, now in the language of the case.
            page = createTemporaryObject(idPageComp, idWindow)

            var records = openRecords()
            tryVerify(function() { return records.recordPanel.backupListModel.length === 1 })
            var record = T.find(records.recordPanel, "backupRecord0")
            compare(C.forwardText(record, 1), own)
            compare(C.rowText(record, 1), data.english ? "Device" : "备份设备")
            checkElidedValue(C.row(record, 1))
            verify(!T.find(C.row(record, 0), "forwardText").truncated)
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-long-device-name-records-" + data.tag)
            T.closePopup(idCase, records)

            var devices = openDevices()
            var panel = devices.devicePanel
            tryVerify(function() { return panel.deviceListModel.length === 2 })
            compare(C.rowText(T.find(panel, "deviceRecord0"), 0), data.english ? "Device name" : "设备名称")
            for (var i = 0; i < 2; ++i) {
                var group = T.find(panel, "deviceRecord" + i)
                checkElidedValue(C.row(group, 0))
                verify(!T.find(C.row(group, 1), "forwardText").truncated)
            }
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-long-device-name-devices-" + data.tag)

            C.clickRowButton(idCase, T.find(panel, "deviceRecord1"), 2)
            tryCompare(devices.removeDialog, "opened", true)
            verify(devices.removeDialog.msg.indexOf("\"" + other + "\"") > 0)
            var msg = T.find(devices.removeDialog, "dialogMsg")
            verify(msg.lineCount > 1)
            verify(msg.contentWidth <= msg.width)
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-long-device-name-remove-" + data.tag)
            mouseClick(T.find(devices.removeDialog, "rejectButton"))
            tryCompare(devices.removeDialog, "visible", false)
        }

        // A device name of 1 MB: its row and the removal question show it
        // cut to a couple of hundred characters.
        function test_hugeDeviceName() {
            var name = new Array(1000001).join("d")
            seedAccount({
                devices: [{ device_code: Util.deviceCode, device_name: "This PC", creation_time: C.CREATION },
                          { device_code: "phone-2", device_name: name, creation_time: C.CREATION }]
            })
            var devices = openDevices()
            var panel = devices.devicePanel
            tryVerify(function() { return panel.deviceListModel.length === 2 })
            var other = T.find(panel, "deviceRecord1")
            compare(C.forwardText(other, 0), name.substring(0, Pubfun.SHOWN_TEXT_MAX - 1) + "…")
            C.clickRowButton(idCase, other, 2)
            tryCompare(devices.removeDialog, "opened", true)
            compare(devices.removeDialog.msg, "移除设备 \"" + name.substring(0, Pubfun.SHOWN_TEXT_MAX - 1) + "…\" ?")
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-huge-device-name-remove")
            mouseClick(T.find(devices.removeDialog, "rejectButton"))
            tryCompare(devices.removeDialog, "visible", false)
        }

        function openAccountSettings() {
            openSignedIn()
            C.clickRow(idCase, summary().entryRows, 2)
            var settings = summary().accountSettingPage
            tryCompare(settings, "opened", true)
            return settings
        }

        // Signing out sends nothing; the next opening starts again at the
        // phone page with no number.
        function test_signOut() {
            seedAccount()
            var settings = openAccountSettings()
            var before = idFake.requests().length
            mouseClick(T.find(settings, "logoutButton"))
            tryCompare(settings.logoutDialog, "opened", true)
            mouseClick(T.find(settings.logoutDialog, "acceptButton"))
            tryCompare(page, "visible", false)
            compare(idFake.requests().length, before)
            compare(CloudErr.userQueryError, CloudErr.USER_UNREGISTERED)
            DBCloud.load()
            compare(DBCloud.root.user.phoneNumber, "")
            verify(!DBCloud.root.summary.deviceRegistered)

            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 1)
            compare(page.rechargePageStack.stack.currentIndex, 0)
            compare(C.edit(page.rechargePageStack.phonePage.rows, 1).text, "")
            compare(idFake.requests().length, before)
        }

        function test_closeAccount() {
            seedAccount()
            var settings = openAccountSettings()
            C.clickRow(idCase, T.find(settings, "accountSettingRows"), 0)
            var closing = settings.closeAccountPage
            tryCompare(closing, "opened", true)
            var rows = closing.smsRows
            compare(C.rowText(rows, 0), "+86 13800138000")
            mouseClick(T.find(closing, "closeAccountButton"))
            C.expectMsg(idCase, closing, "请输入验证码", false)
            C.clickRow(idCase, rows, 1)
            tryVerify(function() { return rows.codeText().length === 6 }, 15000)
            idle(closing)
            rows.setCode(rows.codeText() === "000000" ? "111111" : "000000")
            mouseClick(T.find(closing, "closeAccountButton"))
            C.expectMsg(idCase, closing, "无效的验证码", false)
            verify(closing.visible)
            // Other failures here close by themselves.
            idle(closing)
            idFake.next({ error: 3, message: "db", match: { method: "unregister" } })
            mouseClick(T.find(closing, "closeAccountButton"))
            C.expectMsg(idCase, closing, "错误: db", false)
            idle(closing)

            rows.setCode(idFake.state().sms_codes[phone])
            mouseClick(T.find(closing, "closeAccountButton"))
            tryCompare(page, "visible", false, 15000)
            verify(idFake.state().accounts[phone] === undefined)
            DBCloud.load()
            compare(DBCloud.root.user.phoneNumber, "")
        }
    }
}
