import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Modal busy indicator: open while running is true; the user cannot close it.
Popup {
    id: idBusy

    property bool running: false

    readonly property int __unit: Util.unitHeight
    // The screen is the window on the desktop; its overlay follows its size.
    readonly property size __screen: Overlay.overlay && Overlay.overlay.width > 0
                                     ? Qt.size(Overlay.overlay.width, Overlay.overlay.height)
                                     : Util.screenSize

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
        implicitWidth: idBusy.__unit * 6
        implicitHeight: idBusy.__unit * 6
        running: idBusy.running
    }

    background: Rectangle {
        color: "black"
        opacity: 0.1
        radius: idBusy.__unit
    }
}
