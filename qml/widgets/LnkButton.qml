import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Text link on a transparent background.
Button {
    id: idButton

    property color color: Theme.textWhiteColor
    property int fontPointSize: Util.relativeFontPoint(-4)

    padding: Util.unitHeight
    opacity: down ? 0.7 : 1

    contentItem: ZVText {
        text: idButton.text
        color: idButton.color
        font.pointSize: idButton.fontPointSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Item {}
}
