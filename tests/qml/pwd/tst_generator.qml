import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import Lib.Util 1.0
import "qrc:/pwd"
import "../common/pagetest.js" as T
import "../common"

// The password generator: character sets, lengths and the selection rule.
Item {
    id: idWindow
    width: 400
    height: 650

    AutoBuildPwdPage {
        id: idPage
    }

    SignalSpy {
        id: idPwdSpy
        target: idPage
        signalName: "pwdStrChanged"
    }

    SignalSpy {
        id: idAcceptedSpy
        target: idPage
        signalName: "accepted"
    }

    KeyloftTestCase {
        name: "Generator"
        when: windowShown

        readonly property string digits: "0-9"
        readonly property string lower: "a-km-tw-z"
        readonly property string upper: "A-HJ-NP-TW-Z"
        readonly property string special: "!#$%&*+,\\-.:;<=>?@^_~"

        function cleanup() {
            if (idPage.opened || idPage.visible) {
                idPage.close()
                tryCompare(idPage, "visible", false)
            }
        }

        function test_generate_data() {
            var D = digits, L = lower, U = upper, S = special
            return [
                { tag: "defaults: digits, length 8", len: 8, sets: [1, 0, 0, 0],
                  re: "^[" + D + "]{8}$" },
                { tag: "digits and lower case, length 12", len: 12, sets: [1, 1, 0, 0],
                  re: "^[" + D + "]{2}[" + L + "]{2}[" + D + L + "]{8}$" },
                { tag: "all four, length 4", len: 4, sets: [1, 1, 1, 1],
                  re: "^[" + D + "][" + L + "][" + U + "][" + S + "]$" },
                { tag: "all four, length 10", len: 10, sets: [1, 1, 1, 1],
                  re: "^[" + D + "][" + L + "][" + U + "][" + S + "][" + D + L + U + "]{6}$" },
                { tag: "all four, length 11", len: 11, sets: [1, 1, 1, 1],
                  re: "^[" + D + "]{2}[" + L + "]{2}[" + U + "][" + S + "]{2}[" + D + L + U + "]{4}$" },
                { tag: "upper case only, length 16", len: 16, sets: [0, 0, 1, 0],
                  re: "^[" + U + "]{16}$" },
                { tag: "special only, length 16", len: 16, sets: [0, 0, 0, 1],
                  re: "^[" + S + "]{2}$" },
                { tag: "special only, length 10", len: 10, sets: [0, 0, 0, 1],
                  re: "^[" + S + "]$" },
                { tag: "nothing ticked", len: 12, sets: [0, 0, 0, 0], re: "^$" }
            ]
        }

        function test_generate(data) {
            var re = new RegExp(data.re)
            for (var i = 0; i < 300; ++i) {
                var pwd = idPage.generateRandomPwd(data.len, data.sets[0] === 1,
                                                   data.sets[1] === 1, data.sets[2] === 1,
                                                   data.sets[3] === 1)
                verify(re.test(pwd), "'" + pwd + "' does not match " + data.re)
                verify(!/[luvIOUV]/.test(pwd), "excluded letter in '" + pwd + "'")
            }
        }

        // Each lower-case letter is twice as likely in the fill as each digit:
        // 46 lower-case to 10 digit places in the pool.
        function test_lowerCaseWeighsDouble() {
            var nLower = 0, nDigit = 0
            for (var i = 0; i < 2000; ++i) {
                var fill = idPage.generateRandomPwd(16, true, true, false, false).substring(4)
                for (var k = 0; k < fill.length; ++k) {
                    if (/[0-9]/.test(fill[k]))
                        ++nDigit
                    else
                        ++nLower
                }
            }
            var ratio = nLower / nDigit
            verify(ratio > 4.0 && ratio < 5.3, "lower/digit ratio " + ratio)
        }

        // The selection rule floor(r x t) mod |S| and the fixed order of the
        // mandatory characters: with r = 0 every pick is a set's first one.
        function test_selectionRule_data() {
            return [
                { tag: "all four, length 4", len: 4, sets: [1, 1, 1, 1], expected: "0aA!" },
                { tag: "all four, length 11", len: 11, sets: [1, 1, 1, 1],
                  expected: "00aaA!!0000" },
                { tag: "lower and upper, length 6", len: 6, sets: [0, 1, 1, 0],
                  expected: "aAaaaa" },
                { tag: "special only, length 12", len: 12, sets: [0, 0, 0, 1], expected: "!!" }
            ]
        }

        function test_selectionRule(data) {
            var saved = idPage.randomSource
            idPage.randomSource = function () { return 0 }
            var pwd = idPage.generateRandomPwd(data.len, data.sets[0] === 1, data.sets[1] === 1,
                                               data.sets[2] === 1, data.sets[3] === 1)
            idPage.randomSource = saved
            compare(pwd, data.expected)
        }

        // With a fixed r the pick still moves with the clock: every character
        // is the one at floor(r x t) mod |S| for a t read during the call.
        function test_selectionRuleReadsClock() {
            var D = "0123456789", L = "abcdefghijkmnopqrstwxyz"
            var U = "ABCDEFGHJKLMNPQRSTWXYZ", S = "!#$%&*+,-.:;<=>?@^_~"
            var sets = [D, D, L, L, U, S, S]
            while (sets.length < 16)
                sets.push(D + L + L + U)
            var saved = idPage.randomSource
            var r = 0.3711
            idPage.randomSource = function () { return r }
            var before = Date.now()
            var pwd = idPage.generateRandomPwd(16, true, true, true, true)
            var after = Date.now()
            idPage.randomSource = saved
            compare(pwd.length, 16)
            for (var i = 0; i < 16; ++i) {
                var ok = false
                for (var t = before; t <= after && !ok; ++t)
                    ok = pwd[i] === sets[i].charAt(Math.floor(r * t) % sets[i].length)
                verify(ok, "character " + i + " of '" + pwd + "'")
            }
        }

        // By default the numbers come from the system's secure source.
        function test_defaultSource() {
            var seen = {}
            for (var i = 0; i < 200; ++i) {
                var r = idPage.randomSource()
                verify(r >= 0 && r < 1, r)
                verify(!seen[r], "repeated " + r)
                seen[r] = true
            }
            verify(idPage.randomSource !== Math.random)
        }

        function test_sheet() {
            idPage.open()
            tryCompare(idPage, "opened", true)
            verify(/^[0-9]{8}$/.test(idPage.pwdStr), idPage.pwdStr)

            // a tick regenerates at once
            idPwdSpy.clear()
            mouseClick(T.find(idPage, "chkLower"))
            compare(idPwdSpy.count, 1)
            verify(/^[0-9][a-km-tw-z][0-9a-km-tw-z]{6}$/.test(idPage.pwdStr), idPage.pwdStr)

            // one slider step regenerates once, for the new length
            var slider = T.find(idPage, "lengthSlider")
            slider.forceActiveFocus()
            idPwdSpy.clear()
            keyClick(Qt.Key_Right)
            compare(slider.value, 9)
            compare(idPwdSpy.count, 1)
            compare(idPage.pwdStr.length, 9)
            compare(T.find(idPage, "lengthText").text, "9")

            // "重新生成"
            var before = idPage.pwdStr
            idPwdSpy.clear()
            mouseClick(T.find(idPage, "regenerateButton"))
            compare(idPwdSpy.count, idPage.pwdStr === before ? 0 : 1)
            compare(idPage.pwdStr.length, 9)

            // nothing ticked: the empty text is handed over
            mouseClick(T.find(idPage, "chkDigit"))
            mouseClick(T.find(idPage, "chkLower"))
            compare(idPage.pwdStr, "")
            idAcceptedSpy.clear()
            mouseClick(T.find(idPage, "generateDoneButton"))
            compare(idAcceptedSpy.count, 1)
            tryCompare(idPage, "visible", false)

            // settings are kept for the next opening
            idPage.open()
            tryCompare(idPage, "opened", true)
            compare(idPage.pwdStr, "")
            compare(slider.value, 9)
            mouseClick(T.find(idPage, "chkSpecial"))
            verify(/^[!#$%&*+,\-.:;<=>?@^_~]$/.test(idPage.pwdStr), idPage.pwdStr)
        }
    }
}
