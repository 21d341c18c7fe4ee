import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/icon.js" as Icon

// Chooser of a box or entry icon: a grid of the 36 icons, six to a row.
SheetPage {
    id: idIconPage

    title: qsTr("选择图标")

    property int currentIconId: 0

    readonly property int __rowHeight: Util.isPad()
                                       ? Math.ceil((__screen.width * 0.75 - __screen.unit * 2) / 6)
                                       : Math.ceil((__screen.width - __screen.unit * 2) / 6)

    interactive: false

    onAboutToShow: {
        var list = Icon.iconlist
        for (var i = list.length - 1; i >= 0; --i) {
            if (Number(list[i].id) === currentIconId) {
                idGrid.currentIndex = i
                break
            }
        }
        idGrid.positionViewAtIndex(idGrid.currentIndex, GridView.Contain)
    }

    Column {
        width: idIconPage.availableWidth

        Rectangle {
            width: parent.width
            height: idIconPage.__rowHeight * 5 + idIconPage.__screen.unit
            color: Theme.popupColor

            GridView {
                id: idGrid
                objectName: "iconGrid"
                anchors.fill: parent
                anchors.leftMargin: idIconPage.__screen.unit
                anchors.rightMargin: idIconPage.__screen.unit
                topMargin: idIconPage.__screen.unit
                bottomMargin: idIconPage.__screen.unit * 2
                clip: true
                cellWidth: width / 6
                cellHeight: idIconPage.__rowHeight
                boundsBehavior: Flickable.StopAtBounds
                model: Icon.iconlist

                delegate: Rectangle {
                    id: idCell
                    objectName: "iconCell" + index
                    width: idGrid.cellWidth
                    height: idGrid.cellHeight
                    color: GridView.isCurrentItem ? Theme.pageBoxHiColor : "transparent"

                    Image {
                        anchors.centerIn: parent
                        width: Math.min(idCell.width, idCell.height) / 2
                        height: width
                        sourceSize.width: width * 2
                        sourceSize.height: height * 2
                        source: "qrc:/img/appicon/" + modelData.name
                        fillMode: Image.PreserveAspectFit
                        smooth: true
                    }

                    MouseArea {
                        anchors.fill: parent
                        onClicked: idGrid.currentIndex = index
                    }
                }
            }
        }

        Item {
            width: parent.width
            height: idDoneButton.implicitHeight + idIconPage.__screen.unit * 4

            LineTxtButton {
                id: idDoneButton
                objectName: "doneButton"
                anchors.fill: parent
                anchors.margins: idIconPage.__screen.unit * 2
                text: qsTr("完成")
                bkgnColor: Theme.buttonBlueColor
                bkgnHiColor: Theme.buttonBlueHiColor
                onClicked: {
                    var list = Icon.iconlist
                    if (idGrid.currentIndex >= 0 && idGrid.currentIndex < list.length)
                        idIconPage.currentIconId = Number(list[idGrid.currentIndex].id)
                    idIconPage.accepted()
                    idIconPage.close()
                }
            }
        }
    }
}
