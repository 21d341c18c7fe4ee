import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/Widgets2/Panel"

// A tab's drop-down menu: a panel of items hanging under the title bar at the
// right, with a small upward triangle pointing at the menu button, over a
// dark layer that closes it. items: [{ text, icon, iconDark }]; a click
// closes the menu, then reports triggered(index).
Popup {
    id: idRoot

    property real popupTopMargin: 0
    property real popupRightMargin: Util.unitHeight
    property var items: []

    signal triggered(int index)

    // Wide enough for the longest text (in any language): the item's
    // paddings of 3 units each, the icon of 2, the gap of 1.5 and the text.
    readonly property real __panelWidth: {
        var textWidth = 0
        for (var i = 0; i < items.length; ++i)
            textWidth = Math.max(textWidth, Util.textWidth(Util.relativeFontPoint(-2),
                                                           items[i].text))
        return Math.max(Util.unitHeight * 16, textWidth + Util.unitHeight * 10)
    }

    parent: Overlay.overlay
    x: 0
    y: 0
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    padding: 0
    modal: false
    dim: false
    focus: true
    closePolicy: Popup.CloseOnEscape
    background: Item {}

    contentItem: Item {
        Rectangle {
            anchors.fill: parent
            color: "black"
            opacity: Theme.overlayOpacity
            MouseArea {
                anchors.fill: parent
                onClicked: idRoot.close()
            }
        }

        Canvas {
            width: Util.unitHeight * 2
            height: Util.unitHeight
            x: parent.width - (idRoot.popupRightMargin + Util.unitHeight * 2) - width
            y: idPanel.y - height + 1
            property color fillColor: idPanel.highlightedIndex === 0 ? Theme.menuHiColor
                                                                     : Theme.menuColor
            onFillColorChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.fillStyle = fillColor
                ctx.beginPath()
                ctx.moveTo(0, height)
                ctx.lineTo(width / 2, 0)
                ctx.lineTo(width, height)
                ctx.closePath()
                ctx.fill()
            }
        }

        SpacingLinePanel {
            id: idPanel
            objectName: "pageMenuPanel"
            anchors.right: parent.right
            anchors.rightMargin: idRoot.popupRightMargin
            y: idRoot.popupTopMargin - 1
            width: idRoot.__panelWidth
            height: rowHeight * idRoot.items.length + (idRoot.items.length - 1) + 2
            rowHeight: Util.unitHeight * 5
            color: Theme.menuColor
            hiColor: Theme.menuHiColor
            lineColor: Theme.menuSpacingColor
            leftIndent: 0
            rightIndent: 0
            showLast: false
            radius: Math.ceil(Util.unitHeight * 0.5)

            Column {
                anchors.fill: parent
                anchors.topMargin: 1
                spacing: 1
                Repeater {
                    model: idRoot.items
                    PageMenuItem {
                        objectName: "pageMenuItem_" + index
                        width: idPanel.width
                        text: modelData.text
                        iconSource: Theme.darkMode ? modelData.iconDark : modelData.icon
                        onPressedChanged: idPanel.highlightedIndex = pressed ? index : -1
                        onClicked: {
                            idRoot.close()
                            idRoot.triggered(index)
                        }
                    }
                }
            }
        }
    }
}
