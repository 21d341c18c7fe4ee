import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// A titled row of a form (the entry and note sheets, the security-question
// pages): the title at the left, the row's own items after it. The rows of
// one form (siblings) share a title column as wide as the widest of their
// titles (minTitleWidth at least), so that longer translations neither run
// into the content nor unalign the rows. In a column layout the row fills
// the width within 2-unit margins; in a plain column it places itself so.
RowLayout {
    id: idRow

    property alias title: idTitle.text
    property alias titleColor: idTitle.color
    property real minTitleWidth: Util.unitHeight * 4
    readonly property real titleImplicitWidth: idTitle.implicitWidth
    readonly property real titleColumnWidth: {
        var widest = minTitleWidth
        var rows = parent ? parent.children : []
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].titleImplicitWidth !== undefined)
                widest = Math.max(widest, rows[i].titleImplicitWidth)
        }
        return Math.ceil(widest)
    }

    x: Util.unitHeight * 2
    width: parent ? parent.width - Util.unitHeight * 4 : 0
    height: Util.unitHeight * 5
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
