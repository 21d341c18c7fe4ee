import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Asks the answers to the vault's two security questions, and runs the
// caller's callback once they are right (the forgotten-password road).
SheetPage {
    id: idPage

    title: qsTr("验证密保")

    property bool checkPassed: false
    // Run by accepted(); set by the page that opens this one.
    property var callback: null

    readonly property alias question1: idForm.question1
    readonly property alias answer1: idForm.answer1
    readonly property alias question2: idForm.question2
    readonly property alias answer2: idForm.answer2
    readonly property alias checkButton: idForm.checkButton

    onAccepted: {
        if (typeof callback === "function")
            callback()
    }

    onAboutToShow: {
        checkPassed = false
        idForm.reset(DB.root.security)
        interactive = true
    }

    Column {
        width: parent.width

        Item { width: parent.width; height: Util.unitHeight }

        SecAnswersForm {
            id: idForm
            // Closable by dragging until an answer is edited.
            onAnswerEdited: idPage.interactive = false
            onRefused: idPage.showMsg(msg)
            onPassed: {
                DB.securityAnswer = key
                idPage.checkPassed = true
                idPage.accepted()
                idPage.close()
            }
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }
    }
}
