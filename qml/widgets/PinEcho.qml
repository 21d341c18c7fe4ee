import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Six square cells with a dot in each entered cell.
Rectangle {
    id: idPinEcho

    property string pwdStr: ""
    property int echoSize: Util.unitHeight * 1.5

    implicitWidth: Util.unitHeight * 30
    implicitHeight: Util.unitHeight * 5
    color: "transparent"

    onPwdStrChanged: idCanvas.requestPaint()
    onEchoSizeChanged: idCanvas.requestPaint()

    Connections {
        target: Theme
        function onColorChanged() { idCanvas.requestPaint() }
    }

    Canvas {
        id: idCanvas
        anchors.fill: parent

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var h = height
            ctx.lineWidth = 1
            ctx.strokeStyle = Theme.buttonBlueColor
            ctx.fillStyle = Theme.buttonBlueColor
            ctx.beginPath()
            ctx.rect(0.5, 0.5, width - 1, h - 1)
            for (var i = 2; i <= 6; ++i) {
                var x = (i - 1) * h + 0.5
                ctx.moveTo(x, 0)
                ctx.lineTo(x, h)
            }
            ctx.stroke()
            var d = idPinEcho.echoSize
            var n = Math.min(idPinEcho.pwdStr.length, 6)
            for (var k = 0; k < n; ++k) {
                ctx.beginPath()
                ctx.ellipse(k * h + (h - d) / 2, (h - d) / 2, d, d)
                ctx.fill()
            }
        }
    }
}
