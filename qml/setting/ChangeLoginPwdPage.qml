import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Sets a new login password, entered twice on the keypad or in the text
// field, and stores the vault under it.
SheetPage {
    id: idPage

    title: qsTr("修改密码")
    interactive: false

    readonly property alias promptText: idPrompt
    readonly property alias pwdInput: idPwdInput
    readonly property alias lineEdit: idLineEdit
    readonly property alias okButton: idOkButton
    readonly property alias switchButton: idSwitchButton
    readonly property alias inputStack: idInputStack

    function __switchInput(idx) {
        idInputStack.currentIndex = idx
        if (idx === 1) {
            idLineEdit.setFocus(true)
            idPwdInput.reset()
        } else {
            idLineEdit.text = ""
        }
    }

    onAboutToShow: {
        idNewPwd.firstPwd = ""
        idPrompt.text = qsTr("请输入新密码")
        idSwitchButton.visible = true
        idPwdInput.reset()
        idLineEdit.text = ""
        __switchInput(DB.root.app.login.typeIndex === 1 ? 1 : 0)
    }

    Column {
        id: idContent
        width: parent.width

        Item {
            width: parent.width
            height: Util.unitHeight * 2
        }

        ZVText {
            id: idPrompt
            objectName: "changePwdPrompt"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("请输入新密码")
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
                    objectName: "changePwdInput"
                    anchors.horizontalCenter: parent.horizontalCenter
                    onInputFinished: {
                        idSwitchButton.visible = false
                        if (!idNewPwd.enter(Qt.md5(pwdStr)))
                            cleanInput()
                        else if (idNewPwd.saveLoginKey(Qt.md5(pwdStr), 0))
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
                    objectName: "changeLineEdit"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Util.unitHeight * 26
                    showBorder: true
                    echoMode: TextInput.Password
                    inputMethodHints: Qt.ImhHiddenText | Qt.ImhSensitiveData
                                      | Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
                    validator: RegExpValidator { regExp: /\S+/ }
                    submitButton: idOkButton
                }
            }
        }

        LineTxtButton {
            id: idOkButton
            objectName: "changeOkButton"
            visible: idInputStack.currentIndex === 1
            anchors.horizontalCenter: parent.horizontalCenter
            width: Util.unitHeight * 26
            text: qsTr("确定")
            onClicked: {
                idSwitchButton.visible = false
                var txt = idLineEdit.text
                if (txt === "") {
                    idPage.showMsg(qsTr("请输入密码"))
                    idLineEdit.setFocus(true)
                    return
                }
                var md = Qt.md5(txt)
                if (idNewPwd.enter(md) && idNewPwd.saveLoginKey(md, 1)) {
                    idLineEdit.text = ""
                    idPage.accepted()
                    idPage.close()
                    return
                }
                idLineEdit.text = ""
                idLineEdit.setFocus(true)
            }
        }

        LnkButton {
            id: idSwitchButton
            objectName: "changeSwitchButton"
            anchors.horizontalCenter: parent.horizontalCenter
            color: Theme.textBlueColor
            text: idInputStack.currentIndex === 0 ? qsTr("键盘输入") : qsTr("数字键盘")
            onClicked: idPage.__switchInput(idInputStack.currentIndex === 0 ? 1 : 0)
        }

        Item {
            width: parent.width
            height: Util.unitHeight * 2
        }
    }

    NewPwdFlow {
        id: idNewPwd
        prompt: idPrompt
        startText: qsTr("请输入新密码")
        showMsg: function (msg, sticky) { idPage.showMsg(msg, sticky) }
    }
}
