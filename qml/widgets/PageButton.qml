import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A full-width row button on a page.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property color color: Theme.textBlueColor

    implicitWidth: Util.screenSize.width
    implicitHeight: 5 * Util.unitHeight
    padding: 0

    contentItem: ZVText {
        text: idButton.text
        font.pointSize: Util.relativeFontPoint(-1)
        font.bold: true
        color: idButton.color
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        color: idButton.down ? Theme.pageBoxHiColor : Theme.pageBoxColor
        ZVPixelLine {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            color: Theme.pageBoxSpacingColor
            position: 0
        }
        ZVPixelLine {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            color: Theme.pageBoxSpacingColor
            position: 1
        }
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        // Inside: the button fills its row.
        margin: 3
        radius: Util.unitHeight / 2
        border.color: idButton.color
    }
}
