import QtQuick 2.12
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
import "cloudtest.js" as C

// The automatic upload against the fake service; the timer's ticks are
// fired by the test instead of waited for.
Item {
    id: idWindow

    Component {
        id: idLogicComp
        AutoCloudBackupLogic {}
    }

    FakeCloud {
        id: idFake
        testCase: idCase
    }

    KeyloftTestCase {
        id: idCase
        name: "AutoUpload"

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        readonly property string phone: "13800138000"
        property var logic: null

        function init() {
            idFake.reset()
            idFake.seed({ accounts: [{ phone_number: phone, creation_time: C.CREATION,
                                       devices: [{ device_code: Util.deviceCode, device_name: "This PC" }] }] })
            C.openVault(env)
            DB.addPwdItem().label = "uploaded entry"
            verify(DB.save())
            C.signIn(phone)
            logic = createTemporaryObject(idLogicComp, idWindow)
        }

        function cleanup() {
            logic.backupTimer.stop()
        }

        function tick() {
            logic.backupTimer.triggered()
        }

        function uploads() {
            return idFake.requestsOf("backup.php", "upload")
        }

        function uploadAndWait(count) {
            tick()
            verify(logic.uploadRequest.running, "an upload is sent")
            tryVerify(function() { return !logic.uploadRequest.running }, 15000)
            compare(uploads().length, count)
        }

        // First tick 5 s after the start, then every 120 s; an unchanged
        // vault is not sent again. (The script test decrypts this upload.)
        function test_firstUpload() {
            logic.startBackupTimer()
            verify(logic.backupTimer.running)
            compare(logic.backupTimer.interval, 5000)
            uploadAndWait(1)
            compare(logic.backupTimer.interval, 120000)
            var up = uploads()[0]
            compare(up.httpMethod, "POST")
            compare(JSON.parse(up.params.attached_data), { pwdItemCount: 1, noteItemCount: 0 })
            DBCloud.load()
            var stored = idFake.state().accounts[phone].backups[0].upload_time
            compare(DBCloud.root.summary.uploadTime, Pubfun.dateTimeStrToMillisec(stored))
            compare(DBCloud.root.summary.uploadedModifiedDate, DB.root.summary.modifiedDate)

            tick()
            verify(!logic.uploadRequest.running)
            verify(logic.backupTimer.running)
        }

        function test_notStartedWithoutAccount() {
            DBCloud.clear()
            DBCloud.load()
            logic.startBackupTimer()
            verify(!logic.backupTimer.running)
        }

        function test_nothingSent_data() {
            return [
                { tag: "empty vault", change: function() {
                    DB.root.data.pwdItemList.length = 0
                    verify(DB.save())
                } },
                { tag: "after sign-out", change: function() {
                    DBCloud.clear()
                    DBCloud.load()
                } },
                { tag: "device no longer registered", change: function() {
                    DBCloud.root.summary.deviceRegistered = false
                } },
                { tag: "no security answer", change: function() {
                    DB.root.security.verifiedSecurityAnswer = ""
                } }
            ]
        }
        function test_nothingSent(data) {
            logic.startBackupTimer()
            data.change()
            tick()
            verify(!logic.uploadRequest.running)
            // The timer goes on: only failures stop it.
            verify(logic.backupTimer.running)
            compare(uploads().length, 0)
        }

        // The service's clock an hour ahead of this computer's: an edit made
        // after the first upload is still newer than what was uploaded.
        function test_serverClockAhead() {
            idFake.seed({ settings: { clock_offset: 3600 } })
            logic.startBackupTimer()
            uploadAndWait(1)
            verify(DBCloud.root.summary.uploadTime > Date.now() + 3000000)
            DB.addPwdItem().label = "edited later"
            verify(DB.save())
            uploadAndWait(2)
            compare(JSON.parse(uploads()[1].params.attached_data).pwdItemCount, 2)
        }

        function test_failureStopsTimer_data() {
            return [
                { tag: "other code", next: { error: 3, message: "db" } },
                { tag: "not JSON", next: { body: "<html/>" } },
                { tag: "HTTP 500", next: { status: 500, body: "x" } },
                { tag: "no upload_time", next: { result: { id: 1 } } }
            ]
        }
        function test_failureStopsTimer(data) {
            idFake.next(data.next)
            logic.startBackupTimer()
            tick()
            tryVerify(function() { return !logic.backupTimer.running }, 15000)
            compare(DBCloud.root.summary.uploadTime, 0)
            compare(DBCloud.root.summary.uploadedModifiedDate, 0)
        }
    }
}
