import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/Widgets2/Panel"

// The frame of the bottom sheets: a head bar with the round close button on
// the left and the bold title in the middle, the sheet body (the default
// property) under it, the home-indicator spacer, and the sheet's one toast
// (showMsg).
PopupPage {
    id: idSheet

    property alias title: idTitle.text
    property alias closeButton: idCloseButton
    property alias headBar: idBar
    // The entry sheets have a taller head bar than the others.
    property alias headHeight: idBar.height
    property bool homeIndicator: true
    readonly property alias body: idBody
    readonly property alias popupMsg: idToast
    default property alias content: idBody.data

    // A toast over the sheet; a sticky one stays until it is dismissed.
    function showMsg(msg, sticky) {
        idToast.show(msg, sticky === true)
    }

    Column {
        width: parent.width
        // Return presses nothing here while the sheet comes in or goes out
        // (keypress.js).
        readonly property bool pageOpened: idSheet.opened

        PopupBar {
            id: idBar
            width: parent.width

            CloseButton {
                id: idCloseButton
                objectName: "closeButton"
                anchors.left: parent.left
                anchors.leftMargin: idSheet.__screen.unit * 2
                anchors.verticalCenter: parent.verticalCenter
                onClicked: idSheet.close()
            }

            BarTitle {
                id: idTitle
                objectName: "sheetTitle"
                leftItems: [idCloseButton]
                font.pointSize: Util.relativeFontPoint(-1)
                color: Theme.popupTextColor
            }
        }

        Column {
            id: idBody
            width: parent.width
        }

        ZVHomeIndicator {
            visible: idSheet.homeIndicator
        }
    }

    PopupMsg {
        id: idToast
        objectName: "pageMsg"
    }
}
