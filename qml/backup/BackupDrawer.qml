import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The frame of the backup and restore pages: a full-window drawer from the
// right edge with a title bar, an image above an explanation, and one button;
// its password dialog (emptied on every opening, blanks refused, input
// hidden).
DrawerPage {
    id: idRoot

    property alias imageSource: idImage.source
    property alias explanation: idExplanation.text
    property alias buttonText: idButton.text

    signal buttonClicked()
    // The backup password as typed.
    signal passwordGiven(string password)

    function askPassword() {
        idPasswordDialog.open()
    }

    returnText: qsTr("设置")

    Column {
        width: parent.width

        Item {
            width: 1
            height: Util.unitHeight * 4
        }
        Image {
            id: idImage
            anchors.horizontalCenter: parent.horizontalCenter
            width: Util.unitHeight * 6
            height: Util.unitHeight * 6
            sourceSize: Qt.size(width * 2, height * 2)
        }
        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        ZVText {
            id: idExplanation
            x: Util.unitHeight * 3
            width: parent.width - Util.unitHeight * 6
            wrapMode: Text.WordWrap
            lineHeight: 1.3
            color: Theme.pageTextColor
        }
        Item {
            width: 1
            height: Util.unitHeight * 4
        }
        PageButton {
            id: idButton
            objectName: "pageButton"
            width: parent.width
            onClicked: idRoot.buttonClicked()
        }
    }

    ZVInputDialog {
        id: idPasswordDialog
        objectName: "passwordDialog"
        msg: qsTr("输入备份密码：")
        inputValidator: RegExpValidator { regExp: /\S+/ }
        inputMethodHints: Qt.ImhHiddenText | Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
        echoMode: TextInput.Password
        onAboutToShow: userText = ""
        onAccepted: idRoot.passwordGiven(userText)
    }
}
