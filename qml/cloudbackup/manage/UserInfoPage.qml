import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "qrc:/js/cloudupload.js" as CloudBackup

// The account summary: number and service period, the vault's modification
// and upload times with the manual backup, and the entries to the backup
// records, the devices and the account settings.
Item {
    id: idPage

    property var msgTarget: null

    signal rechargeButtonClicked()
    signal logoutButtonClicked()
    signal needSetSecurityAnswer()

    readonly property alias accountRows: idAccountRows
    readonly property alias timeRows: idTimeRows
    readonly property alias entryRows: idEntryRows
    readonly property alias backupDataPage: idBackupDataPage
    readonly property alias deviceListPage: idDeviceListPage
    readonly property alias accountSettingPage: idAccountSettingPage

    function __showMsg(msg, sticky) {
        if (msgTarget)
            msgTarget.showMsg(msg, sticky)
    }

    function updateSummaryInfo() {
        var user = DBCloud.root.user || {}
        var summary = DBCloud.root.summary || {}
        idAccountRows.panelModel[0].forwardText = DBCloud.shownPhoneNumber()
        idAccountRows.panelModel[1].forwardText = user.expirationDate ? String(user.expirationDate) : ""
        idAccountRows.updateItem()
        idTimeRows.panelModel[0].forwardText = Pubfun.millisecToDateTimeStr(DB.root.summary.modifiedDate)
        idTimeRows.panelModel[1].forwardText = summary.uploadTime
                ? Pubfun.millisecToDateTimeStr(summary.uploadTime) : ""
        idTimeRows.updateItem()
    }

    function backupNow() {
        if (!DB.root.security.verifiedSecurityAnswer) {
            idSecurityDialog.open()
            return
        }
        if (!CloudBackup.isNewerThanUpload()) {
            __showMsg(qsTr("备份已是最新"), false)
            return
        }
        var upload = CloudBackup.makeUpload()
        if (upload === null) {
            __showMsg(qsTr("生成备份数据失败"), true)
            return
        }
        idRequest.send(upload.url, "POST", {
            resultType: "object",
            success: function(result) {
                if (CloudBackup.storeUpload(upload, result))
                    idPage.__showMsg(qsTr("备份完成"), false)
                else
                    idPage.__showMsg(qsTr("保存数据失败"), true)
                idPage.updateSummaryInfo()
            }
        })
    }

    onVisibleChanged: {
        if (visible)
            updateSummaryInfo()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: idColumn.height
        clip: true

        Column {
            id: idColumn
            width: parent.width
            spacing: 2 * Util.unitHeight
            bottomPadding: 2 * Util.unitHeight

            CloudTitle {
                source: "qrc:/img/cloudbackup/backup_title.png"
                bottomPadding: 0
                onImageDoubleClicked: Pubfun.testSwitch.one = true
            }

            ButtonGroupPanel {
                id: idAccountRows
                objectName: "accountRows"
                width: parent.width
                panelModel: [
                    { text: qsTr("云账号"), forwardText: "", hideIndicator: true, disabled: true },
                    { text: qsTr("服务期限"), forwardText: "", hideIndicator: true, disabled: true },
                    { buttonText: qsTr("续期"), buttonTextColor: Theme.textYellowColor }
                ]
                onItemClicked: {
                    if (itemIdx !== 2)
                        return
                    if (Pubfun.isOnDesktopDistribution())
                        idPage.__showMsg(qsTr("请在移动端App中续期"), false)
                    else
                        idPage.rechargeButtonClicked()
                }
            }

            ButtonGroupPanel {
                id: idTimeRows
                objectName: "timeRows"
                width: parent.width
                panelModel: [
                    { text: qsTr("修改时间"), forwardText: "", hideIndicator: true, disabled: true },
                    { text: qsTr("备份时间"), forwardText: "", hideIndicator: true, disabled: true },
                    { buttonText: qsTr("立即备份"), buttonTextColor: Theme.textBlueColor }
                ]
                onItemClicked: {
                    if (itemIdx === 2)
                        idPage.backupNow()
                }
            }

            ButtonGroupPanel {
                id: idEntryRows
                objectName: "entryRows"
                width: parent.width
                showIcon: true
                panelModel: [
                    { text: qsTr("备份记录"), icon: "qrc:/img/cloudbackup/download_title.png" },
                    { text: qsTr("授权设备"), icon: "qrc:/img/cloudbackup/device_title.png" },
                    { text: qsTr("账号设置"), icon: "qrc:/img/cloudbackup/account_title.png" }
                ]
                onItemClicked: {
                    if (itemIdx === 0)
                        idBackupDataPage.open()
                    else if (itemIdx === 1)
                        idDeviceListPage.open()
                    else
                        idAccountSettingPage.open()
                }
            }
        }
    }

    CloudRequest {
        id: idRequest
        logName: "UserInfoPage"
        msgTarget: idPage.msgTarget
    }

    QuestionDialog {
        id: idSecurityDialog
        objectName: "needSecurityDialog"
        msg: qsTr("备份数据需要设置密保问题，是否设置？")
        acceptButtonText: qsTr("是")
        rejectedButtonText: qsTr("否")
        onAccepted: idPage.needSetSecurityAnswer()
    }

    BackupDataPage {
        id: idBackupDataPage
        objectName: "backupDataPage"
        onClosed: idPage.updateSummaryInfo()
    }

    DeviceListPage {
        id: idDeviceListPage
        objectName: "deviceListPage"
    }

    AccountSettingPage {
        id: idAccountSettingPage
        objectName: "accountSettingPage"
        onLogoutButtonClicked: idPage.logoutButtonClicked()
    }
}
