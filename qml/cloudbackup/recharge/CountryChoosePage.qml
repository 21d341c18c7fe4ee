import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/ViewItem"

// The country or region of a phone number, chosen from a tall sheet that
// rises from the bottom; the list is loaded at the first opening.
SheetPage {
    id: idDrawer

    property var currentCountryCode: ({})

    readonly property alias listView: idList

    title: qsTr("国家和地区")
    interactive: false
    homeIndicator: false
    closeButton.objectName: "countryCloseButton"

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

    // The sheet stands the status bar and two units below the window's top.
    Rectangle {
        width: parent.width
        height: Math.max(0, idDrawer.height - Theme.statusBarHeight - 2 * Util.unitHeight
                         - idDrawer.headBar.height)
        color: Theme.popupSpacingColor

        StackLayout {
            id: idStack
            anchors.top: parent.top
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
