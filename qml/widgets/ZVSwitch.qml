import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// On/off switch: a rounded track with a white knob.
Switch {
    id: idSwitch

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    padding: 0
    spacing: 0
    implicitWidth: indicator.implicitWidth + leftPadding + rightPadding
    implicitHeight: indicator.implicitHeight + topPadding + bottomPadding

    indicator: Rectangle {
        id: idTrack
        implicitWidth: Math.ceil(4.6 * Util.unitHeight)
        implicitHeight: Math.ceil(2.6 * Util.unitHeight)
        x: idSwitch.leftPadding
        y: idSwitch.topPadding + (idSwitch.availableHeight - height) / 2
        radius: height / 2
        color: idSwitch.checked ? Theme.switchOnColor : Theme.switchOffColor

        Rectangle {
            width: Math.ceil(2.6 * Util.unitHeight)
            height: width
            radius: width / 2
            anchors.verticalCenter: parent.verticalCenter
            x: idSwitch.checked ? parent.width - width : 0
            color: Theme.textWhiteColor
            border.width: 2
            border.color: idTrack.color
        }
    }

    contentItem: Item {}

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        margin: -3
        radius: height / 2
    }
}
