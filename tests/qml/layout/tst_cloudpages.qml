import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Lib.HttpClient 1.0
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "../common"
import "../common/pagetest.js" as T
import "../cloud/cloudtest.js" as C
import "../frame/Fixture.js" as Fixture
import "layoutcheck.js" as Layout

// The cloud backup pages against the fake service, in the language of the
// run, checked and saved as the program's pages are (tst_pages.qml): from
// the phone page to the signed-in account, its records, devices and
// settings, and the renewal page.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idPageComp
        CloudBackupPage {}
    }

    FakeCloud {
        id: idFake
        testCase: idCase
    }

    KeyloftTestCase {
        id: idCase
        name: "CloudPages"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        readonly property bool english: Util.currentLanguage() !== "zh"
        // A number of the system's region, as the phone page starts with it.
        readonly property string digits: Util.currentRegion() === "CN" ? "13800138000" : "2025550123"
        readonly property string phone: Util.currentRegion() === "CN" ? digits
                                                                      : Util.currentRegion() + "_" + digits
        property var page: null

        function init() {
            idFake.reset()
            C.openVault(env)
            CloudErr.userQueryError = CloudErr.PARAMETER
        }

        function cleanup() {
            T.closePopup(idCase, page)
        }

        function check(name) {
            Layout.check(idCase, idWindow.Window.window, testArtifactDir, name, { english: english })
        }

        function idle(p) {
            C.idle(idCase, p)
        }

        function opened(popup) {
            tryCompare(popup, "opened", true)
            return popup
        }

        function gone(popup) {
            tryCompare(popup, "visible", false)
        }

        function test_signIn() {
            idFake.seed({ accounts: [{ phone_number: phone, creation_time: C.CREATION,
                                       expiration_date: "2030-01-01",
                                       devices: [{ device_code: "other", device_name: "Phone" }] }] })
            page = createTemporaryObject(idPageComp, idWindow)
            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 1)
            var phonePage = page.rechargePageStack.phonePage
            check("cloud-phone-number")
            C.clickRow(idCase, phonePage.rows, 0)
            var countries = opened(phonePage.countryChoosePage)
            tryVerify(function () { return countries.listView.count > 0 })
            check("cloud-country")
            T.closePopup(idCase, countries)
            T.typeInto(idCase, C.edit(phonePage.rows, 1), digits)
            mouseClick(T.find(phonePage, "continueButton"))
            tryCompare(page.rechargePageStack.stack, "currentIndex", 2)
            idle(page)
            check("cloud-sms-code")
            var deviceMax = page.rechargePageStack.smsPage.deviceMaxDialog
            T.openPopup(idCase, deviceMax)
            check("cloud-device-limit")
            T.closePopup(idCase, deviceMax)
        }

        // Security questions as a user of the run's language sets them.
        readonly property var questions: english
                                         ? ["Name of your first pet?", "Rex", "City you were born in?", "Leeds"]
                                         : C.QUESTIONS

        // The vault as uploaded, framed as the service keeps it.
        function uploaded() {
            return Pubfun.wrapLine(DB.backup(Qt.md5(C.CREATION)), "BEGIN BACKUP", "END BACKUP")
        }

        function test_signedIn() {
            DB.addPwdItem().label = "entry"
            Fixture.setQuestions(Encryptor, questions)
            verify(DB.save())
            C.signIn(phone)
            idFake.seed({
                accounts: [{ phone_number: phone, creation_time: C.CREATION, expiration_date: "2030-01-01",
                             devices: [{ device_code: Util.deviceCode, device_name: "This PC",
                                         creation_time: C.CREATION },
                                       { device_code: "p2", device_name: "Phone", creation_time: C.CREATION }],
                             backups: [{ id: 1, upload_time: "2024-05-06 07:08:09", device_name: "This PC",
                                         content_data: uploaded(),
                                         attached_data: { pwdItemCount: 3, noteItemCount: 1 } }] }],
                products: [{ id: "y1", name: "One year", price: 1000, months: 12 },
                           { id: "m6", name: "Half a year", price: 1250, months: 6 }]
            })
            page = createTemporaryObject(idPageComp, idWindow)
            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 2)
            idle(page)
            check("cloud-account")
            var summary = page.managePageStack.userInfoPage

            C.clickRow(idCase, summary.entryRows, 0)
            var records = opened(summary.backupDataPage)
            idle(records)
            tryVerify(function () { return records.recordPanel.backupListModel.length === 1 })
            check("cloud-records")
            // The record downloaded: its questions, then what it holds.
            C.clickRowButton(idCase, T.find(records.recordPanel, "backupRecord0"), 3)
            var imp = opened(records.importPage)
            idle(records)
            compare(T.find(imp, "question1").text, questions[0])
            check("cloud-record-restore")
            T.typeInto(idCase, imp.answer1, questions[1])
            T.typeInto(idCase, imp.answer2, questions[3])
            T.tap(idCase, T.find(imp, "restoreButton"))
            opened(imp.confirmDialog)
            check("cloud-record-restore-confirm")
            T.tap(idCase, T.find(imp.confirmDialog, "rejectButton"))
            gone(imp.confirmDialog)
            T.closePopup(idCase, imp)
            T.closePopup(idCase, records)

            C.clickRow(idCase, summary.entryRows, 1)
            var devices = opened(summary.deviceListPage)
            idle(devices)
            tryVerify(function () { return devices.devicePanel.deviceListModel.length === 2 })
            check("cloud-devices")
            C.clickRowButton(idCase, T.find(devices.devicePanel, "deviceRecord1"), 2)
            opened(devices.removeDialog)
            check("cloud-device-remove")
            T.closePopup(idCase, devices.removeDialog)
            T.closePopup(idCase, devices)

            C.clickRow(idCase, summary.entryRows, 2)
            var settings = opened(summary.accountSettingPage)
            check("cloud-account-settings")
            mouseClick(T.find(settings, "logoutButton"))
            opened(settings.logoutDialog)
            check("cloud-sign-out")
            T.closePopup(idCase, settings.logoutDialog)
            T.openPopup(idCase, settings.closeAccountPage)
            check("cloud-close-account")
            T.closePopup(idCase, settings.closeAccountPage)
            T.closePopup(idCase, settings)

            // Renewal, as the summary's button leads there off distribution
            // builds.
            page.stack.currentIndex = 1
            tryVerify(function () {
                var r = page.rechargePageStack.rechargeLoader.item
                return r !== null && r.visible && r.productPanel.productListModel.length === 2
            }, 15000)
            idle(page)
            check("cloud-renewal")
            // The desktop has no payment app: paying asks to install it.
            var recharge = page.rechargePageStack.rechargeLoader.item
            T.tap(idCase, T.find(recharge, "payButton"))
            opened(recharge.installDialog)
            verify(recharge.installDialog.msg !== "")
            check("cloud-renewal-install")
            T.tap(idCase, T.find(recharge.installDialog, "rejectButton"))
            gone(recharge.installDialog)
        }

        function test_expired() {
            C.signIn(phone)
            idFake.seed({ accounts: [{ phone_number: phone, state: "expired" }] })
            page = createTemporaryObject(idPageComp, idWindow)
            T.openPopup(idCase, page)
            opened(T.find(page, "expiredDialog"))
            check("cloud-expired")
        }
    }
}
