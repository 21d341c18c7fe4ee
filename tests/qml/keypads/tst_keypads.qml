import QtQuick 2.12
import QtTest 1.12
import "qrc:/widgets"
import "../common"

// Both six-digit keypads share their key logic and clearing animations, so
// every case runs once on the password keypad and once on the PIN keypad.
Item {
    id: idRoot
    width: 400
    height: 650

    KeyloftTestCase {
        id: idCase
        name: "Keypads"
        when: windowShown

        Component { id: idPwdComponent; PwdInput {} }
        Component { id: idPinComponent; PinInput {} }
        Component {
            id: idSpyComponent
            SignalSpy {}
        }

        property var pad: null
        property var echo: null
        property var finishedSpy: null
        property var cleanedSpy: null

        function keypads() {
            return [
                { tag: "PwdInput", kind: "pwd" },
                { tag: "PinInput", kind: "pin" }
            ]
        }

        function makePad(kind) {
            pad = createTemporaryObject(kind === "pin" ? idPinComponent : idPwdComponent, idRoot)
            verify(pad)
            echo = findChild(pad, "echo")
            verify(echo)
            finishedSpy = createTemporaryObject(idSpyComponent, idCase,
                                                { target: pad, signalName: "inputFinished" })
            cleanedSpy = createTemporaryObject(idSpyComponent, idCase,
                                               { target: pad, signalName: "cleanInputFinished" })
            waitForRendering(pad)
        }

        function press(value) {
            var key = findChild(pad, "key" + value)
            verify(key, "key " + value)
            mouseClick(key)
        }

        function typeDigits(digits) {
            for (var i = 0; i < digits.length; ++i)
                press(Number(digits[i]))
        }

        function test_sixDigitsFinishOnce_data() { return keypads() }
        function test_sixDigitsFinishOnce(data) {
            makePad(data.kind)
            typeDigits("90277")
            compare(finishedSpy.count, 0)
            compare(echo.pwdStr, "90277")
            press(1)
            compare(finishedSpy.count, 1)
            compare(finishedSpy.signalArguments[0][0], "902771")
            // A seventh digit before the page clears the code emits nothing ...
            press(5)
            compare(finishedSpy.count, 1)
            compare(echo.pwdStr, "9027715")
            // ... and goes with the rest when the code is cleared.
            pad.cleanInput()
            compare(echo.pwdStr, "9027715")
            tryCompare(echo, "pwdStr", "")
            compare(cleanedSpy.count, 0)
            compare(finishedSpy.count, 1)
            // The next code starts from scratch.
            typeDigits("123456")
            compare(finishedSpy.count, 2)
            compare(finishedSpy.signalArguments[1][0], "123456")
        }

        // Two quick taps on one key are a double click to the button: both
        // count, on digits and on the backspace alike.
        function test_doubleClicksCountTwice_data() { return keypads() }
        function test_doubleClicksCountTwice(data) {
            makePad(data.kind)
            var doubleClick = function (value) {
                var key = findChild(pad, "key" + value)
                verify(key, "key " + value)
                mouseDoubleClickSequence(key)
            }
            doubleClick(1)
            compare(echo.pwdStr, "11")
            doubleClick(-1)
            compare(echo.pwdStr, "")
            doubleClick(1)
            doubleClick(2)
            compare(finishedSpy.count, 0)
            doubleClick(3)
            compare(echo.pwdStr, "112233")
            compare(finishedSpy.count, 1)
            compare(finishedSpy.signalArguments[0][0], "112233")
        }

        function test_backspaceAndBlank_data() { return keypads() }
        function test_backspaceAndBlank(data) {
            makePad(data.kind)
            press(-1)
            compare(echo.pwdStr, "")
            press(4)
            press(-1)
            compare(echo.pwdStr, "")
            typeDigits("38")
            press(-1)
            compare(echo.pwdStr, "3")
            press(-2)
            compare(echo.pwdStr, "3")
            typeDigits("0000")
            press(-2)
            compare(echo.pwdStr, "30000")
            compare(finishedSpy.count, 0)
            press(7)
            compare(finishedSpy.count, 1)
            compare(finishedSpy.signalArguments[0][0], "300007")
        }

        // Records the code length at every step of the echo's opacity.
        Component {
            id: idOpacityWatch
            QtObject {
                property var steps: []
                property var conn: Connections {
                    target: idCase.echo
                    function onOpacityChanged() {
                        var o = idCase.echo.opacity
                        if (o === 0 || o === 1)
                            steps.push([o, idCase.echo.pwdStr.length])
                    }
                }
            }
        }

        function test_errorInputBlinksTwiceThenEmpties_data() { return keypads() }
        function test_errorInputBlinksTwiceThenEmpties(data) {
            makePad(data.kind)
            typeDigits("246810")
            compare(finishedSpy.count, 1)
            var watch = createTemporaryObject(idOpacityWatch, idCase)
            var started = Date.now()
            pad.errorInput()
            tryCompare(echo, "pwdStr", "")
            verify(Date.now() - started >= 390, "emptied after " + (Date.now() - started) + " ms")
            compare(echo.opacity, 1)
            // off, on, off, on: the code stays whole until the fourth step ends.
            compare(JSON.stringify(watch.steps), JSON.stringify([[0, 6], [1, 6], [0, 6], [1, 6]]))
            compare(cleanedSpy.count, 0)
        }

        function test_cleanInputNotifiesAfterEmptying_data() { return keypads() }
        function test_cleanInputNotifiesAfterEmptying(data) {
            makePad(data.kind)
            typeDigits("555555")
            var emptyAtSignal = null
            var handler = function() { emptyAtSignal = (echo.pwdStr === "") }
            pad.cleanInputFinished.connect(handler)
            var started = Date.now()
            pad.cleanInput(true)
            // The six marks stay for the pause.
            compare(echo.pwdStr, "555555")
            tryCompare(cleanedSpy, "count", 1)
            pad.cleanInputFinished.disconnect(handler)
            verify(Date.now() - started >= 290, "cleaned after " + (Date.now() - started) + " ms")
            compare(emptyAtSignal, true)
            compare(echo.pwdStr, "")
            compare(echo.opacity, 1)
        }

        function test_errorAfterCleanStartsOver_data() { return keypads() }
        function test_errorAfterCleanStartsOver(data) {
            // A second clearing replaces the first; the echo is never left hidden.
            makePad(data.kind)
            typeDigits("111111")
            pad.errorInput()
            tryVerify(function() { return echo.opacity < 0.5 })
            pad.cleanInput(true)
            compare(echo.opacity, 1)
            tryCompare(cleanedSpy, "count", 1)
            compare(echo.pwdStr, "")
            compare(echo.opacity, 1)
        }

        function test_pinInputEmptyWhenShownAgain() {
            makePad("pin")
            typeDigits("123")
            compare(echo.pwdStr, "123")
            pad.visible = false
            pad.visible = true
            compare(echo.pwdStr, "")
            // Hidden with its parent works the same.
            var holder = createTemporaryQmlObject("import QtQuick 2.12; Item {}", idRoot)
            pad.parent = holder
            typeDigits("98")
            holder.visible = false
            holder.visible = true
            compare(echo.pwdStr, "")
        }

        function test_pwdInputReset() {
            makePad("pwd")
            typeDigits("12")
            pad.reset()
            compare(echo.pwdStr, "")
        }
    }
}
