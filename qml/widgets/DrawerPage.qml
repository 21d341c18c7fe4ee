import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The frame of the full-window pages that slide in from the right edge: a
// title bar whose return button closes the page (with a loading bar and an
// error line for pages that load something: loadStart, loadSucceed,
// loadFail with errorText), the page body (the default property) filling
// the rest, optionally the home-indicator footer, and the page's one toast
// (showMsg).
Drawer {
    id: idRoot

    property alias title: idTitleBar.titleText
    property alias returnText: idTitleBar.returnText
    property alias titleBar: idTitleBar
    // Shown under the title by loadFail().
    property alias errorText: idTitleBar.errorText
    // The home-indicator spacer under the body.
    property bool homeIndicator: false
    // False when the page handles its return button itself.
    property bool closeOnReturn: true
    property color pageColor: Theme.pageColor
    readonly property alias body: idBody
    readonly property alias popupMsg: idToast
    default property alias content: idBody.data

    signal returnClicked()

    function loadStart() {
        idTitleBar.loadStart()
    }

    function loadSucceed() {
        idTitleBar.loadSucceed()
    }

    function loadFail() {
        idTitleBar.loadFail()
    }

    // A toast over the page; a sticky one stays until it is dismissed.
    function showMsg(msg, sticky) {
        idToast.show(msg, sticky === true)
    }

    // The window on the desktop (also for pages made before it is shown).
    readonly property PopupScreen __screen: PopupScreen { overlay: idRoot.Overlay.overlay }

    edge: Qt.RightEdge
    width: __screen.width
    height: __screen.height
    dragMargin: 0
    // Also the side facing the window, which the style pads by a pixel for
    // its edge line: the page fills the window.
    padding: 0
    leftPadding: 0
    dim: false
    modal: true
    // The keys go to the page, and Tab and Backtab stay within it.
    focus: true

    background: Rectangle {
        color: idRoot.pageColor
    }

    contentItem: Item {
        // Return presses nothing here while the page comes in or goes out
        // (keypress.js).
        readonly property bool pageOpened: idRoot.opened

        ProgressTitleBar {
            id: idTitleBar
            objectName: "drawerTitleBar"
            width: parent.width
            onReturnButtonClicked: {
                idRoot.returnClicked()
                if (idRoot.closeOnReturn)
                    idRoot.close()
            }
        }
        Item {
            id: idBody
            anchors.top: idTitleBar.bottom
            anchors.bottom: idFooter.top
            width: parent.width
            clip: true
        }
        ZVHomeIndicator {
            id: idFooter
            anchors.bottom: parent.bottom
            height: idRoot.homeIndicator ? implicitHeight : 0
        }
    }

    PopupMsg {
        id: idToast
        objectName: "pageMsg"
    }
}
