import QtQuick 2.12
import QtQuick.Layouts 1.12
import QtTest 1.12
import Lib.Util 1.0
import "qrc:/widgets"
import "../common/pagetest.js" as T
import "../common"

// TitledRow: the rows of one form share a title column as wide as their
// widest title, in a column layout and in a plain column alike.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idLayoutRows
        ColumnLayout {
            width: idWindow.width
            TitledRow {
                title: "Note"
                Item { objectName: "rowContent"; Layout.fillWidth: true }
            }
            TitledRow {
                title: "A title longer than four units"
                Item { objectName: "rowContent"; Layout.fillWidth: true }
            }
        }
    }

    Component {
        id: idColumnRows
        Column {
            width: idWindow.width
            TitledRow {
                title: "Question 1"
                minTitleWidth: Util.unitHeight * 5.5
                Item { objectName: "rowContent"; Layout.fillWidth: true }
            }
            Rectangle { width: parent.width; height: 1 }
            TitledRow {
                title: "Answer"
                minTitleWidth: Util.unitHeight * 5.5
                Item { objectName: "rowContent"; Layout.fillWidth: true }
            }
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "TitledRow"
        when: windowShown

        function test_sharedTitleColumn_data() {
            return [
                { tag: "column layout", comp: idLayoutRows, longer: 1 },
                { tag: "plain column", comp: idColumnRows, longer: 0 }
            ]
        }
        // The longer title is whole, the contents of both rows start at the
        // same place after it, and the rows keep 2-unit margins.
        function test_sharedTitleColumn(data) {
            var rows = createTemporaryObject(data.comp, idWindow)
            var titles = T.findAll(rows, function (o) { return o.objectName === "rowTitle" })
            var contents = T.findAll(rows, function (o) { return o.objectName === "rowContent" })
            compare(titles.length, 2)
            tryVerify(function () { return contents[0].width > 0 })
            var longer = titles[data.longer]
            verify(longer.implicitWidth > Util.unitHeight * 5.5)
            verify(longer.width >= longer.implicitWidth)
            compare(titles[0].width, titles[1].width)
            var start0 = contents[0].mapToItem(rows, 0, 0).x
            compare(contents[1].mapToItem(rows, 0, 0).x, start0)
            verify(start0 >= longer.mapToItem(rows, longer.implicitWidth, 0).x)
            for (var i = 0; i < 2; ++i) {
                compare(titles[i].mapToItem(rows, 0, 0).x, Util.unitHeight * 2)
                compare(contents[i].mapToItem(rows, contents[i].width, 0).x,
                        rows.width - Util.unitHeight * 2)
            }
        }
    }
}
