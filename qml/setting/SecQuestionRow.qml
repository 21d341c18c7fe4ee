import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// One labelled edit row of the security-question pages.
Item {
    id: idRow
    property alias label: idLabel.text
    property alias edit: idEdit
    property alias text: idEdit.text
    property alias placeholderText: idEdit.placeholderText
    property alias readOnly: idEdit.readOnly
    signal edited()

    width: parent ? parent.width : 0
    height: Util.unitHeight * 5

    ZVText {
        id: idLabel
        anchors.left: parent.left
        anchors.leftMargin: Util.unitHeight * 2
        anchors.verticalCenter: parent.verticalCenter
        width: Util.unitHeight * 7
        color: Theme.textColor
        font.pointSize: Util.relativeFontPoint(-2)
    }

    LineEdit {
        id: idEdit
        anchors.left: idLabel.right
        anchors.right: parent.right
        anchors.rightMargin: Util.unitHeight * 2
        anchors.verticalCenter: parent.verticalCenter
        showBorder: true
        onTextChanged: idRow.edited()
    }
}
