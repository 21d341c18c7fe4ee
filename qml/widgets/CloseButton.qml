import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The round close button of popup pages.
RoundButton {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    readonly property int __size: Math.ceil(2.5 * Util.unitHeight)

    implicitWidth: __size
    implicitHeight: __size
    padding: 0
    radius: __size / 2

    background: Rectangle {
        radius: width / 2
        color: idButton.down ? Theme.buttonBlueColor : Theme.popupBarColor
        border.width: 1
        border.color: Theme.buttonBlueColor
    }

    contentItem: Canvas {
        id: idCross
        property color stroke: idButton.down ? Theme.popupBarColor : Theme.buttonBlueColor
        onStrokeChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var a = width / 3, b = width * 2 / 3
            var c = height / 3, d = height * 2 / 3
            ctx.lineWidth = 2
            ctx.strokeStyle = stroke
            ctx.beginPath()
            ctx.moveTo(a, c)
            ctx.lineTo(b, d)
            ctx.moveTo(b, c)
            ctx.lineTo(a, d)
            ctx.stroke()
        }
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        radius: width / 2
    }
}
