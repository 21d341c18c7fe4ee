import QtQuick 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi

// Closes the cloud account with an SMS code: the service drops its backups
// and the account; the vault on this computer stays.
DrawerPage {
    id: idPage

    signal logoutButtonClicked()

    readonly property alias smsRows: idSmsRows

    title: qsTr("注销账户")
    returnText: qsTr("账户设置")
    homeIndicator: true

    function requestSmsCode() {
        idSmsRows.phoneNumber = DBCloud.root.user.phoneNumber
        idSmsRows.requestSmsCode()
    }

    function closeAccount() {
        var code = idSmsRows.codeText()
        if (code.length < 6) {
            showMsg(qsTr("请输入验证码"), false)
            return
        }
        idRequest.send(CloudApi.userUnregisterUrl(DBCloud.root.user.phoneNumber, Util.deviceCode,
                                                  code), "GET", {
            success: function() {
                idPage.logoutButtonClicked()
                idPage.close()
            },
            codes: [CloudErr.SMSCODE_CHECK],
            code: function() { idPage.showMsg(qsTr("无效的验证码"), false) }
        })
    }

    onAboutToShow: {
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
                source: "qrc:/img/cloudbackup/account_title.png"
                text: qsTr("注销账户后，云端备份数据将清空，同时会删除账户信息。设备中的数据将会保留。")
            }

            SmsCodeRows {
                id: idSmsRows
                objectName: "smsCodeRows"
                width: parent.width
                msgTarget: idPage
                onSendClicked: idPage.requestSmsCode()
            }

            PageButton {
                objectName: "closeAccountButton"
                width: parent.width
                text: qsTr("注销账户")
                color: Theme.textRedColor
                onClicked: idPage.closeAccount()
            }
        }
    }

    CloudRequest {
        id: idRequest
        logName: "CloseCloudAccountPage"
        msgTarget: idPage
        stickyErrors: false
    }
}
