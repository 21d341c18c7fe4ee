import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "qrc:/js/db.js" as DB

PopupPage {
    id: idPage

    property bool checkPassed: false
    // Run by accepted(); set by the page that opens this one.
    property var callback: null

    readonly property alias question1: idQuestion1
    readonly property alias answer1: idAnswer1
    readonly property alias question2: idQuestion2
    readonly property alias answer2: idAnswer2
    readonly property alias checkButton: idCheckButton
    readonly property alias popupMsg: idPopupMsg

    property bool __opening: false

    onAccepted: {
        if (typeof callback === "function")
            callback()
    }

    onAboutToShow: {
        __opening = true
        checkPassed = false
        idQuestion1.text = DB.root.security.securityQuestion1
        idQuestion2.text = DB.root.security.securityQuestion2
        idAnswer1.text = ""
        idAnswer2.text = ""
        interactive = true
        __opening = false
    }

    function __answerEdited() {
        if (!__opening)
            interactive = false
    }

    function __showMsg(msg) {
        idPopupMsg.msg = msg
        idPopupMsg.open()
    }

    Column {
        width: parent.width

        PopupBar {
            width: parent.width
            CloseButton {
                id: idCloseButton
                anchors.left: parent.left
                anchors.leftMargin: Util.unitHeight * 2
                anchors.verticalCenter: parent.verticalCenter
                onClicked: idPage.close()
            }
            ZVText {
                anchors.centerIn: parent
                text: qsTr("验证密保")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-1)
                color: Theme.popupTextColor
            }
        }

        Item { width: parent.width; height: Util.unitHeight }

        SecQuestionRow {
            id: idQuestion1
            objectName: "checkQuestion1"
            label: qsTr("问题一")
            readOnly: true
        }
        SecQuestionRow {
            id: idAnswer1
            objectName: "checkAnswer1"
            label: qsTr("答案")
            placeholderText: qsTr("必填")
            onEdited: idPage.__answerEdited()
        }
        SecQuestionRow {
            id: idQuestion2
            objectName: "checkQuestion2"
            label: qsTr("问题二")
            readOnly: true
        }
        SecQuestionRow {
            id: idAnswer2
            objectName: "checkAnswer2"
            label: qsTr("答案")
            placeholderText: qsTr("必填")
            onEdited: idPage.__answerEdited()
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }

        LineTxtButton {
            id: idCheckButton
            objectName: "checkSecButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - Util.unitHeight * 4
            text: qsTr("验证")
            onClicked: {
                var a1 = Util.textTrimmed(idAnswer1.text)
                var a2 = Util.textTrimmed(idAnswer2.text)
                idAnswer1.text = a1
                idAnswer2.text = a2
                if (a1 === "" || a2 === "") {
                    idPage.__showMsg(qsTr("请输入密保答案"))
                    return
                }
                var key = Qt.md5(a1 + a2)
                if (Qt.md5(key) === DB.root.security.verifiedSecurityAnswer) {
                    DB.securityAnswer = key
                    idPage.checkPassed = true
                    idPage.accepted()
                    idPage.close()
                } else {
                    idPage.__showMsg(qsTr("密保答案不正确"))
                }
            }
        }

        Item { width: parent.width; height: Util.unitHeight * 2 }

        ZVHomeIndicator {
        }

        PopupMsg {
            id: idPopupMsg
        }
    }
}
