import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Six-digit keypad for the PIN: a cell echo above twelve rectangular keys.
Rectangle {
    id: idPinInput

    signal inputFinished(string pwdStr)
    signal cleanInputFinished()

    readonly property int __codeLength: 6
    readonly property var __keys: [1, 2, 3, 4, 5, 6, 7, 8, 9, -2, 0, -1]

    color: "transparent"
    implicitWidth: idColumn.implicitWidth
    implicitHeight: idColumn.implicitHeight

    // Every showing starts with an empty code.
    onVisibleChanged: {
        if (visible)
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
                model: idPinInput.__keys
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

                    onClicked: idPinInput.__keyPressed(number)
                }
            }
        }
    }

    SequentialAnimation {
        id: idCleanAnimation
        property bool notify: false
        NumberAnimation { target: idEcho; property: "opacity"; to: 1; duration: 300 }
        ScriptAction {
            script: {
                idEcho.pwdStr = ""
                if (idCleanAnimation.notify)
                    idPinInput.cleanInputFinished()
            }
        }
    }

    SequentialAnimation {
        id: idErrorAnimation
        NumberAnimation { target: idEcho; property: "opacity"; to: 0; duration: 100 }
        NumberAnimation { target: idEcho; property: "opacity"; to: 1; duration: 100 }
        NumberAnimation { target: idEcho; property: "opacity"; to: 0; duration: 100 }
        NumberAnimation { target: idEcho; property: "opacity"; to: 1; duration: 100 }
        ScriptAction { script: idEcho.pwdStr = "" }
    }
}
