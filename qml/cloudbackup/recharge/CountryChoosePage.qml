import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "qrc:/Widgets2/ViewItem"

// The country or region of a phone number, chosen from a sheet that rises
// from the bottom; the list is loaded at the first opening.
Drawer {
    id: idDrawer

    property var currentCountryCode: ({})

    signal accepted()

    readonly property alias listView: idList

    edge: Qt.BottomEdge
    dragMargin: 0
    interactive: false
    width: Util.screenSize.width
    height: Util.screenSize.height - Theme.statusBarHeight - 2 * Util.unitHeight
    leftInset: Util.isPad() ? Math.ceil(Util.screenSize.width * 0.125) : 0
    rightInset: leftInset
    leftPadding: leftInset
    rightPadding: rightInset
    topPadding: 0
    bottomPadding: 0
    modal: true
    background: Item {}

    onOpened: {
        if (idStack.currentIndex === 0)
            idList.model = Util.countryCodeList()
        var idx = 0
        var model = idList.model || []
        for (var i = 0; i < model.length; ++i) {
            if (model[i].region === currentCountryCode.region) {
                idx = i
                break
            }
        }
        idList.currentIndex = idx
        // Once shown: the stack sizes only its current page, and at the
        // first opening the list stood hidden behind the busy page.
        idStack.currentIndex = 1
        idList.positionViewAtIndex(idx, ListView.Center)
    }

    contentItem: Rectangle {
        color: Theme.popupSpacingColor

        PopupBar {
            id: idBar
            width: parent.width
            height: 5 * Util.unitHeight

            CloseButton {
                objectName: "countryCloseButton"
                anchors.left: parent.left
                anchors.leftMargin: Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                onClicked: idDrawer.close()
            }
            ZVText {
                anchors.centerIn: parent
                text: qsTr("国家和地区")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-1)
            }
            CloseButton {
                anchors.right: parent.right
                anchors.rightMargin: Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                opacity: 0
                enabled: false
            }
        }

        StackLayout {
            id: idStack
            anchors.top: idBar.bottom
            anchors.bottom: idDone.top
            width: parent.width
            currentIndex: 0

            Item {
                BusyIndicator {
                    anchors.centerIn: parent
                    width: 6 * Util.unitHeight
                    height: width
                    running: idStack.currentIndex === 0
                }
            }

            ListView {
                id: idList
                objectName: "countryList"
                clip: true
                delegate: ChooseListViewItem {
                    width: idList.width
                    titleText: modelData.name
                    subTitleText: modelData.nameEn
                    highlighted: ListView.isCurrentItem
                    onClicked: idList.currentIndex = index
                }
            }
        }

        PageButton {
            id: idDone
            objectName: "countryDoneButton"
            anchors.bottom: parent.bottom
            width: parent.width
            text: qsTr("完成")
            onClicked: {
                var model = idList.model || []
                if (idList.currentIndex >= 0 && idList.currentIndex < model.length)
                    idDrawer.currentCountryCode = model[idList.currentIndex]
                idDrawer.close()
                idDrawer.accepted()
            }
        }
    }
}
