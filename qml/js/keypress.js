// Keys as a desktop user presses them on the widgets: the one confirm button
// of a page that Return presses, Space and Return on a button that shows the
// keyboard focus, and the keys of a keypad.
.pragma library

// Presses button for a key press: once per press (a held key does not
// repeat it), and only while the button is shown and enabled. Returns
// whether the key was taken; a key not taken goes on to the items around.
function pressButton(button, event) {
    if (!button || !button.visible || !button.enabled) {
        event.accepted = false
        return false
    }
    event.accepted = true
    if (!event.isAutoRepeat)
        button.clicked()
    return true
}

function __isSpace(key) {
    return key === Qt.Key_Space || key === Qt.Key_Select
}

function __isReturn(key) {
    return key === Qt.Key_Return || key === Qt.Key_Enter
}

// Space and Return on a button (any control that Space presses): they press
// only a button that shows the keyboard focus (visualFocus: the focus came
// from Tab or Backtab). Space then works as Qt's controls make it work
// (press, click on release; a check box or switch toggles); Return clicks a
// push button once. Space on a button that does not show the focus (it
// took the focus from a click, or a page gave it) does nothing; Return goes
// on to the page, whose confirm button it may press.
function buttonKeyPressed(button, event) {
    var key = event.key
    if (__isSpace(key)) {
        event.accepted = !button.visualFocus
    } else if (__isReturn(key)) {
        if (button.visualFocus && !button.checkable)
            pressButton(button, event)
        else
            event.accepted = false
    } else {
        event.accepted = false
    }
}

// The release of a key that buttonKeyPressed() handled: Space finishes the
// press it started; a release without that press (Qt's controls would
// click on it) does nothing.
function buttonKeyReleased(button, event) {
    event.accepted = __isSpace(event.key) && !button.pressed
}

// The key value of a keypad for a key press: 0 to 9 for the digit keys of
// the main row and of the numeric keypad, -1 (backspace) for Backspace and
// Delete; null for any other key or a digit typed with a modifier.
function keypadValue(event) {
    var modifiers = event.modifiers & ~Qt.KeypadModifier
    if (modifiers !== Qt.NoModifier)
        return null
    var key = event.key
    if (key >= Qt.Key_0 && key <= Qt.Key_9)
        return key - Qt.Key_0
    if (key === Qt.Key_Backspace || key === Qt.Key_Delete)
        return -1
    return null
}
