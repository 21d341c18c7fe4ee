import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/keypress.js" as KeyPress

// The frame of the centred dialogs: a darkened screen, a rounded box whose
// body (the default property) is a column of the dialog's texts and fields,
// a line, and the row of the reject and accept buttons. Escape closes it:
// a dialog with one button does what that button does, one with two does
// what the reject button does when rejectOnEscape is set, and otherwise
// closes without a signal (so that Escape never discards what a dialog
// would only discard on its reject button). Return and Enter press the
// button of a dialog with one button (a field of the body names the accept
// button for itself, LineEdit.submitButton).
Popup {
    id: idDialog

    property string acceptButtonText: ""
    property string rejectedButtonText: ""
    property bool hasRejectedButton: true
    property color acceptTextColor: Theme.textBlueColor
    property bool acceptEnabled: true
    property bool rejectOnEscape: false
    // The line above the buttons and between them.
    property color lineColor: Theme.dialogSpacingColor
    default property alias content: idBody.data
    // For a field of the body that Return presses it from
    // (LineEdit.submitButton).
    readonly property alias acceptButton: idAcceptButton

    signal accepted()
    signal rejected()

    // The unit height and the screen the popup covers.
    readonly property PopupScreen __screen: PopupScreen { overlay: idDialog.Overlay.overlay }

    parent: Overlay.overlay
    x: 0
    y: 0
    width: __screen.width
    height: __screen.height
    modal: true
    dim: false
    focus: true
    padding: 0
    // Escape is taken by the content below, which holds the focus.
    closePolicy: Popup.NoAutoClose

    function __escape() {
        if (!hasRejectedButton) {
            if (acceptEnabled)
                accepted()
        } else if (rejectOnEscape) {
            rejected()
        }
        close()
    }

    function __return(event) {
        if (hasRejectedButton)
            event.accepted = false
        else
            KeyPress.pressButton(idAcceptButton, event)
    }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0.9; to: 1.0; duration: 100 }
    }

    background: Rectangle {
        color: "black"
        opacity: Theme.overlayOpacity
    }

    contentItem: Item {
        focus: true
        // Return presses nothing here while the dialog comes in or goes out
        // (keypress.js).
        readonly property bool pageOpened: idDialog.opened
        // Before any shortcut of the window beneath.
        Keys.onShortcutOverride: event.accepted = event.key === Qt.Key_Escape
        Keys.onEscapePressed: idDialog.__escape()
        Keys.onReturnPressed: idDialog.__return(event)
        Keys.onEnterPressed: idDialog.__return(event)

        Rectangle {
            id: idBox
            objectName: "dialogBox"
            anchors.centerIn: parent
            width: Math.ceil(idDialog.__screen.unit * 27)
            height: idBoxColumn.implicitHeight
            radius: idDialog.__screen.unit
            color: Theme.dialogColor

            Column {
                id: idBoxColumn
                width: parent.width

                Item {
                    width: parent.width
                    height: idBody.implicitHeight + idDialog.__screen.unit * 2
                            + Math.ceil(idDialog.__screen.unit * 1.2)

                    Column {
                        id: idBody
                        x: idDialog.__screen.unit * 2
                        y: idDialog.__screen.unit * 2
                        width: parent.width - idDialog.__screen.unit * 4
                        spacing: Math.ceil(idDialog.__screen.unit / 2)
                    }
                }

                ZVPixelLine {
                    width: parent.width
                    height: 1
                    color: idDialog.lineColor
                }

                Row {
                    width: parent.width

                    DlgButton {
                        id: idRejectButton
                        objectName: "rejectButton"
                        visible: idDialog.hasRejectedButton
                        width: visible ? Math.floor((parent.width - 1) / 2) : 0
                        text: idDialog.rejectedButtonText
                        leftRadius: idDialog.__screen.unit
                        onClicked: {
                            idDialog.rejected()
                            idDialog.close()
                        }
                    }

                    ZVPixelLine {
                        id: idButtonLine
                        visible: idDialog.hasRejectedButton
                        width: visible ? 1 : 0
                        height: idAcceptButton.height
                        color: idDialog.lineColor
                    }

                    DlgButton {
                        id: idAcceptButton
                        objectName: "acceptButton"
                        width: parent.width - idRejectButton.width - idButtonLine.width
                        text: idDialog.acceptButtonText
                        colorText: idDialog.acceptTextColor
                        enabled: idDialog.acceptEnabled
                        leftRadius: idRejectButton.visible ? 0 : idDialog.__screen.unit
                        rightRadius: idDialog.__screen.unit
                        onClicked: {
                            idDialog.accepted()
                            idDialog.close()
                        }
                    }
                }
            }
        }
    }
}
