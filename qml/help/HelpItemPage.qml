import QtQuick 2.12
import "qrc:/widgets"

// One help page of the web site: linkUrl is its folder (ending in "/"); every
// opening loads the folder's index.html with a fresh time stamp.
WebDrawerPage {
    id: idPage

    property string linkUrl: ""

    title: qsTr("帮助")
    errorText: qsTr("网络请求失败，请检查网络设置")
    pageUrl: function () {
        return idPage.linkUrl + "index.html?v=" + new Date().getTime()
    }
}
