import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A plus sign button, used for the title bar's menu.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property color color: Theme.appBarTextColor

    implicitWidth: 5 * Util.unitHeight
    implicitHeight: 5 * Util.unitHeight
    padding: 0
    opacity: down ? 0.7 : 1

    contentItem: Item {
        Rectangle {
            anchors.centerIn: parent
            width: 2 * Util.unitHeight
            height: Util.unitHeight / 4
            color: idButton.color
        }
        Rectangle {
            anchors.centerIn: parent
            width: Util.unitHeight / 4
            height: 2 * Util.unitHeight
            color: idButton.color
        }
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
