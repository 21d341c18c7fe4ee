import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// A titled row of the entry pages: the title at the left, the row's own
// items after it. The rows of one page share a title column as wide as the
// widest of their titles (4 units at least), so that longer translations
// neither overlap the content nor unalign the rows.
RowLayout {
    id: idRow

    property alias title: idTitle.text
    readonly property real titleImplicitWidth: idTitle.implicitWidth
    readonly property real titleColumnWidth: {
        var widest = Util.unitHeight * 4
        var rows = parent ? parent.children : []
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].titleImplicitWidth !== undefined)
                widest = Math.max(widest, rows[i].titleImplicitWidth)
        }
        return Math.ceil(widest)
    }

    Layout.fillWidth: true
    Layout.preferredHeight: Util.unitHeight * 5
    Layout.leftMargin: Util.unitHeight * 2
    Layout.rightMargin: Util.unitHeight * 2
    spacing: Util.unitHeight * 1.5

    ZVText {
        id: idTitle
        objectName: "rowTitle"
        Layout.preferredWidth: idRow.titleColumnWidth
        color: Theme.textColor3
    }
}
