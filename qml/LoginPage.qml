import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun

// The login page, also the lock screen: the login password on the keypad or
// in the text field, the new password entered twice on the first run and
// after a forgotten password, and the way to the security questions.
Rectangle {
    id: idLoginPage
    color: Theme.appBarColor

    signal loginSucceeded(bool pwdChanged)

    // MD5 of the first entry of a new password.
    property alias firstLoginPwd: idNewPwd.firstPwd
    // Changes of the text field since the page was created.
    property int tryLoginCount: 0

    readonly property alias promptText: idPrompt
    readonly property alias pwdInput: idPwdInput
    readonly property alias lineEdit: idLineEdit
    readonly property alias okButton: idOkButton
    readonly property alias bottomBar: idBottomBar
    readonly property alias forgetButton: idForgetButton
    readonly property alias inputStack: idInputStack
    readonly property alias popupMsg: idPopupMsg
    readonly property alias checkSecQuestionPage: idCheckSecQuestionPage
    readonly property alias changeLoginPwdPage: idChangeLoginPwdPage

    // Set while the page empties the field itself, so that this change is
    // not taken as a typed attempt.
    property bool __clearing: false

    function __clearField() {
        __clearing = true
        idLineEdit.text = ""
        __clearing = false
    }

    function __isLockedOut() {
        var login = DB.root.app.login
        return idBottomBar.visible && login.pwdTry >= login.pwdTryMax
    }

    function __showLockedMsg() {
        idPopupMsg.show(qsTr("密码被锁定，请点击") + "\"" + qsTr("忘记密码") + "\"" + qsTr("进行重置"), true)
    }


    function __switchInput(idx) {
        idInputStack.currentIndex = idx
        if (idx === 1) {
            idInputArea.height = Math.ceil(idPwdInput.implicitHeight * 0.6)
            idOkButton.visible = DB.isEmptyPassword()
            idLineEdit.setFocus(true)
        } else {
            idInputArea.height = idPwdInput.implicitHeight
            idOkButton.visible = false
        }
    }

    function __prepare() {
        idPrompt.text = qsTr("输入密码")
        idPwdInput.reset()
        __clearField()
        if (DB.isEmptyPassword()) {
            idBottomBar.visible = false
            idPrompt.text = qsTr("设置新密码")
            __switchInput(Pubfun.isOnDesktop() ? 1 : idInputStack.currentIndex)
            return
        }
        idBottomBar.visible = DB.loginPassword === ""
                && DB.root.security.encryptedLoginPassword !== undefined
                && DB.root.security.encryptedLoginPassword !== ""
        var typeIndex = DB.root.app.login.typeIndex === 1 ? 1 : 0
        __switchInput(typeIndex)
    }

    onVisibleChanged: {
        if (visible)
            __prepare()
    }

    Image {
        id: idLoginImage
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.ceil(parent.height * 0.06) + Theme.statusBarHeight
        width: Util.unitHeight * (Util.isPad() ? 10 : 6)
        height: width
        source: "qrc:/img/loginIco.png"
        sourceSize: Qt.size(width * 2, height * 2)
    }

    ZVText {
        id: idPrompt
        objectName: "loginPrompt"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: idInputArea.top
        anchors.bottomMargin: Util.unitHeight * 2
        text: qsTr("输入密码")
        color: Theme.textWhiteColor
        font.pointSize: Util.relativeFontPoint(0)
    }

    // The input stands at a fixed place below the image, whatever the
    // height of the prompt's font.
    Item {
        id: idInputArea
        width: Math.max(idPwdInput.implicitWidth, Util.unitHeight * 26)
        height: idPwdInput.implicitHeight
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: idLoginImage.bottom
        anchors.topMargin: Util.unitHeight * 7

        StackLayout {
            id: idInputStack
            anchors.fill: parent
            currentIndex: 0
            onCurrentIndexChanged: DB.root.app.login.typeIndex = currentIndex

            Item {
                PwdInput {
                    id: idPwdInput
                    objectName: "loginPwdInput"
                    anchors.horizontalCenter: parent.horizontalCenter
                    buttonColor: Theme.textWhiteColor
                    buttonColorHi: Theme.appBarColor
                    numberButtonTextSize: Util.relativeFontPoint(Util.isPad() ? 18 : 22)

                    onInputFinished: {
                        if (idLoginPage.__isLockedOut()) {
                            idLoginPage.__showLockedMsg()
                            errorInput()
                            return
                        }
                        var md = Qt.md5(pwdStr)
                        if (DB.isEmptyPassword()) {
                            if (idNewPwd.enter(md)) {
                                if (idNewPwd.saveLoginKey(md))
                                    cleanInput(true)
                                else
                                    errorInput()
                            } else {
                                cleanInput()
                            }
                            return
                        }
                        if (DB.loginPassword === "") {
                            if (DB.login(md))
                                cleanInput(true)
                            else
                                errorInput()
                        } else if (md === DB.loginPassword) {
                            cleanInput(true)
                        } else {
                            errorInput()
                        }
                    }
                    onCleanInputFinished: {
                        idBottomBar.visible = false
                        idLoginPage.loginSucceeded(false)
                    }
                }
            }

            // The button hangs below the field by anchors: a positioner would
            // lay the field out as empty while this page was still unsized and
            // leave the button over it.
            Item {
                Item {
                    id: idFieldRow
                    width: idInputArea.width
                    height: idLineEdit.implicitHeight

                    LineEdit {
                        id: idLineEdit
                        objectName: "loginLineEdit"
                        width: parent.width
                        showBorder: true
                        echoMode: TextInput.Password
                        inputMethodHints: Qt.ImhHiddenText | Qt.ImhSensitiveData
                                          | Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
                        validator: RegExpValidator { regExp: /\S+/ }
                        // Only a new password has a button to confirm it; a
                        // login is checked at every change.
                        submitButton: idOkButton

                        onTextChanged: {
                            if (idLoginPage.__clearing || idOkButton.visible)
                                return
                            idLoginPage.tryLoginCount++
                            if (idLoginPage.__isLockedOut()) {
                                idLoginPage.__showLockedMsg()
                                idLoginPage.__clearField()
                                return
                            }
                            var md = Qt.md5(text)
                            if (DB.loginPassword === "") {
                                if (idLoginPage.tryLoginCount % 20 !== 0 && !DB.tryLogin(md))
                                    return
                                if (DB.login(md))
                                    idSuccessAnimation.start()
                            } else if (md === DB.loginPassword) {
                                idSuccessAnimation.start()
                            }
                        }
                    }

                    SuccessfulAnimation {
                        id: idSuccessAnimation
                        anchors.verticalCenter: idLineEdit.verticalCenter
                        anchors.left: idLineEdit.right
                        anchors.leftMargin: Util.unitHeight
                        onStopped: {
                            idLoginPage.__clearField()
                            idBottomBar.visible = false
                            idLoginPage.loginSucceeded(false)
                            Qt.inputMethod.hide()
                        }
                    }
                }

                LineTxtButton {
                    id: idOkButton
                    objectName: "loginOkButton"
                    anchors.top: idFieldRow.bottom
                    anchors.topMargin: Util.unitHeight * 2
                    width: idInputArea.width
                    visible: false
                    text: qsTr("确定")
                    colorText: Theme.appBarColor
                    bkgnColor: Theme.textWhiteColor
                    transDown: true
                    onClicked: {
                        var txt = idLineEdit.text
                        if (txt === "") {
                            idPopupMsg.show(qsTr("请输入密码"))
                            idLineEdit.setFocus(true)
                            return
                        }
                        var md = Qt.md5(txt)
                        if (idNewPwd.enter(md)) {
                            if (!idNewPwd.saveLoginKey(md)) {
                                idLoginPage.__clearField()
                                return
                            }
                            idOkButton.visible = false
                            idBottomBar.visible = false
                            idLoginPage.__clearField()
                            idLoginPage.loginSucceeded(true)
                            return
                        }
                        idLoginPage.__clearField()
                        idLineEdit.setFocus(true)
                    }
                }
            }
        }
    }

    Item {
        id: idBottomBar
        objectName: "loginBottomBar"
        visible: false
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.homeIndicatorHeight
        height: Util.unitHeight * 6

        LnkButton {
            id: idForgetButton
            objectName: "forgetButton"
            anchors.centerIn: parent
            text: qsTr("忘记密码？")
            onClicked: idCheckSecQuestionPage.open()
        }
    }

    PopupMsg {
        id: idPopupMsg
    }

    NewPwdFlow {
        id: idNewPwd
        prompt: idPrompt
        startText: qsTr("设置新密码")
        showMsg: function (msg, sticky) { idPopupMsg.show(msg, sticky) }
    }

    CheckSecQuestionPage {
        id: idCheckSecQuestionPage
        onAccepted: {
            var loginKey = Encryptor.aesDecrypt(DB.securityAnswer,
                                                DB.root.security.encryptedLoginPassword)
            // Once the vault is open its data is no longer the stored cipher
            // text; then the unwrapped key is compared with the open one.
            var ok = DB.loginPassword !== "" ? (loginKey !== "" && loginKey === DB.loginPassword)
                                             : DB.login(loginKey)
            if (!ok)
                return
            if (idInputStack.currentIndex === 1) {
                idOkButton.visible = true
                idLoginPage.firstLoginPwd = ""
                idPrompt.text = qsTr("设置新密码")
                idLoginPage.__clearField()
                idLineEdit.setFocus(true)
            } else {
                idChangeLoginPwdPage.open()
            }
        }
    }

    ChangeLoginPwdPage {
        id: idChangeLoginPwdPage
        onAccepted: {
            idBottomBar.visible = false
            idLoginPage.loginSucceeded(true)
        }
    }
}
