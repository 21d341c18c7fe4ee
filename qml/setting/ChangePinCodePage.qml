import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Sets a new PIN, entered twice on its keypad, and stores the confidential
// entries and notes under it.
SheetPage {
    id: idPage

    title: qsTr("修改PIN码")
    interactive: false

    property bool changeSucc: false

    readonly property alias promptText: idPrompt
    readonly property alias pinInput: idPinInput

    // The six digits of the first entry.
    property string __firstPin: ""

    onAboutToShow: {
        __firstPin = ""
        changeSucc = false
        idPrompt.text = qsTr("请输入新PIN码")
    }

    Column {
        width: parent.width

        Item { width: parent.width; height: Util.unitHeight * 2 }

        ZVText {
            id: idPrompt
            objectName: "changePinPrompt"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("请输入新PIN码")
            color: Theme.textColor
            font.pointSize: Util.relativeFontPoint(0)
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }

        PinInput {
            id: idPinInput
            objectName: "changePinInput"
            anchors.horizontalCenter: parent.horizontalCenter
            onInputFinished: {
                if (idPage.__firstPin === "") {
                    idPage.__firstPin = pwdStr
                    idPrompt.text = qsTr("验证新PIN码")
                    cleanInput()
                    return
                }
                if (pwdStr !== idPage.__firstPin) {
                    idPage.__firstPin = ""
                    errorInput()
                    idPrompt.text = qsTr("请输入新PIN码")
                    idPage.showMsg(qsTr("PIN码不匹配，请重新输入"))
                    return
                }
                idPage.__firstPin = ""
                var security = DB.root.security
                var oldPin = DB.pinCode
                // Without the current PIN key the confidential fields could
                // not be re-encrypted and would be lost under a new PIN.
                if (security.verifiedPinCode !== "" && Qt.md5(oldPin) !== security.verifiedPinCode) {
                    console.warn("Current PIN key unknown, PIN not changed.")
                    errorInput()
                    idPrompt.text = qsTr("请输入新PIN码")
                    return
                }
                var newPin = Qt.md5(pwdStr)
                // Re-encrypt first: a field the old key cannot open stays
                // as it is, and so does the PIN that still opens it.
                if (!DB.updatePinCodeEncriptedData(oldPin, newPin)) {
                    errorInput()
                    idPrompt.text = qsTr("请输入新PIN码")
                    idPage.showMsg(qsTr("保存数据失败"), true)
                    return
                }
                DB.pinCode = newPin
                security.verifiedPinCode = Qt.md5(newPin)
                if (DB.save()) {
                    idPage.changeSucc = true
                    cleanInput(true)
                    return
                }
                // Not written: the store put back the old PIN with the fields
                // it opens, in memory as on disk; the entry starts over.
                errorInput()
                idPrompt.text = qsTr("请输入新PIN码")
                idPage.showMsg(qsTr("保存数据失败"), true)
            }
            onCleanInputFinished: {
                idPage.accepted()
                idPage.close()
            }
        }

        Item { width: parent.width; height: Util.unitHeight * 3 }
    }
}
