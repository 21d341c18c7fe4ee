import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import ZV.OPTClient 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "qrc:/js/mymodel.js" as MyModel

// The passwords tab: the box grid (page 0) and the entries of one box
// (page 1), with the page menu and the sheets that add boxes and entries.
Rectangle {
    id: idRoot

    color: Theme.pageColor

    function goBack() {
        idTitleBar.text = qsTr("密码")
        idPageStack.currentIndex = 0
    }

    // Banners of the carousel, for the interface language.
    function pwdBoxAdList() {
        return MyModel.pwdBoxAdList()
    }

    // A write was refused: the store put the vault back.
    function __saveFailed() {
        idPopupMsg.show(qsTr("保存数据失败"), true)
    }

    function __reloadAll() {
        idPwdBoxView.updateModel()
        idPwdListPage.updateModel()
    }

    function __bannerClicked(modelItem) {
        var link = modelItem ? String(modelItem.linkUrl) : ""
        if (link.indexOf("http") === 0) {
            // One help page for all banners, made at the first tap.
            idHelpItemLoader.active = true
            idHelpItemLoader.item.linkUrl = link
            idHelpItemLoader.item.open()
        } else if (link.indexOf("qrc") === 0) {
            var obj = Pubfun.createQmlObject(idRoot, link)
            if (obj)
                obj.open()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TitleBar {
            id: idTitleBar
            objectName: "homeTitleBar"
            Layout.fillWidth: true
            text: qsTr("密码")
            haveMenuButton: true
            onMenuButtonClicked: {
                idPwdPageMenu.popupTopMargin = idTitleBar.mapToItem(null, 0,
                                                                    idTitleBar.height).y
                idPwdPageMenu.open()
            }
        }

        StackLayout {
            id: idPageStack
            objectName: "homePageStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: 0

            ColumnLayout {
                spacing: 0

                AdSwipeWidget {
                    id: idAdSwipeWidget
                    objectName: "adSwipeWidget"
                    Layout.fillWidth: true
                    adListModel: idRoot.pwdBoxAdList()
                    // nothing to show without banners
                    visible: adListModel.length > 0
                    onItemClicked: idRoot.__bannerClicked(modelItem)
                }

                PwdBoxView {
                    id: idPwdBoxView
                    objectName: "pwdBoxView"
                    onWriteRefused: idRoot.__saveFailed()
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.leftMargin: Util.unitHeight * 0.75
                    Layout.rightMargin: Util.unitHeight * 0.75
                    onBoxClicked: {
                        var box = DB.getPwdBox(boxId)
                        idTitleBar.text = box ? box.name : ""
                        idPwdListPage.boxId = boxId
                        idPageStack.currentIndex = 1
                    }
                    onBoxEdited: idBoxMenu.openFor(boxId, boxName)
                }
            }

            PwdListPage {
                id: idPwdListPage
                onWriteRefused: idRoot.__saveFailed()
                objectName: "pwdListPage"
                onGobackClicked: idRoot.goBack()
            }
        }
    }

    PwdPageMenu {
        id: idPwdPageMenu
        objectName: "pwdPageMenu"
        onMenuAddCategory: {
            idEditPwdBoxPage.pwdBoxId = 0
            idEditPwdBoxPage.open()
        }
        onMenuAddPassword: {
            if (idPageStack.currentIndex === 0)
                idEditPwdItemPage.currentBoxId = DB.constBoxIdUncateg
            else
                idEditPwdItemPage.currentBoxId = idPwdListPage.boxId > 0 ? idPwdListPage.boxId
                                                                         : DB.constBoxIdUncateg
            idEditPwdItemPage.pwdItemId = 0
            idEditPwdItemPage.open()
        }
        onMenuScanCode: {
            // The camera scanner exists only in the mobile apps; a scanned
            // otpauth URL would go to idEditPwdItemPage.totpUrl and then
            // triggerAddPassword().
            idPopupMsg.show(qsTr("请在移动端App中使用此功能"))
        }
    }

    BoxMenu {
        id: idBoxMenu
        objectName: "boxMenu"
        boxIdKey: "pwdBoxId"
        onAnswered: idPwdBoxView.clearHighlight()
        onRefused: idPopupMsg.show(msg)
        onEditRequested: {
            idEditPwdBoxPage.pwdBoxId = boxId
            idEditPwdBoxPage.open()
        }
        onRemoveRequested: {
            DB.removePwdBox(boxId)
            if (!DB.save())
                idRoot.__saveFailed()
            idRoot.__reloadAll()
        }
    }

    EditPwdBoxPage {
        id: idEditPwdBoxPage
        objectName: "editPwdBoxPage"
        onAccepted: idPwdBoxView.updateModel()
    }

    EditPwdItemPage {
        id: idEditPwdItemPage
        objectName: "homeEditPwdItemPage"
        onAccepted: idRoot.__reloadAll()
    }

    // Checks scanned texts (mobile builds).
    OPTClient {
        id: idOptClient
    }

    PopupMsg {
        id: idPopupMsg
        objectName: "homePopupMsg"
    }

    Loader {
        id: idHelpItemLoader
        objectName: "bannerHelpLoader"
        active: false
        source: "qrc:/help/HelpItemPage.qml"
    }
}
