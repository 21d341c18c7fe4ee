import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Lib.HttpClient 1.0
import Lib.Pay 1.0
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "../common"
import "../common/pagetest.js" as T
import "cloudtest.js" as C

// The product page of the cloud page against the fake purchase service:
// products and prices, the install dialog of the desktop bridges, and, with
// a payment app standing in for an installed one, trade, payment, polling
// and its cap.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idPageComp
        CloudBackupPage {}
    }

    // A payment app that is installed and answers at once, before
    // requestPay returns, as the desktop bridges do.
    Component {
        id: idAppComp
        QtObject {
            property int answer: 0
            property var given: []
            signal payResponsed(int errCode, string errStr)
            function isAppInstalled() { return true }
            function getAppInstallUrl() { return "" }
            function requestPay(text) {
                given.push(text)
                payResponsed(answer, answer === 0 || answer === 9000 ? "" : "refused")
                return true
            }
        }
    }

    FakeCloud {
        id: idFake
        testCase: idCase
    }

    KeyloftTestCase {
        id: idCase
        name: "Recharge"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        readonly property string phone: "13800138000"
        property var page: null

        function init() {
            idFake.reset()
            idFake.seed({
                accounts: [{ phone_number: phone, creation_time: C.CREATION, expiration_date: "2030-01-01",
                             devices: [{ device_code: Util.deviceCode, device_name: "This PC" }] }],
                products: [{ id: "y1", name: "一年 <b>VIP</b>", price: 1000, months: 12 },
                           { id: "m6", name: "半年", price: 1250, months: 6 },
                           { id: "usd", name: "Year", price: 999, priceStr: "US$9.99" }]
            })
            C.openVault(env)
            C.signIn(phone)
            page = createTemporaryObject(idPageComp, idWindow)
            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 2)
            idle()
            // Renewal as the summary's button leads there off distribution builds.
            page.stack.currentIndex = 1
            tryVerify(function() { return recharge() !== null && recharge().visible })
            tryVerify(function() { return products().productListModel.length === 3 }, 15000)
            idle()
        }

        function cleanup() {
            T.closePopup(idCase, page)
            Pubfun.testSwitch.one = false
            Pubfun.testSwitch.two = false
        }

        function idle() {
            C.idle(idCase, page)
        }

        function recharge() { return page.rechargePageStack.rechargeLoader.item }
        function products() { return recharge().productPanel }

        function test_productList() {
            compare(page.rechargePageStack.stack.currentIndex, 1)
            var list = idFake.requestsOf("buy.php", "list_product")
            compare(list.length, 1)
            compare(list[0].path, "/product/keyloft/v2_1/weipay_app/buy.php")
            var texts = [0, 1, 2].map(function(i) {
                var b = T.find(products(), "product" + i)
                return T.find(b, "productName").text + " " + T.find(b, "productPrice").text
            })
            compare(texts, ["一年 <b>VIP</b> ￥10", "半年 ￥12.5", "Year US$9.99"])
            compare(products().choosedProductId, "y1")
            mouseClick(T.find(products(), "product1"))
            compare(products().choosedProductId, "m6")
            compare(T.find(recharge(), "rechargeAccount").text, "+86 13800138000")
        }

        // A product whose name and price text are 1 MB each: both shown cut.
        function test_hugeProductTexts() {
            var huge = new Array(1000001).join("价")
            idFake.seed({ products: [{ id: "big", name: huge, price: 1, priceStr: huge, months: 1 }] })
            page.stack.currentIndex = 2
            page.stack.currentIndex = 1
            tryVerify(function() { return products().productListModel.length === 1 }, 15000)
            idle()
            var b = T.find(products(), "product0")
            var cut = huge.substring(0, Pubfun.SHOWN_TEXT_MAX - 1) + "…"
            compare(T.find(b, "productName").text, cut)
            compare(T.find(b, "productPrice").text, cut)
            compare(products().choosedProductId, "big")
        }

        // The desktop bridges have no payment app: the install dialog, and
        // nothing is sent.
        function test_installDialog_data() {
            return [
                { tag: "WeChat Pay", index: 0, app: "微信App" },
                { tag: "Alipay", index: 1, app: "支付宝App" }
            ]
        }
        function test_installDialog(data) {
            mouseClick(T.find(recharge().payPanel, "payButton" + data.index))
            compare(recharge().payPanel.choosedButtonIndex, data.index)
            mouseClick(T.find(recharge(), "payButton"))
            var dialog = recharge().installDialog
            tryCompare(dialog, "opened", true)
            compare(dialog.msg, "需要安装\"" + data.app + "\"，前往 App Store 安装?")
            compare(T.find(dialog, "acceptButton").text, "安装")
            verify(/^https:\/\/.*\/cn\/app\/id\d+\?mt=8$/.test(dialog.installUrl))
            mouseClick(T.find(dialog, "rejectButton"))
            tryCompare(dialog, "visible", false)
            compare(idFake.requestsOf("buy.php", "create_trade").length, 0)
        }

        // Trade, payment answered before requestPay returns, two polls
        // unpaid, completion, the account query, back to the summary.
        function test_paidAndCompleted() {
            var app = createTemporaryObject(idAppComp, idCase, { answer: Alipay.PayErrSuccess })
            recharge().alipay = app
            recharge().completeTimer.interval = 10
            idFake.seed({ settings: { trade_notpay_polls: 2 } })
            mouseClick(T.find(recharge().payPanel, "payButton1"))
            mouseClick(T.find(recharge(), "payButton"))
            var done = T.find(recharge(), "rechargeDoneMsg")
            tryCompare(done, "opened", true, 15000)
            compare(done.msg, "充值成功")
            var trade = idFake.requestsOf("buy.php", "create_trade")[0]
            compare(trade.path, "/product/keyloft/v2_1/alipay_app/buy.php")
            compare(trade.params.product_id, "y1")
            // The bridge got the service's whole answer text.
            compare(app.given.length, 1)
            compare(JSON.parse(app.given[0]).result.trade_no, trade.answer.result.trade_no)
            compare(idFake.requestsOf("buy.php", "complete_trade").length, 3)
            compare(DBCloud.root.order.outTradeNo, "")
            compare(DBCloud.root.order.paymentChannel, DBCloud.PAYMENTCHANNEL_NONE)
            done.close()
            tryCompare(page.stack, "currentIndex", 2, 15000)
            DBCloud.load()
            verify(DBCloud.root.user.expirationDate > "2030-01-01", DBCloud.root.user.expirationDate)
        }

        // The account query after a completed purchase judges the dates as
        // the opening query does: a data error, nothing stored.
        function test_accountDatesCheckedAfterPayment_data() {
            return C.BAD_DATES
        }
        function test_accountDatesCheckedAfterPayment(data) {
            var app = createTemporaryObject(idAppComp, idCase, { answer: Alipay.PayErrSuccess })
            recharge().alipay = app
            mouseClick(T.find(recharge().payPanel, "payButton1"))
            mouseClick(T.find(recharge(), "payButton"))
            var done = T.find(recharge(), "rechargeDoneMsg")
            tryCompare(done, "opened", true, 15000)
            var before = C.cloudState()
            idFake.next({ result: data.result, match: { script: "user.php", method: "query" } })
            done.close()
            C.expectMsg(idCase, page, data.msg, true)
            idle()
            compare(page.stack.currentIndex, 1)
            compare(C.cloudState(), before)
            compare(DBCloud.root.user.creationTime, C.CREATION)
        }

        function test_payAnswers_data() {
            return [
                { tag: "cancelled", answer: 6001, msg: "支付已取消", sticky: false },
                { tag: "failed", answer: 4000, msg: "支付失败\n(4000) refused", sticky: true }
            ]
        }
        function test_payAnswers(data) {
            var app = createTemporaryObject(idAppComp, idCase, { answer: data.answer })
            recharge().alipay = app
            mouseClick(T.find(recharge().payPanel, "payButton1"))
            mouseClick(T.find(recharge(), "payButton"))
            C.expectMsg(idCase, page, data.msg, data.sticky)
            // The trade number is kept in memory only, the channel untouched.
            verify(DBCloud.root.order.outTradeNo !== "")
            compare(DBCloud.root.order.paymentChannel, DBCloud.PAYMENTCHANNEL_NONE)
            compare(idFake.requestsOf("buy.php", "complete_trade").length, 0)
        }

        // A trade that stays unpaid ends the polling after the cap with a
        // message; it stays stored and the next opening completes it.
        function test_pollingCap() {
            var app = createTemporaryObject(idAppComp, idCase)
            recharge().weipay = app
            recharge().completeTimer.interval = 10
            recharge().maxCompletePolls = 4
            idFake.seed({ settings: { trade_notpay_polls: -1 } })
            mouseClick(T.find(recharge(), "payButton"))
            C.expectMsg(idCase, page, "支付未完成，请稍后在云备份页面查看", true)
            idle()
            compare(idFake.requestsOf("buy.php", "complete_trade").length, 4)
            DBCloud.load()
            var tradeNo = DBCloud.root.order.outTradeNo
            verify(tradeNo !== "")
            compare(DBCloud.root.order.paymentChannel, DBCloud.PAYMENTCHANNEL_WEIPAY)
            compare(recharge().maxCompletePolls, 4)

            idFake.pay(tradeNo)
            T.closePopup(idCase, page)
            idFake.clearRequests()
            T.openPopup(idCase, page)
            tryCompare(page.stack, "currentIndex", 2, 15000)
            var got = idFake.requests().map(function(r) { return r.method + " " + (r.params.trade_no || "") })
            compare(got, ["complete_trade " + tradeNo, "query "])
            DBCloud.load()
            compare(DBCloud.root.order.outTradeNo, "")
        }

        // Both title images double-clicked: the next listing asks for the
        // test products too.
        function test_testSwitches() {
            page.stack.currentIndex = 2
            var summaryTitle = T.find(page.managePageStack.userInfoPage, "titleImage")
            mouseDoubleClickSequence(summaryTitle)
            verify(Pubfun.testSwitch.one)
            page.stack.currentIndex = 1
            tryVerify(function() { return recharge().visible })
            tryVerify(function() { return idFake.requestsOf("buy.php", "list_product").length === 2 }, 15000)
            idle()
            mouseDoubleClickSequence(T.find(recharge(), "titleImage"))
            verify(Pubfun.testSwitch.two)
            verify(!/debugmode/.test(idFake.requestsOf("buy.php", "list_product")[1].query))
            page.stack.currentIndex = 2
            page.stack.currentIndex = 1
            tryVerify(function() { return products().productListModel.length === 4 }, 15000)
            idle()
            var last = idFake.requestsOf("buy.php", "list_product")[2]
            compare(last.params.debugmode, "true")
        }

        // Where payment goes through the store (iOS, macOS): the listing
        // from the in-app-purchase root through the store bridge, no channel
        // choice, trade and completion on that root.
        function test_inAppPurchase() {
            recharge().use3rdPay = false
            recharge().completeTimer.interval = 10
            page.stack.currentIndex = 2
            page.stack.currentIndex = 1
            tryVerify(function() { return idFake.requestsOf("buy.php", "list_product").length === 2 }, 15000)
            tryVerify(function() { return products().productListModel.length === 3 }, 15000)
            idle()
            compare(idFake.requestsOf("buy.php", "list_product")[1].path, "/product/keyloft/v2_1/iap/buy.php")
            verify(!recharge().payPanel.visible)
            mouseClick(T.find(recharge(), "payButton"))
            var done = T.find(recharge(), "rechargeDoneMsg")
            tryCompare(done, "opened", true, 15000)
            var paths = idFake.requests().filter(function(r) { return r.script === "buy.php" })
                    .map(function(r) { return r.method + " " + r.path })
            compare(paths.slice(2), ["create_trade /product/keyloft/v2_1/iap/buy.php",
                                     "complete_trade /product/keyloft/v2_1/iap/buy.php"])
            compare(DBCloud.root.order.paymentChannel, DBCloud.PAYMENTCHANNEL_NONE)
            done.close()
            tryCompare(page.stack, "currentIndex", 2, 15000)
        }

        function test_defaultCap() {
            compare(recharge().maxCompletePolls, 60)
            compare(recharge().completeTimer.interval, 2000)
        }
    }
}
