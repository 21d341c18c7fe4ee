import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/setting"
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "qrc:/js/icon.js" as Icon

// Full-screen note editor sliding in from the right.
DrawerPage {
    id: idEditNoteItemPage

    property int noteItemId: 0
    property bool contentDirty: false
    property bool attributeDirty: false
    property int noteSecurityLevel: -1
    property int noteBoxId: -1
    property int noteColorIndex: -1
    property real noteDate: -1

    // Id of a note this editor added whose save failed, so that saving again
    // fills that note instead of adding a second one.

    readonly property bool formDirty: contentDirty || (attributeDirty && idTextArea.text.length > 0)
    readonly property var colorPair: {
        var list = Icon.getNoteColorList(Theme.darkMode)
        return list[noteColorIndex] || list[0]
    }

    signal accepted()

    title: noteItemId !== 0 ? qsTr("编辑便签") : qsTr("新建便签")
    titleBar.objectName: "noteEditTitleBar"
    titleBar.customButtonVisable: formDirty
    titleBar.customButton: Component {
        Button {
            id: idDoneButton
            objectName: "noteDoneButton"
            padding: 0
            opacity: down ? 0.7 : 1
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idDoneFocusFrame.keyPressed(event)
            Keys.onReleased: idDoneFocusFrame.keyReleased(event)
            background: Item {}
            contentItem: ZVText {
                text: qsTr("完成")
                font.bold: true
                font.pointSize: Util.relativeFontPoint(-2)
                color: Theme.appBarTextColor
                verticalAlignment: Text.AlignVCenter
            }
            onClicked: idEditNoteItemPage.saveNote()

            FocusFrame {
                id: idDoneFocusFrame
                margin: -3
                radius: Util.unitHeight / 2
                border.color: Theme.appBarTextColor
            }
        }
    }
    closeOnReturn: false
    onReturnClicked: {
        if (formDirty)
            idSaveQuestion.open()
        else
            close()
    }
    interactive: !formDirty
    closePolicy: formDirty ? Popup.NoAutoClose : Popup.CloseOnEscape

    function updateFormDirty() {
        contentDirty = idTextArea.text.length > 0
    }

    function updateNoteBoxName() {
        var box = DB.getNoteBox(noteBoxId)
        idBoxName.text = "[" + (box ? box.name : "") + "]"
    }

    // The first `count` UTF-16 units of `text`, one unit fewer when the cut
    // would separate the two halves of a surrogate pair.
    function __cutText(text, count) {
        if (text.length <= count)
            return text
        var end = count
        var last = text.charCodeAt(end - 1)
        var next = text.charCodeAt(end)
        if (last >= 0xD800 && last <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF)
            end -= 1
        return text.substring(0, end)
    }

    function saveNote() {
        // A confidential note is only ever written under the vault's PIN key.
        if (noteSecurityLevel !== 0 && !idPinKeyRequest.keyVerified()) {
            idPinKeyRequest.request(function (passed) {
                if (passed)
                    idEditNoteItemPage.saveNote()
            })
            return false
        }

        var item = null
        if (noteItemId !== 0) {
            item = DB.getNoteItem(noteItemId)
            if (!item)
                return false
            if (contentDirty) {
                item.date = new Date().getTime()
                DB.moveNoteItemFront(item.id)
            }
        } else {
            item = DB.addNoteItem()
            item.date = noteDate
            DB.moveNoteItemFront(item.id)
        }

        var text = __cutText(idTextArea.text, Theme.noteEditMaxLen)
        item.securityLevel = noteSecurityLevel !== 0 ? 1 : 0
        item.boxId = noteBoxId
        item.colorIndex = noteColorIndex
        item.note = noteSecurityLevel !== 0 ? Encryptor.aesEncrypt(DB.pinCode, text) : text

        var title = ""
        var summary = noteSecurityLevel !== 0 ? "******" : ""
        var pieces = text.split("\n", 8)
        for (var i = 0; i < pieces.length; ++i) {
            var piece = pieces[i]
            if (piece.length === 0)
                continue
            if (title === "")
                title = __cutText(piece, Theme.notePreviewLen)
            else if (summary === "")
                summary = __cutText(piece, Theme.notePreviewLen)
            else
                break
        }
        item.title = title
        item.summary = summary

        // Not written: the store put the vault back; the page keeps the text
        // for the next try.
        if (!DB.save()) {
            showMsg(qsTr("保存数据失败"), true)
            return false
        }
        contentDirty = false
        attributeDirty = false
        accepted()
        close()
        return true
    }

    onAboutToShow: {
        var item = noteItemId !== 0 ? DB.getNoteItem(noteItemId) : null
        if (item) {
            noteSecurityLevel = item.securityLevel
            noteBoxId = item.boxId
            noteColorIndex = item.colorIndex
            noteDate = item.date
            idTextArea.text = item.securityLevel !== 0 ? Encryptor.aesDecrypt(DB.pinCode, item.note) : item.note
        } else {
            noteSecurityLevel = 0
            noteColorIndex = 0
            noteDate = new Date().getTime()
            idTextArea.text = ""
        }
        contentDirty = false
        attributeDirty = false
        updateNoteBoxName()
        idTextArea.focus = false
    }

    onOpened: {
        if (DB.root.app.prompt.noteAttrEdit) {
            DB.root.app.prompt.noteAttrEdit = false
            if (!DB.saveOnly())
                showMsg(qsTr("保存数据失败"), true)
            idPromptMenu.x = (width - idPromptMenu.width) / 2
            idPromptMenu.y = titleBar.height + Util.unitHeight * 4.5
            idPromptMenu.open()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Attribute bar: date, security level and box of the note.
        Button {
            id: idAttrBar
            objectName: "noteAttrBar"
            Layout.fillWidth: true
            Layout.topMargin: Util.unitHeight
            Layout.leftMargin: Util.unitHeight
            Layout.rightMargin: Util.unitHeight
            Layout.preferredHeight: Util.unitHeight * 4
            padding: 0
            opacity: down ? 0.8 : 1
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idAttrFocusFrame.keyPressed(event)
            Keys.onReleased: idAttrFocusFrame.keyReleased(event)
            background: Canvas {
                id: idAttrCanvas
                property color fillColor: idEditNoteItemPage.colorPair.dark
                onFillColorChanged: requestPaint()
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()
                onPaint: {
                    var ctx = getContext("2d")
                    var r = Util.unitHeight
                    ctx.reset()
                    ctx.fillStyle = fillColor
                    ctx.beginPath()
                    ctx.moveTo(0, height)
                    ctx.lineTo(0, r)
                    ctx.arcTo(0, 0, r, 0, r)
                    ctx.lineTo(width - r, 0)
                    ctx.arcTo(width, 0, width, r, r)
                    ctx.lineTo(width, height)
                    ctx.closePath()
                    ctx.fill()
                }
            }
            contentItem: RowLayout {
                // The gaps close up to one unit before the box name is cut
                // (longer translations of the level).
                spacing: idBoxName.implicitWidth <= width - idAttrDate.implicitWidth
                         - idAttrLevel.implicitWidth - Util.unitHeight * 8
                         ? Util.unitHeight * 2 : Util.unitHeight
                ZVText {
                    id: idAttrDate
                    objectName: "noteAttrDate"
                    Layout.leftMargin: Util.unitHeight * 2
                    color: Theme.textWhiteColor
                    font.pointSize: Util.relativeFontPoint(-2)
                    text: idEditNoteItemPage.noteDate >= 0 ? Pubfun.millisecToDateTimeStr(idEditNoteItemPage.noteDate) : ""
                }
                ZVText {
                    id: idAttrLevel
                    objectName: "noteAttrLevel"
                    color: Theme.textWhiteColor
                    font.pointSize: Util.relativeFontPoint(-2)
                    text: idEditNoteItemPage.noteSecurityLevel > 0 ? qsTr("机密") : qsTr("普通")
                }
                ZVText {
                    id: idBoxName
                    objectName: "noteAttrBox"
                    Layout.fillWidth: true
                    Layout.rightMargin: Util.unitHeight * 2
                    color: Theme.textWhiteColor
                    font.pointSize: Util.relativeFontPoint(-2)
                    elide: Text.ElideRight
                }
            }
            onClicked: {
                idAttrPage.currentSecurityLevel = idEditNoteItemPage.noteSecurityLevel
                idAttrPage.currentBoxId = idEditNoteItemPage.noteBoxId
                idAttrPage.currentColorIndex = idEditNoteItemPage.noteColorIndex
                idAttrPage.open()
            }

            FocusFrame {
                id: idAttrFocusFrame
                margin: 3
                radius: Util.unitHeight / 2
                border.color: Theme.textWhiteColor
            }
        }

        // The text itself, on the bright colour of the note.
        Flickable {
            id: idFlickable
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: Util.unitHeight
            Layout.rightMargin: Util.unitHeight
            Layout.bottomMargin: Util.unitHeight
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            TextArea.flickable: TextArea {
                id: idTextArea
                objectName: "noteTextArea"
                textFormat: TextEdit.PlainText
                wrapMode: TextEdit.Wrap
                font.family: Util.systemFontFamily
                font.pointSize: Util.relativeFontPoint(0)
                color: Theme.textColor2
                padding: Util.unitHeight * 1.5
                selectByMouse: Pubfun.isOnDesktop()
                selectionColor: Theme.buttonBlueColor
                selectedTextColor: Theme.textWhiteColor
                onTextChanged: idEditNoteItemPage.updateFormDirty()
                background: Canvas {
                    property color fillColor: idEditNoteItemPage.colorPair.bright
                    property color lineColor: idEditNoteItemPage.colorPair.dark
                    onFillColorChanged: requestPaint()
                    onLineColorChanged: requestPaint()
                    onWidthChanged: requestPaint()
                    onHeightChanged: requestPaint()
                    onPaint: {
                        var ctx = getContext("2d")
                        var r = Util.unitHeight
                        var w = width - 1, h = height - 1
                        ctx.reset()
                        ctx.fillStyle = fillColor
                        ctx.strokeStyle = lineColor
                        ctx.lineWidth = 1
                        ctx.beginPath()
                        ctx.moveTo(0.5, 0.5)
                        ctx.lineTo(w + 0.5, 0.5)
                        ctx.lineTo(w + 0.5, h - r + 0.5)
                        ctx.arcTo(w + 0.5, h + 0.5, w - r + 0.5, h + 0.5, r)
                        ctx.lineTo(r + 0.5, h + 0.5)
                        ctx.arcTo(0.5, h + 0.5, 0.5, h - r + 0.5, r)
                        ctx.closePath()
                        ctx.fill()
                        ctx.stroke()
                    }
                }
            }
        }
    }

    EditNoteItemAttrPage {
        id: idAttrPage
        objectName: "editNoteItemAttrPage"
        onAccepted: {
            var page = idEditNoteItemPage
            if (currentSecurityLevel !== page.noteSecurityLevel || currentBoxId !== page.noteBoxId
                    || currentColorIndex !== page.noteColorIndex) {
                page.attributeDirty = true
                page.noteSecurityLevel = currentSecurityLevel
                page.noteBoxId = currentBoxId
                page.noteColorIndex = currentColorIndex
                page.updateNoteBoxName()
            }
        }
    }

    QuestionDialog {
        id: idSaveQuestion
        objectName: "noteSaveQuestion"
        msg: qsTr("此便签已修改，是否保存?")
        acceptButtonText: qsTr("保存")
        rejectedButtonText: qsTr("放弃")
        onAccepted: idEditNoteItemPage.saveNote()
        onRejected: idEditNoteItemPage.close()
    }

    // Asked when a confidential note is saved without the PIN key.
    PinKeyRequest {
        id: idPinKeyRequest
        objectName: "noteSavePinKeyRequest"
    }

    PromptMenu {
        id: idPromptMenu
        objectName: "noteAttrPrompt"
        // Placed from the top of the page, title bar included.
        parent: idEditNoteItemPage.contentItem
        arrowPosition: 0.4
        text: qsTr("点击修改属性")
    }
}
