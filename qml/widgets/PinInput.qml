import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Six-digit keypad for the PIN: a cell echo above twelve rectangular keys.
Rectangle {
    id: idPinInput

    signal inputFinished(string pwdStr)
    signal cleanInputFinished()

    color: "transparent"
    implicitWidth: idColumn.implicitWidth
    implicitHeight: idColumn.implicitHeight

    // Every showing starts with an empty code.
    onVisibleChanged: {
        if (visible)
            idCode.reset()
    }

    // Empties the code at once, ending a pause or a blink under way.
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
        onInputFinished: idPinInput.inputFinished(pwdStr)
        onCleanInputFinished: idPinInput.cleanInputFinished()
    }

    // The keys of the keyboard, over the whole keypad.
    KeypadKeys {
        objectName: "keypadKeys"
        anchors.fill: idColumn
        code: idCode
        frameColor: Theme.buttonBlueColor
    }

    Column {
        id: idColumn
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: Util.unitHeight * 2

        PinEcho {
            id: idEcho
            objectName: "echo"
            anchors.horizontalCenter: parent.horizontalCenter
        }

        Grid {
            anchors.horizontalCenter: parent.horizontalCenter
            columns: 3
            spacing: Util.unitHeight

            Repeater {
                model: idCode.keys
                Button {
                    id: idKey
                    objectName: "key" + modelData
                    readonly property int number: modelData
                    readonly property bool isDigit: number >= 0
                    width: Util.unitHeight * 11
                    height: Util.unitHeight * 5
                    padding: 0
                    focusPolicy: Qt.NoFocus

                    contentItem: ZVText {
                        text: idKey.isDigit ? String(idKey.number) : ""
                        font.pointSize: Util.relativeFontPoint(6)
                        color: idKey.down ? Theme.textWhiteColor : Theme.buttonBlueColor
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }

                    background: Rectangle {
                        radius: Util.unitHeight
                        color: idKey.isDigit && idKey.down ? Theme.buttonBlueColor : "transparent"
                        border.width: idKey.isDigit ? 1 : 0
                        border.color: Theme.buttonBlueColor
                    }

                    onClicked: idCode.keyPressed(number)
                    // A button turns the second of two quick taps into a
                    // double click without a click: it is a key press too.
                    onDoubleClicked: idCode.keyPressed(number)
                }
            }
        }
    }
}
