import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// A titled row of the entry pages: the title at the left, the row's own
// items after it.
RowLayout {
    property alias title: idTitle.text

    Layout.fillWidth: true
    Layout.preferredHeight: Util.unitHeight * 5
    Layout.leftMargin: Util.unitHeight * 2
    Layout.rightMargin: Util.unitHeight * 2
    spacing: Util.unitHeight * 1.5

    ZVText {
        id: idTitle
        Layout.preferredWidth: Util.unitHeight * 4
        color: Theme.textColor3
    }
}
