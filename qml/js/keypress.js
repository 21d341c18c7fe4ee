// Keys as a desktop user presses them on the widgets: the one confirm button
// of a page that Return presses (once, and only on a page that has come in),
// Space and Return on a button that shows the keyboard focus, and the keys
// of a keypad.
.pragma library

// For this long after a key pressed a button, Return and Enter press
// nothing: the page or step that press brought is still coming in (a sheet
// slides in within 200 ms), and a second Return that quick went down on the
// page before, which it has pressed already.
var RETURN_SETTLE_MS = 250

// Until when Return presses nothing (milliseconds since the epoch).
var __settleEnd = 0

// Whether Return may press a button now: no key has just pressed one.
function returnSettled() {
    var now = Date.now()
    // An end beyond the settle time ahead: the clock was put back.
    return now >= __settleEnd || __settleEnd - now > RETURN_SETTLE_MS
}

// A key was typed into a field: it went down on the page that is there now,
// and so does a Return after it.
function keyTyped() {
    __settleEnd = 0
}

// Whether the page holding item has come in: a popup page marks the item
// its content stands on with pageOpened, which is false while the page
// comes in or goes out.
function __pageOpened(item) {
    for (var p = item; p; p = p.parent) {
        if (p.pageOpened === false)
            return false
    }
    return true
}

// Presses button for a key press: once per press (a held key does not
// repeat it), and only while the button is shown and enabled. Returns
// whether the key was taken; a key not taken goes on to the items around.
// A key taken while the button's page is still coming in, or just after
// another key pressed a button (RETURN_SETTLE_MS), presses nothing.
function pressButton(button, event) {
    if (!button || !button.visible || !button.enabled) {
        event.accepted = false
        return false
    }
    event.accepted = true
    if (event.isAutoRepeat || !returnSettled() || !__pageOpened(button))
        return true
    button.clicked()
    // From when the click has done its work, which may take a while.
    __settleEnd = Date.now() + RETURN_SETTLE_MS
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
