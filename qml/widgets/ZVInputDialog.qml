import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// One-line input dialog: a message above a bordered edit and the
// reject/accept button row. The accept button needs a non-empty text.
DialogFrame {
    id: idDialog

    property string msg: ""
    property alias userText: idEdit.text
    property alias inputValidator: idEdit.validator
    property alias inputMethodHints: idEdit.inputMethodHints
    property alias echoMode: idEdit.echoMode
    property alias upperCase: idEdit.upperCase

    acceptButtonText: qsTr("完成")
    rejectedButtonText: qsTr("取消")
    lineColor: Theme.popupSpacingColor
    // Only a non-empty text can be accepted.
    acceptEnabled: userText !== ""

    onRejected: userText = ""
    onOpened: idEdit.setFocus(true)

    ZVText {
        objectName: "dialogMsg"
        width: parent.width
        text: idDialog.msg
        font.pointSize: Util.relativeFontPoint(-2)
        horizontalAlignment: Text.AlignLeft
        wrapMode: Text.Wrap
        lineHeight: 1.3
        color: Theme.textColor
    }

    LineEdit {
        id: idEdit
        objectName: "dialogEdit"
        width: parent.width
        showBorder: true
        submitButton: idDialog.acceptButton
    }
}
