import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun

// Replaces the vault's content by a backup text taken from the clipboard,
// after its password and its own security questions have been checked.
BackupDrawer {
    id: idRestorePage

    // The backup's document (data still encrypted) once its password passed.
    property var backupDBRoot: null
    property string __backupPwdMd: ""

    signal accepted()

    onClosed: __backupPwdMd = ""

    function __clipboardBackup() {
        return Pubfun.unwrapLine(Util.clipboardText, "BEGIN BACKUP", "END BACKUP")
    }

    function startRestore() {
        backupDBRoot = null
        __backupPwdMd = ""
        var clip = Util.clipboardText
        if (!clip || clip.length === 0) {
            showMsg(qsTr("请复制备份数据到剪贴板中"), false)
            return
        }
        if (__clipboardBackup() === "") {
            showMsg(qsTr("剪贴板中无有效的备份数据"), false)
            return
        }
        askPassword()
    }

    function checkPassword(password) {
        var backupTxt = __clipboardBackup()
        var pwdMd = Qt.md5(Util.textTrimmed(password))
        var backupRoot = DB.verifyBackupPassword(backupTxt, pwdMd)
        if (!backupRoot) {
            showMsg(qsTr("备份密码错误"), true)
            return
        }
        __backupPwdMd = pwdMd
        backupDBRoot = backupRoot
        idVerifyPage.backupDBRoot = backupRoot
        idVerifyPage.open()
    }

    function confirmRestore() {
        var summary = backupDBRoot && backupDBRoot.summary ? backupDBRoot.summary : {}
        idConfirmDialog.modifiedText = Pubfun.millisecToDateTimeStr(summary.modifiedDate || 0)
        idConfirmDialog.backupText = Pubfun.millisecToDateTimeStr(summary.backupDate || 0)
        idConfirmDialog.pwdCount = String(summary.pwdItemCount || 0)
        idConfirmDialog.noteCount = String(summary.noteItemCount || 0)
        idConfirmDialog.open()
    }

    function doRestore() {
        var secMd = idVerifyPage.secAnswerMd
        var pwdMd = __backupPwdMd
        // The password's key is held only from its check to this step.
        __backupPwdMd = ""
        if (!DB.restore(__clipboardBackup(), pwdMd, secMd)) {
            showMsg(qsTr("恢复备份失败"), true)
            return false
        }
        // Let the restored security questions unwrap this vault's login key.
        DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(secMd, DB.loginPassword)
        // A refused write puts back the vault as stored.
        if (!DB.saveOnly()) {
            showMsg(qsTr("写入数据库错误"), true)
            return false
        }
        accepted()
        close()
        return true
    }

    title: qsTr("恢复备份")
    imageSource: "qrc:/img/backup/restore_title.png"
    explanation: qsTr("复制备份数据（文本格式）到剪贴板中，再点击") + "\"" + qsTr("恢复备份") + "\""
                 + qsTr("按钮，备份将恢复到应用中。此过程中会验证“备份密码”和“密保问题”。")
    buttonText: qsTr("恢复备份")
    onButtonClicked: startRestore()
    onPasswordGiven: checkPassword(password)

    VerifyBackupQuestionPage {
        id: idVerifyPage
        objectName: "verifyBackupQuestionPage"
        onAccepted: idRestorePage.confirmRestore()
    }

    QuestionDialog {
        id: idConfirmDialog
        objectName: "restoreConfirmDialog"

        property string modifiedText: ""
        property string backupText: ""
        property string pwdCount: ""
        property string noteCount: ""

        title: qsTr("是否恢复以下备份数据?")
        acceptButtonText: qsTr("是")
        acceptButtonWarning: true
        rejectedButtonText: qsTr("否")
        client: Component {
            GridLayout {
                columns: 2
                columnSpacing: Util.unitHeight
                rowSpacing: Math.ceil(Util.unitHeight / 2)
                ZVText { text: qsTr("修改时间: "); font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { objectName: "restoreModified"; text: idConfirmDialog.modifiedText; font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { text: qsTr("备份时间: "); font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { objectName: "restoreBackupDate"; text: idConfirmDialog.backupText; font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { text: qsTr("密码: "); font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { objectName: "restorePwdCount"; text: idConfirmDialog.pwdCount; font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { text: qsTr("便签: "); font.pointSize: Util.relativeFontPoint(-4) }
                ZVText { objectName: "restoreNoteCount"; text: idConfirmDialog.noteCount; font.pointSize: Util.relativeFontPoint(-4) }
            }
        }
        onAccepted: idRestorePage.doRestore()
    }
}
