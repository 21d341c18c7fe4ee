import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import Lib.Pay 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/payapi.js" as Payapi
import "qrc:/js/pubfun.js" as Pubfun

// Buys a service period: the product list, the payment channel, the trade,
// the payment through the channel's bridge and the polling until the
// service has the trade completed.
Item {
    id: idPage

    property var msgTarget: null
    // Completion polls before giving up for now (2 s apart: two minutes).
    property int maxCompletePolls: 60
    // Payment through WeChat Pay and Alipay; else through the in-app
    // purchase of the store (iOS and macOS).
    property bool use3rdPay: Payapi.isUse3rdPay()
    // The payment bridges (replaceable in tests).
    property var weipay: idWeipay
    property var alipay: idAlipay
    property var iappay: idIAPpay

    signal payFinished()

    readonly property alias productPanel: idProductPanel
    readonly property alias payPanel: idPayPanel
    readonly property alias installDialog: idInstallDialog
    readonly property alias completeTimer: idCompleteTimer

    property int __polls: 0

    function __showMsg(msg, sticky) {
        if (msgTarget)
            msgTarget.showMsg(msg, sticky)
    }

    function __phone() {
        return DBCloud.root.user.phoneNumber
    }

    // The products of a listing's result; throws when it is no list of
    // product records.
    function __products(result) {
        if (!Array.isArray(result))
            throw new Error("result is not an array")
        for (var i = 0; i < result.length; ++i) {
            if (result[i] === null || typeof result[i] !== "object")
                throw new Error("product " + i + " is not an object")
        }
        return result
    }

    function requestProducts() {
        idProductPanel.productListModel = []
        var apiRoot = use3rdPay ? Payapi.getWeipayAipRoot(__phone()) : Payapi.getIappayAipRoot(__phone())
        idRequest.send(Payapi.productListUrl(apiRoot, __phone()), "GET", {
            resultType: "array",
            success: function(result, answer, text) {
                if (idPage.use3rdPay)
                    idProductPanel.productListModel = idPage.__products(result)
                else
                    idPage.iappay.requestProducts(text)
            }
        })
    }

    // The store's products, as the in-app purchase bridge hands them back.
    function __storeProducts(errCode) {
        if (errCode !== IAPpay.PayErrSuccess) {
            __showMsg(qsTr("获取产品列表失败"), true)
            return
        }
        try {
            var parsed = JSON.parse(iappay.getProducts())
            idProductPanel.productListModel = __products(Array.isArray(parsed) ? parsed : parsed.result)
        } catch (e) {
            console.log("RechargeChoosePage, store products: " + e)
            __showMsg(qsTr("获取产品列表失败"), true)
        }
    }

    function pay() {
        if (!use3rdPay) {
            __payInStore()
            return
        }
        var alipay = idPayPanel.choosedButtonIndex === 1
        var bridge = alipay ? idPage.alipay : idPage.weipay
        if (!bridge.isAppInstalled()) {
            idInstallDialog.installUrl = bridge.getAppInstallUrl()
            idInstallDialog.msg = qsTr("需要安装") + "\"" + (alipay ? qsTr("支付宝App") : qsTr("微信App"))
                    + "\"" + qsTr("，前往 App Store 安装?")
            idInstallDialog.open()
            return
        }
        if (idProductPanel.choosedProductId === "")
            return
        var apiRoot = alipay ? Payapi.getAlipayAipRoot(__phone()) : Payapi.getWeipayAipRoot(__phone())
        idRequest.send(Payapi.tradeCreateUrl(apiRoot, __phone(), idProductPanel.choosedProductId), "GET", {
            members: { trade_no: "text" },
            success: function(result, answer, text) {
                console.log("Trade Created: " + Pubfun.loggedText(result.trade_no))
                DBCloud.root.order.outTradeNo = result.trade_no
                if (!bridge.requestPay(text))
                    idPage.__showMsg(alipay ? qsTr("发起支付宝支付失败") : qsTr("发起徽信支付失败"), true)
            }
        })
    }

    function __payInStore() {
        if (idProductPanel.choosedProductId === "")
            return
        idRequest.send(Payapi.tradeCreateUrl(Payapi.getIappayAipRoot(__phone()), __phone(),
                                             idProductPanel.choosedProductId), "GET", {
            members: { trade_no: "text" },
            success: function(result, answer, text) {
                console.log("Trade Created: " + Pubfun.loggedText(result.trade_no))
                DBCloud.root.order.outTradeNo = result.trade_no
                // A refusal comes back as payResponsed with PayErrFailed.
                idPage.iappay.requestPay(text)
            }
        })
    }

    function __payResponsed(channel, success, cancel, errCode, errStr) {
        if (channel === DBCloud.PAYMENTCHANNEL_IAP && errCode === IAPpay.PayErrDisable) {
            __showMsg(qsTr("App内购买项目被禁用"), true)
            return
        }
        if (errCode === success) {
            DBCloud.root.order.paymentChannel = channel
            idRequest.saveCloudState()
            __polls = 0
            idRequest.holdBusy = true
            idCompleteTimer.start()
        } else if (errCode === cancel) {
            __showMsg(qsTr("支付已取消"), false)
        } else {
            __showMsg(qsTr("支付失败") + "\n(" + errCode + ") " + Pubfun.shownText(errStr), true)
        }
    }

    function __completeTrade() {
        __polls++
        var apiRoot = !use3rdPay ? Payapi.getIappayAipRoot(__phone())
                : idPayPanel.choosedButtonIndex === 1 ? Payapi.getAlipayAipRoot(__phone())
                : Payapi.getWeipayAipRoot(__phone())
        idRequest.send(Payapi.tradeCompleteUrl(apiRoot, DBCloud.root.order.outTradeNo), "GET", {
            success: function(result) {
                console.log("Trade Completed: " + Pubfun.loggedText(result ? result.trade_no : ""))
                idRequest.holdBusy = false
                DBCloud.root.order.outTradeNo = ""
                DBCloud.root.order.paymentChannel = DBCloud.PAYMENTCHANNEL_NONE
                idRequest.saveCloudState()
                idDoneMsg.show(qsTr("充值成功"), false)
            },
            codes: [PayErr.TRADE_NOTPAY],
            code: function() {
                console.log("Trade No Pay, wait.")
                if (idPage.__polls >= idPage.maxCompletePolls) {
                    idRequest.holdBusy = false
                    idPage.__showMsg(qsTr("支付未完成，请稍后在云备份页面查看"), true)
                    return
                }
                idCompleteTimer.start()
            },
            failed: function() { idRequest.holdBusy = false }
        })
    }

    function __queryUser() {
        idRequest.send(CloudApi.userQueryUrl(__phone(), Util.deviceCode, true), "GET", {
            members: CloudApi.accountDateMembers,
            success: function(result) {
                CloudErr.userQueryError = CloudErr.SUCCESS
                DBCloud.setAccountDates(result)
                idRequest.saveCloudState()
                idPage.payFinished()
            },
            codes: [CloudErr.USER_UNREGISTERED, CloudErr.USER_ORDER_COMPLETED,
                    CloudErr.USER_EXPIRED, CloudErr.DEVICE_UNREGISTERED],
            code: function(code) {
                CloudErr.userQueryError = code
                idPage.payFinished()
            },
            failed: function(step) {
                if (step.kind === "other")
                    CloudErr.userQueryError = step.error
            }
        })
    }

    function __shown() {
        idAccount.text = DBCloud.shownPhoneNumber()
        requestProducts()
    }

    onVisibleChanged: {
        if (visible)
            __shown()
    }
    Component.onCompleted: {
        if (visible)
            __shown()
    }

    Flickable {
        anchors.fill: parent
        anchors.bottomMargin: idPayButton.height
        contentHeight: idColumn.height
        clip: true

        Column {
            id: idColumn
            width: parent.width
            spacing: Util.unitHeight

            CloudTitle {
                source: "qrc:/img/cloudbackup/recharge_title.png"
                bottomPadding: 0
                onImageDoubleClicked: Pubfun.testSwitch.two = true
            }

            ZVText {
                id: idAccount
                objectName: "rechargeAccount"
                anchors.horizontalCenter: parent.horizontalCenter
                font.bold: true
            }

            ZVText {
                x: 2 * Util.unitHeight
                text: qsTr("备份服务")
                color: Theme.pageTextColor
            }

            ProductListPanel {
                id: idProductPanel
                objectName: "productListPanel"
                width: parent.width
            }

            ZVText {
                x: 2 * Util.unitHeight
                visible: idPage.use3rdPay
                text: qsTr("支付方式")
                color: Theme.pageTextColor
            }

            PayButtonPanel {
                id: idPayPanel
                objectName: "payButtonPanel"
                width: parent.width
                visible: idPage.use3rdPay
            }
        }
    }

    Button {
        id: idPayButton
        objectName: "payButton"
        anchors.bottom: parent.bottom
        width: parent.width
        height: 5 * Util.unitHeight
        focusPolicy: Qt.TabFocus
        Keys.onPressed: idPayFocusFrame.keyPressed(event)
        Keys.onReleased: idPayFocusFrame.keyReleased(event)
        onClicked: idPage.pay()
        contentItem: ZVText {
            text: qsTr("去付款")
            color: Theme.textWhiteColor
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: idPayButton.down ? Theme.buttonGreenHiColor : Theme.buttonGreenColor
        }

        FocusFrame {
            id: idPayFocusFrame
            // Inside: the button fills the width.
            margin: 3
            radius: Util.unitHeight / 2
            border.color: Theme.textWhiteColor
        }
    }

    Weipay {
        id: idWeipay
    }

    Alipay {
        id: idAlipay
    }

    IAPpay {
        id: idIAPpay
    }

    Connections {
        target: idPage.iappay
        function onProductsResponsed(errCode, errStr) {
            idPage.__storeProducts(errCode)
        }
        function onPayResponsed(errCode, errStr) {
            idPage.__payResponsed(DBCloud.PAYMENTCHANNEL_IAP, IAPpay.PayErrSuccess,
                                  IAPpay.PayErrUserCancel, errCode, errStr)
        }
    }

    Connections {
        target: idPage.weipay
        function onPayResponsed(errCode, errStr) {
            idPage.__payResponsed(DBCloud.PAYMENTCHANNEL_WEIPAY, Weipay.ErrSuccess,
                                  Weipay.ErrCodeUserCancel, errCode, errStr)
        }
    }

    Connections {
        target: idPage.alipay
        function onPayResponsed(errCode, errStr) {
            idPage.__payResponsed(DBCloud.PAYMENTCHANNEL_ALIPAY, Alipay.PayErrSuccess,
                                  Alipay.PayErrUserCancel, errCode, errStr)
        }
    }

    CloudRequest {
        id: idRequest
        logName: "RechargeChoosePage"
        msgTarget: idPage.msgTarget
    }

    Timer {
        id: idCompleteTimer
        interval: 2000
        repeat: false
        onTriggered: idPage.__completeTrade()
    }

    // "充值成功", then the account is queried again once it has closed.
    PopupMsg {
        id: idDoneMsg
        objectName: "rechargeDoneMsg"
        onClosed: idPage.__queryUser()
    }

    QuestionDialog {
        id: idInstallDialog
        objectName: "installDialog"
        property string installUrl: ""
        acceptButtonText: qsTr("安装")
        onAccepted: Qt.openUrlExternally(installUrl)
    }
}
