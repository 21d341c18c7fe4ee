import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The wide action button.
Button {
    id: idButton

    // Tab and Backtab give it the focus; a click leaves the focus where it is.
    focusPolicy: Qt.TabFocus

    property int textSize: Util.relativeFontPoint(-1)
    property color colorText: Theme.textWhiteColor
    property color textHiColor: colorText
    property color bkgnColor: Theme.buttonBlueColor
    property color bkgnHiColor: bkgnColor
    property int borderWidth: 0
    property color borderColor: Theme.buttonBlueColor
    property color borderHiColor: borderColor
    property real radius: Util.unitHeight
    // When true the colours stay and the whole button dims while pressed.
    property bool transDown: false

    readonly property bool __hi: down && !transDown

    implicitHeight: 4 * Util.unitHeight
    leftPadding: Math.ceil(1.5 * Util.unitHeight)
    rightPadding: Math.ceil(1.5 * Util.unitHeight)
    topPadding: 0
    bottomPadding: 0
    opacity: (transDown && down) ? 0.7 : 1

    contentItem: ZVText {
        text: idButton.text
        font.pointSize: idButton.textSize
        font.bold: true
        color: idButton.__hi ? idButton.textHiColor : idButton.colorText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: idButton.radius
        color: idButton.__hi ? idButton.bkgnHiColor : idButton.bkgnColor
        border.width: idButton.borderWidth
        border.color: idButton.__hi ? idButton.borderHiColor : idButton.borderColor
    }

    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)

    FocusFrame {
        id: idFocusFrame
        // Around the button, in its fill or, when it has none, its text colour.
        radius: idButton.radius - margin
        border.color: idButton.bkgnColor.a > 0 ? idButton.bkgnColor : idButton.colorText
    }
}
