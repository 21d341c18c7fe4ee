import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Text link on a transparent background.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property color color: Theme.textWhiteColor
    property int fontPointSize: Util.relativeFontPoint(-4)

    padding: Util.unitHeight
    opacity: down ? 0.7 : 1

    contentItem: ZVText {
        text: idButton.text
        color: idButton.color
        font.pointSize: idButton.fontPointSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Item {}

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        margin: Util.unitHeight / 2
        radius: Util.unitHeight / 2
        border.color: idButton.color
    }
}
