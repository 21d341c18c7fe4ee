import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "../../widgets"

// A row of a choose list: icon, title and subtitle, a tick when highlighted.
ItemDelegate {
    id: idItem

    property url iconSource
    property string titleText
    property string subTitleText
    property real iconSize: 2.4 * Util.unitHeight
    property int titleFontPointSize: Util.relativeFontPoint(-1)
    property color color: Theme.pageBoxColor
    property color colorHi: Theme.pageBoxHiColor

    implicitWidth: 20 * Util.unitHeight
    implicitHeight: 6 * Util.unitHeight
    leftPadding: 2 * Util.unitHeight
    rightPadding: 2 * Util.unitHeight
    topPadding: 0
    bottomPadding: 0
    spacing: 2 * Util.unitHeight

    contentItem: Item {
        Row {
            id: idRow
            anchors.fill: parent
            spacing: idItem.spacing

            Image {
                id: idIcon
                anchors.verticalCenter: parent.verticalCenter
                width: idItem.iconSize
                height: idItem.iconSize
                source: idItem.iconSource
                visible: idItem.iconSource.toString().length > 0
                smooth: true
                mipmap: true
            }

            Column {
                anchors.verticalCenter: parent.verticalCenter
                width: idRow.width - (idIcon.visible ? idIcon.width + idRow.spacing : 0)
                       - idTick.width - idRow.spacing
                ZVText {
                    width: parent.width
                    text: idItem.titleText
                    font.pointSize: idItem.titleFontPointSize
                    font.bold: idItem.subTitleText.length > 0
                    color: idItem.subTitleText.length > 0 ? Theme.textColor2 : Theme.textColor
                    elide: Text.ElideRight
                }
                ZVText {
                    width: parent.width
                    text: idItem.subTitleText
                    font.pointSize: Util.relativeFontPoint(-5)
                    color: Theme.textColor3
                    elide: Text.ElideRight
                    visible: idItem.subTitleText.length > 0
                }
            }

            Canvas {
                id: idTick
                anchors.verticalCenter: parent.verticalCenter
                width: 2 * Util.unitHeight
                height: width
                visible: idItem.highlighted
                property color stroke: Theme.textBlueColor
                onStrokeChanged: requestPaint()
                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    ctx.lineWidth = 0.3 * Util.unitHeight
                    ctx.lineJoin = "round"
                    ctx.strokeStyle = stroke
                    ctx.beginPath()
                    ctx.moveTo(width * 0.1, height * 0.4)
                    ctx.lineTo(width * 0.4, height * 0.7)
                    ctx.lineTo(width * 0.9, height * 0.2)
                    ctx.stroke()
                }
            }
        }
    }

    background: Rectangle {
        color: idItem.down ? idItem.colorHi : idItem.color
    }
}
