import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// Bottom sheet that creates (boxId 0) or edits the icon and name of a box.
// The page that uses it says which kind of box through getBox and addBox.
SheetPage {
    id: idRoot

    title: idRoot.boxId !== 0 ? qsTr("修改分类") : qsTr("新建分类")

    property int boxId: 0
    property int currentIconId: -1
    // function (id) -> the box object of the store, or null
    property var getBox
    // function () -> a new box object added to the store
    property var addBox

    property bool __filling: false

    onAboutToShow: {
        __filling = true
        var box = boxId !== 0 ? getBox(boxId) : null
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

    function __accept() {
        if (idNameEdit.text === "") {
            showMsg(qsTr("请输入名称"))
            return
        }
        var box = boxId !== 0 ? getBox(boxId) : addBox()
        if (!box)
            return
        box.iconId = currentIconId
        box.name = idNameEdit.text
        // Not written: the store put the vault back; the sheet keeps what
        // was typed for the next try.
        if (!DB.save()) {
            showMsg(qsTr("保存数据失败"), true)
            return
        }
        idRoot.close()
        idRoot.accepted()
    }

    ColumnLayout {
        width: parent.width
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: idBody.implicitHeight
            color: Theme.popupColor

            ColumnLayout {
                id: idBody
                width: parent.width
                spacing: 0

                TitledRow {
                    title: qsTr("图标")
                    Image {
                        objectName: "boxIcon"
                        Layout.preferredWidth: Util.unitHeight * 2.4
                        Layout.preferredHeight: Util.unitHeight * 2.4
                        source: Icon.getIconUrl(idRoot.currentIconId)
                    }
                    Item {
                        Layout.fillWidth: true
                    }
                    TxtButton {
                        objectName: "chooseIconButton"
                        text: qsTr("选择图标")
                        onClicked: {
                            idIconChoosePage.currentIconId = idRoot.currentIconId
                            idIconChoosePage.open()
                        }
                    }
                }

                ZVPixelLine {
                    Layout.fillWidth: true
                    Layout.leftMargin: Util.unitHeight * 2
                    color: Theme.popupSpacingColor
                }

                TitledRow {
                    title: qsTr("名称")
                    LineEdit {
                        id: idNameEdit
                        objectName: "nameEdit"
                        Layout.fillWidth: true
                        placeholderText: qsTr("必填")
                        submitButton: idDoneButton
                        onTextChanged: {
                            if (!idRoot.__filling)
                                idRoot.interactive = false
                        }
                    }
                }

                LineTxtButton {
                    id: idDoneButton
                    objectName: "boxDoneButton"
                    Layout.fillWidth: true
                    Layout.margins: Util.unitHeight * 2
                    text: qsTr("完成")
                    bkgnHiColor: Theme.buttonBlueHiColor
                    onClicked: idRoot.__accept()
                }
            }
        }
    }

    IconChoosePage {
        id: idIconChoosePage
        onAccepted: idRoot.currentIconId = currentIconId
    }
}
