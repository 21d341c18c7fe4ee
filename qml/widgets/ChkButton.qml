import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Check box with text.
CheckBox {
    id: idCheck

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property int textSize: Util.relativeFontPoint(-2)

    readonly property color __color: down ? Theme.buttonBlueHiColor : Theme.textBlueColor

    spacing: 0
    padding: 0
    opacity: enabled ? 1 : 0.3

    indicator: Rectangle {
        id: idBox
        implicitWidth: Math.ceil(1.7 * Util.unitHeight)
        implicitHeight: implicitWidth
        x: idCheck.leftPadding
        y: idCheck.topPadding + (idCheck.availableHeight - height) / 2
        color: "transparent"
        border.width: 1
        border.color: idCheck.__color

        Canvas {
            id: idTick
            // The tick lies in a square of 80 % of the box, centred.
            width: parent.width * 0.8
            height: width
            anchors.centerIn: parent
            visible: idCheck.checked
            property color stroke: Theme.textBlueColor
            onStrokeChanged: requestPaint()
            onWidthChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.lineWidth = Math.ceil(0.2 * Util.unitHeight)
                ctx.lineJoin = "round"
                ctx.strokeStyle = stroke
                ctx.beginPath()
                ctx.moveTo(width * 0.2, height * 0.5)
                ctx.lineTo(width * 0.4, height * 0.8)
                ctx.lineTo(width * 0.8, height * 0.2)
                ctx.stroke()
            }
        }
    }

    contentItem: ZVText {
        text: idCheck.text
        font.pointSize: idCheck.textSize
        color: idCheck.__color
        leftPadding: idCheck.indicator.width + idCheck.spacing
        verticalAlignment: Text.AlignVCenter
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        margin: -3
        radius: 3
        border.color: Theme.textBlueColor
    }
}
