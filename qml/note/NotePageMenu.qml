import QtQuick 2.12
import "qrc:/widgets"

// The drop-down menu of the notes tab.
PageMenu {
    id: idNotePageMenu

    signal menuAddCategory()
    signal menuAddNote()

    items: [{
            "text": qsTr("添加分类"),
            "icon": "qrc:/img/note/newBox.png",
            "iconDark": "qrc:/img/note/newBox_dark.png"
        }, {
            "text": qsTr("添加便签"),
            "icon": "qrc:/img/note/newNote.png",
            "iconDark": "qrc:/img/note/newNote_dark.png"
        }]

    onTriggered: {
        if (index === 0)
            menuAddCategory()
        else
            menuAddNote()
    }
}
