import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "../common"

// LineEdit: the length limit and its toast, border and placeholder, a long
// text without the focus.
Item {
    id: idRoot
    width: 400
    height: 300

    Component {
        id: idEditComponent
        LineEdit {
            width: 30 * Util.unitHeight
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "LineEdit"
        when: windowShown

        function makeEdit(props) {
            var edit = createTemporaryObject(idEditComponent, idRoot, props)
            verify(edit)
            waitForRendering(edit)
            return edit
        }

        function test_refusesCharacterBeyondMaximum_data() {
            return [ { tag: "borderless", showBorder: false }, { tag: "bordered", showBorder: true } ]
        }
        function test_refusesCharacterBeyondMaximum(data) {
            var edit = makeEdit({ showBorder: data.showBorder })
            mouseClick(edit)
            verify(edit.input.activeFocus)
            for (var i = 0; i < Theme.lineEditMaxLen; ++i)
                keyClick(Qt.Key_A)
            compare(edit.text.length, 64)
            compare(edit.__limitToast, null)
            keyClick(Qt.Key_B)
            compare(edit.text, "a".repeat(64))
            // The edit keeps the focus while the toast shows.
            keyClick(Qt.Key_Backspace)
            compare(edit.text, "a".repeat(63))
            expectLimitToast(edit)
        }

        function expectLimitToast(edit) {
            var toast = edit.__limitToast
            verify(toast)
            tryCompare(toast, "opened", true)
            compare(toast.msg, "最多输入64个字符")
            compare(toast.autoClose, true)
            toast.close()
            tryCompare(toast, "visible", false)
        }

        function paste(edit, text) {
            Util.clipboardText = text
            keySequence(StandardKey.Paste)
        }

        // A paste that would pass the limit leaves the field as it was,
        // cursor included, and says so; one that fits goes in whole.
        function test_pasteBeyondMaximum_data() {
            return [
                { tag: "65 into an empty field", before: "", cursor: 0, pasted: 65 },
                { tag: "132 into an empty field", before: "", cursor: 0, pasted: 132 },
                { tag: "one too many in the middle", before: "abcd", cursor: 2, pasted: 61 },
                { tag: "filling up to the limit", before: "abcd", cursor: 2, pasted: 60,
                  fits: true }
            ]
        }
        function test_pasteBeyondMaximum(data) {
            var edit = makeEdit({ text: data.before })
            mouseClick(edit)
            edit.input.cursorPosition = data.cursor
            var pasted = "0123456789".repeat(14).substring(0, data.pasted)
            paste(edit, pasted)
            if (data.fits) {
                compare(edit.text, data.before.substring(0, data.cursor) + pasted
                        + data.before.substring(data.cursor))
                compare(edit.__limitToast, null)
                return
            }
            compare(edit.text, data.before)
            compare(edit.input.cursorPosition, data.cursor)
            expectLimitToast(edit)
        }

        // Replacing a selection by a paste counts what the text becomes.
        function test_pasteOverSelection() {
            var edit = makeEdit({ text: "x".repeat(64) })
            mouseClick(edit)
            edit.input.select(10, 20)
            paste(edit, "0123456789")
            compare(edit.text, "x".repeat(10) + "0123456789" + "x".repeat(44))
            edit.input.select(0, 5)
            paste(edit, "0123456")
            compare(edit.text, "x".repeat(10) + "0123456789" + "x".repeat(44))
            expectLimitToast(edit)
        }

        // A text that a page sets is kept whole; it can be shortened, not
        // lengthened.
        function test_textSetByPageKeptWhole() {
            var edit = makeEdit({})
            edit.text = "x".repeat(80)
            compare(edit.text.length, 80)
            mouseClick(edit)
            edit.input.cursorPosition = 80
            keyClick(Qt.Key_Backspace)
            compare(edit.text.length, 79)
            keyClick(Qt.Key_A)
            compare(edit.text.length, 79)
            expectLimitToast(edit)
        }

        // A text set by a page while the edit was still narrow (a sheet
        // laying itself out) is shown from its start once the edit has its
        // width; typing at its end shows the end.
        function test_textShownFromItsStart() {
            var edit = makeEdit({ width: 4 * Util.unitHeight })
            edit.text = "someone@example.com"
            edit.width = 30 * Util.unitHeight
            waitForRendering(edit)
            var input = edit.input
            var y = input.height / 2
            compare(input.positionAt(input.leftPadding + 1, y), 0)
            mouseClick(edit, edit.width - 2, edit.height / 2)
            verify(input.activeFocus)
            edit.width = 4 * Util.unitHeight
            input.cursorPosition = input.text.length
            keyClick(Qt.Key_X)
            compare(edit.text, "someone@example.comx")
            waitForRendering(edit)
            verify(input.positionAt(input.leftPadding + 1, y) > 0)
            edit.setFocus(false)
            waitForRendering(edit)
            compare(input.positionAt(input.leftPadding + 1, y), 0)
        }

        // Without the focus a text longer than the edit shows its start
        // ending in an ellipsis, never a glyph cut at the edge (a password
        // as its echo); a click gives the input back, and typing goes on
        // where the cursor stands.
        function test_longTextElidedWithoutFocus_data() {
            return [
                { tag: "borderless", showBorder: false, echoMode: TextInput.Normal },
                { tag: "bordered", showBorder: true, echoMode: TextInput.Normal },
                { tag: "password", showBorder: true, echoMode: TextInput.Password }
            ]
        }
        function test_longTextElidedWithoutFocus(data) {
            var edit = makeEdit({ width: 10 * Util.unitHeight, showBorder: data.showBorder,
                                  echoMode: data.echoMode, text: "someone@example.com" })
            var input = edit.input
            var shown = findChild(edit, "elidedText")
            verify(shown.visible)
            verify(shown.truncated)
            compare(shown.text, input.displayText)
            compare(input.opacity, 0)
            compare(shown.x, input.leftPadding)
            compare(shown.x + shown.width, edit.width - input.rightPadding)

            mouseClick(edit, edit.width / 2, edit.height / 2)
            verify(input.activeFocus)
            verify(!shown.visible)
            compare(input.opacity, 1)
            input.cursorPosition = 4
            keyClick(Qt.Key_X)
            compare(edit.text, "somexone@example.com")
            edit.setFocus(false)
            verify(shown.visible)

            edit.text = "me"
            verify(!shown.visible)
            compare(input.opacity, 1)
        }

        function test_borderIndentsTextAndPlaceholder_data() {
            return [
                { tag: "borderless", showBorder: false, indent: 0 },
                { tag: "bordered", showBorder: true, indent: Math.ceil(0.6 * Util.unitHeight) }
            ]
        }
        function test_borderIndentsTextAndPlaceholder(data) {
            var edit = makeEdit({ showBorder: data.showBorder, placeholderText: "必填" })
            compare(edit.input.leftPadding, data.indent)
            compare(edit.input.rightPadding, data.indent)
            var placeholder = null
            for (var i = 0; i < edit.children.length; ++i)
                if (edit.children[i].text === "必填")
                    placeholder = edit.children[i]
            verify(placeholder)
            compare(placeholder.x, data.indent)
            verify(placeholder.visible)
            edit.text = "x"
            verify(!placeholder.visible)
        }
    }
}
