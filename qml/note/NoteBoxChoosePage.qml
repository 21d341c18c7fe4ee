import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "qrc:/Widgets2/ViewItem"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// Picks the box of a note: "未分类" first, then the user's note boxes.
PopupPage {
    id: idNoteBoxChoosePage

    property int currentBoxId: 0

    interactive: false

    onAboutToShow: {
        var list = DB.getNoteBoxChooseList()
        idBoxList.model = list
        for (var i = 0; i < list.length; ++i) {
            if (list[i].id === currentBoxId) {
                idBoxList.currentIndex = i
                break
            }
        }
    }

    Column {
        width: parent.width

        PopupBar {
            width: parent.width
            CloseButton {
                id: idCloseButton
                anchors.left: parent.left
                anchors.leftMargin: Util.unitHeight * 2
                anchors.verticalCenter: parent.verticalCenter
                onClicked: idNoteBoxChoosePage.close()
            }
            ZVText {
                anchors.centerIn: parent
                text: qsTr("选择分类")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-1)
                color: Theme.popupTextColor
            }
        }

        ListView {
            id: idBoxList
            objectName: "noteBoxChooseList"
            width: parent.width
            height: Math.min(contentHeight, Math.ceil(Util.screenSize.height * 0.5))
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            highlightMoveDuration: 0
            delegate: ChooseListViewItem {
                objectName: "noteBoxChoose_" + modelData.id
                width: idBoxList.width
                height: Util.unitHeight * 5
                leftPadding: Util.unitHeight * 3
                rightPadding: Util.unitHeight * 3
                iconSource: Icon.getIconUrl(modelData.iconId)
                iconSize: Util.unitHeight * 2.4
                titleText: modelData.name
                titleFontPointSize: Util.relativeFontPoint(-2)
                highlighted: ListView.isCurrentItem
                onClicked: idBoxList.currentIndex = index
            }
        }

        LineTxtButton {
            objectName: "noteBoxChooseDone"
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            text: qsTr("完成")
            bkgnColor: Theme.buttonBlueColor
            bkgnHiColor: Theme.buttonBlueHiColor
            onClicked: {
                var list = idBoxList.model
                if (list && idBoxList.currentIndex >= 0 && idBoxList.currentIndex < list.length)
                    idNoteBoxChoosePage.currentBoxId = list[idBoxList.currentIndex].id
                idNoteBoxChoosePage.accepted()
                idNoteBoxChoosePage.close()
            }
        }
        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        ZVHomeIndicator {}
    }
}
