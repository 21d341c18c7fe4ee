import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Templates 2.12 as T
import Lib.Util 1.0
import Widgets.Theme 1.0

// The picture carousel: one page per entry of adListModel, advancing every
// 4 seconds and wrapping from the last page to the first. A click on a page
// opens it; from the keyboard the carousel is one Tab stop, and Space or
// Return opens the page it shows.
Item {
    id: idWidget

    property var adListModel: []
    readonly property alias currentIndex: idView.currentIndex

    signal itemClicked(var modelItem)

    implicitWidth: Util.screenSize.width
    implicitHeight: Util.screenSize.width * 0.4
    clip: true

    // The carousel's Tab stop, beneath the pages (which take the clicks): a
    // stop only while there is a page; a click leaves the focus where it is.
    T.AbstractButton {
        id: idKeys
        anchors.fill: parent
        focusPolicy: idView.count > 0 ? Qt.TabFocus : Qt.NoFocus
        onClicked: {
            if (idView.currentIndex >= 0 && idView.currentIndex < idWidget.adListModel.length)
                idWidget.itemClicked(idWidget.adListModel[idView.currentIndex])
        }
        Keys.onPressed: idFocusFrame.keyPressed(event)
        Keys.onReleased: idFocusFrame.keyReleased(event)
    }

    SwipeView {
        id: idView
        anchors.fill: parent
        // The pages are no Tab stops of their own: the carousel is one.
        activeFocusOnTab: false

        Repeater {
            model: idWidget.adListModel

            Rectangle {
                color: Theme.pageBoxColor

                Image {
                    id: idImage
                    anchors.centerIn: parent
                    width: Util.screenSize.width - 2 * Util.unitHeight
                    height: Util.screenSize.width * 0.4 - 2 * Util.unitHeight
                    source: modelData.imageSource
                    asynchronous: true
                    visible: status === Image.Ready
                    smooth: true

                    Rectangle {
                        anchors.fill: parent
                        color: "black"
                        opacity: 0.2
                        visible: Theme.darkMode
                    }
                }

                BusyIndicator {
                    anchors.centerIn: parent
                    width: 80
                    height: 80
                    running: idImage.status === Image.Loading
                    visible: running
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: idWidget.itemClicked(modelData)
                }
            }
        }
    }

    MyPageIndicator {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Util.unitHeight / 3
        count: idView.count
        currentIndex: idView.currentIndex
    }

    Timer {
        interval: 4000
        repeat: true
        running: true
        onTriggered: {
            if (idView.count > 0)
                idView.currentIndex = (idView.currentIndex + 1) % idView.count
        }
    }

    FocusFrame {
        id: idFocusFrame
        control: idKeys
        // Inside: the carousel fills its row, around the picture.
        margin: Math.ceil(Util.unitHeight / 2)
        radius: Util.unitHeight / 2
    }
}
