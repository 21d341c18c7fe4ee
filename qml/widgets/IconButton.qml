import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0

// An image button; shows imgHiSource while pressed.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property url imgSource
    property url imgHiSource

    implicitWidth: 4 * Util.unitHeight
    implicitHeight: 4 * Util.unitHeight
    padding: 0

    contentItem: Image {
        source: idButton.down ? idButton.imgHiSource : idButton.imgSource
        fillMode: Image.Stretch
        smooth: true
        mipmap: true
    }

    background: Item {}

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        radius: Util.unitHeight / 2
    }
}
