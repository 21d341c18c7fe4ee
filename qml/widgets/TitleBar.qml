import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The page title bar: status-bar spacer, then the content bar with an
// optional back button, the centred title, an optional plus button and an
// optional custom button.
Rectangle {
    id: idBar

    property string text
    property string returnText
    property bool haveReturnButton: false
    property bool haveMenuButton: false
    property Component customButton
    property bool customButtonVisable: false
    readonly property int contentBarHeight: Math.ceil(4.4 * Util.unitHeight)

    signal returnButtonClicked()
    signal menuButtonClicked()

    color: Theme.appBarColor
    implicitWidth: Util.screenSize.width
    implicitHeight: idColumn.height

    Column {
        id: idColumn
        width: parent.width

        Item {
            width: parent.width
            height: Theme.statusBarHeight
        }

        Item {
            id: idContent
            width: parent.width
            height: idBar.contentBarHeight

            ReturnButton {
                id: idReturnButton
                anchors.left: parent.left
                anchors.leftMargin: Math.ceil(1.3 * Util.unitHeight)
                anchors.verticalCenter: parent.verticalCenter
                visible: idBar.haveReturnButton
                text: idBar.returnText.length > 0 ? idBar.returnText : "    "
                onClicked: idBar.returnButtonClicked()
            }

            ZVText {
                anchors.centerIn: parent
                width: parent.width / 2
                text: idBar.text
                font.bold: true
                font.pointSize: Util.relativeFontPoint(0)
                color: Theme.appBarTextColor
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
            }

            PlusButton {
                id: idMenuButton
                anchors.right: parent.right
                anchors.rightMargin: 1.5 * Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                visible: idBar.haveMenuButton
                color: Theme.appBarTextColor
                onClicked: idBar.menuButtonClicked()
            }

            Loader {
                anchors.right: parent.right
                anchors.rightMargin: 2 * Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                sourceComponent: idBar.customButton
                visible: idBar.customButtonVisable
            }
        }
    }
}
