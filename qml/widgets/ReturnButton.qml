import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The title bar's back button: a chevron and a text.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property int fontPointSize: Util.relativeFontPoint(-2)

    // The width that shows the whole text; the implicit width stops at a
    // quarter of the screen.
    readonly property real naturalWidth: idLabel.implicitWidth + 2 * Util.unitHeight

    implicitWidth: Math.min(naturalWidth, Math.ceil(Util.screenSize.width * 0.25))
    implicitHeight: 3 * Util.unitHeight
    leftPadding: Util.unitHeight
    rightPadding: 0
    topPadding: 0
    bottomPadding: 0
    opacity: down ? 0.7 : 1

    contentItem: ZVText {
        id: idLabel
        text: idButton.text
        font.pointSize: idButton.fontPointSize
        color: Theme.appBarTextColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Item {
        Canvas {
            id: idChevron
            property color stroke: Theme.appBarTextColor
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            width: Math.ceil(1.7 * Util.unitHeight)
            height: width
            onStrokeChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                var lw = 0.25 * Util.unitHeight
                ctx.lineWidth = lw
                ctx.lineCap = "round"
                ctx.lineJoin = "round"
                ctx.strokeStyle = stroke
                ctx.beginPath()
                ctx.moveTo(width * 0.5, height * 0.12)
                ctx.lineTo(lw / 2 + width * 0.08, height * 0.5)
                ctx.lineTo(width * 0.5, height * 0.88)
                ctx.stroke()
            }
        }
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        margin: -3
        radius: Util.unitHeight / 2
        border.color: Theme.appBarTextColor
    }
}
