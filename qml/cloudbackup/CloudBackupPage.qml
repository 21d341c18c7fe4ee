import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.HttpClient 1.0
import "qrc:/widgets"
import "qrc:/js/dbcloud.js" as DBCloud
import "recharge"
import "manage"

// The cloud backup page: works out the account state on every opening, then
// shows the sign-in and purchase pages or the signed-in pages.
DrawerPage {
    id: idCloudPage

    signal needSetSecurityAnswer()

    readonly property alias stack: idStack
    readonly property alias loadUserInfoPage: idLoadPage
    readonly property alias rechargePageStack: idRechargeStack
    readonly property alias managePageStack: idManageStack

    title: qsTr("云备份")
    returnText: qsTr("设置")

    onAboutToShow: idStack.currentIndex = 0

    StackLayout {
        id: idStack
        anchors.fill: parent
        currentIndex: 0

        LoadUserInfoPage {
            id: idLoadPage
            objectName: "loadUserInfoPage"
            msgTarget: idCloudPage
            onLoadCancelled: idCloudPage.close()
            onLoadCompleted: {
                switch (CloudErr.userQueryError) {
                case CloudErr.SUCCESS:
                    idStack.currentIndex = 2
                    break
                case CloudErr.USER_UNREGISTERED:
                case CloudErr.USER_ORDER_COMPLETED:
                case CloudErr.DEVICE_UNREGISTERED:
                    idStack.currentIndex = 1
                    break
                case CloudErr.USER_EXPIRED:
                    idExpiredDialog.open()
                    break
                default:
                    console.log("CloudBackupPage, userQueryError: " + CloudErr.userQueryError)
                }
            }
        }

        RechargePageStack {
            id: idRechargeStack
            objectName: "rechargePageStack"
            msgTarget: idCloudPage
            onRechargeFinished: idStack.currentIndex = 2
        }

        ManagePageStack {
            id: idManageStack
            objectName: "managePageStack"
            msgTarget: idCloudPage
            onRechargeButtonClicked: idStack.currentIndex = 1
            onLogoutButtonClicked: {
                DBCloud.load()
                idStack.currentIndex = 0
                idCloudPage.close()
            }
            onNeedSetSecurityAnswer: {
                idCloudPage.needSetSecurityAnswer()
                idCloudPage.close()
            }
        }
    }

    QuestionDialog {
        id: idExpiredDialog
        objectName: "expiredDialog"
        msg: qsTr("云备份服务已过期")
        hasRejectedButton: false
        onAccepted: idStack.currentIndex = 1
    }
}
