import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

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

    TestCase {
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
            keyClick(Qt.Key_B)
            compare(edit.text, "a".repeat(64))
            // A text set by a page is cut the same way.
            edit.text = "x".repeat(80)
            compare(edit.text.length, 64)
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
