import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// The entries of one box. The model is a snapshot: it is read again whenever
// the list becomes visible and emptied when it is hidden, which destroys the
// rows and so stops every row's one-time-code timer.
ListView {
    id: idRoot

    property int boxId: 0
    property var pwdItemList: []

    signal itemOpened(int itemId)
    // A write was refused (the store put the vault back).
    signal writeRefused()
    signal itemDelayed(int itemId)
    signal itemPinRequested(var itemObj)

    function updateModel() {
        if (!visible || typeof DB.root.data !== "object") {
            pwdItemList = []
        } else {
            // through the empty list, so every row is made anew (hidden)
            var list = DB.getPwdItemList(boxId)
            pwdItemList = []
            pwdItemList = list
        }
        currentIndex = -1
    }

    function __showHint() {
        var prompt = DB.root.app.prompt
        if (pwdItemList.length > 0 && prompt.pwdItemEdit) {
            prompt.pwdItemEdit = false
            if (!DB.saveOnly())
                writeRefused()
            idPromptMenu.x = Util.unitHeight * 2
            idPromptMenu.y = Util.unitHeight * 7
            idPromptMenu.open()
        }
    }

    onBoxIdChanged: updateModel()
    onVisibleChanged: {
        updateModel()
        if (visible)
            __showHint()
    }
    Component.onCompleted: {
        if (visible) {
            updateModel()
            __showHint()
        }
    }

    clip: true
    spacing: Util.unitHeight
    topMargin: Util.unitHeight
    bottomMargin: Util.unitHeight * 7
    leftMargin: Util.unitHeight
    rightMargin: Util.unitHeight
    currentIndex: -1
    highlightFollowsCurrentItem: false
    model: pwdItemList

    delegate: PwdListItem {
        width: idRoot.width - Util.unitHeight * 2
        height: Util.unitHeight * 8
        pwdListView: idRoot
        pwdListModel: idRoot.pwdItemList
        pwdItem: modelData
        onItemOpenClicked: idRoot.itemOpened(itemId)
        onItemDelayClicked: idRoot.itemDelayed(itemId)
        onPinRequested: idRoot.itemPinRequested(itemObj)
    }

    PromptMenu {
        id: idPromptMenu
        arrowPosition: 0.3
    }
}
