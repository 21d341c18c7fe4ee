import QtQuick 2.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Sets the two security questions and their answers, which can later unlock
// the login password when it is forgotten.
SheetPage {
    id: idPage

    title: qsTr("修改密保")

    property bool changeSucc: false

    readonly property alias question1: idQuestion1
    readonly property alias answer1: idAnswer1
    readonly property alias question2: idQuestion2
    readonly property alias answer2: idAnswer2
    readonly property alias nextButton: idNextButton

    // MD5 of the answer key of the first pass; empty during the first pass.
    property string __verifyValue: ""
    property bool __opening: false

    onAboutToShow: {
        __opening = true
        changeSucc = false
        __verifyValue = ""
        idQuestion1.text = ""
        idAnswer1.text = ""
        idQuestion2.text = ""
        idAnswer2.text = ""
        idQuestion1.readOnly = false
        idQuestion2.readOnly = false
        idAnswer1.placeholderText = qsTr("必填")
        idAnswer2.placeholderText = qsTr("必填")
        idNextButton.text = qsTr("下一步")
        interactive = true
        __opening = false
    }

    function __edited() {
        if (!__opening)
            interactive = false
    }

    Column {
        width: parent.width

        Item { width: parent.width; height: Util.unitHeight }

        SecQuestionRow {
            id: idQuestion1
            submitButton: idNextButton
            objectName: "changeQuestion1"
            label: qsTr("问题一")
            placeholderText: qsTr("如：母亲的名字")
            onEdited: idPage.__edited()
        }
        SecQuestionRow {
            id: idAnswer1
            submitButton: idNextButton
            objectName: "changeAnswer1"
            label: qsTr("答案")
            placeholderText: qsTr("必填")
            onEdited: idPage.__edited()
        }
        SecQuestionRow {
            id: idQuestion2
            submitButton: idNextButton
            objectName: "changeQuestion2"
            label: qsTr("问题二")
            placeholderText: qsTr("如：儿时最好的玩伴名字")
            onEdited: idPage.__edited()
        }
        SecQuestionRow {
            id: idAnswer2
            submitButton: idNextButton
            objectName: "changeAnswer2"
            label: qsTr("答案")
            placeholderText: qsTr("必填")
            onEdited: idPage.__edited()
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }

        LineTxtButton {
            id: idNextButton
            objectName: "changeSecButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - Util.unitHeight * 4
            text: qsTr("下一步")
            onClicked: {
                var fields = [idQuestion1, idAnswer1, idQuestion2, idAnswer2]
                var empty = false
                for (var i = 0; i < fields.length; i++) {
                    var t = Util.textTrimmed(fields[i].text)
                    if (fields[i].text !== t)
                        fields[i].text = t
                    if (t === "")
                        empty = true
                }
                if (empty) {
                    idPage.showMsg(qsTr("请输入完整的信息"))
                    return
                }
                var key = Qt.md5(idAnswer1.text + idAnswer2.text)
                if (idPage.__verifyValue === "") {
                    idPage.__verifyValue = Qt.md5(key)
                    idQuestion1.readOnly = true
                    idQuestion2.readOnly = true
                    idAnswer1.text = ""
                    idAnswer2.text = ""
                    idAnswer1.placeholderText = qsTr("再次输入")
                    idAnswer2.placeholderText = qsTr("再次输入")
                    idNextButton.text = qsTr("完成")
                    return
                }
                if (Qt.md5(key) !== idPage.__verifyValue) {
                    idPage.showMsg(qsTr("答案不匹配，请重新输入"))
                    return
                }
                var security = DB.root.security
                DB.securityAnswer = key
                security.securityQuestion1 = idQuestion1.text
                security.securityQuestion2 = idQuestion2.text
                security.verifiedSecurityAnswer = Qt.md5(key)
                security.encryptedLoginPassword = Encryptor.aesEncrypt(key, DB.loginPassword)
                if (!DB.save()) {
                    // Not written: the questions in force stay.
                    showMsg(qsTr("保存数据失败"), true)
                    return
                }
                idPage.changeSucc = true
                idPage.accepted()
                idPage.close()
            }
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }
    }
}
