import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Encryptor 1.0
import "qrc:/pwd"
import "qrc:/js/db.js" as DB
import "../common/pagetest.js" as T
import "../common"

// The passwords tab through its home page: box grid, box menu, page menu,
// box editor and new entries.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idHomeComp
        HomePage {
            anchors.fill: parent
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "PwdHome"
        when: windowShown

        property var home: null

        function init() {
            T.resetStore(LocalStorage, Encryptor)
        }

        function cleanup() {
            if (home) {
                home.destroy()
                home = null
            }
        }

        function createHome() {
            home = idHomeComp.createObject(idWindow)
            verify(home)
            return home
        }

        function grid() {
            return T.find(home, "pwdBoxView")
        }

        function cell(boxId) {
            return T.find(grid(), "boxButton_" + boxId)
        }

        function toast() {
            return T.find(home, "homePopupMsg")
        }

        function pageMenu(idx) {
            var bar = T.find(home, "homeTitleBar")
            T.tap(idCase, T.findType(bar, "PlusButton"))
            var menu = T.find(home, "pwdPageMenu")
            tryCompare(menu, "opened", true)
            T.tap(idCase, T.find(menu, "pageMenuItem_" + idx))
            tryCompare(menu, "visible", false)
        }

        function typeInto(page, name, text) {
            return T.typeInto(idCase, T.find(page, name), text)
        }

        // "添加密码" from the page menu, filled and saved.
        function addPasswordViaMenu(account, password) {
            pageMenu(1)
            var page = T.find(home, "homeEditPwdItemPage")
            tryCompare(page, "opened", true)
            typeInto(page, "accountEdit", account)
            typeInto(page, "passwordEdit", password)
            T.tap(idCase, T.find(page, "saveButton"))
            tryCompare(page, "visible", false)
        }

        function names(list) {
            return list.map(function (b) { return b.name })
        }

        function test_emptyGridThenUncategorised() {
            createHome()
            var view = grid()
            compare(names(view.pwdBoxList), ["全部"])
            tryCompare(T.find(cell(-1), "boxCount"), "text", "0")

            addPasswordViaMenu("alice", "pw-1")
            compare(names(view.pwdBoxList), ["全部", "未分类"])
            compare(view.pwdBoxList[1].id, 0)
            tryCompare(T.find(cell(-1), "boxCount"), "text", "1")
            tryCompare(T.find(cell(0), "boxCount"), "text", "1")
            compare(DB.root.data.pwdItemList[0].boxId, 0)
            compare(DB.root.data.pwdItemList[0].account, "alice")

            // Same boxes, new counts: the tiles must not keep the old ones.
            addPasswordViaMenu("bob", "pw-2")
            tryCompare(T.find(cell(-1), "boxCount"), "text", "2")
            tryCompare(T.find(cell(0), "boxCount"), "text", "2")
        }

        function test_holdPseudoBoxOnlyRefuses_data() {
            return [
                { tag: "全部, edit", boxId: -1, item: "编辑", msg: "此分类不可编辑" },
                { tag: "全部, delete", boxId: -1, item: "删除", msg: "此分类不可删除" },
                { tag: "未分类, edit", boxId: 0, item: "编辑", msg: "此分类不可编辑" },
                { tag: "未分类, delete", boxId: 0, item: "删除", msg: "此分类不可删除" }
            ]
        }

        function test_holdPseudoBoxOnlyRefuses(data) {
            T.addEntry({ account: "a", password: "p", boxId: 0 }, Encryptor)
            createHome()
            var menu = T.find(home, "boxMenu")
            var name = DB.getPwdBox(data.boxId).name
            T.hold(idCase, cell(data.boxId), menu)
            // the release that ends the hold opens nothing
            compare(T.find(home, "homePageStack").currentIndex, 0)
            verify(grid().currentIndex >= 0)
            T.tap(idCase, T.findText(menu, data.item + " \"" + name + "\""))
            T.expectToast(idCase, toast(), data.msg)
            compare(grid().currentIndex, -1)
            compare(T.find(home, "editPwdBoxPage").visible, false)
            compare(DB.root.data.pwdBoxList.length, 1)
            compare(DB.root.data.pwdItemList.length, 1)
        }

        function test_deleteBoxMovesEntriesToUncategorised() {
            var box = DB.addPwdBox()
            box.name = "Work"
            box.iconId = 5
            DB.save()
            T.addEntry({ account: "a", password: "p", boxId: box.id }, Encryptor)
            T.addEntry({ account: "b", password: "q", boxId: box.id }, Encryptor)
            createHome()
            compare(names(grid().pwdBoxList), ["全部", "Work"])

            var menu = T.find(home, "boxMenu")
            T.hold(idCase, cell(box.id), menu)
            T.tap(idCase, T.findText(menu, "删除 \"Work\""))
            tryCompare(menu, "visible", false)
            compare(names(grid().pwdBoxList), ["全部", "未分类"])
            compare(DB.getPwdBoxItemCount(0), 2)
            compare(DB.root.data.pwdItemList[0].boxId, 0)
            compare(DB.root.data.pwdItemList[1].boxId, 0)
            // written at once
            DB.load()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.data.pwdBoxList.length, 1)
        }

        function test_addPasswordFiling_data() {
            return [
                { tag: "from the grid", open: null, expected: 0 },
                { tag: "from 全部", open: -1, expected: 0 },
                { tag: "from 未分类", open: 0, expected: 0 },
                { tag: "from a user box", open: 1, expected: 1 }
            ]
        }

        function test_addPasswordFiling(data) {
            var box = DB.addPwdBox()
            box.name = "Work"
            DB.save()
            T.addEntry({ account: "seed", password: "p", boxId: 0 }, Encryptor)
            createHome()
            var stack = T.find(home, "homePageStack")
            var bar = T.find(home, "homeTitleBar")
            if (data.open !== null) {
                T.tap(idCase, cell(data.open))
                tryCompare(stack, "currentIndex", 1)
                compare(bar.text, DB.getPwdBox(data.open).name)
                compare(T.find(home, "pwdListPage").boxId, data.open)
            }
            addPasswordViaMenu("new", "secret")
            var head = DB.root.data.pwdItemList[0]
            compare(head.account, "new")
            compare(head.boxId, data.expected)
            compare(head.securityLevel, 0)
            compare(head.iconId, 1)
            if (data.open !== null) {
                // the list was reloaded and shows the new entry first
                var list = T.find(home, "pwdListView")
                if (data.open !== 0)
                    compare(list.pwdItemList[0].account, "new")
                // the float button leads back to the grid
                T.tap(idCase, T.find(home, "gotoBoxButton"))
                tryCompare(stack, "currentIndex", 0)
                compare(bar.text, "密码")
            }
        }

        function test_boxNameLimits() {
            createHome()
            pageMenu(0)
            var page = T.find(home, "editPwdBoxPage")
            tryCompare(page, "opened", true)
            compare(page.pwdBoxId, 0)
            compare(page.currentIconId, 2)
            T.tap(idCase, T.find(page, "boxDoneButton"))
            T.expectToast(idCase, T.findType(page, "PopupMsg"), "请输入名称")

            var longName = ""
            for (var i = 0; i < 70; ++i)
                longName += String.fromCharCode(97 + i % 26)
            var edit = typeInto(page, "nameEdit", longName)
            compare(edit.text, longName.substring(0, 64))
            T.tap(idCase, T.find(page, "boxDoneButton"))
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdBoxList.length, 2)
            compare(DB.root.data.pwdBoxList[1].name, longName.substring(0, 64))
            compare(DB.root.data.pwdBoxList[1].iconId, 2)
            compare(names(grid().pwdBoxList), ["全部", longName.substring(0, 64)])

            // blanks are a name as typed; the box editor edits in place
            var menu = T.find(home, "boxMenu")
            T.hold(idCase, cell(1), menu)
            T.tap(idCase, T.findText(menu, "编辑 \"" + longName.substring(0, 64) + "\""))
            tryCompare(page, "opened", true)
            compare(page.pwdBoxId, 1)
            edit = T.find(page, "nameEdit")
            edit.text = ""
            typeInto(page, "nameEdit", "   ")
            T.tap(idCase, T.find(page, "boxDoneButton"))
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdBoxList[1].name, "   ")
            compare(DB.root.data.pwdBoxList.length, 2)
        }

        // A refused save leaves the sheet open with what was typed and says
        // so; the vault in memory is the stored one again, and the next try
        // adds the box once.
        function test_boxEditorRetriesFailedSave() {
            createHome()
            pageMenu(0)
            var page = T.find(home, "editPwdBoxPage")
            tryCompare(page, "opened", true)
            typeInto(page, "nameEdit", "Work")
            var key = DB.loginPassword
            DB.loginPassword = ""
            T.tap(idCase, T.find(page, "boxDoneButton"))
            verify(page.opened)
            T.expectStickyToast(idCase, T.findType(page, "PopupMsg"), "保存数据失败")
            compare(DB.loginPassword, key)
            compare(DB.root.data.pwdBoxList.length, 1)
            compare(DB.root.data.pwdBoxIncrement, 0)
            compare(T.find(page, "nameEdit").text, "Work")

            T.tap(idCase, T.find(page, "boxDoneButton"))
            tryCompare(page, "visible", false)
            compare(DB.root.data.pwdBoxIncrement, 1)
            compare(names(grid().pwdBoxList), ["全部", "Work"])
            DB.load()
            verify(DB.login(key))
            compare(DB.root.data.pwdBoxList.length, 2)
            compare(DB.root.data.pwdBoxList[1].name, "Work")
        }

        // The page menu shows its three items in full, and "扫一扫" only
        // toasts on the desktop.
        function test_pageMenuAndScan() {
            createHome()
            T.tap(idCase, T.findType(T.find(home, "homeTitleBar"), "PlusButton"))
            var menu = T.find(home, "pwdPageMenu")
            tryCompare(menu, "opened", true)
            var texts = ["添加分类", "添加密码", "扫一扫"]
            for (var i = 0; i < texts.length; ++i) {
                var item = T.find(menu, "pageMenuItem_" + i)
                compare(item.text, texts[i])
                var label = T.search(item, function (o) {
                    return o.text === texts[i] && o.truncated !== undefined
                })
                verify(!label.truncated, texts[i] + " is elided")
            }
            keyClick(Qt.Key_Escape)
            tryCompare(menu, "visible", false)

            pageMenu(2)
            T.expectToast(idCase, toast(), "请在移动端App中使用此功能")
        }

        function test_boxHintShownOnce() {
            var box = DB.addPwdBox()
            box.name = "Work"
            DB.root.app.prompt.pwdBoxEdit = true
            DB.save()
            createHome()
            compare(DB.root.app.prompt.pwdBoxEdit, false)
            var hint = T.findType(grid(), "PromptMenu")
            tryCompare(hint, "opened", true)
            // the stored flag went false without stamping the document
            DB.load()
            verify(DB.login(Qt.md5("123456")))
            compare(DB.root.app.prompt.pwdBoxEdit, false)
            T.tap(idCase, hint.contentItem)
            tryCompare(hint, "visible", false)

            // a new start of the tab does not show it again
            home.destroy()
            createHome()
            compare(T.findType(grid(), "PromptMenu").visible, false)
        }
    }
}
