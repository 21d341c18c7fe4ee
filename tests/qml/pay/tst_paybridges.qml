// The payment bridges of module "Lib.Pay" as the recharge pages use them on
// this desktop build: no payment app, every request answered with success
// before it returns, the answer for the last requester only, and one
// products text for every IAPpay object.
import QtQuick 2.12
import QtTest 1.12
import Lib.Pay 1.0
import "../common"

KeyloftTestCase {
    id: idCase
    name: "PayBridges"

    property var heard: []

    Component {
        id: idWeipay
        Weipay { onPayResponsed: idCase.heard.push([this, "pay", errCode, errStr]) }
    }
    Component {
        id: idAlipay
        Alipay { onPayResponsed: idCase.heard.push([this, "pay", errCode, errStr]) }
    }
    Component {
        id: idIAPpay
        IAPpay {
            onPayRequested: idCase.heard.push([this, "payRequested", wsapiResp])
            onPayResponsed: idCase.heard.push([this, "pay", errCode, errStr])
            onProductsRequested: idCase.heard.push([this, "productsRequested", wsapiResp])
            onProductsResponsed: idCase.heard.push([this, "products", errCode, errStr])
        }
    }

    function initTestCase() {
        // Before any listing of the run.
        var store = createTemporaryObject(idIAPpay, idCase)
        compare(store.getProducts(), "")
    }

    function init() {
        heard = []
    }

    function test_enums() {
        compare([Weipay.ErrSuccess, Weipay.ErrCodeCommon, Weipay.ErrCodeUserCancel,
                 Weipay.ErrCodeSentFail, Weipay.ErrCodeAuthDeny, Weipay.ErrCodeUnsupport],
                [0, -1, -2, -3, -4, -5])
        compare([Alipay.PayErrSuccess, Alipay.PayErrFailed, Alipay.PayErrUserCancel],
                [9000, 4000, 6001])
        compare([IAPpay.PayErrSuccess, IAPpay.PayErrFailed, IAPpay.PayErrDisable,
                 IAPpay.PayErrUserCancel], [0, 1, 2, 3])
    }

    function test_noPaymentApp() {
        var wx = createTemporaryObject(idWeipay, idCase)
        var ali = createTemporaryObject(idAlipay, idCase)
        compare(wx.isAppInstalled(), false)
        compare(ali.isAppInstalled(), false)
        var wxUrl = wx.getAppInstallUrl()
        var aliUrl = ali.getAppInstallUrl()
        verify(/^https:\/\/[^\/]+\/cn\/app\/id414478124\?mt=8$/.test(wxUrl), wxUrl)
        verify(/^https:\/\/[^\/]+\/cn\/app\/id333206289\?mt=8$/.test(aliUrl), aliUrl)
        compare(wxUrl.replace("414478124", "333206289"), aliUrl)
    }

    // Two objects of one channel: each answer goes to the one that asked
    // last, before requestPay returns.
    function test_lastRequesterHears_data() {
        return [
            { tag: "Weipay", component: idWeipay },
            { tag: "Alipay", component: idAlipay },
            { tag: "IAPpay", component: idIAPpay }
        ]
    }
    function test_lastRequesterHears(data) {
        var a = createTemporaryObject(data.component, idCase)
        var b = createTemporaryObject(data.component, idCase)
        var answers = function(who) {
            return heard.filter(function(h) { return h[0] === who && h[1] === "pay" })
        }
        compare(a.requestPay('{"error":0,"result":{"trade_no":"T1"}}'), true)
        compare(answers(a).length, 1)
        compare(answers(a)[0].slice(2), [0, ""])
        compare(b.requestPay("second"), true)
        compare(answers(a).length, 1)
        compare(answers(b).length, 1)
        compare(a.requestPay("third"), true)
        compare(answers(a).length, 2)
        compare(answers(b).length, 1)
    }

    function test_iappayRequestsComeFirst() {
        var store = createTemporaryObject(idIAPpay, idCase)
        compare(store.requestPay("trade answer"), true)
        compare(heard.map(function(h) { return h.slice(1) }),
                [["payRequested", "trade answer"], ["pay", 0, ""]])
        heard = []
        compare(store.requestProducts("listing"), true)
        compare(heard.map(function(h) { return h.slice(1) }),
                [["productsRequested", "listing"], ["products", 0, ""]])
    }

    // The last listing of any object is every object's products text.
    function test_productsShared() {
        var a = createTemporaryObject(idIAPpay, idCase)
        var b = createTemporaryObject(idIAPpay, idCase)
        var listing = '{"error":0,"message":"","result":[{"id":"p1","name":"一年","price":1000}]}'
        compare(a.requestProducts(listing), true)
        compare(a.getProducts(), listing)
        compare(b.getProducts(), listing)
        compare(b.requestProducts("later"), true)
        compare(a.getProducts(), "later")
        a.destroy()
        var c = createTemporaryObject(idIAPpay, idCase)
        compare(c.getProducts(), "later")
    }
}
