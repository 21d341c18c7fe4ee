import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Round key of the password keypad. number >= 0 is a digit, -1 the
// backspace key (an arrow), -2 a blank key that draws nothing.
Button {
    id: idNumButton

    property int number: 0
    property int textSize: Util.relativeFontPoint(13)
    property color color: Theme.textWhiteColor
    property color colorHi: Theme.buttonBlueColor

    readonly property int __unit: Util.unitHeight

    implicitWidth: __unit * 6
    implicitHeight: __unit * 6
    padding: 0
    focusPolicy: Qt.NoFocus

    contentItem: ZVText {
        visible: idNumButton.number >= 0
        text: idNumButton.number >= 0 ? String(idNumButton.number) : ""
        font.pointSize: idNumButton.textSize
        color: idNumButton.down ? idNumButton.colorHi : idNumButton.color
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Item {
        implicitWidth: idNumButton.implicitWidth
        implicitHeight: idNumButton.implicitHeight

        Rectangle {
            anchors.fill: parent
            visible: idNumButton.number >= -1
            radius: height / 2
            color: idNumButton.down ? idNumButton.color : "transparent"
            border.width: idNumButton.number >= 0 ? 1 : 0
            border.color: idNumButton.color
        }

        Canvas {
            id: idArrow
            anchors.fill: parent
            visible: idNumButton.number === -1

            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                if (idNumButton.number !== -1)
                    return
                var u = idNumButton.__unit
                var w = width
                var mid = height / 2
                var tipX = (w - (u + w / 4)) / 2
                var baseX = tipX + u
                ctx.fillStyle = idNumButton.down ? idNumButton.colorHi : idNumButton.color
                ctx.beginPath()
                ctx.moveTo(tipX, mid)
                ctx.lineTo(baseX, mid - u * 0.7)
                ctx.lineTo(baseX, mid + u * 0.7)
                ctx.closePath()
                ctx.fill()
                ctx.fillRect(baseX, mid - u / 8, w / 4, u / 4)
            }

            Connections {
                target: idNumButton
                function onDownChanged() { idArrow.requestPaint() }
                function onColorChanged() { idArrow.requestPaint() }
                function onColorHiChanged() { idArrow.requestPaint() }
                function onNumberChanged() { idArrow.requestPaint() }
            }
        }
    }
}
