import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/Widgets2/ViewItem"
import "qrc:/js/icon.js" as Icon

// Bottom sheet "选择分类": the boxes something can be filed in, as the
// page's loadBoxes gives them.
SheetPage {
    id: idRoot

    title: qsTr("选择分类")

    property int currentBoxId: 0
    // function () -> the list of boxes to choose from
    property var loadBoxes

    interactive: false

    onAboutToShow: {
        var previous = idListView.currentIndex
        var list = loadBoxes()
        idListView.model = list
        var found = -1
        for (var i = 0; i < list.length; ++i) {
            if (list[i].id === currentBoxId) {
                found = i
                break
            }
        }
        if (found < 0)
            found = Math.max(0, Math.min(previous, list.length - 1))
        idListView.currentIndex = found
    }

    ColumnLayout {
        width: parent.width
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: idBody.implicitHeight
            color: Theme.popupColor

            ColumnLayout {
                id: idBody
                width: parent.width
                spacing: 0

                ListView {
                    id: idListView
                    objectName: "boxChooseList"
                    Layout.fillWidth: true
                    Layout.preferredHeight: Math.min(contentHeight,
                                                     Math.ceil(Util.screenSize.height * 0.5))
                    clip: true
                    currentIndex: 0
                    delegate: ChooseListViewItem {
                        width: idListView.width
                        height: Util.unitHeight * 5
                        leftPadding: Util.unitHeight * 3
                        rightPadding: Util.unitHeight * 3
                        iconSource: Icon.getIconUrl(modelData.iconId)
                        iconSize: Util.unitHeight * 2.4
                        titleText: modelData.name
                        titleFontPointSize: Util.relativeFontPoint(-2)
                        highlighted: ListView.isCurrentItem
                        onClicked: idListView.currentIndex = index
                    }
                }

                LineTxtButton {
                    objectName: "chooseDoneButton"
                    Layout.fillWidth: true
                    Layout.margins: Util.unitHeight * 2
                    text: qsTr("完成")
                    bkgnHiColor: Theme.buttonBlueHiColor
                    onClicked: {
                        var list = idListView.model
                        if (list && idListView.currentIndex >= 0
                                && idListView.currentIndex < list.length)
                            idRoot.currentBoxId = list[idListView.currentIndex].id
                        idRoot.accepted()
                        idRoot.close()
                    }
                }
            }
        }
    }
}
