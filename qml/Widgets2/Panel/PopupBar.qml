import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "../../widgets"

// Head bar of popup pages: rounded top corners and a hair line below.
Canvas {
    id: idBar

    property color color: Theme.popupBarColor

    implicitWidth: 12 * Util.unitHeight
    implicitHeight: 5 * Util.unitHeight

    onColorChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        var r = Math.min(Util.unitHeight, width / 2, height)
        ctx.fillStyle = idBar.color
        ctx.beginPath()
        ctx.moveTo(0, height)
        ctx.lineTo(0, r)
        ctx.arcTo(0, 0, r, 0, r)
        ctx.lineTo(width - r, 0)
        ctx.arcTo(width, 0, width, r, r)
        ctx.lineTo(width, height)
        ctx.closePath()
        ctx.fill()
    }

    ZVPixelLine {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        color: Theme.popupBarBorderColor
        position: 1
    }
}
