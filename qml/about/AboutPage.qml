import QtQuick 2.12
import Lib.Util 1.0
import Lib.AppShare 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/mymodel.js" as MyModel

// The about page: logo, product name and version, the user agreement, the
// privacy policy and the share menu (rebuilt at every opening from the
// sharing bridges that report their app installed).
DrawerPage {
    id: idPage

    // The sharing bridges; tests put stand-ins here.
    property var wechatShare: idWechatShare
    property var qqShare: idQqShare
    property var ddShare: idDdShare
    property var systemShare: idSystemShare

    readonly property alias linkPanel: idLinkPanel
    readonly property alias shareMenu: idShareMenu
    readonly property alias agreementPage: idAgreementPage
    readonly property alias productName: idName
    readonly property alias versionText: idVersion

    title: qsTr("关于")
    homeIndicator: true

    // The share-menu entries whose app is there, in menu order.
    function shareMenuItems() {
        var items = []
        if (wechatShare.isAppInstalled()) {
            items.push({ text: qsTr("微信"), id: "wechat_session",
                         icon: "qrc:/img/appshare/wechat.png" })
            items.push({ text: qsTr("朋友圈"), id: "wechat_timeline",
                         icon: "qrc:/img/appshare/timeline.png" })
        }
        if (qqShare.isAppInstalled()) {
            items.push({ text: "QQ", id: "qq_session", icon: "qrc:/img/appshare/qq.png" })
            items.push({ text: qsTr("QQ空间"), id: "qq_zone", icon: "qrc:/img/appshare/qqzone.png" })
        }
        if (ddShare.isAppInstalled())
            items.push({ text: qsTr("钉钉"), id: "dd_session",
                         icon: "qrc:/img/appshare/dingding.png" })
        items.push({ text: qsTr("更多"), id: "more", icon: "qrc:/img/appshare/more.png" })
        return items
    }

    function share(itemIdx, itemObj) {
        var id = itemObj ? itemObj.id : ""
        console.log("Share App, itemIdx: " + itemIdx + ", id: " + id
                    + ", name: " + (itemObj ? itemObj.text : ""))
        if (id === "wechat_session")
            wechatShare.shareAppToSession()
        else if (id === "wechat_timeline")
            wechatShare.shareAppToTimeLine()
        else if (id === "qq_session")
            qqShare.shareAppToSession()
        else if (id === "qq_zone")
            qqShare.shareAppToQZone()
        else if (id === "dd_session")
            ddShare.shareAppToSession()
        else if (id === "more")
            systemShare.shareAppToMore()
    }

    onAboutToShow: {
        console.log("AppSharePopupMenu init.")
        idShareMenu.menuItems = shareMenuItems()
    }

    WechatShare { id: idWechatShare }
    QQShare { id: idQqShare }
    DDShare { id: idDdShare }
    SystemShare { id: idSystemShare }

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: idColumn.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: idColumn
            width: parent.width
            topPadding: 2 * Util.unitHeight
            spacing: 3 * Util.unitHeight

            Column {
                width: parent.width
                spacing: Util.unitHeight

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 8 * Util.unitHeight
                    height: 8 * Util.unitHeight
                    source: "qrc:/img/loginIco_blue.png"
                    sourceSize: Qt.size(width * 2, height * 2)
                    smooth: true
                }

                ZVText {
                    id: idName
                    objectName: "productName"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("岚匣密管")
                    font.bold: true
                    font.pointSize: Util.relativeFontPoint(-1)
                    color: Theme.navbarTextHiColor
                }

                ZVText {
                    id: idVersion
                    objectName: "versionText"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "2.1.2.1"
                    font.pointSize: Util.relativeFontPoint(-7)
                    color: Theme.navbarTextHiColor
                }
            }

            ButtonGroupPanel {
                id: idLinkPanel
                objectName: "aboutPanel"
                width: parent.width
                panelModel: [
                    { text: qsTr("用户协议"), forwardText: "", link: MyModel.agreementUrl() },
                    { text: qsTr("隐私政策"), forwardText: "", link: MyModel.privacyUrl() },
                    { text: qsTr("分享应用"), forwardText: "" }
                ]
                onItemClicked: {
                    if (itemIdx === 2) {
                        idShareMenu.open()
                    } else {
                        idAgreementPage.linkUrl = itemModel.link
                        idAgreementPage.open()
                    }
                }
            }
        }
    }

    AppSharePopupMenu {
        id: idShareMenu
        objectName: "shareMenu"
        onMenuTriggered: idPage.share(itemIdx, itemObj)
    }

    AgreementShowPage {
        id: idAgreementPage
        objectName: "agreementPage"
    }
}
