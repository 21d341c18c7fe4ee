import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"
import "qrc:/js/db.js" as DB

// Page 1 of the passwords tab: the entries of one box, with their view and
// edit pages, the entry menu and the PIN check that guards confidential
// entries.
Rectangle {
    id: idRoot

    property int boxId: 0

    signal gobackClicked()

    color: Theme.pageColor

    function updateModel() {
        idPwdListView.updateModel()
    }

    function __needsPin(item) {
        return item && item.securityLevel !== 0 && DB.pinCode === ""
    }

    // Runs callback now, or after a passed PIN check when the entry is
    // confidential and the PIN key is absent.
    function __withPin(item, callback) {
        if (__needsPin(item)) {
            idCheckPinCodePage.callback = callback
            idCheckPinCodePage.open()
        } else {
            callback()
        }
    }

    function __openView(itemId) {
        idViewPwdItemPage.pwdItemId = itemId
        idViewPwdItemPage.open()
    }

    function __openEdit(itemId) {
        idEditPwdItemPage.pwdItemId = itemId
        idEditPwdItemPage.open()
    }

    function __menuSuffix(label) {
        return label !== "" ? " \"" + label + "\"" : ""
    }

    PwdListView {
        id: idPwdListView
        objectName: "pwdListView"
        anchors.fill: parent
        boxId: idRoot.boxId

        onItemOpened: {
            var item = DB.getPwdItem(itemId)
            idRoot.__withPin(item, function () {
                idRoot.__openView(itemId)
            })
        }
        onItemDelayed: {
            var item = DB.getPwdItem(itemId)
            var suffix = item ? idRoot.__menuSuffix(item.label) : ""
            idItemMenu.menuItems = []
            idItemMenu.menuItems = [{
                                        "text": qsTr("编辑") + suffix,
                                        "color": Theme.textBlueColor,
                                        "pwdItemId": itemId
                                    }, {
                                        "text": qsTr("删除") + suffix,
                                        "color": Theme.textRedColor,
                                        "pwdItemId": itemId
                                    }]
            idItemMenu.open()
        }
        onItemPinRequested: {
            idCheckPinCodePage.callback = function () {
                itemObj.showPwd()
            }
            idCheckPinCodePage.open()
        }
    }

    // The float "back to the boxes" control; it can be dragged anywhere.
    Rectangle {
        id: idGotoBox
        objectName: "gotoBoxButton"
        readonly property real __unit: Util.isPad() ? Util.unitHeight * 1.2 : Util.unitHeight
        x: __unit * 2
        y: idRoot.height - __unit * 7
        width: __unit * 5
        height: __unit * 5
        radius: __unit
        color: Theme.popupColor
        opacity: idGotoBoxArea.pressed ? 1 : 0.8

        Image {
            anchors.fill: parent
            anchors.margins: idGotoBox.__unit * 0.5
            source: "qrc:/img/common/gotoBox.png"
        }

        MouseArea {
            id: idGotoBoxArea
            anchors.fill: parent
            drag.target: idGotoBox
            drag.minimumX: 0
            drag.minimumY: 0
            drag.maximumX: idRoot.width - idGotoBox.width
            drag.maximumY: idRoot.height - idGotoBox.height
            onClicked: idRoot.gobackClicked()
        }
    }

    BottomPopupMenu {
        id: idItemMenu
        objectName: "itemMenu"
        onMenuTriggered: {
            if (itemIdx < 0 || !itemObj) {
                idRoot.updateModel()
                return
            }
            var itemId = itemObj.pwdItemId
            var item = DB.getPwdItem(itemId)
            if (itemIdx === 0) {
                idRoot.__withPin(item, function () {
                    idRoot.__openEdit(itemId)
                })
            } else {
                idRoot.__withPin(item, function () {
                    DB.removePwdItem(itemId)
                    DB.save()
                    idRoot.updateModel()
                })
            }
        }
    }

    CheckPinCodePage {
        id: idCheckPinCodePage
        objectName: "checkPinCodePage"
        property var callback: null
        onClosed: {
            var cb = callback
            callback = null
            if (checkPassed && cb)
                cb()
            else
                idRoot.updateModel()
        }
    }

    ViewPwdItemPage {
        id: idViewPwdItemPage
        objectName: "viewPwdItemPage"
        onEditButtonClicked: idRoot.__openEdit(pwdItemId)
    }

    EditPwdItemPage {
        id: idEditPwdItemPage
        objectName: "listEditPwdItemPage"
        onClosed: idRoot.updateModel()
    }
}
