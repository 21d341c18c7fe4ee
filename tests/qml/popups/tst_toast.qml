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
