import QtQuick 2.12
import Lib.Util 1.0
import "qrc:/widgets"

// The two security questions of a document's security part, read-only, with
// an answer field under each and the "验证" button. The answers are trimmed
// and put back; they pass when MD5 of their key (MD5 of answer one followed
// directly by answer two) equals the part's verifiedSecurityAnswer, and
// passed(key) reports the key; refused(msg) gives the message for empty or
// wrong answers, which the sheet holding the form shows.
Column {
    id: idForm

    property string __verifiedAnswer: ""
    readonly property alias question1: idQuestion1
    readonly property alias answer1: idAnswer1
    readonly property alias question2: idQuestion2
    readonly property alias answer2: idAnswer2
    readonly property alias checkButton: idCheckButton

    signal passed(string key)
    signal refused(string msg)
    // An answer was changed by the user (not by reset()).
    signal answerEdited()

    property bool __resetting: false

    // Shows the questions of `security` with empty answers.
    function reset(security) {
        var sec = security || {}
        __resetting = true
        __verifiedAnswer = sec.verifiedSecurityAnswer || ""
        idQuestion1.text = sec.securityQuestion1 || ""
        idQuestion2.text = sec.securityQuestion2 || ""
        idAnswer1.text = ""
        idAnswer2.text = ""
        __resetting = false
    }

    function check() {
        var a1 = Util.textTrimmed(idAnswer1.text)
        var a2 = Util.textTrimmed(idAnswer2.text)
        idAnswer1.text = a1
        idAnswer2.text = a2
        if (a1 === "" || a2 === "") {
            idForm.refused(qsTr("请输入密保答案"))
            return
        }
        var key = Qt.md5(a1 + a2)
        if (Qt.md5(key) === __verifiedAnswer)
            passed(key)
        else
            idForm.refused(qsTr("密保答案不正确"))
    }

    function __edited() {
        if (!__resetting)
            answerEdited()
    }

    width: parent ? parent.width : 0

    SecQuestionRow {
        id: idQuestion1
        objectName: "question1"
        label: qsTr("问题一")
        readOnly: true
    }
    SecQuestionRow {
        id: idAnswer1
        submitButton: idCheckButton
        objectName: "answer1"
        label: qsTr("答案")
        placeholderText: qsTr("必填")
        onEdited: idForm.__edited()
    }
    SecQuestionRow {
        id: idQuestion2
        objectName: "question2"
        label: qsTr("问题二")
        readOnly: true
    }
    SecQuestionRow {
        id: idAnswer2
        submitButton: idCheckButton
        objectName: "answer2"
        label: qsTr("答案")
        placeholderText: qsTr("必填")
        onEdited: idForm.__edited()
    }

    Item { width: parent.width; height: Util.unitHeight * 2 }

    LineTxtButton {
        id: idCheckButton
        objectName: "checkButton"
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - Util.unitHeight * 4
        text: qsTr("验证")
        onClicked: idForm.check()
    }
}
