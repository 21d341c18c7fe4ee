import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// One-line input dialog: a message above a bordered edit and the
// reject/accept button row. The accept button needs a non-empty text.
Popup {
    id: idDialog

    property string msg: ""
    property alias userText: idEdit.text
    property alias inputValidator: idEdit.validator
    property alias inputMethodHints: idEdit.inputMethodHints
    property alias echoMode: idEdit.echoMode
    property string acceptButtonText: qsTr("完成")
    property string rejectedButtonText: qsTr("取消")

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

    onOpened: idEdit.setFocus(true)

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
                            objectName: "dialogMsg"
                            width: parent.width
                            text: idDialog.msg
                            font.pointSize: Util.relativeFontPoint(-2)
                            horizontalAlignment: Text.AlignLeft
                            wrapMode: Text.Wrap
                            lineHeight: 1.3
                            color: Theme.textColor
                        }

                        LineEdit {
                            id: idEdit
                            objectName: "dialogEdit"
                            width: parent.width
                            showBorder: true
                        }
                    }
                }

                Rectangle {
                    width: parent.width
                    height: 1
                    color: Theme.popupSpacingColor
                }

                Row {
                    width: parent.width

                    DlgButton {
                        id: idRejectButton
                        objectName: "rejectButton"
                        width: Math.floor((parent.width - 1) / 2)
                        text: idDialog.rejectedButtonText
                        leftRadius: idDialog.__unit
                        onClicked: {
                            idDialog.userText = ""
                            idDialog.rejected()
                            idDialog.close()
                        }
                    }

                    Rectangle {
                        width: 1
                        height: idAcceptButton.height
                        color: Theme.popupSpacingColor
                    }

                    DlgButton {
                        id: idAcceptButton
                        objectName: "acceptButton"
                        width: parent.width - idRejectButton.width - 1
                        text: idDialog.acceptButtonText
                        rightRadius: idDialog.__unit
                        // Only a non-empty text can be accepted.
                        enabled: idDialog.userText !== ""
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
