import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"
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
        idForm.reset(backupDBRoot ? backupDBRoot.security : null)
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

        SecAnswersForm {
            id: idForm
            onPassed: {
                idVerifyBackupQuestionPage.secAnswerMd = key
                idVerifyBackupQuestionPage.checkPassed = true
                idVerifyBackupQuestionPage.accepted()
                idVerifyBackupQuestionPage.close()
            }
        }

        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        ZVHomeIndicator {}
    }
}
