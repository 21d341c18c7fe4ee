import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The head of the cloud pages: a title image (double-click reported) and an
// optional explanation under it.
Column {
    id: idRoot

    property alias source: idImage.source
    property alias text: idText.text

    signal imageDoubleClicked()

    width: parent ? parent.width : Util.screenSize.width
    spacing: 2 * Util.unitHeight
    topPadding: 3 * Util.unitHeight
    bottomPadding: 2 * Util.unitHeight

    Image {
        id: idImage
        objectName: "titleImage"
        anchors.horizontalCenter: parent.horizontalCenter
        width: 6 * Util.unitHeight
        height: 6 * Util.unitHeight
        sourceSize: Qt.size(width * 2, height * 2)
        MouseArea {
            anchors.fill: parent
            onDoubleClicked: idRoot.imageDoubleClicked()
        }
    }

    ZVText {
        id: idText
        x: 3 * Util.unitHeight
        width: parent.width - 6 * Util.unitHeight
        visible: text !== ""
        wrapMode: Text.WordWrap
        lineHeight: 1.3
        color: Theme.pageTextColor
    }
}
