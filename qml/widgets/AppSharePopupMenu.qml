import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The share sheet: a grid of round app icons with their names on a rounded
// box, and a cancel item under it, at the bottom of the screen. Entries are
// {text, id, icon}; a tap reports the entry (cancel: -1 and the entry
// {text: "取消", id: "cancel"}) and closes the sheet.
Drawer {
    id: idMenu

    property var menuItems: [
        { text: qsTr("微信"), id: "wechat_session", icon: "qrc:/img/appshare/wechat.png" },
        { text: qsTr("朋友圈"), id: "wechat_timeline", icon: "qrc:/img/appshare/timeline.png" },
        { text: qsTr("更多"), id: "more", icon: "qrc:/img/appshare/more.png" }
    ]
    readonly property alias grid: idGrid
    readonly property alias cancelItem: idCancel

    signal menuTriggered(int itemIdx, var itemObj)

    readonly property int __unit: Util.unitHeight
    // The screen is the window on the desktop; its overlay follows its size.
    readonly property size __screen: Overlay.overlay && Overlay.overlay.width > 0
                                     ? Qt.size(Overlay.overlay.width, Overlay.overlay.height)
                                     : Util.screenSize
    readonly property int __cell: 6 * __unit

    function __trigger(idx, item) {
        menuTriggered(idx, item)
        close()
    }

    edge: Qt.BottomEdge
    width: __screen.width
    height: __screen.height
    dim: false
    dragMargin: 0
    focus: true
    interactive: false
    closePolicy: Popup.NoAutoClose

    leftPadding: __unit
    rightPadding: __unit
    bottomPadding: __unit + Theme.homeIndicatorHeight
    topPadding: height - contentHeight - bottomPadding

    Component.onCompleted: {
        if (Util.isPad()) {
            console.log("BottomPopupMenu width 0.75 in iPad")
            leftPadding = Math.ceil(__screen.width * 0.125)
            rightPadding = leftPadding
        }
    }

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

    Column {
        id: idContent
        width: idMenu.availableWidth
        spacing: idMenu.__unit
        // Return presses nothing here while the sheet comes in or goes out
        // (keypress.js).
        readonly property bool pageOpened: idMenu.opened

        Rectangle {
            width: parent.width
            height: idGrid.height + 2 * idMenu.__unit
            radius: idMenu.__unit
            color: Theme.menuColor

            Grid {
                id: idGrid
                objectName: "shareGrid"
                anchors.centerIn: parent
                columns: Math.max(1, Math.floor((idMenu.availableWidth - 2 * idMenu.__unit)
                                                / (7 * idMenu.__unit)))
                columnSpacing: idMenu.__unit
                rowSpacing: idMenu.__unit

                Repeater {
                    id: idRepeater
                    model: idMenu.menuItems

                    Column {
                        objectName: "shareItem" + index
                        width: idMenu.__cell
                        spacing: Math.ceil(idMenu.__unit / 3)

                        Rectangle {
                            id: idPlate
                            objectName: "plate"
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: Math.round(idMenu.__cell * 0.8)
                            height: width
                            radius: width / 2
                            color: idPlateArea.pressed ? Theme.pageBoxHiColor : Theme.pageBoxColor

                            Image {
                                anchors.centerIn: parent
                                width: 4 * idMenu.__unit
                                height: width
                                source: modelData.icon
                                sourceSize: Qt.size(width * 2, height * 2)
                                smooth: true
                            }

                            MouseArea {
                                id: idPlateArea
                                anchors.fill: parent
                                onClicked: idMenu.__trigger(modelData.idx !== undefined
                                                            ? modelData.idx : index, modelData)
                            }
                        }

                        ZVText {
                            objectName: "label"
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: Math.min(implicitWidth, 8 * idMenu.__unit)
                            text: modelData.text
                            textFormat: Text.PlainText
                            font.pointSize: Util.relativeFontPoint(-5)
                            color: Theme.textColor2
                            elide: Text.ElideRight
                        }
                    }
                }
            }
        }

        Button {
            id: idCancel
            objectName: "shareCancel"
            width: parent.width
            height: 5 * idMenu.__unit
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
                radius: idMenu.__unit
                color: idCancel.down ? Theme.menuHiColor : Theme.menuColor
            }
            onClicked: idMenu.__trigger(-1, { text: qsTr("取消"), id: "cancel" })

            FocusFrame {
                id: idCancelFrame
                margin: 3
                radius: idMenu.__unit / 2
            }
        }
    }
}
