import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/backup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "qrc:/js/cloudupload.js" as CloudBackup

// Restores a downloaded cloud backup after its own security questions were
// answered; the vault keeps the current login password.
DrawerPage {
    id: idPage

    property var backupDBRoot: null
    property string backupTxt: ""
    property string backupUploadTime: ""

    // False when the restore was done but the cloud state not written.
    property bool cloudStateSaved: true

    signal accepted()

    readonly property alias answer1: idAnswer1
    readonly property alias answer2: idAnswer2
    readonly property alias confirmDialog: idConfirmDialog

    title: qsTr("恢复备份")
    returnText: qsTr("备份记录")
    homeIndicator: true

    function __security() {
        return backupDBRoot && backupDBRoot.security ? backupDBRoot.security : {}
    }

    function check() {
        var a1 = Util.textTrimmed(idAnswer1.text)
        var a2 = Util.textTrimmed(idAnswer2.text)
        idAnswer1.text = a1
        idAnswer2.text = a2
        if (a1 === "" || a2 === "") {
            showMsg(qsTr("请输入密保答案"), false)
            return
        }
        var secMd = Qt.md5(a1 + a2)
        if (Qt.md5(secMd) !== __security().verifiedSecurityAnswer) {
            showMsg(qsTr("密保答案不正确"), false)
            return
        }
        idConfirmDialog.secMd = secMd
        idConfirmDialog.ask(backupDBRoot.summary)
    }

    function restore(secMd) {
        if (!DB.restore(backupTxt, DBCloud.backupKey(), secMd)) {
            showMsg(DB.backupDamaged ? qsTr("无效的备份记录") : qsTr("恢复备份失败"), true)
            return false
        }
        DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(secMd, DB.loginPassword)
        // A refused write puts back the vault as stored.
        if (!DB.saveOnly()) {
            showMsg(qsTr("写入数据库错误"), true)
            return false
        }
        // The restored vault is what the account holds: nothing to send back.
        try {
            cloudStateSaved = CloudBackup.markUploaded(backupUploadTime, DB.root.summary.modifiedDate)
        } catch (e) {
            // upload_time was checked on download; nothing else throws here.
            console.log("ImportCloudBackupPage: " + e)
            cloudStateSaved = false
        }
        accepted()
        close()
        return true
    }

    onAboutToShow: {
        var sec = __security()
        idQuestion1.text = sec.securityQuestion1 !== undefined ? String(sec.securityQuestion1) : ""
        idQuestion2.text = sec.securityQuestion2 !== undefined ? String(sec.securityQuestion2) : ""
        idAnswer1.text = ""
        idAnswer2.text = ""
    }

    Flickable {
        anchors.fill: parent
        contentHeight: idColumn.height
        clip: true

        Column {
            id: idColumn
            width: parent.width
            spacing: 2 * Util.unitHeight
            topPadding: 3 * Util.unitHeight

            ZVText {
                x: 3 * Util.unitHeight
                width: parent.width - 6 * Util.unitHeight
                wrapMode: Text.WordWrap
                lineHeight: 1.3
                color: Theme.pageTextColor
                text: qsTr("备份已下载，输入密保答案，还原备份到设备中。注意，现有数据将被覆盖。")
            }

            Rectangle {
                width: parent.width
                height: idGrid.implicitHeight + 2 * Util.unitHeight
                color: Theme.pageBoxColor

                GridLayout {
                    id: idGrid
                    x: 2 * Util.unitHeight
                    y: Util.unitHeight
                    width: parent.width - 4 * Util.unitHeight
                    columns: 2
                    columnSpacing: 2 * Util.unitHeight
                    rowSpacing: Util.unitHeight

                    ZVText { text: qsTr("问题一") }
                    ZVText { id: idQuestion1; objectName: "question1"; Layout.fillWidth: true; wrapMode: Text.Wrap }
                    ZVText { text: qsTr("答案") }
                    LineEdit {
                        id: idAnswer1
                        objectName: "answer1"
                        submitButton: idRestoreButton
                        Layout.fillWidth: true
                        Layout.preferredHeight: 4 * Util.unitHeight
                        showBorder: true
                        placeholderText: qsTr("必填")
                    }
                    ZVText { text: qsTr("问题二") }
                    ZVText { id: idQuestion2; objectName: "question2"; Layout.fillWidth: true; wrapMode: Text.Wrap }
                    ZVText { text: qsTr("答案") }
                    LineEdit {
                        id: idAnswer2
                        objectName: "answer2"
                        submitButton: idRestoreButton
                        Layout.fillWidth: true
                        Layout.preferredHeight: 4 * Util.unitHeight
                        showBorder: true
                        placeholderText: qsTr("必填")
                    }
                }
            }

            PageButton {
                id: idRestoreButton
                objectName: "restoreButton"
                width: parent.width
                text: qsTr("恢复备份")
                color: Theme.textYellowColor
                onClicked: idPage.check()
            }
        }
    }

    RestoreConfirmDialog {
        id: idConfirmDialog
        objectName: "restoreConfirmDialog"

        property string secMd: ""

        onAccepted: {
            var key = idConfirmDialog.secMd
            idConfirmDialog.secMd = ""
            idPage.restore(key)
        }
    }
}
