import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The page title bar: status-bar spacer, then the content bar with an
// optional back button, the title (centred where the side buttons leave room
// for it), an optional plus button and an optional custom button.
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

            // Its text is shown whole when the title stays whole beside it,
            // else cut to a quarter of the screen at most.
            ReturnButton {
                id: idReturnButton
                anchors.left: parent.left
                anchors.leftMargin: Math.ceil(1.3 * Util.unitHeight)
                anchors.verticalCenter: parent.verticalCenter
                width: naturalWidth <= idTitle.rightBound - idTitle.implicitWidth - idTitle.gap - x
                       ? naturalWidth : implicitWidth
                visible: idBar.haveReturnButton
                text: idBar.returnText.length > 0 ? idBar.returnText : "    "
                onClicked: idBar.returnButtonClicked()
            }

            BarTitle {
                id: idTitle
                objectName: "titleBarTitle"
                leftItems: [idReturnButton]
                rightItems: [idMenuButton, idCustomButton]
                text: idBar.text
                font.pointSize: Util.relativeFontPoint(0)
                color: Theme.appBarTextColor
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
                id: idCustomButton
                anchors.right: parent.right
                anchors.rightMargin: 2 * Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                sourceComponent: idBar.customButton
                visible: idBar.customButtonVisable
            }
        }
    }
}
