import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The password-length slider: whole numbers from 4 to 16.
Slider {
    id: idSlider

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    from: 4
    to: 16
    stepSize: 1
    value: 8
    snapMode: Slider.SnapAlways

    background: Rectangle {
        x: idSlider.leftPadding
        y: idSlider.topPadding + idSlider.availableHeight / 2 - height / 2
        implicitWidth: 20 * Util.unitHeight
        implicitHeight: Util.unitHeight / 4
        width: idSlider.availableWidth
        height: implicitHeight
        radius: Util.unitHeight / 8
        color: Theme.buttonDisabledColor

        Rectangle {
            width: idSlider.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: Theme.textBlueColor
        }
    }

    handle: Rectangle {
        x: idSlider.leftPadding + idSlider.visualPosition * (idSlider.availableWidth - width)
        y: idSlider.topPadding + idSlider.availableHeight / 2 - height / 2
        implicitWidth: 2.2 * Util.unitHeight
        implicitHeight: implicitWidth
        radius: width / 2
        color: idSlider.pressed ? Theme.buttonBlueHiColor : Theme.buttonBlueColor
        border.width: Util.unitHeight / 8
        border.color: Theme.buttonBlueColor
    }

    FocusFrame {
        id: idFocusFrame
        margin: -3
        radius: Util.unitHeight / 2
    }
}
