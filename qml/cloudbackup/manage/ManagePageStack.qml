import QtQuick 2.12

// The signed-in pages of the cloud page: the account summary and the
// drawers it opens.
Item {
    id: idStack

    property var msgTarget: null

    signal rechargeButtonClicked()
    signal logoutButtonClicked()
    signal needSetSecurityAnswer()

    readonly property alias userInfoPage: idUserInfoPage

    UserInfoPage {
        id: idUserInfoPage
        objectName: "userInfoPage"
        anchors.fill: parent
        msgTarget: idStack.msgTarget
        onRechargeButtonClicked: idStack.rechargeButtonClicked()
        onLogoutButtonClicked: idStack.logoutButtonClicked()
        onNeedSetSecurityAnswer: idStack.needSetSecurityAnswer()
    }
}
