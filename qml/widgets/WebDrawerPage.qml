import QtQuick 2.12
import QtQuick.Controls 2.12
import QtWebView 1.1
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/pubfun.js" as Pubfun

// A drawer page that shows one web page: the web view is made on the first
// opening and kept; every opening loads pageUrl() afresh, with the title
// bar's loading bar following the load and errorText shown when it fails.
// The web view is hidden while the lock screen is up.
DrawerPage {
    id: idRoot

    // The address to load at this opening; set by the page.
    property var pageUrl: function () { return "" }
    readonly property var webView: idLoader.item
    // Room kept free under the web view for a footer of the page.
    property real footerHeight: 0
    // True while the application's lock screen covers the window.
    property bool screenLocked: false

    pageColor: Theme.webPageColor
    errorText: qsTr("网络请求失败，请检查网络设置")

    onAboutToShow: {
        idLoader.active = true
        if (idLoader.item)
            idLoader.item.url = pageUrl()
    }

    Connections {
        target: Theme
        function onAppScreenLocked() { idRoot.screenLocked = true }
        function onAppScreenUnlocked() { idRoot.screenLocked = false }
    }

    Loader {
        id: idLoader
        objectName: "webViewLoader"
        anchors.fill: parent
        anchors.leftMargin: Util.unitHeight
        anchors.rightMargin: Util.unitHeight
        anchors.bottomMargin: idRoot.footerHeight
        active: false
        asynchronous: false
        visible: !idRoot.screenLocked

        sourceComponent: Component {
            WebView {
                id: idWebView
                objectName: "webView"
                Component.onCompleted: console.log("WebView Ready")
                onLoadProgressChanged: console.log("WebView.onLoadProgressChanged: " + loadProgress)
                onLoadingChanged: {
                    switch (loadRequest.status) {
                    case WebView.LoadStartedStatus:
                        console.log("WebView.LoadStarted: " + Pubfun.loggedText(loadRequest.url))
                        idRoot.loadStart()
                        break
                    case WebView.LoadSucceededStatus:
                        console.log("WebView.LoadSucceeded")
                        idRoot.loadSucceed()
                        break
                    case WebView.LoadFailedStatus:
                        console.log("WebView.LoadFailed: " + Pubfun.loggedText(loadRequest.errorString))
                        idRoot.loadFail()
                        break
                    default:
                        console.log("WebView.Load Unknown status.")
                        break
                    }
                }
            }
        }
    }
}
