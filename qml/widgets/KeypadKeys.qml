import QtQuick 2.12
import QtQuick.Templates 2.12 as T
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/keypress.js" as KeyPress

// The keyboard of a keypad: the digit keys of the main row and of the
// numeric keypad, Backspace and Delete (both take the last digit back) are
// the keypad's own keys. It takes the keyboard focus whenever the keypad is
// shown, so that a code can be typed at once; Tab and Backtab reach it as
// they reach any control, with the focus frame. A held digit key counts
// once, a held Backspace goes on deleting.
T.Control {
    id: idKeys

    // The code the keys act on.
    property KeypadCode code: null
    // The colour of the focus frame.
    property color frameColor: Theme.buttonBlueColor

    focusPolicy: Qt.TabFocus

    onVisibleChanged: {
        if (visible)
            forceActiveFocus()
    }
    Component.onCompleted: {
        if (visible)
            forceActiveFocus()
    }

    Keys.onPressed: {
        var value = KeyPress.keypadValue(event)
        if (value === null || !code) {
            event.accepted = false
            return
        }
        event.accepted = true
        if (!event.isAutoRepeat || value < 0)
            code.keyPressed(value)
    }

    FocusFrame {
        radius: Util.unitHeight
        border.color: idKeys.frameColor
    }
}
