import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Confirmation dialog: title, message and an optional client item over a
// row of a reject and an accept button, centred on a darkened screen.
DialogFrame {
    id: idDialog

    property string title: ""
    property string msg: ""
    property int msgHorizontalAlignment: Text.AlignHCenter
    property bool acceptButtonWarning: false
    property Component client: null

    acceptButtonText: qsTr("确定")
    rejectedButtonText: qsTr("取消")
    acceptTextColor: acceptButtonWarning ? Theme.textRedColor : Theme.textBlueColor

    ZVText {
        objectName: "dialogTitle"
        width: parent.width
        visible: idDialog.title !== ""
        text: idDialog.title
        font.bold: true
        font.pointSize: Util.relativeFontPoint(-2)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        lineHeight: 1.3
        color: Theme.textColor
    }

    ZVText {
        objectName: "dialogMsg"
        width: parent.width
        visible: idDialog.msg !== ""
        text: idDialog.msg
        font.pointSize: Util.relativeFontPoint(idDialog.title !== "" ? -4 : -2)
        horizontalAlignment: idDialog.msgHorizontalAlignment
        wrapMode: Text.Wrap
        lineHeight: 1.3
        color: Theme.textColor
    }

    Loader {
        width: parent.width
        active: idDialog.client !== null
        visible: active
        sourceComponent: idDialog.client
    }
}
