import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// Bottom sheet "生成密码": builds a random password from up to four
// character sets and a length, and hands it back through pwdStr on "完成".
SheetPage {
    id: idRoot

    title: qsTr("生成密码")

    property string pwdStr: ""

    readonly property string constDigitChars: "0123456789"
    readonly property string constLowerChars: "abcdefghijkmnopqrstwxyz"
    readonly property string constUpperChars: "ABCDEFGHJKLMNPQRSTWXYZ"
    readonly property string constSpecialChars: "!#$%&*+,-.:;<=>?@^_~"

    // Uniform numbers in [0, 1) from the operating system's secure random
    // source.
    property var randomSource: function () {
        return Util.secureRandom()
    }

    // One character of chars: index floor(r x t) mod |chars|, with r a fresh
    // number from randomSource and t the current time in milliseconds, read
    // again for every pick.
    function __pick(chars) {
        var r = randomSource()
        var t = Date.now()
        return chars.charAt(Math.floor(r * t) % chars.length)
    }

    function generateRandomPwd(len, num, low, up, spc) {
        var result = ""
        var pool = ""
        if (num) {
            pool += constDigitChars
            result += __pick(constDigitChars)
            if (len > 10)
                result += __pick(constDigitChars)
        }
        if (low) {
            // lower-case letters weigh double in the pool
            pool += constLowerChars + constLowerChars
            result += __pick(constLowerChars)
            if (len > 10)
                result += __pick(constLowerChars)
        }
        if (up) {
            pool += constUpperChars
            result += __pick(constUpperChars)
        }
        if (spc) {
            result += __pick(constSpecialChars)
            if (len > 10)
                result += __pick(constSpecialChars)
        }
        while (pool.length > 0 && result.length < len)
            result += __pick(pool)
        return result
    }

    function updatePwd() {
        pwdStr = generateRandomPwd(idSlider.value, idChkDigit.checked, idChkLower.checked,
                                   idChkUpper.checked, idChkSpecial.checked)
    }

    onAboutToShow: updatePwd()

    ColumnLayout {
        width: parent.width
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: idRows.implicitHeight
            color: Theme.popupColor

            ColumnLayout {
                id: idRows
                width: parent.width
                spacing: 0

                TitledRow {
                    title: qsTr("字符")
                    spacing: Util.unitHeight
                    ChkButton {
                        id: idChkDigit
                        objectName: "chkDigit"
                        text: "0-9"
                        checked: true
                        onClicked: idRoot.updatePwd()
                    }
                    ChkButton {
                        id: idChkLower
                        objectName: "chkLower"
                        text: "a-z"
                        onClicked: idRoot.updatePwd()
                    }
                    ChkButton {
                        id: idChkUpper
                        objectName: "chkUpper"
                        text: "A-Z"
                        onClicked: idRoot.updatePwd()
                    }
                    ChkButton {
                        id: idChkSpecial
                        objectName: "chkSpecial"
                        text: "!@#$."
                        onClicked: idRoot.updatePwd()
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                }

                TitledRow {
                    title: qsTr("长度")
                    spacing: Util.unitHeight
                    ZVText {
                        objectName: "lengthText"
                        text: idSlider.value
                        font.pointSize: Util.relativeFontPoint(0)
                        Layout.preferredWidth: Util.unitHeight * 2.5
                    }
                    NumSlider {
                        id: idSlider
                        objectName: "lengthSlider"
                        Layout.fillWidth: true
                        from: 4
                        to: 16
                        stepSize: 1
                        value: 8
                        onValueChanged: idRoot.updatePwd()
                    }
                }

                TitledRow {
                    title: qsTr("密码")
                    spacing: Util.unitHeight
                    ZVText {
                        objectName: "pwdText"
                        Layout.fillWidth: true
                        text: idRoot.pwdStr
                        font.pointSize: Util.relativeFontPoint(0)
                        elide: Text.ElideRight
                    }
                    TxtButton {
                        objectName: "regenerateButton"
                        text: qsTr("重新生成")
                        onClicked: idRoot.updatePwd()
                    }
                }

                LineTxtButton {
                    objectName: "generateDoneButton"
                    Layout.fillWidth: true
                    Layout.margins: Util.unitHeight * 2
                    text: qsTr("完成")
                    bkgnHiColor: Theme.buttonBlueHiColor
                    onClicked: {
                        idRoot.accepted()
                        idRoot.close()
                    }
                }
            }
        }
    }
}
