import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun

// Puts the vault, encrypted under a backup password, on the clipboard.
Drawer {
    id: idBackupPage

    property string returnText: qsTr("设置")

    edge: Qt.RightEdge
    width: Util.screenSize.width
    height: Util.screenSize.height
    dragMargin: 0
    padding: 0
    dim: false
    modal: true

    background: Rectangle {
        color: Theme.pageColor
    }

    function __showSticky(msg) {
        idPopupMsg.msg = msg
        idPopupMsg.autoClose = false
        idPopupMsg.open()
    }

    function makeBackup(password) {
        var backupTxt = DB.backup(Qt.md5(Util.textTrimmed(password)))
        if (!backupTxt) {
            __showSticky(qsTr("生成备份数据失败"))
            return false
        }
        Util.clipboardText = Pubfun.wrapLine(backupTxt, "BEGIN BACKUP", "END BACKUP")
        idSuccessDialog.open()
        return true
    }

    contentItem: Column {
        TitleBar {
            id: idTitleBar
            width: parent.width
            text: qsTr("数据备份")
            haveReturnButton: true
            returnText: idBackupPage.returnText
            onReturnButtonClicked: idBackupPage.close()
        }
        Item {
            width: 1
            height: Util.unitHeight * 4
        }
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Util.unitHeight * 6
            height: Util.unitHeight * 6
            sourceSize: Qt.size(width * 2, height * 2)
            source: "qrc:/img/backup/backup_title.png"
        }
        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        ZVText {
            x: Util.unitHeight * 3
            width: parent.width - Util.unitHeight * 6
            wrapMode: Text.WordWrap
            lineHeight: 1.3
            color: Theme.pageTextColor
            text: qsTr("点击“备份”按钮，输入“备份密码”，应用数据将加密并复制到剪贴板中。备份数据为文本格式，可粘贴到其它应用中，如记事本、邮件等。")
        }
        Item {
            width: 1
            height: Util.unitHeight * 4
        }
        PageButton {
            objectName: "backupButton"
            width: parent.width
            text: qsTr("备份")
            onClicked: idPasswordDialog.open()
        }
    }

    ZVInputDialog {
        id: idPasswordDialog
        objectName: "backupPasswordDialog"
        msg: qsTr("输入备份密码：")
        inputValidator: RegExpValidator { regExp: /\S+/ }
        inputMethodHints: Qt.ImhHiddenText | Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
        echoMode: TextInput.Password
        onAboutToShow: userText = ""
        onAccepted: idBackupPage.makeBackup(userText)
    }

    QuestionDialog {
        id: idSuccessDialog
        objectName: "backupSuccessDialog"
        title: qsTr("备份成功")
        msg: qsTr("备份数据已复制到剪贴板，请及时保存")
        hasRejectedButton: false
        acceptButtonText: qsTr("完成")
    }

    PopupMsg {
        id: idPopupMsg
        objectName: "backupPopupMsg"
    }
}
