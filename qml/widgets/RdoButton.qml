import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Radio button with text.
RadioButton {
    id: idRadio

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property color normalColor: Theme.textBlueColor
    property color highlightColor: Theme.buttonBlueHiColor
    property int textSize: Util.relativeFontPoint(-2)

    readonly property color __color: down ? highlightColor : normalColor

    spacing: Math.ceil(0.5 * Util.unitHeight)
    padding: 0
    opacity: enabled ? 1 : 0.3

    indicator: Canvas {
        id: idCircle
        implicitWidth: Math.ceil(1.7 * Util.unitHeight)
        implicitHeight: implicitWidth
        x: idRadio.leftPadding
        y: idRadio.topPadding + (idRadio.availableHeight - height) / 2
        property color stroke: idRadio.__color
        property bool on: idRadio.checked
        onStrokeChanged: requestPaint()
        onOnChanged: requestPaint()
        onWidthChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var c = width / 2
            ctx.lineWidth = 1
            ctx.strokeStyle = stroke
            ctx.beginPath()
            ctx.arc(c, c, c - 0.5, 0, 2 * Math.PI, false)
            ctx.stroke()
            if (on) {
                ctx.fillStyle = stroke
                ctx.beginPath()
                ctx.arc(c, c, width * 0.35, 0, 2 * Math.PI, false)
                ctx.fill()
            }
        }
    }

    contentItem: ZVText {
        text: idRadio.text
        font.pointSize: idRadio.textSize
        color: idRadio.__color
        leftPadding: idRadio.indicator.width + idRadio.spacing
        verticalAlignment: Text.AlignVCenter
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        margin: -3
        radius: 3
        border.color: idRadio.normalColor
    }
}
