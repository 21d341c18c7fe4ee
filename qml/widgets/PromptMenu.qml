import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// One-time hint bubble with an arrow pointing up at arrowPosition of its
// width. It stays up for at least two seconds; a tap on it closes it.
Menu {
    id: idPrompt

    property real arrowPosition: 0.5
    property string text: qsTr("长按可编辑")

    readonly property int __unit: Util.unitHeight

    modal: true
    dim: false
    padding: 0
    margins: 0
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    implicitWidth: idBody.implicitWidth
    implicitHeight: idBody.implicitHeight

    contentItem: Item {
        id: idBody
        implicitWidth: idLabel.implicitWidth
        implicitHeight: idPrompt.__unit + idLabel.implicitHeight

        ZVText {
            id: idLabel
            objectName: "promptText"
            y: idPrompt.__unit
            width: parent.width
            text: idPrompt.text
            topPadding: idPrompt.__unit
            bottomPadding: idPrompt.__unit
            leftPadding: idPrompt.__unit * 2
            rightPadding: idPrompt.__unit * 2
            font.pointSize: Util.relativeFontPoint(-1)
            color: Theme.textWhiteColor
            horizontalAlignment: Text.AlignHCenter
        }

        MouseArea {
            objectName: "promptArea"
            anchors.fill: parent
            onClicked: idPrompt.close()
        }
    }

    background: Canvas {
        id: idCanvas
        opacity: 0.6

        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var u = idPrompt.__unit
            var w = width
            var h = height
            var tip = idPrompt.arrowPosition * w
            ctx.fillStyle = Theme.buttonGreenColor
            // Arrow: tip at the top, base u lower, sides bent into the base.
            ctx.beginPath()
            ctx.moveTo(tip - 2 * u, u)
            ctx.arcTo(tip - u, u, tip, 0, u)
            ctx.lineTo(tip, 0)
            ctx.arcTo(tip + u, u, tip + 2 * u, u, u)
            ctx.lineTo(tip + 2 * u, u)
            ctx.closePath()
            ctx.fill()
            // Body: a rectangle with fully rounded ends.
            var bh = h - u
            var r = Math.min(bh / 2, w / 2)
            ctx.beginPath()
            ctx.moveTo(r, u)
            ctx.lineTo(w - r, u)
            ctx.arcTo(w, u, w, u + r, r)
            ctx.lineTo(w, h - r)
            ctx.arcTo(w, h, w - r, h, r)
            ctx.lineTo(r, h)
            ctx.arcTo(0, h, 0, h - r, r)
            ctx.lineTo(0, u + r)
            ctx.arcTo(0, u, r, u, r)
            ctx.closePath()
            ctx.fill()
        }

        SequentialAnimation on opacity {
            running: idPrompt.visible
            loops: Animation.Infinite
            NumberAnimation { to: 0.5; duration: 100 }
            NumberAnimation { to: 0.6; duration: 100 }
            PauseAnimation { duration: 500 }
        }

        Connections {
            target: Theme
            function onColorChanged() { idCanvas.requestPaint() }
        }
    }

    onArrowPositionChanged: idCanvas.requestPaint()

    onAboutToShow: {
        closePolicy = Popup.NoAutoClose
        idUnlockTimer.restart()
        idCanvas.requestPaint()
    }

    onClosed: idUnlockTimer.stop()

    Timer {
        id: idUnlockTimer
        interval: 2000
        repeat: false
        onTriggered: idPrompt.closePolicy = Popup.CloseOnEscape | Popup.CloseOnPressOutside
    }
}
