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
            // A text the password opens that is no whole backup is not the
            // password's fault.
            showMsg(DB.backupDamaged ? qsTr("剪贴板中无有效的备份数据") : qsTr("备份密码错误"), true)
            return
        }
        __backupPwdMd = pwdMd
        backupDBRoot = backupRoot
        idVerifyPage.backupDBRoot = backupRoot
        idVerifyPage.open()
    }

    function confirmRestore() {
        idConfirmDialog.ask(backupDBRoot && backupDBRoot.summary ? backupDBRoot.summary : {})
    }

    function doRestore() {
        var secMd = idVerifyPage.secAnswerMd
        var pwdMd = __backupPwdMd
        // The password's key is held only from its check to this step.
        __backupPwdMd = ""
        if (!DB.restore(__clipboardBackup(), pwdMd, secMd)) {
            showMsg(DB.backupDamaged ? qsTr("剪贴板中无有效的备份数据") : qsTr("恢复备份失败"), true)
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

    RestoreConfirmDialog {
        id: idConfirmDialog
        objectName: "restoreConfirmDialog"
        onAccepted: idRestorePage.doRestore()
    }
}
