import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import "qrc:/widgets"

// Colour swatch: a radio button drawn as a small coloured square.
RadioButton {
    id: idColorRdoButton

    property color color: "red"
    property color borderColor: "green"

    padding: 0
    spacing: 0
    focusPolicy: Qt.TabFocus
    Keys.onPressed: idFocusFrame.keyPressed(event)
    Keys.onReleased: idFocusFrame.keyReleased(event)
    implicitWidth: Util.unitHeight * 3
    implicitHeight: Util.unitHeight * 3

    indicator: Rectangle {
        implicitWidth: Util.unitHeight * 3
        implicitHeight: Util.unitHeight * 3
        x: idColorRdoButton.leftPadding
        y: idColorRdoButton.topPadding + (idColorRdoButton.availableHeight - height) / 2
        radius: Util.unitHeight * 0.25
        color: idColorRdoButton.checked ? idColorRdoButton.borderColor : "transparent"

        Rectangle {
            anchors.fill: parent
            anchors.margins: Util.unitHeight / 3
            radius: Util.unitHeight * 0.25
            color: idColorRdoButton.color
            border.width: Util.unitHeight / 8
            border.color: idColorRdoButton.borderColor
        }
    }
    contentItem: Item {}

    FocusFrame {
        id: idFocusFrame
        margin: -3
        radius: Util.unitHeight / 2
        border.color: idColorRdoButton.borderColor
    }
}
