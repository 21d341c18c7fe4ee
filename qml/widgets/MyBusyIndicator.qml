import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Modal busy indicator: open while running is true; the user cannot close it.
Popup {
    id: idBusy

    property bool running: false

    // The unit height and the screen the popup covers.
    readonly property PopupScreen __screen: PopupScreen { overlay: idBusy.Overlay.overlay }

    modal: true
    dim: false
    focus: true
    padding: 0
    closePolicy: Popup.NoAutoClose

    onRunningChanged: running ? open() : close()
    Component.onCompleted: {
        if (running)
            open()
    }

    onAboutToShow: {
        var screenWidth = __screen.width
        var origin = parent ? parent.mapToItem(null, 0, 0) : Qt.point(0, 0)
        x = (screenWidth - width) / 2 - origin.x
        y = parent ? (parent.height - height) / 2 : 0
    }

    contentItem: BusyIndicator {
        implicitWidth: idBusy.__screen.unit * 6
        implicitHeight: idBusy.__screen.unit * 6
        running: idBusy.running
    }

    background: Rectangle {
        color: "black"
        opacity: 0.1
        radius: idBusy.__screen.unit
    }
}
