import QtQuick 2.12
import Lib.Util 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun

// Puts the vault, encrypted under a backup password, on the clipboard.
BackupDrawer {
    id: idBackupPage

    function makeBackup(password) {
        var backupTxt = DB.backup(Qt.md5(Util.textTrimmed(password)))
        if (!backupTxt) {
            showMsg(qsTr("生成备份数据失败"), true)
            return false
        }
        Util.clipboardText = Pubfun.wrapLine(backupTxt, "BEGIN BACKUP", "END BACKUP")
        idSuccessDialog.open()
        return true
    }

    title: qsTr("数据备份")
    imageSource: "qrc:/img/backup/backup_title.png"
    explanation: qsTr("点击“备份”按钮，输入“备份密码”，应用数据将加密并复制到剪贴板中。备份数据为文本格式，可粘贴到其它应用中，如记事本、邮件等。")
    buttonText: qsTr("备份")
    onButtonClicked: askPassword()
    onPasswordGiven: makeBackup(password)

    QuestionDialog {
        id: idSuccessDialog
        objectName: "backupSuccessDialog"
        title: qsTr("备份成功")
        msg: qsTr("备份数据已复制到剪贴板，请及时保存")
        hasRejectedButton: false
        acceptButtonText: qsTr("完成")
    }
}
