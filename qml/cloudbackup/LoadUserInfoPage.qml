import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import "qrc:/widgets"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/payapi.js" as Payapi

// The first page of the cloud page: works out the account state (completing
// a purchase left pending first) and stores it as the routing code.
Item {
    id: idPage

    // Where the page's messages go (the cloud page).
    property var msgTarget: null

    signal loadCompleted()
    signal loadCancelled()

    function loadUserInfo() {
        var user = DBCloud.root.user
        if (!user || !user.phoneNumber) {
            console.log("First use cloud.")
            CloudErr.userQueryError = CloudErr.USER_UNREGISTERED
            loadCompleted()
            return
        }
        var order = DBCloud.root.order
        if (order && order.outTradeNo) {
            var apiRoot = ""
            if (order.paymentChannel === DBCloud.PAYMENTCHANNEL_WEIPAY)
                apiRoot = Payapi.getWeipayAipRoot(user.phoneNumber)
            else if (order.paymentChannel === DBCloud.PAYMENTCHANNEL_ALIPAY)
                apiRoot = Payapi.getAlipayAipRoot(user.phoneNumber)
            if (apiRoot !== "") {
                console.log("Found uncomplete order.")
                __completeOrder(Payapi.tradeCompleteUrl(apiRoot, order.outTradeNo))
                return
            }
        }
        console.log("Not found uncomplete order, do request user info.")
        __queryUser()
    }

    function __completeOrder(url) {
        idRequest.send(url, "GET", {
            success: function(result) {
                DBCloud.root.order.outTradeNo = ""
                idRequest.saveCloudState()
                idPage.__queryUser()
            },
            codes: [PayErr.TRADE_NOTPAY],
            code: function() {
                console.log("Trade No Pay, wait.")
                idPage.__queryUser()
            },
            failed: function(step) {
                if (step.kind === "other")
                    idPage.__queryUser()
            }
        })
    }

    function __queryUser() {
        idRequest.send(CloudApi.userQueryUrl(DBCloud.root.user.phoneNumber, Util.deviceCode, true),
                       "GET", {
            members: CloudApi.accountDateMembers,
            success: function(result) {
                CloudErr.userQueryError = CloudErr.SUCCESS
                if (DBCloud.root.summary.deviceRegistered === true) {
                    DBCloud.setAccountDates(result)
                    idRequest.saveCloudState()
                } else {
                    console.log("User is valid, but local device is unregistered.")
                    CloudErr.userQueryError = CloudErr.DEVICE_UNREGISTERED
                }
                idPage.loadCompleted()
            },
            codes: [CloudErr.USER_UNREGISTERED, CloudErr.USER_ORDER_COMPLETED,
                    CloudErr.USER_EXPIRED, CloudErr.DEVICE_UNREGISTERED],
            code: function(code) {
                CloudErr.userQueryError = code
                if (DBCloud.root.summary.deviceRegistered === true) {
                    DBCloud.root.summary.deviceRegistered = false
                    idRequest.saveCloudState()
                }
                idPage.loadCompleted()
            },
            failed: function(step) {
                if (step.kind === "other")
                    CloudErr.userQueryError = step.error
            }
        })
    }

    onVisibleChanged: {
        if (visible)
            Util.requestDevicePermissions()
    }

    Connections {
        target: PhoneNotify
        function onDevicePermissionsResult(permission, succ) {
            if (!idPage.visible)
                return
            if (succ)
                idPage.loadUserInfo()
            else
                idPermissionDialog.open()
        }
    }

    CloudRequest {
        id: idRequest
        logName: "LoadUserInfoPage"
        msgTarget: idPage.msgTarget
        modalBusy: false
        hostUnknownMessage: qsTr("网络连接失败，请检查网络设置")
    }

    BusyIndicator {
        objectName: "loadBusy"
        anchors.centerIn: parent
        width: 6 * Util.unitHeight
        height: 6 * Util.unitHeight
        running: idPage.visible
    }

    QuestionDialog {
        id: idPermissionDialog
        objectName: "permissionDialog"
        msg: qsTr("启用此功能需要开启") + "\"" + qsTr("读取本机识别码") + "\"" + qsTr("权限?")
        acceptButtonText: qsTr("重试")
        rejectOnEscape: true
        onAccepted: Util.requestDevicePermissions()
        onRejected: idPage.loadCancelled()
    }
}
