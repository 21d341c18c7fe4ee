import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A button of the bottom navigation bar: an image above a text.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property url imgSource
    property url imgHiSource
    property int fontPointSize: Util.relativeFontPoint(-6)
    property int pageIdx: 0

    checkable: true
    implicitWidth: 4 * Util.unitHeight
    topPadding: Math.ceil(0.7 * Util.unitHeight)
    bottomPadding: 2
    leftPadding: 0
    rightPadding: 0
    spacing: Math.ceil(0.3 * Util.unitHeight)

    contentItem: Column {
        spacing: idButton.spacing
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.ceil(2.6 * Util.unitHeight)
            height: width
            source: idButton.checked ? idButton.imgHiSource : idButton.imgSource
            smooth: true
            mipmap: true
        }
        ZVText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: idButton.text
            font.pointSize: idButton.fontPointSize
            color: idButton.checked ? Theme.navbarTextHiColor : Theme.navbarTextColor
        }
    }

    background: Item {}

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        // Inside: the buttons share the bar's width.
        margin: 2
        radius: Util.unitHeight / 2
        border.color: Theme.navbarTextHiColor
    }
}
