import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/mymodel.js" as MyModel

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

    // The index, judged as every answer of the web site and the cloud is:
    // failures go to the title bar's error line.
    function __load() {
        idRequest.send(MyModel.helpListUrl(), "GET", {
            document: true,
            success: function (doc) {
                var wrong = idPage.__checkIndex(doc)
                if (wrong !== "")
                    throw new Error(wrong)
                idPage.helpContentModel = doc
                idPage.loadSucceed()
            }
        })
    }

    function openItem(itemModel) {
        idHelpItemPage.linkUrl = MyModel.helpHomeUrl() + itemModel.url
        idHelpItemPage.open()
    }

    onAboutToShow: __load()

    CloudRequest {
        id: idRequest
        logName: "HelpIndex"
        modalBusy: false
        hostUnknownMessage: qsTr("网络连接失败，请检查网络设置")
        msgTarget: QtObject {
            function showMsg(msg) {
                idPage.errorText = msg
                idPage.loadFail()
            }
        }
    }

    Connections {
        target: idRequest.http
        function onRequested(method, url) {
            console.log(method + " " + url)
            idPage.loadStart()
        }
        function onResponsed(curlerr, respstr) {
            console.log("respstr: " + respstr)
        }
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
