import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Small grey pill button with bold blue text.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property int textSize: Util.relativeFontPoint(-5)
    property bool textBold: true

    topPadding: Math.ceil(0.7 * Util.unitHeight)
    bottomPadding: Math.ceil(0.7 * Util.unitHeight)
    leftPadding: Math.ceil(1.2 * Util.unitHeight)
    rightPadding: topPadding * 2

    contentItem: ZVText {
        text: idButton.text
        font.pointSize: idButton.textSize
        font.bold: idButton.textBold
        color: Theme.textBlueColor
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: height / 2
        color: idButton.down ? Theme.buttonHiColor : Theme.buttonColor
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        radius: height / 2
        border.color: Theme.textBlueColor
    }
}
