import QtQuick 2.12
import QtTest 1.12
import Widgets.Theme 1.0
import "qrc:/widgets"
import "../common"

// The toast: closing by itself, the sticky toast and its dismissal, its palette.
Item {
    id: idRoot
    width: 400
    height: 650

    PopupMsg {
        id: idToast
        msg: "已复制到剪贴板"
    }

    // The length-limit toast of a full edit.
    LineEdit {
        id: idFullEdit
        y: 300
        width: 300
    }

    // Tells whether the page beneath the toast received a tap.
    MouseArea {
        id: idBelow
        property int taps: 0
        anchors.fill: parent
        z: -1
        onClicked: taps++
    }

    KeyloftTestCase {
        id: idCase
        name: "Toast"
        when: windowShown

        function init() {
            idToast.close()
            tryCompare(idToast, "visible", false)
            idToast.autoClose = true
            idBelow.taps = 0
        }

        // Waits until ms milliseconds have passed since the time given.
        function waitSince(since, ms) {
            tryVerify(function () { return Date.now() - since >= ms }, ms + 1000)
        }

        // A toast shown again, open or not yet dismissed, shows the new
        // message for its own time: a plain one closes by itself 1500 ms
        // after its show, whatever the first one was, and a tap on it before
        // then is not taken as a dismissal; a sticky one waits for its tap.
        function test_shownAgainRestartsItsTime_data() {
            return [
                { tag: "plain 1 s after plain", first: false, second: false },
                { tag: "sticky 1 s after plain", first: false, second: true },
                { tag: "plain 1 s after sticky", first: true, second: false },
                { tag: "plain on a sticky waiting for its tap", first: true, second: false,
                  afterWait: true }
            ]
        }
        function test_shownAgainRestartsItsTime(data) {
            var firstShown = Date.now()
            idToast.show("第一条", data.first)
            tryCompare(idToast, "opened", true)
            if (data.afterWait) {
                tryCompare(idToast, "autoClose", true)
                verify(idToast.visible)
            } else {
                waitSince(firstShown, 1000)
            }
            var closedAt = 0
            var onClosed = function () { closedAt = Date.now() }
            idToast.closed.connect(onClosed)
            var shown = Date.now()
            idToast.show("第二条", data.second)
            compare(idToast.msg, "第二条")
            mouseClick(idToast.contentItem)
            verify(idToast.visible)
            if (data.second) {
                tryCompare(idToast, "autoClose", true)
                verify(idToast.visible)
                mouseClick(idToast.contentItem)
            }
            tryCompare(idToast, "visible", false)
            idToast.closed.disconnect(onClosed)
            // (Qt's timers may fire a little early.)
            verify(closedAt - shown >= 1400, "closed " + (closedAt - shown) + " ms after its show")
        }

        // The length-limit toast stays while the user keeps typing into the
        // full edit, and closes by itself once the typing stops.
        function test_limitToastStaysWhileTyping() {
            idFullEdit.text = "a".repeat(64)
            mouseClick(idFullEdit)
            var lastKey = 0
            var gaps = [] // from the last key to each closing
            for (var i = 0; i < 4; ++i) {
                waitSince(lastKey, 600)
                lastKey = Date.now()
                keyClick(Qt.Key_B)
                compare(idFullEdit.text, "a".repeat(64))
                if (i === 0)
                    idFullEdit.__limitToast.closed.connect(function () {
                        gaps.push(Date.now() - lastKey)
                    })
                verify(idFullEdit.__limitToast.visible)
            }
            tryCompare(idFullEdit.__limitToast, "visible", false)
            // (Once more than 1500 ms between two keys, on a slow run, and
            // it rightly closes in between.)
            verify(gaps.length > 0)
            for (var g = 0; g < gaps.length; ++g)
                verify(gaps[g] >= 1400, "closed " + gaps[g] + " ms after the last key")
        }

        function test_autoCloseIgnoresPressesAndEscape() {
            var started = Date.now()
            idToast.open()
            tryCompare(idToast, "opened", true)
            // During the first 1500 ms neither a press outside nor Escape
            // closes it, and the page beneath takes no input.
            mouseClick(idRoot, 5, 5)
            keyClick(Qt.Key_Escape)
            verify(idToast.visible)
            compare(idBelow.taps, 0)
            tryCompare(idToast, "visible", false, 5000)
            verify(Date.now() - started >= 1500, "closed after " + (Date.now() - started) + " ms")
            compare(idToast.autoClose, true)
        }

        function test_stickyStaysUntilTappedThenResets() {
            idToast.autoClose = false
            idToast.open()
            tryCompare(idToast, "opened", true)
            mouseClick(idRoot, 5, 5)
            verify(idToast.visible)
            // The 1500 ms timer puts the flag back instead of closing.
            tryCompare(idToast, "autoClose", true, 5000)
            verify(idToast.visible)
            wait(300)
            verify(idToast.visible)
            // Now a tap on the toast dismisses it.
            mouseClick(idToast.contentItem)
            tryCompare(idToast, "visible", false)
            compare(idBelow.taps, 0)
            // The next opening closes by itself again.
            idToast.open()
            tryCompare(idToast, "opened", true)
            tryCompare(idToast, "visible", false, 5000)
        }

        function test_stickyDismissedByPressOutsideOrEscape_data() {
            return [ { tag: "press outside", escape: false }, { tag: "Escape", escape: true } ]
        }
        function test_stickyDismissedByPressOutsideOrEscape(data) {
            idToast.autoClose = false
            idToast.open()
            tryCompare(idToast, "autoClose", true, 5000)
            verify(idToast.visible)
            if (data.escape)
                keyClick(Qt.Key_Escape)
            else
                mouseClick(idRoot, 5, 5)
            tryCompare(idToast, "visible", false)
        }

        function test_paletteOppositeToMode() {
            idToast.open()
            tryCompare(idToast, "opened", true)
            var text = findChild(idToast.contentItem, "toastText")
            compare(String(text.color), String(Theme.darkTheme.textColor))
            compare(String(idToast.background.color), String(Theme.darkTheme.dialogColor))
            Theme.enableDarkMode(true)
            compare(String(text.color), String(Theme.whiteTheme.textColor))
            compare(String(idToast.background.color), String(Theme.whiteTheme.dialogColor))
            Theme.enableDarkMode(false)
            // Centred in its parent, wrapped at 70 % of the screen width.
            idToast.msg = "很长的提示文字".repeat(20)
            tryVerify(function() { return text.lineCount > 1 })
            verify(idToast.width <= Math.floor(idRoot.width * 0.7) + 2 * 10)
            compare(Math.round(idToast.x + idToast.width / 2), idRoot.width / 2)
            compare(Math.round(idToast.y + idToast.height / 2), idRoot.height / 2)
            idToast.msg = "已复制到剪贴板"
        }
    }
}
