import QtQuick 2.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/mymodel.js" as MyModel
import "qrc:/js/pubfun.js" as Pubfun

// The help index: fetched from the web site at every opening and shown as
// groups of rows (labels as plain text); a row opens its help page. After a
// failure the groups of an earlier load stay.
DrawerPage {
    id: idPage

    // The parsed index: an array of groups, each with its array groupItems.
    property var helpContentModel: []
    readonly property alias helpItemPage: idHelpItemPage
    readonly property alias groupRepeater: idGroups

    title: qsTr("帮助")

    // The index as a list of groups, or a text saying what is wrong with it.
    function __checkIndex(doc) {
        if (!Array.isArray(doc))
            return qsTr("帮助目录格式错误")
        for (var i = 0; i < doc.length; ++i) {
            var group = doc[i]
            if (group === null || typeof group !== "object" || !Array.isArray(group.groupItems))
                return qsTr("帮助目录格式错误")
            for (var k = 0; k < group.groupItems.length; ++k) {
                var item = group.groupItems[k]
                if (item === null || typeof item !== "object" || typeof item.text !== "string"
                        || typeof item.url !== "string")
                    return qsTr("帮助目录格式错误")
            }
        }
        return ""
    }

    function __responsed(curlerr, respstr) {
        console.log("respstr: " + Pubfun.loggedText(respstr))
        if (curlerr === 6) {
            errorText = qsTr("网络连接失败，请检查网络设置")
            loadFail()
            return
        }
        if (curlerr !== 0) {
            errorText = qsTr("网络错误: ") + curlerr
            loadFail()
            return
        }
        var doc
        try {
            doc = JSON.parse(respstr)
        } catch (e) {
            console.log(e.message)
            errorText = qsTr("数据错误: ") + e.message
            loadFail()
            return
        }
        var wrong = __checkIndex(doc)
        if (wrong !== "") {
            console.log(wrong)
            errorText = qsTr("数据错误: ") + wrong
            loadFail()
            return
        }
        helpContentModel = doc
        loadSucceed()
    }

    function openItem(itemModel) {
        idHelpItemPage.linkUrl = MyModel.helpHomeUrl() + itemModel.url
        idHelpItemPage.open()
    }

    onAboutToShow: {
        idHttpClient.url = MyModel.helpListUrl()
        idHttpClient.request()
    }

    HttpClient {
        id: idHttpClient
        onRequested: {
            console.log(method + " " + url)
            idPage.loadStart()
        }
        onResponsed: idPage.__responsed(curlerr, respstr)
    }

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: idColumn.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: idColumn
            width: parent.width
            topPadding: Util.unitHeight
            bottomPadding: 6 * Util.unitHeight
            spacing: Util.unitHeight

            Repeater {
                id: idGroups
                model: idPage.helpContentModel

                ButtonGroupPanel {
                    objectName: "helpGroup" + index
                    width: idColumn.width
                    showIcon: false
                    panelModel: modelData.groupItems
                    onItemClicked: idPage.openItem(itemModel)
                }
            }
        }
    }

    HelpItemPage {
        id: idHelpItemPage
        objectName: "helpItemPage"
    }
}
