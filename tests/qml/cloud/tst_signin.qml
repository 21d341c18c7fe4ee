import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Lib.HttpClient 1.0
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud
import "../common"
import "../common/pagetest.js" as T
import "cloudtest.js" as C

// The cloud page from its first opening to a signed-in account, through the
// phone page and the SMS page, with real clicks against the fake service.
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
        name: "SignIn"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        property var page: null
        property real fakeNow: 1700000000000

        function init() {
            idFake.reset()
            C.openVault(env)
            CloudErr.userQueryError = CloudErr.PARAMETER
            page = createTemporaryObject(idPageComp, idWindow)
        }

        function cleanup() {
            T.closePopup(idCase, page)
        }

        function phonePage() { return page.rechargePageStack.phonePage }
        function smsPage() { return page.rechargePageStack.smsPage }

        function openPage() {
            T.openPopup(idCase, page)
        }

        // Opens the page with no number, chooses the country of region
        // (when given) and types digits on the phone page.
        function enterNumber(digits, region) {
            openPage()
            tryCompare(page.stack, "currentIndex", 1)
            compare(page.rechargePageStack.stack.currentIndex, 0)
            if (region)
                chooseCountry(region)
            T.typeInto(idCase, C.edit(phonePage().rows, 1), digits)
            mouseClick(T.find(phonePage(), "continueButton"))
        }

        function chooseCountry(region) {
            var country = phonePage().countryChoosePage
            C.clickRow(idCase, phonePage().rows, 0)
            tryCompare(country, "opened", true)
            var list = country.listView
            var idx = -1
            for (var i = 0; i < list.model.length; ++i)
                if (list.model[i].region === region)
                    idx = i
            verify(idx >= 0)
            mouseClick(list.itemAtIndex(idx) || list.currentItem)
            list.currentIndex = idx
            mouseClick(T.find(country, "countryDoneButton"))
            tryCompare(country, "visible", false)
            compare(C.forwardText(phonePage().rows, 0), list.model[idx].name)
            compare(C.rowText(phonePage().rows, 1), "+" + list.model[idx].number)
        }

        function waitSmsPage() {
            tryCompare(page.rechargePageStack.stack, "currentIndex", 2)
            tryVerify(function() { return !T.find(page, "cloudBusy").visible })
        }

        function sendCode() {
            var rows = smsPage().smsRows
            rows.clock = function() { return idCase.fakeNow }
            C.clickRow(idCase, rows, 1)
            tryVerify(function() { return rows.codeText().length === 6 }, 15000)
            return rows
        }

        function login() {
            mouseClick(T.find(smsPage(), "loginButton"))
        }

        function test_firstOpeningNeedsNoRequest() {
            openPage()
            tryCompare(page.stack, "currentIndex", 1)
            compare(page.rechargePageStack.stack.currentIndex, 0)
            compare(CloudErr.userQueryError, CloudErr.USER_UNREGISTERED)
            compare(idFake.requests().length, 0)
            // The country of this computer, an empty number.
            compare(C.forwardText(phonePage().rows, 0), Util.countryCodeCurrent().name)
            compare(C.rowText(phonePage().rows, 1), "+" + Util.countryCodeCurrent().number)
            mouseClick(T.find(phonePage(), "continueButton"))
            C.expectMsg(idCase, page, "请输入手机号码", false)
            compare(idFake.requests().length, 0)
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-phone-page")
        }

        // The current country stands whole in the middle of the list below
        // the title strip, at the first opening as at the later ones.
        function test_countryListOpenings() {
            openPage()
            tryCompare(page.stack, "currentIndex", 1)
            var country = phonePage().countryChoosePage
            var list = country.listView
            for (var opening = 1; opening <= 2; ++opening) {
                C.clickRow(idCase, phonePage().rows, 0)
                tryCompare(country, "opened", true)
                tryVerify(function() { return list.visible && list.currentItem !== null })
                compare(list.model[list.currentIndex].region, Util.countryCodeCurrent().region)
                var item = list.currentItem
                tryVerify(function() {
                    var top = item.mapToItem(list, 0, 0).y
                    return top >= 0 && top + item.height <= list.height
                }, 5000, "opening " + opening + ": the current country is not whole")
                var centre = item.mapToItem(list, 0, item.height / 2).y
                verify(Math.abs(centre - list.height / 2) <= 1, "opening " + opening + ": " + centre)
                if (opening === 1)
                    T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-country-list-first-opening")
                T.tap(idCase, T.find(country, "countryCloseButton"))
                tryCompare(country, "visible", false)
            }
        }

        // An existing account: check, query (this computer not yet one of
        // its devices), SMS code filled in from the answer, device added.
        function test_existingAccount() {
            idFake.seed({ accounts: [{ phone_number: "13800138000", creation_time: C.CREATION,
                                       expiration_date: "2030-01-01", formatted: "+86 138 0013 8000",
                                       devices: [{ device_code: "other", device_name: "Phone" }] }] })
            enterNumber("13800138000")
            waitSmsPage()
            compare(CloudErr.userQueryError, CloudErr.DEVICE_UNREGISTERED)
            compare(C.rowText(smsPage().smsRows, 0), "+86 138 0013 8000")

            var rows = sendCode()
            compare(rows.codeText(), idFake.state().sms_codes["13800138000"])
            T.shoot(idCase, idWindow.Window.window, testArtifactDir, "cloud-sms-page")
            login()
            tryCompare(page.stack, "currentIndex", 2)
            var got = idFake.requests().map(function(r) { return r.script + " " + r.method })
            compare(got, ["user.php check_phone", "user.php query", "user.php sms_code", "device.php add"])
            var add = idFake.requestsOf("device.php", "add")[0].params
            compare(add.device_code, Util.deviceCode)
            compare(add.device_name, Util.deviceName)

            // Stored: the account, this computer, nothing uploaded yet.
            DBCloud.load()
            compare(DBCloud.root.user.phoneNumber, "13800138000")
            compare(DBCloud.root.user.formattedPhoneNumber, "+86 138 0013 8000")
            compare(DBCloud.root.user.creationTime, C.CREATION)
            compare(DBCloud.root.user.expirationDate, "2030-01-01")
            verify(DBCloud.root.summary.deviceRegistered)
            compare(DBCloud.root.summary.uploadTime, 0)
            compare(CloudErr.userQueryError, CloudErr.SUCCESS)
        }

        // A device addition whose answer has no expiration date signs in
        // all the same; the date is stored empty.
        function test_signInWithoutExpirationDate() {
            idFake.seed({ accounts: [{ phone_number: "13800138000", creation_time: C.CREATION,
                                       devices: [{ device_code: "other", device_name: "Phone" }] }] })
            idFake.next({ result: { creation_time: C.CREATION }, match: { script: "device.php", method: "add" } })
            enterNumber("13800138000")
            waitSmsPage()
            sendCode()
            login()
            tryCompare(page.stack, "currentIndex", 2)
            DBCloud.load()
            compare(DBCloud.root.user.creationTime, C.CREATION)
            compare(DBCloud.root.user.expirationDate, "")
            verify(DBCloud.root.summary.deviceRegistered)
        }

        // Paid, not registered: the account is registered, then this
        // computer added, with the same code.
        function test_paidAccountRegistersFirst() {
            idFake.seed({ accounts: [{ phone_number: "US_2025550123", state: "ordered" }] })
            enterNumber("2025550123", "US")
            waitSmsPage()
            compare(CloudErr.userQueryError, CloudErr.USER_ORDER_COMPLETED)
            var rows = sendCode()
            login()
            tryCompare(page.stack, "currentIndex", 2)
            var reqs = idFake.requests()
            compare(reqs.map(function(r) { return r.method }),
                    ["check_phone", "query", "sms_code", "register", "add"])
            reqs.forEach(function(r) { compare(r.region, "foreign") })
            compare(reqs[3].params.sms_code, reqs[4].params.sms_code)
            compare(DBCloud.root.user.phoneNumber, "US_2025550123")
        }

        function test_noSignInOnThisComputer_data() {
            return [
                { tag: "new number", seed: [] },
                { tag: "expired account", seed: [{ phone_number: "13800138000", state: "expired" }] }
            ]
        }
        function test_noSignInOnThisComputer(data) {
            idFake.seed({ accounts: data.seed })
            enterNumber("13800138000")
            C.expectMsg(idCase, page, "请在移动端App中开启此功能", false)
            compare(page.rechargePageStack.stack.currentIndex, 0)
            compare(idFake.requestsOf("user.php", "query").length, 1)
        }

        function test_invalidNumber() {
            idFake.next({ error: CloudErr.PHONE_NUMBER, message: "bad", match: { method: "check_phone" } })
            enterNumber("12")
            C.expectMsg(idCase, page, "请输入有效的手机号", false)
            compare(idFake.requestsOf("user.php", "query").length, 0)
        }

        function test_smsPageAnswers_data() {
            return [
                { tag: "wrong code", code: "000000", msg: "无效的验证码" },
                { tag: "service period not renewed",
                  next: { error: 106, message: "expired", match: { method: "add" } },
                  msg: "续期未完成，请稍后登录" },
                { tag: "unknown code with its message",
                  next: { error: 3, message: "<i>db</i> failed", match: { method: "add" } },
                  msg: "错误: <i>db</i> failed", sticky: true }
            ]
        }
        function test_smsPageAnswers(data) {
            idFake.seed({ accounts: [{ phone_number: "13800138000" }] })
            enterNumber("13800138000")
            waitSmsPage()
            var rows = sendCode()
            if (data.code)
                rows.setCode(data.code)
            if (data.next)
                idFake.next(data.next)
            login()
            C.expectMsg(idCase, page, data.msg, data.sticky === true)
            compare(page.rechargePageStack.stack.currentIndex, 2)
            verify(!DBCloud.root.summary.deviceRegistered)
        }

        function test_deviceLimitDialog() {
            idFake.seed({ settings: { max_devices: 1 },
                          accounts: [{ phone_number: "13800138000",
                                       devices: [{ device_code: "other", device_name: "Phone" }] }] })
            enterNumber("13800138000")
            waitSmsPage()
            sendCode()
            login()
            var dialog = smsPage().deviceMaxDialog
            tryCompare(dialog, "opened", true)
            compare(dialog.title, "登录失败")
            compare(dialog.msg, "已经超出授权设备数，请在已登录设备中移除未使用的设备后，再试。\n如需帮助，请发送邮件："
                    + Util.configValue("KEYLOFT_SUPPORT_EMAIL"))
            verify(!T.find(dialog, "rejectButton").visible)
            mouseClick(T.find(dialog, "acceptButton"))
            tryCompare(dialog, "visible", false)
        }

        // The send row counts down from 60 and reads "重新发送" 59 s after
        // the tap, whatever the answer; a short code sends nothing.
        function test_countdown() {
            idFake.seed({ accounts: [{ phone_number: "13800138000" }] })
            enterNumber("13800138000")
            waitSmsPage()
            var rows = smsPage().smsRows
            idFake.next({ error: CloudErr.SMSCODE_LIMIT, message: "limit", match: { method: "sms_code" } })
            rows.clock = function() { return idCase.fakeNow }
            C.clickRow(idCase, rows, 1)
            compare(C.rowText(rows, 1), "60秒后可重新发送")
            verify(!C.row(rows, 1).interactive)
            C.expectMsg(idCase, page, "请稍后再试", false)
            fakeNow += 58000
            rows.tick()
            compare(C.rowText(rows, 1), "2秒后可重新发送")
            fakeNow += 999
            rows.tick()
            compare(C.rowText(rows, 1), "2秒后可重新发送")
            fakeNow += 1
            rows.tick()
            compare(C.rowText(rows, 1), "重新发送")
            verify(C.row(rows, 1).interactive)
            verify(!rows.counting)

            var before = idFake.requests().length
            rows.setCode("12345")
            login()
            C.expectMsg(idCase, page, "请输入验证码", false)
            compare(idFake.requests().length, before)
        }

        // Switching the number on the SMS page forgets it in memory only.
        function test_switchAccount() {
            idFake.seed({ accounts: [{ phone_number: "13800138000" }] })
            enterNumber("13800138000")
            waitSmsPage()
            verify(DBCloud.save())
            C.clickRow(idCase, smsPage().smsRows, 0)
            compare(page.rechargePageStack.stack.currentIndex, 0)
            compare(DBCloud.root.user.phoneNumber, "")
            compare(C.edit(phonePage().rows, 1).text, "")
            DBCloud.load()
            compare(DBCloud.root.user.phoneNumber, "13800138000")
        }
    }
}
