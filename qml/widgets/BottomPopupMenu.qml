import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/Widgets2/Panel"

// Action sheet: a rounded group of entries {text, color} and a separate
// cancel row at the bottom of the screen.
Drawer {
    id: idMenu

    property var menuItems: []

    signal menuTriggered(int itemIdx, var itemObj)

    // The unit height and the screen the popup covers.
    readonly property PopupScreen __screen: PopupScreen { overlay: idMenu.Overlay.overlay }
    readonly property int __rowHeight: __screen.unit * 5

    edge: Qt.BottomEdge
    width: __screen.width
    height: __screen.height
    dim: false
    dragMargin: 0
    focus: true
    interactive: false
    // Escape closes it; see DrawerEscape below for the non-interactive case.
    closePolicy: interactive ? Popup.CloseOnEscape : Popup.NoAutoClose

    leftPadding: Util.isPad() ? Math.ceil(__screen.width * 0.125) : __screen.unit
    rightPadding: leftPadding
    bottomPadding: __screen.unit
    topPadding: height - contentHeight - bottomPadding

    background: Item {
        Rectangle {
            anchors.fill: parent
            color: "black"
            opacity: idMenu.position === 1 ? Theme.overlayOpacity : 0
        }
        DrawerEscape {
            drawer: idMenu
        }
    }

    function __entryText(idx) {
        var items = menuItems
        if (!items || idx < 0 || idx >= items.length || !items[idx])
            return undefined
        return items[idx].text
    }

    // Entries are told apart by their text: the last entry with the tapped
    // row's text is the one reported.
    function __trigger(rowText) {
        var items = menuItems || []
        var idx = -1
        for (var i = items.length - 1; i >= 0; --i) {
            if (items[i] && items[i].text === rowText) {
                idx = i
                break
            }
        }
        menuTriggered(idx, idx >= 0 ? items[idx] : null)
        close()
    }

    Column {
        id: idContent
        width: idMenu.availableWidth
        // Return presses nothing here while the sheet comes in or goes out
        // (keypress.js).
        readonly property bool pageOpened: idMenu.opened

        SpacingLinePanel {
            id: idPanel
            width: parent.width
            readonly property int count: idMenu.menuItems ? idMenu.menuItems.length : 0
            height: count > 0 ? count * idMenu.__rowHeight + (count - 1) + 2 : 0
            visible: count > 0
            rowHeight: idMenu.__rowHeight
            leftIndent: 0
            rightIndent: 0
            showLast: false
            color: Theme.menuColor
            hiColor: Theme.menuHiColor
            lineColor: Theme.menuSpacingColor
            radius: idMenu.__screen.unit

            Column {
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width
                spacing: 1

                Repeater {
                    model: idMenu.menuItems
                    Button {
                        id: idRow
                        objectName: "menuRow" + index
                        readonly property bool isFirst: modelData.text === idMenu.__entryText(0)
                        readonly property bool isLast: modelData.text
                                                       === idMenu.__entryText(idMenu.menuItems.length - 1)
                        width: parent.width
                        height: idMenu.__rowHeight
                        padding: 0
                        leftPadding: idMenu.__screen.unit
                        rightPadding: idMenu.__screen.unit
                        focusPolicy: Qt.TabFocus
                        Keys.onPressed: idRowFrame.keyPressed(event)
                        Keys.onReleased: idRowFrame.keyReleased(event)

                        contentItem: ZVText {
                            text: modelData.text
                            font.bold: true
                            font.pointSize: Util.relativeFontPoint(-2)
                            color: modelData.color !== undefined ? modelData.color : Theme.menuTextColor
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            elide: Text.ElideMiddle
                        }

                        background: Item {
                            clip: true
                            Rectangle {
                                readonly property int r: idMenu.__screen.unit
                                x: 0
                                width: parent.width
                                // Square corners are pushed outside the clip.
                                y: idRow.isFirst ? 0 : -r
                                height: parent.height + (idRow.isFirst ? 0 : r) + (idRow.isLast ? 0 : r)
                                radius: r
                                color: idRow.down ? Theme.menuHiColor : Theme.menuColor
                            }
                        }

                        onDownChanged: {
                            if (down)
                                idPanel.highlightedIndex = index
                            else if (idPanel.highlightedIndex === index)
                                idPanel.highlightedIndex = -1
                        }
                        onClicked: idMenu.__trigger(modelData.text)

                        FocusFrame {
                            id: idRowFrame
                            margin: 3
                            radius: idMenu.__screen.unit / 2
                        }
                    }
                }
            }
        }

        Item {
            width: 1
            height: idMenu.__screen.unit
        }

        Button {
            id: idCancel
            objectName: "menuCancel"
            width: parent.width
            height: idMenu.__rowHeight
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idCancelFrame.keyPressed(event)
            Keys.onReleased: idCancelFrame.keyReleased(event)
            contentItem: ZVText {
                text: qsTr("取消")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-2)
                color: Theme.textBlueColor
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            background: Rectangle {
                radius: idMenu.__screen.unit
                color: idCancel.down ? Theme.menuHiColor : Theme.menuColor
            }
            onClicked: {
                idMenu.menuTriggered(-1, null)
                idMenu.close()
            }

            FocusFrame {
                id: idCancelFrame
                margin: 3
                radius: idMenu.__screen.unit / 2
            }
        }

        ZVHomeIndicator {}
    }
}
