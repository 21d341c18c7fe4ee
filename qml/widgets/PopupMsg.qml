import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Toast: shows msg for 1500 ms. With autoClose false it stays after that
// until the user dismisses it, and autoClose is set back to true. Shown
// again while it is up, it shows the new message for a time of its own.
Popup {
    id: idToast

    property string msg: ""
    property bool autoClose: true
    // The item the toast speaks for (its parent unless set): the toast stands
    // just above the popup that holds it, so that a popup standing higher
    // than the others (the lock screen) shows its own toasts.
    property Item owner: parent

    // The unit height and the screen the popup covers.
    readonly property PopupScreen __screen: PopupScreen { overlay: idToast.Overlay.overlay }
    property bool __dismissable: false

    // Shows msg; a sticky toast stays after its time until dismissed. A
    // toast already up starts its time again (open() would leave it as it
    // is): a plain message closes by itself 1500 ms on, never waiting for
    // the tap that an earlier sticky one was waiting for.
    function show(text, sticky) {
        msg = text
        autoClose = !sticky
        if (visible)
            __startTime()
        open()
    }

    // Just above the popup (an item of the window's overlay) holding owner;
    // at the popups' own level when no popup holds it.
    function __stackUp() {
        var overlay = Overlay.overlay
        for (var p = owner; p; p = p.parent) {
            if (p.parent === overlay && overlay) {
                z = p.z + 0.5
                return
            }
        }
        z = 0
    }

    // The 1500 ms during which nothing closes the toast.
    function __startTime() {
        __dismissable = false
        closePolicy = Popup.NoAutoClose
        opacity = 1
        idTimer.restart()
    }

    modal: true
    dim: false
    focus: true
    padding: __screen.unit
    closePolicy: Popup.NoAutoClose
    anchors.centerIn: parent

    contentItem: Item {
        // Measured on an unwrapped copy: the shown text's own implicit width
        // follows its wrapping, which would feed back into the popup's width.
        implicitWidth: Math.min(Math.ceil(idMeasure.implicitWidth),
                                Math.floor(idToast.__screen.width * 0.7))
        implicitHeight: idText.height

        ZVText {
            id: idMeasure
            visible: false
            text: idText.text
            font: idText.font
        }

        ZVText {
            id: idText
            objectName: "toastText"
            width: parent.width
            text: idToast.msg
            font.bold: true
            font.pointSize: Util.relativeFontPoint(-2)
            wrapMode: Text.Wrap
            lineHeight: 1.3
            color: Theme.darkMode ? Theme.whiteTheme.textColor : Theme.darkTheme.textColor
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                if (idToast.__dismissable)
                    idToast.close()
            }
        }
    }

    background: Rectangle {
        radius: idToast.__screen.unit
        opacity: 0.8
        color: Theme.darkMode ? Theme.whiteTheme.dialogColor : Theme.darkTheme.dialogColor
    }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 100 }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 100 }
    }

    onAboutToShow: {
        __stackUp()
        __startTime()
    }

    onClosed: {
        idTimer.stop()
        __dismissable = false
    }

    Timer {
        id: idTimer
        interval: 1500
        repeat: false
        onTriggered: {
            if (idToast.autoClose) {
                idToast.close()
            } else {
                idToast.autoClose = true
                idToast.__dismissable = true
                idToast.closePolicy = Popup.CloseOnEscape | Popup.CloseOnPressOutside
            }
        }
    }
}
