import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Title bar with a loading bar and an error label, for pages that load
// something (web pages, lists fetched from the web site). The error text is
// shown as plain text.
Item {
    id: idBar

    property string titleText
    property string errorText
    property alias returnText: idTitle.returnText
    // The title bar's own custom button (see TitleBar).
    property alias customButton: idTitle.customButton
    property alias customButtonVisable: idTitle.customButtonVisable
    readonly property alias errorVisible: idError.visible

    signal returnButtonClicked()

    function loadStart() {
        idLoadingAnimation.stop()
        idFinishAnimation.stop()
        idError.visible = false
        idProgress.value = 0
        idProgress.visible = true
        idLoadingAnimation.start()
    }

    function loadSucceed() {
        idLoadingAnimation.stop()
        idFinishAnimation.start()
    }

    function loadFail() {
        idLoadingAnimation.stop()
        idFinishAnimation.stop()
        idProgress.visible = false
        idError.visible = true
    }

    implicitWidth: Util.screenSize.width
    implicitHeight: idColumn.height

    Column {
        id: idColumn
        width: parent.width

        TitleBar {
            id: idTitle
            width: parent.width
            text: idBar.titleText
            haveReturnButton: true
            onReturnButtonClicked: idBar.returnButtonClicked()
        }

        MyProgressBar {
            id: idProgress
            width: parent.width
            value: 0
            visible: false
        }

        Item {
            id: idError
            width: parent.width
            height: idErrorBox.height + Util.unitHeight
            visible: false

            Rectangle {
                id: idErrorBox
                y: Util.unitHeight
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(idErrorLabel.implicitWidth, parent.width)
                height: idErrorLabel.implicitHeight
                radius: 2 * Util.unitHeight
                color: Theme.pageBoxColor

                Text {
                    id: idErrorLabel
                    objectName: "errorLabel"
                    width: parent.width
                    text: idBar.errorText
                    textFormat: Text.PlainText
                    topPadding: Util.unitHeight
                    bottomPadding: Util.unitHeight
                    leftPadding: 2 * Util.unitHeight
                    rightPadding: 2 * Util.unitHeight
                    font.pointSize: Util.relativeFontPoint(-3)
                    color: Theme.textColor2
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    SequentialAnimation {
        id: idLoadingAnimation
        NumberAnimation { target: idProgress; property: "value"; to: 0.5; duration: 500 }
        NumberAnimation { target: idProgress; property: "value"; to: 0.8; duration: 5000 }
    }

    SequentialAnimation {
        id: idFinishAnimation
        NumberAnimation { target: idProgress; property: "value"; to: 1; duration: 500 }
        PropertyAction { target: idProgress; property: "visible"; value: false }
    }
}
