import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "../Widgets2/Panel"
import "qrc:/js/pubfun.js" as Pubfun

// The settings-style group of rows built from panelModel. Each entry is a
// plain object whose keys decide what its row shows (label, icon, button
// text, switch, edit, forward text and arrow). Rows copy what they show from
// their entry when created and on updateItem(). Texts are shown as plain
// text and cut to a couple of hundred characters (Pubfun.shownText; a row
// shows far fewer): entries may come from the web site and the cloud
// service.
SpacingLinePanel {
    id: idPanel

    property var panelModel: []
    property bool showIcon: false

    signal itemClicked(int itemIdx, var itemModel)

    // Re-reads entry itemIdx (every entry without argument) into its row.
    function updateItem(itemIdx) {
        if (itemIdx === undefined || itemIdx === null) {
            for (var i = 0; i < idRepeater.count; ++i) {
                var row = idRepeater.itemAt(i)
                if (row)
                    row.refresh()
            }
            return
        }
        var one = idRepeater.itemAt(itemIdx)
        if (one)
            one.refresh()
    }

    rowHeight: 5 * Util.unitHeight
    leftIndent: showIcon ? Math.ceil(6.4 * Util.unitHeight) : 2 * Util.unitHeight
    rightIndent: 0
    showFirst: true
    color: Theme.pageBoxColor
    hiColor: Theme.pageBoxHiColor
    lineColor: Theme.pageBoxSpacingColor

    implicitWidth: Util.screenSize.width
    implicitHeight: idColumn.height + 2

    Connections {
        target: Theme
        function onColorChanged() {
            idPanel.updateItem()
        }
    }

    Column {
        id: idColumn
        y: 1
        width: parent.width
        spacing: 1

        Repeater {
            id: idRepeater
            model: idPanel.panelModel

            delegate: Item {
                id: idRow
                objectName: "row" + index

                // The entry this row shows, and a counter bumped by refresh()
                // so that every binding reading the entry is re-evaluated.
                property var entry: ({})
                property int rev: 0

                readonly property bool isButtonRow: { rev; return entry.buttonText !== undefined }
                readonly property bool isSwitchRow: { rev; return entry.switchButton !== undefined }
                readonly property bool isEditRow: { rev; return entry.editText !== undefined }
                readonly property bool isPlainRow: !isButtonRow && !isSwitchRow && !isEditRow
                readonly property bool isDisabled: { rev; return entry.disabled === true }
                readonly property bool interactive: isPlainRow && !isDisabled
                // Read from the entry, not from the items' visible, which is
                // false while the panel sits on a hidden page.
                readonly property bool hasLabel: { rev; return entry.text !== undefined }
                readonly property bool hasForwardText: { rev; return entry.forwardText !== undefined }
                readonly property bool hasChevron: { rev; return entry.hideIndicator !== true }

                function refresh() {
                    var e = idPanel.panelModel[index]
                    entry = (e === undefined || e === null) ? ({}) : e
                    rev = rev + 1
                    idSwitch.checked = entry.switchButton === "on"
                    if (entry.editText !== undefined && idEdit.text !== String(entry.editText))
                        idEdit.text = String(entry.editText)
                    idEdit.placeholderText = Pubfun.shownText(entry.placeholderText)
                }

                width: idColumn.width
                height: idPanel.rowHeight

                Component.onCompleted: {
                    refresh()
                    // Validator and hints are applied once, at creation.
                    if (entry.editValidator !== undefined && entry.editValidator !== null)
                        idEdit.validator = idValidatorComponent.createObject(idEdit,
                                                { regExp: entry.editValidator })
                    if (entry.inputMethodHints !== undefined)
                        idEdit.inputMethodHints = entry.inputMethodHints
                }

                Component {
                    id: idValidatorComponent
                    RegExpValidator {}
                }

                Rectangle {
                    anchors.fill: parent
                    color: (idRow.interactive && idRowArea.pressed) ? Theme.pageBoxHiColor
                                                                     : Theme.pageBoxColor
                }

                MouseArea {
                    id: idRowArea
                    anchors.fill: parent
                    enabled: idRow.interactive
                    onPressedChanged: idPanel.highlightedIndex = pressed ? index : -1
                    onCanceled: idPanel.highlightedIndex = -1
                    onClicked: idPanel.itemClicked(index, idRow.entry)
                }

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 2 * Util.unitHeight
                    anchors.rightMargin: 2 * Util.unitHeight
                    spacing: Math.ceil(1.5 * Util.unitHeight)

                    Image {
                        readonly property int side: Math.ceil(2.9 * Util.unitHeight)
                        Layout.preferredWidth: side
                        Layout.preferredHeight: side
                        Layout.alignment: Qt.AlignVCenter
                        visible: idPanel.showIcon && (idRow.rev, idRow.entry.icon !== undefined)
                        source: { idRow.rev; return idRow.entry.icon !== undefined ? idRow.entry.icon : "" }
                        smooth: true
                        mipmap: true
                    }

                    ZVText {
                        id: idLabel
                        objectName: "label"
                        Layout.fillWidth: !idRow.isEditRow
                        // The label keeps its width and the value after it
                        // gives way; only a label wider than half the row is
                        // elided as well.
                        Layout.minimumWidth: Math.min(Math.ceil(implicitWidth), idRow.width / 2)
                        Layout.alignment: Qt.AlignVCenter
                        visible: idRow.hasLabel
                        text: { idRow.rev; return Pubfun.shownText(idRow.entry.text) }
                        textFormat: Text.PlainText
                        color: { idRow.rev; return idRow.entry.textColor !== undefined ? idRow.entry.textColor : Theme.textColor }
                        font.pointSize: { idRow.rev; return idRow.entry.textFontPointSize !== undefined ? idRow.entry.textFontPointSize : Util.relativeFontPoint(-2) }
                        font.bold: { idRow.rev; return idRow.entry.textFontBold === true }
                        elide: Text.ElideRight
                    }

                    // Keeps the right-hand parts at the right when there is no label.
                    Item {
                        Layout.fillWidth: !idRow.hasLabel && !idRow.isEditRow
                        visible: Layout.fillWidth
                    }

                    ZVText {
                        id: idButtonText
                        objectName: "buttonText"
                        Layout.alignment: Qt.AlignVCenter
                        visible: idRow.isButtonRow
                        text: { idRow.rev; return idRow.isButtonRow ? Pubfun.shownText(idRow.entry.buttonText) : "" }
                        textFormat: Text.PlainText
                        color: { idRow.rev; return idRow.entry.buttonTextColor !== undefined ? idRow.entry.buttonTextColor : Theme.textBlueColor }
                        font.bold: true
                        opacity: (idButtonArea.pressed && !idRow.isDisabled) ? 0.5 : 1

                        MouseArea {
                            id: idButtonArea
                            anchors.fill: parent
                            anchors.margins: -Util.unitHeight / 2
                            enabled: idRow.isButtonRow && !idRow.isDisabled
                            onClicked: idPanel.itemClicked(index, idRow.entry)
                        }
                    }

                    ZVSwitch {
                        id: idSwitch
                        objectName: "switch"
                        Layout.alignment: Qt.AlignVCenter
                        visible: idRow.isSwitchRow
                        onToggled: {
                            idRow.entry.switchButton = checked ? "on" : "off"
                            idPanel.itemClicked(index, idRow.entry)
                        }
                    }

                    LineEdit {
                        id: idEdit
                        objectName: "edit"
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignVCenter
                        visible: idRow.isEditRow
                        showBorder: false
                        onTextChanged: {
                            if (idRow.isEditRow)
                                idRow.entry.editText = text
                        }
                    }

                    // The value and the arrow. In a layout only filling items
                    // give way: the value fills up to its own width (whole
                    // pixels, which the layout hands out), so a value longer
                    // than the room left beside the label is elided at its end.
                    RowLayout {
                        objectName: "forward"
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignVCenter
                        spacing: Math.ceil(0.5 * Util.unitHeight)
                        visible: idRow.isPlainRow && (idRow.hasForwardText || idRow.hasChevron)

                        ZVText {
                            id: idForwardText
                            objectName: "forwardText"
                            Layout.fillWidth: true
                            Layout.maximumWidth: Math.ceil(implicitWidth)
                            Layout.alignment: Qt.AlignVCenter
                            visible: idRow.hasForwardText
                            text: { idRow.rev; return Pubfun.shownText(idRow.entry.forwardText) }
                            textFormat: Text.PlainText
                            color: Theme.indicatorTextColor
                            elide: Text.ElideRight
                        }

                        Canvas {
                            id: idChevron
                            Layout.preferredWidth: Util.unitHeight
                            Layout.preferredHeight: 2 * Util.unitHeight
                            Layout.alignment: Qt.AlignVCenter
                            visible: idRow.hasChevron
                            property color stroke: Theme.indicatorForwardColor
                            onStrokeChanged: requestPaint()
                            onPaint: {
                                var ctx = getContext("2d")
                                ctx.reset()
                                var lw = Math.ceil(0.2 * Util.unitHeight)
                                ctx.lineWidth = lw
                                ctx.lineCap = "round"
                                ctx.lineJoin = "round"
                                ctx.strokeStyle = stroke
                                ctx.beginPath()
                                ctx.moveTo(lw / 2 + width * 0.15, height * 0.25)
                                ctx.lineTo(width - lw / 2 - width * 0.1, height * 0.5)
                                ctx.lineTo(lw / 2 + width * 0.15, height * 0.75)
                                ctx.stroke()
                            }
                        }
                    }
                }
            }
        }
    }
}
