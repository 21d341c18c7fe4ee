import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A button of a dialog's bottom row; only its bottom corners may be rounded.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property int textSize: Util.relativeFontPoint(-2)
    property color colorText: Theme.textBlueColor
    property color textHiColor: colorText
    property real leftRadius: 0
    property real rightRadius: 0

    implicitWidth: 5 * Util.unitHeight
    implicitHeight: Math.ceil(4.4 * Util.unitHeight)
    padding: 0

    contentItem: ZVText {
        text: idButton.text
        font.pointSize: idButton.textSize
        font.bold: true
        color: !idButton.enabled ? Theme.textGaryColor
                                 : (idButton.down ? idButton.textHiColor : idButton.colorText)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Canvas {
        id: idBkgn
        property color fill: (idButton.down && idButton.enabled) ? Theme.dialogSpacingColor
                                                                 : Theme.dialogColor
        onFillChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var w = width, h = height
            var lr = Math.min(idButton.leftRadius, w / 2, h)
            var rr = Math.min(idButton.rightRadius, w / 2, h)
            ctx.fillStyle = fill
            ctx.beginPath()
            ctx.moveTo(0, 0)
            ctx.lineTo(w, 0)
            ctx.lineTo(w, h - rr)
            if (rr > 0)
                ctx.arcTo(w, h, w - rr, h, rr)
            ctx.lineTo(lr, h)
            if (lr > 0)
                ctx.arcTo(0, h, 0, h - lr, lr)
            ctx.closePath()
            ctx.fill()
        }
    }

    onDownChanged: idBkgn.requestPaint()
    onLeftRadiusChanged: idBkgn.requestPaint()
    onRightRadiusChanged: idBkgn.requestPaint()

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        // Inside: the button fills the dialog's bottom row.
        margin: 3
        radius: Util.unitHeight / 2
        border.color: idButton.colorText
    }
}
