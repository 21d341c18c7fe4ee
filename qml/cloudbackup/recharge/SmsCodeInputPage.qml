import QtQuick 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi

// Signs in with an SMS code: registers a paid account first when needed,
// then adds this computer to the account's devices.
Item {
    id: idPage

    property var msgTarget: null

    signal loginSucceeded()
    signal accountSwitched()

    readonly property alias smsRows: idSmsRows
    readonly property alias deviceMaxDialog: idDeviceMaxDialog

    function __showMsg(msg, sticky) {
        if (msgTarget)
            msgTarget.showMsg(msg, sticky)
    }

    function requestSmsCode() {
        idSmsRows.phoneNumber = DBCloud.root.user.phoneNumber
        idSmsRows.requestSmsCode()
    }

    function login() {
        var code = idSmsRows.codeText()
        if (code.length < 6) {
            __showMsg(qsTr("请输入验证码"), false)
            return
        }
        var phone = DBCloud.root.user.phoneNumber
        var state = CloudErr.userQueryError
        if (state === CloudErr.USER_UNREGISTERED || state === CloudErr.USER_ORDER_COMPLETED) {
            idRequest.send(CloudApi.userRegisterUrl(phone, code), "GET", {
                success: function() { idPage.__addDevice() },
                codes: [CloudErr.SMSCODE_CHECK],
                code: function() { idPage.__showMsg(qsTr("无效的验证码"), false) }
            })
        } else if (state === CloudErr.DEVICE_UNREGISTERED) {
            __addDevice()
        } else {
            console.log("requestSmsCode, CloudErr.userQueryError: " + state)
        }
    }

    function __addDevice() {
        idRequest.send(CloudApi.deviceAddUrl(DBCloud.root.user.phoneNumber, idSmsRows.codeText(),
                                             Util.deviceCode, Util.deviceName), "GET", {
            members: CloudApi.accountDateMembers,
            success: function(result) {
                CloudErr.userQueryError = CloudErr.SUCCESS
                DBCloud.root.summary.uploadTime = 0
                DBCloud.root.summary.uploadedModifiedDate = 0
                DBCloud.root.summary.deviceRegistered = true
                DBCloud.setAccountDates(result)
                idRequest.saveCloudState()
                idPage.loginSucceeded()
            },
            codes: [CloudErr.SMSCODE_CHECK, CloudErr.DEVICE_MAX, CloudErr.USER_EXPIRED],
            code: function(code) {
                if (code === CloudErr.SMSCODE_CHECK)
                    idPage.__showMsg(qsTr("无效的验证码"), false)
                else if (code === CloudErr.DEVICE_MAX)
                    idDeviceMaxDialog.open()
                else
                    idPage.__showMsg(qsTr("续期未完成，请稍后登录"), false)
            }
        })
    }

    onVisibleChanged: {
        if (!visible)
            return
        idSmsRows.setPhone(DBCloud.shownPhoneNumber())
        idSmsRows.setCode("")
    }

    Flickable {
        anchors.fill: parent
        contentHeight: idColumn.height
        clip: true

        Column {
            id: idColumn
            width: parent.width
            spacing: 2 * Util.unitHeight

            CloudTitle {
                source: "qrc:/img/cloudbackup/backup_title.png"
            }

            SmsCodeRows {
                id: idSmsRows
                objectName: "smsCodeRows"
                width: parent.width
                phoneClickable: true
                onPhoneClicked: idPage.accountSwitched()
                msgTarget: idPage.msgTarget
                onSendClicked: idPage.requestSmsCode()
            }

            PageButton {
                objectName: "loginButton"
                width: parent.width
                text: qsTr("登录")
                onClicked: idPage.login()
            }
        }
    }

    CloudRequest {
        id: idRequest
        logName: "SmsCodeInputPage"
        msgTarget: idPage.msgTarget
    }

    QuestionDialog {
        id: idDeviceMaxDialog
        objectName: "deviceMaxDialog"
        title: qsTr("登录失败")
        msg: qsTr("已经超出授权设备数，请在已登录设备中移除未使用的设备后，再试。") + "\n"
             + qsTr("如需帮助，请发送邮件：") + Util.configValue("KEYLOFT_SUPPORT_EMAIL")
        hasRejectedButton: false
    }
}
