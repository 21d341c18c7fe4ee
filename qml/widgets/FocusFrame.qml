import QtQuick 2.12
import Widgets.Theme 1.0
import "qrc:/js/keypress.js" as KeyPress

// The frame that shows which control holds the keyboard focus: a rounded
// outline around the control (placed by margin: outside it by default,
// inside it for a control that fills its row), in the control's own colour
// from the theme. It shows only while the focus came from the keyboard (Tab,
// Backtab), never after a click or when a page gives the focus itself.
// Controls also pass their keys to keyPressed() and keyReleased(), so that
// Space and Return press only a control that shows the frame.
Rectangle {
    id: idFrame

    // The control the frame belongs to (its parent).
    property Item control: parent
    // Shown for keyboard focus: the control's visualFocus by default.
    property bool shown: control !== null && control.visualFocus === true
    // Distance of the frame's outer edge from the control's: negative
    // outside the control, positive inside.
    property real margin: -4

    function keyPressed(event) {
        KeyPress.buttonKeyPressed(idFrame.control, event)
    }

    function keyReleased(event) {
        KeyPress.buttonKeyReleased(idFrame.control, event)
    }

    anchors.fill: parent
    anchors.margins: margin
    visible: shown
    z: 100
    color: "transparent"
    border.width: 2
    border.color: Theme.buttonBlueColor
}
