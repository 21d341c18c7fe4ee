import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Six-digit keypad for the login password: an echo above twelve round keys.
Item {
    id: idPwdInput

    property color buttonColor: Theme.buttonBlueColor
    property color buttonColorHi: Theme.textWhiteColor
    property int numberButtonTextSize: Util.relativeFontPoint(22)
    property int buttonSize: Util.unitHeight * 8
    property int spacing: Util.unitHeight * 3

    signal inputFinished(string pwdStr)
    signal cleanInputFinished()

    implicitWidth: idColumn.implicitWidth
    implicitHeight: idColumn.implicitHeight

    function reset() {
        idCode.reset()
    }

    function cleanInput(isNotify) {
        idCode.cleanInput(isNotify)
    }

    function errorInput() {
        idCode.errorInput()
    }

    KeypadCode {
        id: idCode
        echo: idEcho
        onInputFinished: idPwdInput.inputFinished(pwdStr)
        onCleanInputFinished: idPwdInput.cleanInputFinished()
    }

    // The keys of the keyboard, over the whole keypad.
    KeypadKeys {
        objectName: "keypadKeys"
        anchors.fill: idColumn
        code: idCode
        frameColor: idPwdInput.buttonColor
    }

    Column {
        id: idColumn
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: idPwdInput.spacing

        PwdEcho {
            id: idEcho
            objectName: "echo"
            anchors.horizontalCenter: parent.horizontalCenter
            color: idPwdInput.buttonColor
        }

        Grid {
            anchors.horizontalCenter: parent.horizontalCenter
            columns: 3
            columnSpacing: Util.unitHeight * 2
            rowSpacing: Util.unitHeight * 1.5

            Repeater {
                model: idCode.keys
                NumButton {
                    objectName: "key" + modelData
                    width: idPwdInput.buttonSize
                    height: idPwdInput.buttonSize
                    number: modelData
                    color: idPwdInput.buttonColor
                    colorHi: idPwdInput.buttonColorHi
                    textSize: idPwdInput.numberButtonTextSize
                    onClicked: idCode.keyPressed(number)
                    // A button turns the second of two quick taps into a
                    // double click without a click: it is a key press too.
                    onDoubleClicked: idCode.keyPressed(number)
                }
            }
        }
    }
}
