import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A thin progress bar.
ProgressBar {
    id: idBar

    padding: 2

    background: Rectangle {
        implicitWidth: 20 * Util.unitHeight
        implicitHeight: Util.unitHeight / 4
        radius: 3
        color: Theme.pageBoxColor
    }

    contentItem: Item {
        implicitWidth: 20 * Util.unitHeight
        implicitHeight: Util.unitHeight / 4
        Rectangle {
            width: idBar.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: Theme.buttonBlueColor
        }
    }
}
