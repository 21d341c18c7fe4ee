import QtQuick 2.12

// The six-digit code behind both keypads: what a key press does to the
// echo's pwdStr, the pause before a code is cleared and the error blink.
QtObject {
    id: idCode

    // The echo showing the code; it holds the code in pwdStr.
    property Item echo: null

    readonly property int codeLength: 6
    // The keys, three to a row: -2 is the blank key, -1 the backspace.
    readonly property var keys: [1, 2, 3, 4, 5, 6, 7, 8, 9, -2, 0, -1]

    signal inputFinished(string pwdStr)
    signal cleanInputFinished()

    function keyPressed(value) {
        if (value < -1)
            return
        if (value === -1) {
            var s = echo.pwdStr
            echo.pwdStr = s.length > 1 ? s.substring(0, s.length - 1) : ""
            return
        }
        echo.pwdStr += String(value)
        if (echo.pwdStr.length === codeLength)
            inputFinished(echo.pwdStr)
    }

    function reset() {
        __stopAnimations()
        echo.pwdStr = ""
    }

    // The marks stay visible for 300 ms, then the code is emptied.
    function cleanInput(isNotify) {
        __stopAnimations()
        __cleanAnimation.notify = (isNotify === true)
        __cleanAnimation.start()
    }

    // Two blinks of the echo, then the code is emptied.
    function errorInput() {
        __stopAnimations()
        __errorAnimation.start()
    }

    function __stopAnimations() {
        __cleanAnimation.stop()
        __errorAnimation.stop()
        echo.opacity = 1
    }

    property SequentialAnimation __cleanAnimation: SequentialAnimation {
        property bool notify: false
        NumberAnimation { target: idCode.echo; property: "opacity"; to: 1; duration: 300 }
        ScriptAction {
            script: {
                idCode.echo.pwdStr = ""
                if (idCode.__cleanAnimation.notify)
                    idCode.cleanInputFinished()
            }
        }
    }

    property SequentialAnimation __errorAnimation: SequentialAnimation {
        NumberAnimation { target: idCode.echo; property: "opacity"; to: 0; duration: 100 }
        NumberAnimation { target: idCode.echo; property: "opacity"; to: 1; duration: 100 }
        NumberAnimation { target: idCode.echo; property: "opacity"; to: 0; duration: 100 }
        NumberAnimation { target: idCode.echo; property: "opacity"; to: 1; duration: 100 }
        ScriptAction { script: idCode.echo.pwdStr = "" }
    }
}
