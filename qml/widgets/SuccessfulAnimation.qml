import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A success tick that fades in on start() and then disappears; stop() ends
// it at once, without stopped().
Canvas {
    id: idTick

    property color color: Theme.buttonGreenColor

    signal stopped()

    function start() {
        idAnimation.stop()
        opacity = 0
        idAnimation.start()
    }

    function stop() {
        idAnimation.stop()
        opacity = 0
    }

    implicitWidth: 3 * Util.unitHeight
    implicitHeight: 3 * Util.unitHeight
    opacity: 0

    onColorChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        ctx.lineWidth = Math.ceil(0.1 * width)
        ctx.lineJoin = "round"
        ctx.strokeStyle = idTick.color
        ctx.beginPath()
        ctx.moveTo(width * 0.2, height * 0.5)
        ctx.lineTo(width * 0.4, height * 0.8)
        ctx.lineTo(width * 0.8, height * 0.2)
        ctx.stroke()
    }

    SequentialAnimation {
        id: idAnimation
        NumberAnimation { target: idTick; property: "opacity"; from: 0; to: 1; duration: 500 }
        ScriptAction {
            script: {
                idTick.opacity = 0
                idTick.stopped()
            }
        }
    }
}
