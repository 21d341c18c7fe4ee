import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The ring that shows how much of a one-time code's period is left: a full
// circle in arcBackgroundColor, painted over in arcColor from twelve o'clock
// for `progress` degrees.
Canvas {
    id: idRing

    property color arcColor: Theme.popupColor
    property color arcBackgroundColor: Theme.buttonGreenColor
    property int arcWidth: Math.floor(0.3 * Util.unitHeight)
    property real progress: 0
    property real radius: Util.unitHeight
    property bool anticlockwise: false
    property alias text: idLabel.text
    property alias colorText: idLabel.color
    property alias fontPointSize: idLabel.font.pointSize

    signal doubleClicked()

    implicitWidth: 2 * radius + arcWidth
    implicitHeight: 2 * radius + arcWidth

    onProgressChanged: requestPaint()
    onArcColorChanged: requestPaint()
    onArcBackgroundColorChanged: requestPaint()
    onArcWidthChanged: requestPaint()
    onRadiusChanged: requestPaint()
    onAnticlockwiseChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        var cx = width / 2, cy = height / 2
        ctx.lineWidth = arcWidth
        var p = Math.max(0, Math.min(360, progress))
        var start = -Math.PI / 2
        var sweep = p * Math.PI / 180
        var end = anticlockwise ? start - sweep : start + sweep
        // The part still left in arcBackgroundColor, the elapsed part in
        // arcColor. Each is stroked on its own: painting the elapsed part
        // over a full ring would leave a fringe of the ring's colour.
        if (p < 360) {
            ctx.strokeStyle = arcBackgroundColor
            ctx.beginPath()
            ctx.arc(cx, cy, radius, end, start + (anticlockwise ? -2 : 2) * Math.PI, anticlockwise)
            ctx.stroke()
        }
        if (p > 0) {
            ctx.strokeStyle = arcColor
            ctx.beginPath()
            ctx.arc(cx, cy, radius, start, end, anticlockwise)
            ctx.stroke()
        }
    }

    Text {
        id: idLabel
        anchors.centerIn: parent
        color: Theme.textColor3
        font.pointSize: Util.relativeFontPoint(-6)
    }

    MouseArea {
        anchors.fill: parent
        onDoubleClicked: idRing.doubleClicked()
    }
}
