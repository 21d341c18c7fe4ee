import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/Widgets2/Panel"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// Creates a note box (noteBoxId 0) or edits the icon and name of one.
PopupPage {
    id: idEditNoteBoxPage

    property int noteBoxId: 0
    property int currentIconId: -1

    property bool __filling: false
    // A box added by a save that failed; saving again fills that box.
    property int __addedBoxId: 0

    onAboutToShow: {
        __filling = true
        __addedBoxId = 0
        var box = noteBoxId !== 0 ? DB.getNoteBox(noteBoxId) : null
        if (box) {
            currentIconId = box.iconId
            idNameEdit.text = box.name
        } else {
            currentIconId = 2
            idNameEdit.text = ""
        }
        __filling = false
        interactive = true
    }

    onCurrentIconIdChanged: {
        if (!__filling)
            interactive = false
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
                onClicked: idEditNoteBoxPage.close()
            }
            ZVText {
                anchors.centerIn: parent
                text: idEditNoteBoxPage.noteBoxId !== 0 ? qsTr("修改分类") : qsTr("新建分类")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-1)
                color: Theme.popupTextColor
            }
        }

        RowLayout {
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            height: Util.unitHeight * 5
            spacing: Util.unitHeight * 2
            ZVText {
                text: qsTr("图标")
                color: Theme.textColor3
            }
            Image {
                Layout.preferredWidth: Util.unitHeight * 2.4
                Layout.preferredHeight: Util.unitHeight * 2.4
                sourceSize: Qt.size(width * 2, height * 2)
                source: Icon.getIconUrl(idEditNoteBoxPage.currentIconId)
            }
            Item { Layout.fillWidth: true }
            TxtButton {
                text: qsTr("选择图标")
                onClicked: {
                    idIconChoosePage.currentIconId = idEditNoteBoxPage.currentIconId
                    idIconChoosePage.open()
                }
            }
        }

        ZVPixelLine {
            width: parent.width
            height: 1
            color: Theme.popupSpacingColor
        }

        RowLayout {
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            height: Util.unitHeight * 5
            spacing: Util.unitHeight * 2
            ZVText {
                text: qsTr("名称")
                color: Theme.textColor3
            }
            LineEdit {
                id: idNameEdit
                objectName: "noteBoxNameEdit"
                Layout.fillWidth: true
                placeholderText: qsTr("必填")
                onTextChanged: {
                    if (!idEditNoteBoxPage.__filling)
                        idEditNoteBoxPage.interactive = false
                }
            }
        }

        LineTxtButton {
            objectName: "noteBoxEditDone"
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            text: qsTr("完成")
            bkgnColor: Theme.buttonBlueColor
            bkgnHiColor: Theme.buttonBlueHiColor
            onClicked: {
                var name = idNameEdit.text
                if (name.length === 0) {
                    idPopupMsg.msg = qsTr("请输入名称")
                    idPopupMsg.open()
                    return
                }
                var page = idEditNoteBoxPage
                var boxId = page.noteBoxId !== 0 ? page.noteBoxId : page.__addedBoxId
                var box = boxId !== 0 ? DB.getNoteBox(boxId) : DB.addNoteBox()
                if (!box)
                    return
                if (boxId === 0)
                    page.__addedBoxId = box.id
                box.iconId = idEditNoteBoxPage.currentIconId
                box.name = name
                if (DB.save()) {
                    page.__addedBoxId = 0
                    idEditNoteBoxPage.close()
                    idEditNoteBoxPage.accepted()
                }
            }
        }
        Item {
            width: 1
            height: Util.unitHeight * 2
        }
        ZVHomeIndicator {}
    }

    IconChoosePage {
        id: idIconChoosePage
        onAccepted: idEditNoteBoxPage.currentIconId = currentIconId
    }

    PopupMsg {
        id: idPopupMsg
    }
}
