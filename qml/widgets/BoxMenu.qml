import QtQuick 2.12
import Widgets.Theme 1.0

// The hold menu of a box in a tab's grid: "编辑" and "删除" with the quoted
// box name. The pseudo boxes (ids 0 and below) are offered the menu too, but
// choosing an item only reports the refusal.
BottomPopupMenu {
    id: idRoot

    // The key that names the box in the menu's item records.
    property string boxIdKey: "boxId"

    // Any result, cancel included, reported before the others.
    signal answered()
    signal editRequested(int boxId)
    signal removeRequested(int boxId)
    signal refused(string msg)

    function openFor(boxId, boxName) {
        var quoted = " \"" + boxName + "\""
        var edit = { "text": qsTr("编辑") + quoted, "color": Theme.textBlueColor }
        var remove = { "text": qsTr("删除") + quoted, "color": Theme.textRedColor }
        edit[boxIdKey] = boxId
        remove[boxIdKey] = boxId
        menuItems = []
        menuItems = [edit, remove]
        open()
    }

    onMenuTriggered: {
        answered()
        if (itemIdx < 0 || !itemObj)
            return
        var boxId = itemObj[boxIdKey]
        var isEdit = itemIdx === 0
        if (boxId <= 0)
            refused(isEdit ? qsTr("此分类不可编辑") : qsTr("此分类不可删除"))
        else if (isEdit)
            editRequested(boxId)
        else
            removeRequested(boxId)
    }
}
