import QtQuick 2.12
import Lib.Util 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Grid of note boxes: "全部", the user boxes, then "未分类" while it holds notes.
BoxGridView {
    id: idNoteBoxView

    property alias noteBoxList: idNoteBoxView.boxList

    getBoxList: DB.getNoteBoxList
    getBoxItemCount: DB.getNoteBoxItemCount
    storedListName: "noteBoxList"
    hintFlagName: "noteBoxEdit"
    iconSize: Util.unitHeight * 4.5
}
