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

    readonly property int __codeLength: 6
    readonly property var __keys: [1, 2, 3, 4, 5, 6, 7, 8, 9, -2, 0, -1]

    implicitWidth: idColumn.implicitWidth
    implicitHeight: idColumn.implicitHeight

    function reset() {
        __stopAnimations()
        idEcho.pwdStr = ""
    }

    function cleanInput(isNotify) {
        __stopAnimations()
        idCleanAnimation.notify = (isNotify === true)
        idCleanAnimation.start()
    }

    function errorInput() {
        __stopAnimations()
        idErrorAnimation.start()
    }

    function __stopAnimations() {
        idCleanAnimation.stop()
        idErrorAnimation.stop()
        idEcho.opacity = 1
    }

    function __keyPressed(value) {
        if (value < -1)
            return
        if (value === -1) {
            var s = idEcho.pwdStr
            idEcho.pwdStr = s.length > 1 ? s.substring(0, s.length - 1) : ""
            return
        }
        idEcho.pwdStr += String(value)
        if (idEcho.pwdStr.length === __codeLength)
            inputFinished(idEcho.pwdStr)
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
                model: idPwdInput.__keys
                NumButton {
                    objectName: "key" + modelData
                    width: idPwdInput.buttonSize
                    height: idPwdInput.buttonSize
                    number: modelData
                    color: idPwdInput.buttonColor
                    colorHi: idPwdInput.buttonColorHi
                    textSize: idPwdInput.numberButtonTextSize
                    onClicked: idPwdInput.__keyPressed(number)
                }
            }
        }
    }

    // The six marks stay visible for a moment, then the code is emptied.
    SequentialAnimation {
        id: idCleanAnimation
        property bool notify: false
        NumberAnimation { target: idEcho; property: "opacity"; to: 1; duration: 300 }
        ScriptAction {
            script: {
                idEcho.pwdStr = ""
                if (idCleanAnimation.notify)
                    idPwdInput.cleanInputFinished()
            }
        }
    }

    // Two blinks of the echo, then the code is emptied.
    SequentialAnimation {
        id: idErrorAnimation
        NumberAnimation { target: idEcho; property: "opacity"; to: 0; duration: 100 }
        NumberAnimation { target: idEcho; property: "opacity"; to: 1; duration: 100 }
        NumberAnimation { target: idEcho; property: "opacity"; to: 0; duration: 100 }
        NumberAnimation { target: idEcho; property: "opacity"; to: 1; duration: 100 }
        ScriptAction { script: idEcho.pwdStr = "" }
    }
}
