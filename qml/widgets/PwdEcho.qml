import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Six round marks showing how many digits of the code are entered.
Item {
    id: idPwdEcho

    property string pwdStr: ""
    property color color: Theme.textWhiteColor
    property int echoSize: Util.unitHeight * 1.5
    property int borderWidth: 1

    implicitWidth: echoSize * 11 + borderWidth * 3
    implicitHeight: echoSize + borderWidth * 3

    onPwdStrChanged: idCanvas.requestPaint()
    onColorChanged: idCanvas.requestPaint()

    Canvas {
        id: idCanvas
        anchors.fill: parent

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var d = idPwdEcho.echoSize
            var r = d / 2
            var bw = idPwdEcho.borderWidth
            ctx.lineWidth = bw
            ctx.strokeStyle = idPwdEcho.color
            ctx.fillStyle = idPwdEcho.color
            for (var i = 1; i <= 6; ++i) {
                var x = (i - 1) * 2 * d + bw
                var y = bw
                ctx.beginPath()
                ctx.ellipse(x, y, d, d)
                ctx.stroke()
                if (i <= idPwdEcho.pwdStr.length)
                    ctx.fill()
            }
        }
    }
}
