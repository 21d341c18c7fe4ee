import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// Bottom sheet with a note's colour, security level and box.
SheetPage {
    id: idEditNoteItemAttrPage

    title: qsTr("便签属性")
    closeButton.objectName: "noteAttrClose"

    property int currentSecurityLevel: 0
    property int currentBoxId: 0
    property int currentColorIndex: 0

    readonly property var __colorList: Icon.getNoteColorList(Theme.darkMode)

    // The box shown in the "分类" row; a box that is gone shows as "未分类".
    property var __box: null

    function __updateBox() {
        __box = DB.getNoteBox(currentBoxId) || { iconId: 0, name: qsTr("未分类") }
    }

    // "机密" stays selected only while the PIN key is present and verified.
    function __confidentialClicked() {
        idPinKeyRequest.request(function (passed) {
            if (!passed)
                idRdoNormal.checked = true
        })
    }

    onAboutToShow: {
        var swatch = idSwatches.itemAt(currentColorIndex)
        if (swatch)
            swatch.checked = true
        if (currentSecurityLevel > 0)
            idRdoConfidential.checked = true
        else
            idRdoNormal.checked = true
        __updateBox()
    }

    Column {
        width: parent.width

        // Six colour swatches spread over the width.
        Item {
            width: parent.width
            height: Util.unitHeight * 6
            ButtonGroup { id: idColorGroup }
            Row {
                id: idSwatchRow
                anchors.centerIn: parent
                readonly property real cell: (parent.width - Util.unitHeight * 2) / 6
                Repeater {
                    id: idSwatches
                    model: idEditNoteItemAttrPage.__colorList.length
                    Item {
                        width: idSwatchRow.cell
                        height: Util.unitHeight * 4
                        property alias checked: idSwatch.checked
                        ColorRdoButton {
                            id: idSwatch
                            objectName: "noteColorSwatch_" + index
                            anchors.centerIn: parent
                            ButtonGroup.group: idColorGroup
                            color: idEditNoteItemAttrPage.__colorList[index].dark
                            borderColor: idEditNoteItemAttrPage.__colorList[index].dark
                        }
                    }
                }
            }
        }

        ZVPixelLine {
            width: parent.width
            height: 1
            color: Theme.popupSpacingColor
        }

        TitledRow {
            title: qsTr("安全")
            RdoButton {
                id: idRdoNormal
                objectName: "noteRdoNormal"
                text: qsTr("普通")
                normalColor: Theme.textGreenColor
            }
            RdoButton {
                id: idRdoConfidential
                objectName: "noteRdoConfidential"
                text: qsTr("机密")
                normalColor: Theme.buttonYellowColor
                onClicked: idEditNoteItemAttrPage.__confidentialClicked()
            }
            Item { Layout.fillWidth: true }
        }

        ZVPixelLine {
            width: parent.width
            height: 1
            color: Theme.popupSpacingColor
        }

        CategoryRow {
            box: idEditNoteItemAttrPage.__box
            nameItem.objectName: "noteAttrBoxName"
            nameItem.color: Theme.textColor3
            buttonItem.objectName: "noteChooseBox"
            onChooseClicked: {
                idNoteBoxChoosePage.currentBoxId = idEditNoteItemAttrPage.currentBoxId
                idNoteBoxChoosePage.open()
            }
        }

        LineTxtButton {
            objectName: "noteAttrDone"
            x: Util.unitHeight * 2
            width: parent.width - Util.unitHeight * 4
            height: Util.unitHeight * 4
            topPadding: 0
            bottomPadding: 0
            text: qsTr("完成")
            bkgnColor: Theme.buttonBlueColor
            bkgnHiColor: Theme.buttonBlueHiColor
            onClicked: {
                var idx = 0
                for (var i = idSwatches.count - 1; i >= 0; --i) {
                    if (idSwatches.itemAt(i).checked) {
                        idx = i
                        break
                    }
                }
                idEditNoteItemAttrPage.currentColorIndex = idx
                idEditNoteItemAttrPage.currentSecurityLevel = idRdoNormal.checked ? 0 : 1
                idEditNoteItemAttrPage.accepted()
                idEditNoteItemAttrPage.close()
            }
        }
        Item {
            width: 1
            height: Util.unitHeight * 2
        }

        // Inside the column, so that the sheet keeps sizing itself to it.
        PinKeyRequest {
            id: idPinKeyRequest
            objectName: "noteAttrPinKeyRequest"
        }
    }

    NoteBoxChoosePage {
        id: idNoteBoxChoosePage
        objectName: "noteBoxChoosePage"
        onAccepted: {
            idEditNoteItemAttrPage.currentBoxId = currentBoxId
            idEditNoteItemAttrPage.__updateBox()
        }
    }
}
