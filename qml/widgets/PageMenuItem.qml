import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// An entry of a page's drop-down menu: icon and text. The menu's panel
// draws the rows and the highlight.
MenuItem {
    id: idItem

    property url iconSource

    implicitHeight: 5 * Util.unitHeight
    leftPadding: 3 * Util.unitHeight
    rightPadding: 3 * Util.unitHeight
    topPadding: 0
    bottomPadding: 0
    spacing: 1.5 * Util.unitHeight

    indicator: Item {}
    arrow: Item {}

    contentItem: Item {
        Image {
            id: idIcon
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            width: 2 * Util.unitHeight
            height: width
            source: idItem.iconSource
            smooth: true
            mipmap: true
        }
        ZVText {
            anchors.left: idIcon.right
            anchors.leftMargin: idItem.spacing
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: idItem.text
            font.pointSize: Util.relativeFontPoint(-2)
            color: Theme.menuTextColor
            horizontalAlignment: Text.AlignLeft
            elide: Text.ElideRight
        }
    }

    background: Item {}
}
