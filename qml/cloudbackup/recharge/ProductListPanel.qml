import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/pubfun.js" as Pubfun

// The products on sale, one full-width button each with name and price; the
// selected one is the choice.
Column {
    id: idPanel

    property var productListModel: []
    property string choosedProductId: ""
    property int __choosedIndex: 0

    spacing: Util.unitHeight
    topPadding: Util.unitHeight
    bottomPadding: Util.unitHeight

    // The price as shown: the service's own text, else "￥" and the price in
    // units (hundredths / 100, shortest decimal form).
    function priceText(product) {
        if (product.priceStr !== undefined && product.priceStr !== null && String(product.priceStr) !== "")
            return Pubfun.shownText(product.priceStr)
        return "￥" + String(Number(product.price) / 100)
    }

    onProductListModelChanged: {
        __choosedIndex = 0
        var list = productListModel || []
        choosedProductId = list.length > 0 ? String(list[0].id) : ""
    }

    Repeater {
        model: idPanel.productListModel

        Button {
            id: idButton
            objectName: "product" + index
            readonly property bool selected: index === idPanel.__choosedIndex
            x: 2 * Util.unitHeight
            width: idPanel.width - 4 * Util.unitHeight
            height: 6 * Util.unitHeight
            opacity: selected ? 1 : 0.9
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idFocusFrame.keyPressed(event)
            Keys.onReleased: idFocusFrame.keyReleased(event)
            onClicked: {
                idPanel.__choosedIndex = index
                idPanel.choosedProductId = String(modelData.id)
            }
            contentItem: Item {
                ZVText {
                    objectName: "productName"
                    anchors.left: parent.left
                    anchors.leftMargin: Util.unitHeight
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width / 2
                    elide: Text.ElideRight
                    text: Pubfun.shownText(modelData.name)
                }
                ZVText {
                    objectName: "productPrice"
                    anchors.right: parent.right
                    anchors.rightMargin: Util.unitHeight
                    anchors.verticalCenter: parent.verticalCenter
                    color: Theme.textYellowColor
                    font.bold: true
                    text: idPanel.priceText(modelData)
                }
            }
            background: Rectangle {
                radius: Util.unitHeight / 2
                color: idButton.down ? Theme.pageBoxHiColor : Theme.pageBoxColor
                border.width: idButton.selected ? 2 : 1
                border.color: idButton.selected ? Theme.textGreenColor : Theme.pageBoxSpacingColor
            }

            FocusFrame {
                id: idFocusFrame
                margin: -3
                radius: Util.unitHeight / 2 + 3
            }
        }
    }
}
