import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"

// Checks the answers to the security questions stored in a backup.
PopupPage {
    id: idVerifyBackupQuestionPage

    property var backupDBRoot: null
    property string secAnswerMd: ""
    property bool checkPassed: false

    onAboutToShow: {
        checkPassed = false
        secAnswerMd = ""
        var sec = backupDBRoot && backupDBRoot.security ? backupDBRoot.security : {}
        idQuestion1.text = sec.securityQuestion1 || ""
        idQuestion2.text = sec.securityQuestion2 || ""
        idAnswer1.text = ""
        idAnswer2.text = ""
    }

    function verify() {
        var a1 = Util.textTrimmed(idAnswer1.text)
        var a2 = Util.textTrimmed(idAnswer2.text)
        idAnswer1.text = a1
        idAnswer2.text = a2
        if (a1.length === 0 || a2.length === 0) {
            __toast(qsTr("请输入密保答案"))
            return false
        }
        var md = Qt.md5(a1 + a2)
        var sec = backupDBRoot && backupDBRoot.security ? backupDBRoot.security : {}
        if (Qt.md5(md) === sec.verifiedSecurityAnswer) {
            secAnswerMd = md
            checkPassed = true
            accepted()
            close()
            return true
        }
        __toast(qsTr("密保答案不正确"))
        return false
    }

    function __toast(msg) {
        idPopupMsg.msg = msg
        idPopupMsg.open()
    }

    Column {
        width: parent.width

        PopupBar {
            width: parent.width
            CloseButton {
                id: idCloseButton
                anchors.left: parent.left
                anchors.leftMargin: Util.unitHeight * 2
                anchors.verticalCenter: parent.verticalCenter
                onClicked: idVerifyBackupQuestionPage.close()
            }
            ZVText {
                anchors.centerIn: parent
                text: qsTr("验证备份密保")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-1)
                color: Theme.popupTextColor
            }
        }

        Item {
            width: 1
            height: Util.unitHeight
        }

        GridLayout {
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            columns: 2
            columnSpacing: Util.unitHeight * 2
            rowSpacing: Util.unitHeight

            ZVText {
                text: qsTr("问题一")
                color: Theme.textColor3
            }
            LineEdit {
                id: idQuestion1
                objectName: "backupQuestion1"
                Layout.fillWidth: true
                readOnly: true
            }
            ZVText {
                text: qsTr("答案")
                color: Theme.textColor3
            }
            LineEdit {
                id: idAnswer1
                objectName: "backupAnswer1"
                Layout.fillWidth: true
                showBorder: true
                placeholderText: qsTr("必填")
            }
            ZVText {
                text: qsTr("问题二")
                color: Theme.textColor3
            }
            LineEdit {
                id: idQuestion2
                objectName: "backupQuestion2"
                Layout.fillWidth: true
                readOnly: true
            }
            ZVText {
                text: qsTr("答案")
                color: Theme.textColor3
            }
            LineEdit {
                id: idAnswer2
                objectName: "backupAnswer2"
                Layout.fillWidth: true
                showBorder: true
                placeholderText: qsTr("必填")
            }
        }

        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        LineTxtButton {
            objectName: "backupVerifyButton"
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            text: qsTr("验证")
            bkgnColor: Theme.buttonBlueColor
            bkgnHiColor: Theme.buttonBlueHiColor
            onClicked: idVerifyBackupQuestionPage.verify()
        }
        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        ZVHomeIndicator {}
    }

    PopupMsg {
        id: idPopupMsg
        objectName: "verifyBackupPopupMsg"
    }
}
