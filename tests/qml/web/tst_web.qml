import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/"
import "qrc:/widgets"
import "qrc:/help"
import "qrc:/about"
import "qrc:/setting"
import "qrc:/pwd"
import "qrc:/js/mymodel.js" as MyModel
import "qrc:/js/db.js" as DB
import "../common/pagetest.js" as T
import "../frame/Fixture.js" as Fixture
import "../screens/pixels.js" as Pixels
import "../common"

// The help index, the help and agreement web pages, the about page with its
// share menu and the welcome page's links, against the local web server that
// the test run starts (see webserver.py); screenshots of the settings tab,
// the about page and a rendered help page in both palettes.
Item {
    id: idRoot
    width: 400
    height: 650

    Component { id: idHelpComp; HelpMainPage {} }
    Component { id: idAboutComp; AboutPage {} }
    Component { id: idWelcomeComp; WelcomePage { anchors.fill: parent } }
    Component { id: idSettingComp; SettingPage { anchors.fill: parent } }
    Component { id: idHomeComp; HomePage { anchors.fill: parent } }

    // Sharing bridges that count their calls; `installed` as the app says.
    Component {
        id: idFakeBridge
        QtObject {
            property bool installed: true
            property var calls: []
            function isAppInstalled() { return installed }
            function shareAppToSession() { calls.push("session") }
            function shareAppToTimeLine() { calls.push("timeline") }
            function shareAppToQZone() { calls.push("qzone") }
            function shareAppToMore() { calls.push("more") }
        }
    }

    ZVText { id: idPlainRef; textFormat: Text.PlainText; visible: false }
    ZVText { id: idRichRef; textFormat: Text.RichText; visible: false }
    Image { id: idSaved; visible: false; cache: false; asynchronous: false }

    KeyloftTestCase {
        id: idCase
        name: "Web"
        when: windowShown

        property string home: ""
        readonly property string host: Util.configValue("KEYLOFT_WEB_HOST")

        function initTestCase() {
            home = MyModel.APP_WEB_HOME
        }

        function cleanup() {
            MyModel.APP_WEB_HOME = home
            Theme.enableDarkMode(false)
        }

        function modes() {
            return [{ tag: "light", dark: false }, { tag: "dark", dark: true }]
        }

        // Saves the window as NAME.png into the artefact directory.
        function shoot(name) {
            if (!testArtifactDir) {
                warn("KEYLOFT_ARTIFACT_DIR not set: " + name + " not saved")
                return
            }
            var path = testArtifactDir + "/" + name + ".png"
            var saved = null
            verify(idRoot.Window.contentItem.grabToImage(function (r) { saved = r.saveToFile(path) }))
            tryVerify(function () { return saved !== null }, 5000)
            verify(saved, "cannot write " + path)
            idSaved.source = ""
            idSaved.source = "file://" + path
            compare(idSaved.status, Image.Ready, path)
        }

        // Waits until two grabs in a row are the same picture.
        function settled() {
            var last = grabImage(idRoot)
            var image = null
            tryVerify(function () {
                wait(50)
                image = grabImage(idRoot)
                var same = image.equals(last)
                last = image
                return same
            }, 10000, "the screen keeps changing")
            return image
        }

        function openHelp(webHome) {
            if (webHome !== undefined)
                MyModel.APP_WEB_HOME = webHome
            var page = createTemporaryObject(idHelpComp, idRoot)
            T.openPopup(idCase, page)
            return page
        }

        function groupLabels(page) {
            var out = []
            for (var g = 0; g < page.groupRepeater.count; ++g) {
                var panel = page.groupRepeater.itemAt(g)
                var texts = []
                for (var r = 0; r < panel.panelModel.length; ++r)
                    texts.push(T.find(T.find(panel, "row" + r), "label").text)
                out.push(texts)
            }
            return out
        }

        function test_webHomesFromConfiguration() {
            verify(host.indexOf("http://127.0.0.1:") === 0, host)
            compare(MyModel.APP_WEB_HOME, host + "/keyloft/")
            compare(MyModel.APP_WEB_HOME_FOREIGN,
                    Util.configValue("KEYLOFT_WEB_HOST_FOREIGN") + "/keyloft/")
            compare(MyModel.appWebHomeUrl(), MyModel.APP_WEB_HOME)
            compare(MyModel.helpListUrl(), host + "/keyloft/appdoc/help_v2_1/index.json")
        }

        function test_helpIndex() {
            var page = openHelp()
            tryVerify(function () { return page.helpContentModel.length === 2 }, 15000)
            compare(groupLabels(page), [["如何添加密码", "<b>备份</b>与恢复"], ["动态验证码"]])
            verify(!page.titleBar.errorVisible)
            // Text of the web site is shown as it stands, never as markup.
            var label = T.find(T.find(page.groupRepeater.itemAt(0), "row1"), "label")
            idPlainRef.text = label.text
            idRichRef.text = label.text
            compare(label.implicitWidth, idPlainRef.implicitWidth)
            verify(label.implicitWidth > idRichRef.implicitWidth)
        }

        function test_helpIndexFailures_data() {
            return [
                { tag: "unresolvable host", home: "http://www.keyloft.invalid/keyloft/",
                  text: "网络连接失败，请检查网络设置", exact: true },
                { tag: "not JSON", home: "/badjson/keyloft/", text: "数据错误: ", exact: false },
                { tag: "JSON but not groups", home: "/notarray/keyloft/",
                  text: "数据错误: 帮助目录格式错误", exact: true },
                { tag: "HTTP 404", home: "/missing/keyloft/", text: "网络错误: 22", exact: true }
            ]
        }
        function test_helpIndexFailures(data) {
            // A good load first: its groups stay after the failure.
            var page = openHelp()
            tryVerify(function () { return page.helpContentModel.length === 2 }, 15000)
            T.closePopup(idCase, page)
            MyModel.APP_WEB_HOME = data.home.indexOf("http") === 0 ? data.home : host + data.home
            T.openPopup(idCase, page)
            tryCompare(page.titleBar, "errorVisible", true, 15000)
            if (data.exact)
                compare(page.errorText, data.text)
            else
                verify(page.errorText.indexOf(data.text) === 0 && page.errorText.length > data.text.length,
                       page.errorText)
            compare(page.groupRepeater.count, 2)
        }

        function stampOf(url, prefix) {
            var s = String(url)
            verify(s.indexOf(prefix) === 0, s + " does not start with " + prefix)
            var stamp = s.substring(prefix.length)
            verify(/^[0-9]+$/.test(stamp), s)
            return stamp
        }

        function webLoaded(page) {
            var view = page.webView
            tryVerify(function () { return view && !view.loading && view.loadProgress === 100 }, 20000)
            verify(!page.titleBar.errorVisible)
        }

        // An entry opens its page with a fresh stamp at each opening; the
        // page shows the web content (screenshot) and hides it under the
        // lock screen.
        function test_helpEntryPage_data() { return modes() }
        function test_helpEntryPage(data) {
            Theme.enableDarkMode(data.dark)
            var page = openHelp()
            tryVerify(function () { return page.helpContentModel.length === 2 }, 15000)
            mouseClick(T.find(page.groupRepeater.itemAt(0), "row0"))
            var item = page.helpItemPage
            tryCompare(item, "opened", true)
            var prefix = host + "/keyloft/appdoc/help_v2_1/help_05/index.html?v="
            var first = stampOf(item.webView.url, prefix)
            webLoaded(item)
            var image = settled()
            shoot(data.tag + "-helppage")
            var view = item.webView
            Pixels.check(idCase, image, idRoot, view, view.width / 2, view.height - 10, "#2e7d32",
                         "the help page's background")

            Theme.appScreenLocked()
            verify(!T.find(item, "webViewLoader").visible)
            Theme.appScreenUnlocked()
            verify(T.find(item, "webViewLoader").visible)

            T.closePopup(idCase, item)
            mouseClick(T.find(page.groupRepeater.itemAt(0), "row0"))
            tryCompare(item, "opened", true)
            var second = stampOf(item.webView.url, prefix)
            verify(second !== first, "two openings, two stamps")
            compare(item.webView, view, "one web view per page")
            T.closePopup(idCase, item)
        }

        function bridges(qqInstalled) {
            var b = {}
            var names = ["wechatShare", "qqShare", "ddShare", "systemShare"]
            for (var i = 0; i < names.length; ++i)
                b[names[i]] = createTemporaryObject(idFakeBridge, idRoot)
            b.qqShare.installed = qqInstalled
            return b
        }

        function openAbout(fakes) {
            var page = createTemporaryObject(idAboutComp, idRoot)
            if (fakes)
                for (var k in fakes)
                    page[k] = fakes[k]
            T.openPopup(idCase, page)
            return page
        }

        function openShareMenu(page) {
            mouseClick(T.find(page.linkPanel, "row2"))
            tryCompare(page.shareMenu, "opened", true)
            return page.shareMenu
        }

        function menuTexts(menu) {
            var out = []
            for (var i = 0; i < menu.menuItems.length; ++i)
                out.push(T.find(T.find(menu.grid, "shareItem" + i), "label").text)
            return out
        }

        function test_aboutPage_data() { return modes() }
        function test_aboutPage(data) {
            Theme.enableDarkMode(data.dark)
            // The desktop bridges: every app counts as installed.
            var page = openAbout(null)
            compare(page.productName.text, "岚匣密管")
            compare(page.versionText.text, "2.1.2.1")
            var menu = openShareMenu(page)
            tryCompare(menu, "position", 1)
            compare(menuTexts(menu), ["微信", "朋友圈", "QQ", "QQ空间", "钉钉", "更多"])
            settled()
            shoot(data.tag + "-about-share")
            mouseClick(menu.cancelItem)
            tryCompare(menu, "visible", false)
        }

        function test_shareEntries_data() {
            return [
                { tag: "微信", qq: true, index: 0, bridge: "wechatShare", call: "session" },
                { tag: "朋友圈", qq: true, index: 1, bridge: "wechatShare", call: "timeline" },
                { tag: "QQ", qq: true, index: 2, bridge: "qqShare", call: "session" },
                { tag: "QQ空间", qq: true, index: 3, bridge: "qqShare", call: "qzone" },
                { tag: "钉钉", qq: true, index: 4, bridge: "ddShare", call: "session" },
                { tag: "更多", qq: true, index: 5, bridge: "systemShare", call: "more" },
                { tag: "取消", qq: true, index: -1, bridge: "", call: "" },
                { tag: "钉钉 without QQ", qq: false, index: 2, bridge: "ddShare", call: "session" }
            ]
        }
        function test_shareEntries(data) {
            var fakes = bridges(data.qq)
            var page = openAbout(fakes)
            var menu = openShareMenu(page)
            compare(menuTexts(menu), data.qq ? ["微信", "朋友圈", "QQ", "QQ空间", "钉钉", "更多"]
                                             : ["微信", "朋友圈", "钉钉", "更多"])
            if (data.index < 0)
                mouseClick(menu.cancelItem)
            else
                mouseClick(T.find(T.find(menu.grid, "shareItem" + data.index), "plate"))
            tryCompare(menu, "visible", false)
            for (var k in fakes)
                compare(fakes[k].calls, k === data.bridge ? [data.call] : [], k)
        }

        function test_agreementPages_data() {
            return [
                { tag: "user agreement", row: 0, path: "/keyloft/appdoc/about/agreement.html?v=" },
                { tag: "privacy policy", row: 1, path: "/keyloft/appdoc/about/privacy.html?v=" }
            ]
        }
        function test_agreementPages(data) {
            var page = openAbout(null)
            mouseClick(T.find(page.linkPanel, "row" + data.row))
            var agreement = page.agreementPage
            tryCompare(agreement, "opened", true)
            stampOf(agreement.webView.url, host + data.path)
            webLoaded(agreement)
            compare(agreement.agreeButton.text, "同意")
            mouseClick(agreement.agreeButton)
            tryCompare(agreement, "visible", false)
        }

        function test_welcomeLinks() {
            var page = createTemporaryObject(idWelcomeComp, idRoot)
            page.showLicenseLink()
            compare(page.agreementUrl, host + "/keyloft/appdoc/about/agreement.html")
            compare(page.privacyUrl, host + "/keyloft/appdoc/about/privacy.html")
            verify(page.licenseText.text.indexOf('href="' + page.privacyUrl + '"') > 0)
            var link = page.licenseText.text.indexOf('href="' + page.agreementUrl + '"')
            verify(link > 0)
            // What a tap on the agreement link delivers.
            page.licenseText.linkActivated(page.agreementUrl)
            var agreement = page.agreementPage
            tryCompare(agreement, "opened", true)
            stampOf(agreement.webView.url, page.agreementUrl + "?v=")
            T.closePopup(idCase, agreement)
        }

        // The passwords tab's carousel shows the Chinese banners; a tap opens
        // the banner's help page.
        function test_banners() {
            Fixture.reset(LocalStorage, Encryptor, Util)
            Fixture.makeVault(Encryptor, "123456", 0, null, 0)
            verify(DB.login(Qt.md5("123456")))
            var home = createTemporaryObject(idHomeComp, idRoot)
            var ads = T.find(home, "adSwipeWidget")
            compare(ads.adListModel.length, 3)
            compare(ads.adListModel[0].imageSource, "qrc:/img/ad/ad_01.jpg")
            compare(ads.adListModel[0].linkUrl, host + "/keyloft/appdoc/help_v2_1/help_00/")
            ads.itemClicked(ads.adListModel[0])
            var page = T.find(home, "bannerHelpLoader").item
            tryCompare(page, "opened", true)
            stampOf(page.webView.url, host + "/keyloft/appdoc/help_v2_1/help_00/index.html?v=")
            webLoaded(page)
            T.closePopup(idCase, page)
        }

        function test_settingsTab_data() { return modes() }
        function test_settingsTab(data) {
            Fixture.reset(LocalStorage, Encryptor, Util)
            Fixture.makeVault(Encryptor, "123456", 0, ["a", "b"], 0)
            verify(DB.login(Qt.md5("123456")))
            Theme.enableDarkMode(data.dark)
            var page = createTemporaryObject(idSettingComp, idRoot)
            page.updateForwardText()
            var image = settled()
            shoot(data.tag + "-settings")
            // The page colour shows between the title bar and the first group
            // (the rows reach the bottom of the window).
            var top = page.securityPanel.mapToItem(page, 0, 0).y
            Pixels.check(idCase, image, idRoot, page, 3, top - 3, Theme.pageColor, "page")
            var row = T.find(page.securityPanel, "row0")
            Pixels.check(idCase, image, idRoot, row, row.width - 3, 3, Theme.pageBoxColor, "row")
        }
    }
}
