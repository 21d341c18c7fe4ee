import QtQuick 2.12
import QtQuick.Window 2.12
import Widgets.Theme 1.0

// A hair line one physical pixel thick. Vertical when the item is taller
// than wide, else horizontal.
Canvas {
    id: idLine

    property color color: Theme.pageBoxHiColor
    // 0: along the top (or left) edge, 1: along the bottom (or right) edge.
    property int position: 0
    property bool tryCenter: false

    implicitWidth: 1
    implicitHeight: 1

    onColorChanged: requestPaint()
    onPositionChanged: requestPaint()
    onTryCenterChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        var dpr = Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
        var w = 1 / dpr
        var vertical = height > width
        var extent = vertical ? width : height
        var offset
        if (tryCenter && dpr > 2)
            offset = position === 1 ? extent - 0.5 : 0.5
        else
            offset = position === 1 ? extent - w / 2 : w / 2
        ctx.lineWidth = w
        ctx.strokeStyle = idLine.color
        ctx.beginPath()
        if (vertical) {
            ctx.moveTo(offset, 0)
            ctx.lineTo(offset, height)
        } else {
            ctx.moveTo(0, offset)
            ctx.lineTo(width, offset)
        }
        ctx.stroke()
    }
}
