import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Asks for the login password (keypad or text, as the vault's login uses)
// before a protected step, and runs the caller's callback once it is right.
SheetPage {
    id: idPage

    title: qsTr("验证密码")

    // Run by accepted(); set by the page that opens this one.
    property var callback: null

    readonly property alias pwdInput: idPwdInput
    readonly property alias lineEdit: idLineEdit
    readonly property alias inputStack: idInputStack

    onAccepted: {
        if (typeof callback === "function")
            callback()
    }

    // A check closed while it shows its success (the keypad's pause, the
    // tick) ends in nothing: no accepted(), no callback, now or later. What
    // was typed does not stay behind in the hidden page.
    onAboutToHide: {
        idPwdInput.reset()
        idSuccessAnimation.stop()
        idLineEdit.text = ""
    }

    onAboutToShow: {
        idPwdInput.reset()
        idLineEdit.text = ""
        var typeIndex = DB.root.app.login.typeIndex === 1 ? 1 : 0
        idInputStack.currentIndex = typeIndex
        if (typeIndex === 1)
            idLineEdit.setFocus(true)
    }

    Column {
        width: parent.width

        Item {
            width: parent.width
            height: Util.unitHeight * 2
        }

        ZVText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("输入密码")
            color: Theme.textColor
            font.pointSize: Util.relativeFontPoint(0)
        }

        Item {
            width: parent.width
            height: Util.unitHeight * 2
        }

        StackLayout {
            id: idInputStack
            width: parent.width
            height: currentIndex === 0 ? idPwdInput.implicitHeight
                                       : Math.ceil(idPwdInput.implicitHeight * 0.3)

            Item {
                PwdInput {
                    id: idPwdInput
                    objectName: "checkPwdInput"
                    anchors.horizontalCenter: parent.horizontalCenter
                    onInputFinished: {
                        if (Qt.md5(pwdStr) === DB.loginPassword)
                            cleanInput(true)
                        else
                            errorInput()
                    }
                    onCleanInputFinished: {
                        idPage.accepted()
                        idPage.close()
                    }
                }
            }

            Item {
                LineEdit {
                    id: idLineEdit
                    objectName: "checkLineEdit"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Util.unitHeight * 26
                    showBorder: true
                    echoMode: TextInput.Password
                    inputMethodHints: Qt.ImhHiddenText | Qt.ImhSensitiveData
                                      | Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
                    onTextChanged: {
                        if (text !== "" && Qt.md5(text) === DB.loginPassword)
                            idSuccessAnimation.start()
                    }
                }
                SuccessfulAnimation {
                    id: idSuccessAnimation
                    anchors.left: idLineEdit.right
                    anchors.leftMargin: Util.unitHeight
                    anchors.verticalCenter: idLineEdit.verticalCenter
                    onStopped: {
                        idLineEdit.text = ""
                        idPage.accepted()
                        idPage.close()
                        Qt.inputMethod.hide()
                    }
                }
            }
        }

        Item {
            width: parent.width
            height: Util.unitHeight * 3
        }
    }
}
