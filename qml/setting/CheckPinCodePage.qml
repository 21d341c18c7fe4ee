import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Asks for the PIN on its keypad; checkPassed tells whether it was right,
// and the PIN key is then held for the run.
SheetPage {
    id: idPage

    title: qsTr("验证PIN码")

    property bool checkPassed: false

    readonly property alias pinInput: idPinInput

    // The key of the PIN found right, held through the keypad's pause.
    property string __passedKey: ""

    onAboutToShow: {
        checkPassed = false
        __passedKey = ""
    }

    // A check closed during the keypad's pause after the right PIN ends in
    // nothing: checkPassed stays false and the key is not kept, so the
    // caller does not go on (a confidential entry is not deleted).
    onAboutToHide: {
        idPinInput.reset()
        __passedKey = ""
    }

    Column {
        width: parent.width

        Item { width: parent.width; height: Util.unitHeight * 2 }

        ZVText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("请输入PIN码")
            color: Theme.textColor
            font.pointSize: Util.relativeFontPoint(0)
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }

        PinInput {
            id: idPinInput
            objectName: "checkPinInput"
            anchors.horizontalCenter: parent.horizontalCenter
            onInputFinished: {
                var key = Qt.md5(pwdStr)
                if (Qt.md5(key) === DB.root.security.verifiedPinCode) {
                    idPage.__passedKey = key
                    cleanInput(true)
                } else {
                    errorInput()
                }
            }
            onCleanInputFinished: {
                DB.pinCode = idPage.__passedKey
                idPage.checkPassed = true
                idPage.accepted()
                idPage.close()
            }
        }

        Item { width: parent.width; height: Util.unitHeight * 3 }
    }
}
