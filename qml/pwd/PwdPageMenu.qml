import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"

// The drop-down menu of the passwords tab, hanging under the title bar at
// the right.
Popup {
    id: idRoot

    property real popupTopMargin: 0
    property real popupRightMargin: Util.unitHeight

    signal menuAddCategory()
    signal menuAddPassword()
    signal menuScanCode()

    function triggerAddPassword() {
        menuAddPassword()
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

    readonly property var __items: [{
            "text": qsTr("添加分类"),
            "icon": "qrc:/img/pwd/newBox.png",
            "iconDark": "qrc:/img/pwd/newBox_dark.png"
        }, {
            "text": qsTr("添加密码"),
            "icon": "qrc:/img/pwd/newPwd.png",
            "iconDark": "qrc:/img/pwd/newPwd_dark.png"
        }, {
            "text": qsTr("扫一扫"),
            "icon": "qrc:/img/pwd/scanCode.png",
            "iconDark": "qrc:/img/pwd/scanCode_dark.png"
        }]

    // Wide enough for the longest text (in any language): the item's
    // paddings of 3 units each, the icon of 2, the gap of 1.5 and the text.
    readonly property real __panelWidth: {
        var textWidth = 0
        for (var i = 0; i < __items.length; ++i)
            textWidth = Math.max(textWidth, Util.textWidth(Util.relativeFontPoint(-2),
                                                           __items[i].text))
        return Math.max(Util.unitHeight * 16, textWidth + Util.unitHeight * 10)
    }

    function __trigger(idx) {
        close()
        if (idx === 0)
            menuAddCategory()
        else if (idx === 1)
            menuAddPassword()
        else
            menuScanCode()
    }

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
            id: idTriangle
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
            objectName: "pwdPageMenuPanel"
            anchors.right: parent.right
            anchors.rightMargin: idRoot.popupRightMargin
            y: idRoot.popupTopMargin - 1
            width: idRoot.__panelWidth
            height: rowHeight * idRoot.__items.length + (idRoot.__items.length - 1) + 2
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
                    model: idRoot.__items
                    PageMenuItem {
                        objectName: "pageMenuItem_" + index
                        width: idPanel.width
                        text: modelData.text
                        iconSource: Theme.darkMode ? modelData.iconDark : modelData.icon
                        onPressedChanged: idPanel.highlightedIndex = pressed ? index : -1
                        onClicked: idRoot.__trigger(index)
                    }
                }
            }
        }
    }
}
