import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "../common"

// The question and input dialogs: texts, buttons, Escape and taps outside.
Item {
    id: idRoot
    width: 400
    height: 650

    QuestionDialog {
        id: idQuestion
        title: "删除"
        msg: "确定删除吗？"
    }

    ZVInputDialog {
        id: idInput
        msg: "请输入名称"
    }

    SignalSpy { id: idQAccepted; target: idQuestion; signalName: "accepted" }
    SignalSpy { id: idQRejected; target: idQuestion; signalName: "rejected" }
    SignalSpy { id: idIAccepted; target: idInput; signalName: "accepted" }
    SignalSpy { id: idIRejected; target: idInput; signalName: "rejected" }

    KeyloftTestCase {
        id: idCase
        name: "Dialogs"
        when: windowShown

        function init() {
            idQuestion.close()
            idInput.close()
            tryCompare(idQuestion, "visible", false)
            tryCompare(idInput, "visible", false)
            idQAccepted.clear(); idQRejected.clear()
            idIAccepted.clear(); idIRejected.clear()
        }

        function openQuestion(hasReject) {
            idQuestion.hasRejectedButton = hasReject
            idQuestion.open()
            tryCompare(idQuestion, "opened", true)
            return {
                box: findChild(idQuestion.contentItem, "dialogBox"),
                accept: findChild(idQuestion.contentItem, "acceptButton"),
                reject: findChild(idQuestion.contentItem, "rejectButton")
            }
        }

        function test_defaultTexts() {
            compare(idQuestion.acceptButtonText, "确定")
            compare(idQuestion.rejectedButtonText, "取消")
            compare(idInput.acceptButtonText, "完成")
            compare(idInput.rejectedButtonText, "取消")
        }

        function test_questionButtons_data() {
            return [
                { tag: "accept", reject: false, accepted: 1, rejected: 0 },
                { tag: "reject", reject: true, accepted: 0, rejected: 1 }
            ]
        }
        function test_questionButtons(data) {
            var d = openQuestion(true)
            verify(d.reject.visible)
            compare(d.box.width, Math.ceil(27 * Util.unitHeight))
            // Two halves with a one-pixel line between them.
            compare(d.reject.width + 1 + d.accept.width, d.box.width)
            compare(d.accept.leftRadius, 0)
            compare(d.reject.leftRadius, Util.unitHeight)
            mouseClick(data.reject ? d.reject : d.accept)
            tryCompare(idQuestion, "visible", false)
            compare(idQAccepted.count, data.accepted)
            compare(idQRejected.count, data.rejected)
        }

        function test_questionWithoutRejectButton() {
            var d = openQuestion(false)
            verify(!d.reject.visible)
            compare(d.accept.width, d.box.width)
            compare(d.accept.leftRadius, Util.unitHeight)
            compare(d.accept.rightRadius, Util.unitHeight)
            // Tapping the left half of the box hits the accept button.
            mouseClick(d.accept, 5, d.accept.height / 2)
            tryCompare(idQuestion, "visible", false)
            compare(idQAccepted.count, 1)
            compare(idQRejected.count, 0)
            // The flag is read again at the next opening.
            d = openQuestion(true)
            verify(d.reject.visible)
            compare(d.accept.leftRadius, 0)
        }

        function test_questionEscapeAndOutside() {
            openQuestion(true)
            mouseClick(idRoot, 5, 5)
            verify(idQuestion.visible)
            keyClick(Qt.Key_Escape)
            tryCompare(idQuestion, "visible", false)
            compare(idQAccepted.count, 0)
            compare(idQRejected.count, 0)
        }

        function test_questionWarningColour() {
            idQuestion.acceptButtonWarning = true
            var d = openQuestion(true)
            compare(String(d.accept.colorText), String(Theme.textRedColor))
            idQuestion.acceptButtonWarning = false
            compare(String(d.accept.colorText), String(Theme.textBlueColor))
        }

        function test_inputAcceptNeedsText() {
            idInput.userText = ""
            idInput.open()
            tryCompare(idInput, "opened", true)
            var accept = findChild(idInput.contentItem, "acceptButton")
            var reject = findChild(idInput.contentItem, "rejectButton")
            verify(!accept.enabled)
            mouseClick(accept)
            verify(idInput.visible)
            compare(idIAccepted.count, 0)
            // Typing enables it, deleting everything disables it again.
            keyClick(Qt.Key_A)
            compare(idInput.userText, "a")
            verify(accept.enabled)
            keyClick(Qt.Key_Backspace)
            compare(idInput.userText, "")
            verify(!accept.enabled)
            keyClick(Qt.Key_B)
            keyClick(Qt.Key_C)
            mouseClick(accept)
            tryCompare(idInput, "visible", false)
            compare(idIAccepted.count, 1)
            // The page reads the text after the dialog closed.
            compare(idInput.userText, "bc")
        }

        // Return and the keypad's Enter in the field do what "完成" does,
        // and nothing while it cannot be pressed.
        function test_inputEnterAccepts_data() {
            return [
                { tag: "Return", key: Qt.Key_Return, modifiers: Qt.NoModifier },
                { tag: "keypad Enter", key: Qt.Key_Enter, modifiers: Qt.KeypadModifier }
            ]
        }
        function test_inputEnterAccepts(data) {
            idInput.userText = ""
            idInput.open()
            tryCompare(idInput, "opened", true)
            keyClick(data.key, data.modifiers)
            verify(idInput.opened)
            compare(idIAccepted.count, 0)
            // Typed mid-text, as a person corrects a name.
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_C)
            keyClick(Qt.Key_Left)
            keyClick(Qt.Key_B)
            keyClick(data.key, data.modifiers)
            tryCompare(idInput, "visible", false)
            compare(idIAccepted.count, 1)
            compare(idIRejected.count, 0)
            compare(idInput.userText, "abc")
        }

        function test_inputRejectEmptiesText() {
            idInput.userText = "旧名称"
            idInput.open()
            tryCompare(idInput, "opened", true)
            var reject = findChild(idInput.contentItem, "rejectButton")
            var accept = findChild(idInput.contentItem, "acceptButton")
            verify(accept.enabled)
            var textAtSignal = null
            var handler = function() { textAtSignal = idInput.userText }
            idInput.rejected.connect(handler)
            mouseClick(reject)
            idInput.rejected.disconnect(handler)
            tryCompare(idInput, "visible", false)
            compare(idIRejected.count, 1)
            compare(idIAccepted.count, 0)
            compare(textAtSignal, "")
            compare(idInput.userText, "")
            verify(!accept.enabled)
        }

        function test_inputValidator() {
            idInput.userText = ""
            idInput.inputValidator = Qt.createQmlObject(
                        'import QtQuick 2.12; RegExpValidator { regExp: /[0-9]*/ }', idRoot)
            idInput.open()
            tryCompare(idInput, "opened", true)
            keyClick(Qt.Key_X)
            keyClick(Qt.Key_7)
            compare(idInput.userText, "7")
            keyClick(Qt.Key_Escape)
            tryCompare(idInput, "visible", false)
            compare(idIRejected.count, 0)
            idInput.inputValidator = null
        }
    }
}
