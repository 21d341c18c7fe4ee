import QtQuick 2.12
import QtQuick.Window 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Background and separators of a group of equal rows. Rows are rowHeight
// high and 1 px apart (row k starts at rowHeight * k + k); a group of n rows
// needs a height of n * rowHeight + (n - 1) + 2.
Canvas {
    id: idPanel

    property int rowHeight: 5 * Util.unitHeight
    property color color: Theme.popupColor
    property color hiColor: Theme.popupSpacingColor
    property color lineColor: Theme.popupSpacingColor
    property real leftIndent: 2 * Util.unitHeight
    property real rightIndent: 2 * Util.unitHeight
    property bool showFirst: false
    property bool showLast: true
    property bool indentLast: false
    property int highlightedIndex: -1
    property real radius: 0

    onColorChanged: requestPaint()
    onHiColorChanged: requestPaint()
    onLineColorChanged: requestPaint()
    onHighlightedIndexChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    function __roundedPath(ctx, x0, y0, x1, y1, rTop, rBottom) {
        ctx.beginPath()
        ctx.moveTo(x0 + rTop, y0)
        ctx.lineTo(x1 - rTop, y0)
        if (rTop > 0)
            ctx.arcTo(x1, y0, x1, y0 + rTop, rTop)
        ctx.lineTo(x1, y1 - rBottom)
        if (rBottom > 0)
            ctx.arcTo(x1, y1, x1 - rBottom, y1, rBottom)
        ctx.lineTo(x0 + rBottom, y1)
        if (rBottom > 0)
            ctx.arcTo(x0, y1, x0, y1 - rBottom, rBottom)
        ctx.lineTo(x0, y0 + rTop)
        if (rTop > 0)
            ctx.arcTo(x0, y0, x0 + rTop, y0, rTop)
        ctx.closePath()
    }

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        var dpr = Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
        var w = 1 / dpr
        var rh = rowHeight
        if (width <= 0 || height <= 0 || rh <= 0)
            return
        var rad = Math.max(0, Math.min(radius, (height - 2) / 2, width / 2))

        // Body
        ctx.fillStyle = idPanel.color
        __roundedPath(ctx, 0, 1, width, height - 1, rad, rad)
        ctx.fill()

        var rowCount = Math.floor(height / rh)
        var offset = function(k) {
            if (k === 0)
                return 1 - w / 2
            if (k < rowCount)
                return dpr > 2 ? 0.5 : w / 2
            return w / 2
        }

        // Separators
        ctx.lineWidth = w
        ctx.strokeStyle = idPanel.lineColor
        ctx.beginPath()
        for (var k = 0; k <= rowCount; ++k) {
            if (k === 0 && !showFirst)
                continue
            if (k === rowCount && !showLast)
                continue
            var y = rh * k + k + offset(k)
            var indented = (k > 0 && k < rowCount) || (k === rowCount && k > 0 && indentLast)
            var x0 = indented ? leftIndent : 0
            var x1 = indented ? width - rightIndent : width
            ctx.moveTo(x0, y)
            ctx.lineTo(x1, y)
        }
        ctx.stroke()

        // Highlighted row
        var h = highlightedIndex
        if (h >= 0 && h < rowCount) {
            var y1 = rh * h + h + offset(h)
            if (h === 0 && !showFirst)
                y1 += w
            var y2 = rh * (h + 1) + h + 1 + offset(h + 1)
            if (h === rowCount - 1 && !showLast)
                y2 -= w
            var rTop = (rad > 0 && h === 0) ? rad : 0
            var rBottom = (rad > 0 && h === rowCount - 1) ? rad : 0
            ctx.fillStyle = idPanel.hiColor
            ctx.strokeStyle = idPanel.hiColor
            ctx.lineWidth = w
            __roundedPath(ctx, 0, y1, width, y2, rTop, rBottom)
            ctx.fill()
            ctx.stroke()
        }
    }
}
