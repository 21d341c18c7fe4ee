import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// Confirmation dialog: title, message and an optional client item over a
// row of a reject and an accept button, centred on a darkened screen.
Popup {
    id: idDialog

    property string title: ""
    property string msg: ""
    property int msgHorizontalAlignment: Text.AlignHCenter
    property string acceptButtonText: qsTr("确定")
    property string rejectedButtonText: qsTr("取消")
    property bool acceptButtonWarning: false
    property bool hasRejectedButton: true
    property Component client: null

    signal accepted()
    signal rejected()

    readonly property int __unit: Util.unitHeight
    // The screen is the window on the desktop; its overlay follows its size.
    readonly property size __screen: Overlay.overlay && Overlay.overlay.width > 0
                                     ? Qt.size(Overlay.overlay.width, Overlay.overlay.height)
                                     : Util.screenSize

    parent: Overlay.overlay
    x: 0
    y: 0
    width: __screen.width
    height: __screen.height
    modal: true
    dim: false
    focus: true
    padding: 0
    closePolicy: Popup.CloseOnEscape

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0.9; to: 1.0; duration: 100 }
    }

    background: Rectangle {
        color: "black"
        opacity: Theme.overlayOpacity
    }

    onAboutToShow: {
        idRejectButton.visible = hasRejectedButton
        idButtonLine.visible = hasRejectedButton
    }

    contentItem: Item {
        Rectangle {
            id: idBox
            objectName: "dialogBox"
            anchors.centerIn: parent
            width: Math.ceil(idDialog.__unit * 27)
            height: idBoxColumn.implicitHeight
            radius: idDialog.__unit
            color: Theme.dialogColor

            Column {
                id: idBoxColumn
                width: parent.width

                Item {
                    width: parent.width
                    height: idBody.implicitHeight + idDialog.__unit * 2
                            + Math.ceil(idDialog.__unit * 1.2)

                    Column {
                        id: idBody
                        x: idDialog.__unit * 2
                        y: idDialog.__unit * 2
                        width: parent.width - idDialog.__unit * 4
                        spacing: Math.ceil(idDialog.__unit / 2)

                        ZVText {
                            objectName: "dialogTitle"
                            width: parent.width
                            visible: idDialog.title !== ""
                            text: idDialog.title
                            font.bold: true
                            font.pointSize: Util.relativeFontPoint(-2)
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.Wrap
                            lineHeight: 1.3
                            color: Theme.textColor
                        }

                        ZVText {
                            objectName: "dialogMsg"
                            width: parent.width
                            visible: idDialog.msg !== ""
                            text: idDialog.msg
                            font.pointSize: Util.relativeFontPoint(idDialog.title !== "" ? -4 : -2)
                            horizontalAlignment: idDialog.msgHorizontalAlignment
                            wrapMode: Text.Wrap
                            lineHeight: 1.3
                            color: Theme.textColor
                        }

                        Loader {
                            width: parent.width
                            active: idDialog.client !== null
                            visible: active
                            sourceComponent: idDialog.client
                        }
                    }
                }

                ZVPixelLine {
                    width: parent.width
                    height: 1
                    color: Theme.dialogSpacingColor
                }

                Row {
                    width: parent.width

                    DlgButton {
                        id: idRejectButton
                        objectName: "rejectButton"
                        width: visible ? Math.floor((parent.width - 1) / 2) : 0
                        text: idDialog.rejectedButtonText
                        leftRadius: idDialog.__unit
                        onClicked: {
                            idDialog.rejected()
                            idDialog.close()
                        }
                    }

                    ZVPixelLine {
                        id: idButtonLine
                        width: visible ? 1 : 0
                        height: idAcceptButton.height
                        color: Theme.dialogSpacingColor
                    }

                    DlgButton {
                        id: idAcceptButton
                        objectName: "acceptButton"
                        width: parent.width - idRejectButton.width - idButtonLine.width
                        text: idDialog.acceptButtonText
                        colorText: idDialog.acceptButtonWarning ? Theme.textRedColor : Theme.textBlueColor
                        leftRadius: idRejectButton.visible ? 0 : idDialog.__unit
                        rightRadius: idDialog.__unit
                        onClicked: {
                            idDialog.accepted()
                            idDialog.close()
                        }
                    }
                }
            }
        }
    }
}
