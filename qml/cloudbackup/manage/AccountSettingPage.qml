import QtQuick 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud

// Account settings: sign out on this computer, or close the account.
DrawerPage {
    id: idPage

    signal logoutButtonClicked()

    readonly property alias closeAccountPage: idCloseAccountPage
    readonly property alias logoutDialog: idLogoutDialog

    title: qsTr("账户设置")
    returnText: qsTr("云备份")
    homeIndicator: true

    // Ends the account here; nothing is sent, the device stays listed on
    // the service.
    function logout() {
        DBCloud.clear()
        CloudErr.userQueryError = CloudErr.USER_UNREGISTERED
        logoutButtonClicked()
        close()
    }

    Column {
        width: parent.width
        spacing: 2 * Util.unitHeight

        CloudTitle {
            source: "qrc:/img/cloudbackup/account_title.png"
        }

        ButtonGroupPanel {
            objectName: "accountSettingRows"
            width: parent.width
            panelModel: [{ text: qsTr("注销账户") }]
            onItemClicked: idCloseAccountPage.open()
        }

        PageButton {
            objectName: "logoutButton"
            width: parent.width
            text: qsTr("退出登录")
            onClicked: idLogoutDialog.open()
        }
    }

    QuestionDialog {
        id: idLogoutDialog
        objectName: "logoutDialog"
        msg: qsTr("退出登录")
        acceptButtonText: qsTr("是")
        rejectedButtonText: qsTr("否")
        onAccepted: idPage.logout()
    }

    CloseCloudAccountPage {
        id: idCloseAccountPage
        objectName: "closeCloudAccountPage"
        onLogoutButtonClicked: idPage.logout()
    }
}
