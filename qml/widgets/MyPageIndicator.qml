import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Page dots; the current one stands out.
PageIndicator {
    id: idIndicator

    spacing: Util.unitHeight
    padding: 0

    delegate: Rectangle {
        implicitWidth: Util.unitHeight
        implicitHeight: Util.unitHeight
        radius: width / 2
        color: Theme.textColor
        opacity: index === idIndicator.currentIndex ? 0.7 : 0.2

        Behavior on opacity {
            OpacityAnimator { duration: 100 }
        }
    }
}
