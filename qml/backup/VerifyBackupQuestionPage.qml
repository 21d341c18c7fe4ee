import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"

// Checks the answers to the security questions stored in a backup.
SheetPage {
    id: idVerifyBackupQuestionPage

    title: qsTr("验证备份密保")

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

        Item {
            width: 1
            height: Util.unitHeight
        }

        SecAnswersForm {
            id: idForm
            onRefused: idVerifyBackupQuestionPage.showMsg(msg)
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
    }
}
