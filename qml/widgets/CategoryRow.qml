import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/icon.js" as Icon

// The "分类" row of the entry and note sheets: the box's icon and name and,
// with chooseButton, the button that asks for another box (chooseClicked).
// The name takes the room the other items leave and is elided at its end
// only when that room is too small for it.
TitledRow {
    id: idRow

    // The box shown: a box record ({ iconId, name }), or null for none.
    property var box: null
    property bool chooseButton: true
    readonly property alias nameItem: idName
    readonly property alias buttonItem: idButton

    signal chooseClicked()

    title: qsTr("分类")

    Image {
        Layout.preferredWidth: Util.unitHeight * 2.4
        Layout.preferredHeight: Util.unitHeight * 2.4
        sourceSize: Qt.size(width * 2, height * 2)
        source: idRow.box ? Icon.getIconUrl(idRow.box.iconId) : ""
    }
    ZVText {
        id: idName
        objectName: "boxText"
        Layout.fillWidth: true
        text: idRow.box ? idRow.box.name : ""
        elide: Text.ElideRight
    }
    TxtButton {
        id: idButton
        objectName: "chooseBoxButton"
        visible: idRow.chooseButton
        text: qsTr("选择分类")
        onClicked: idRow.chooseClicked()
    }
}
