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
    // A write was refused (the store put the vault back).
    signal writeRefused()

    color: Theme.pageColor

    function updateModel() {
        idPwdListView.updateModel()
    }

    // Runs callback now, or after a passed PIN check when the entry is
    // confidential and the PIN key is absent; a failed or cancelled check
    // reloads the list, which hides every row again.
    function __withPin(item, callback) {
        idPinKeyRequest.guard(item, callback, idRoot.updateModel)
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
        onWriteRefused: idRoot.writeRefused()
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
            idRoot.__withPin(itemObj.pwdItem, function () {
                itemObj.showPwd()
            })
        }
    }

    GotoBoxButton {
        objectName: "gotoBoxButton"
        onClicked: idRoot.gobackClicked()
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
                    if (!DB.save())
                        idRoot.writeRefused()
                    idRoot.updateModel()
                })
            }
        }
    }

    // Only checks the PIN: a confidential entry cannot exist without one.
    PinKeyRequest {
        id: idPinKeyRequest
        objectName: "pwdListPinKeyRequest"
        offerNewPin: false
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
