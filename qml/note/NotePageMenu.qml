import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"

// Drop-down menu of the notes tab, hanging under the title bar at the right.
Popup {
    id: idNotePageMenu

    property real popupTopMargin: 0
    property real popupRightMargin: Util.unitHeight

    signal menuAddCategory()
    signal menuAddNote()

    parent: Overlay.overlay
    x: 0
    y: 0
    width: parent ? parent.width : Util.screenSize.width
    height: parent ? parent.height : Util.screenSize.height
    padding: 0
    modal: false
    dim: false
    focus: true
    closePolicy: Popup.CloseOnEscape

    background: Rectangle {
        color: "black"
        opacity: Theme.overlayOpacity
        MouseArea {
            anchors.fill: parent
            onClicked: idNotePageMenu.close()
        }
    }

    contentItem: Item {
        // Small upward triangle pointing at the menu button.
        Canvas {
            id: idTriangle
            width: Util.unitHeight * 2
            height: Util.unitHeight
            x: parent.width - idNotePageMenu.popupRightMargin - Util.unitHeight * 2 - width
            y: idNotePageMenu.popupTopMargin - 1 - height
            property color fillColor: idItemAddCategory.down ? Theme.menuHiColor : Theme.menuColor
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
            anchors.right: parent.right
            anchors.rightMargin: idNotePageMenu.popupRightMargin
            y: idNotePageMenu.popupTopMargin - 1
            width: idColumn.width
            height: idColumn.height + 2
            rowHeight: Util.unitHeight * 5
            leftIndent: 0
            rightIndent: 0
            showLast: false
            radius: Math.ceil(Util.unitHeight * 0.5)
            color: Theme.menuColor
            hiColor: Theme.menuHiColor
            lineColor: Theme.menuSpacingColor
            highlightedIndex: idItemAddCategory.down ? 0 : (idItemAddNote.down ? 1 : -1)

            Column {
                id: idColumn
                anchors.verticalCenter: parent.verticalCenter
                spacing: 1
                width: Math.max(idItemAddCategory.implicitWidth, idItemAddNote.implicitWidth,
                                Util.unitHeight * 16)

                PageMenuItem {
                    id: idItemAddCategory
                    objectName: "menuAddCategory"
                    width: parent.width
                    text: qsTr("添加分类")
                    iconSource: Theme.darkMode ? "qrc:/img/note/newBox_dark.png" : "qrc:/img/note/newBox.png"
                    onClicked: {
                        idNotePageMenu.close()
                        idNotePageMenu.menuAddCategory()
                    }
                }
                PageMenuItem {
                    id: idItemAddNote
                    objectName: "menuAddNote"
                    width: parent.width
                    text: qsTr("添加便签")
                    iconSource: Theme.darkMode ? "qrc:/img/note/newNote_dark.png" : "qrc:/img/note/newNote.png"
                    onClicked: {
                        idNotePageMenu.close()
                        idNotePageMenu.menuAddNote()
                    }
                }
            }
        }
    }
}
