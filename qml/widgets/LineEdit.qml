import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Templates 2.12 as T
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/js/keypress.js" as KeyPress

// The single-line edit of the application: an optional rounded border,
// a placeholder, a blinking cursor and at most Theme.lineEditMaxLen
// characters. Typing or a paste that would pass the limit leaves the text as
// it was and says so in a toast: nothing is cut without a word. A text set
// by a page is kept whole. Tab and Backtab reach an edit that can be
// changed, and an edit they reach shows the focus frame.
Canvas {
    id: idEdit

    property alias text: idInput.text
    property alias placeholderText: idPlaceholder.text
    property alias validator: idInput.validator
    property alias inputMethodHints: idInput.inputMethodHints
    property alias echoMode: idInput.echoMode
    property alias readOnly: idInput.readOnly
    property int fontPointSize: Util.relativeFontPoint(-2)
    property bool showBorder: false
    property color color: Theme.editColor
    property color borderColor: Theme.editBorderColor
    property color textColor: Theme.textColor
    property color cursorColor: Theme.buttonBlueColor
    // Every change of the text is turned to upper case at once, the cursor
    // and a selection staying where the user left them.
    property bool upperCase: false

    // The inner input, for callers that need its signals.
    readonly property alias input: idInput

    // The page's one confirm button for this edit: Return and the keypad's
    // Enter press it once (a held key does not repeat it) while it is shown
    // and enabled. Without one the keys do nothing here.
    property Item submitButton: null

    readonly property int __sidePadding: showBorder ? Math.ceil(0.6 * Util.unitHeight) : 0
    // Without the focus a text longer than the edit shows its start ending
    // in an ellipsis (no glyph cut at the edge); with the focus the input
    // itself shows, scrolled to the cursor.
    readonly property bool __elided: !idInput.activeFocus && idInput.text.length > 0
                                     && idInput.contentWidth > idInput.width - 2 * __sidePadding

    // The text as of the last change, to go back to when an edit would pass
    // the limit; the toast saying so, made on first need.
    property string __keptText: ""
    property var __limitToast: null

    function __refuseLongEdit() {
        var grown = idInput.text.length - __keptText.length
        var cursor = idInput.cursorPosition - grown
        idInput.text = __keptText
        idInput.cursorPosition = Math.max(0, Math.min(cursor, __keptText.length))
        // Over the window's overlay, centred in the window, when there is one.
        if (!__limitToast)
            __limitToast = idLimitToastComponent.createObject(
                        idEdit, Overlay.overlay ? { parent: Overlay.overlay } : {})
        __limitToast.show(qsTr("最多输入%1个字符").arg(Theme.lineEditMaxLen), false)
    }

    function __submit(event) {
        KeyPress.pressButton(submitButton, event)
    }

    function __toUpperCase() {
        var text = idInput.text
        var upper = text.toUpperCase()
        if (upper === text)
            return
        // A position counted in the upper-cased text ("ß" grows to "SS").
        var at = function (pos) { return text.substring(0, pos).toUpperCase().length }
        var cursor = idInput.cursorPosition
        var anchor = cursor
        if (idInput.selectedText !== "")
            anchor = idInput.selectionStart === cursor ? idInput.selectionEnd
                                                       : idInput.selectionStart
        idInput.text = upper
        // The cursor lands on select()'s second position.
        idInput.select(at(anchor), at(cursor))
    }

    function setFocus(isFocus) {
        if (isFocus)
            idInput.forceActiveFocus()
        else
            idInput.focus = false
    }

    implicitWidth: 8 * Util.unitHeight
    implicitHeight: Math.ceil(3.3 * Util.unitHeight)

    onShowBorderChanged: requestPaint()
    onColorChanged: requestPaint()
    onBorderColorChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        if (!showBorder)
            return
        var r = Util.unitHeight / 2
        var x0 = 0.5, y0 = 0.5, x1 = width - 0.5, y1 = height - 0.5
        ctx.beginPath()
        ctx.moveTo(x0 + r, y0)
        ctx.lineTo(x1 - r, y0)
        ctx.arcTo(x1, y0, x1, y0 + r, r)
        ctx.lineTo(x1, y1 - r)
        ctx.arcTo(x1, y1, x1 - r, y1, r)
        ctx.lineTo(x0 + r, y1)
        ctx.arcTo(x0, y1, x0, y1 - r, r)
        ctx.lineTo(x0, y0 + r)
        ctx.arcTo(x0, y0, x0 + r, y0, r)
        ctx.closePath()
        ctx.fillStyle = idEdit.color
        ctx.fill()
        ctx.lineWidth = 1
        ctx.strokeStyle = idEdit.borderColor
        ctx.stroke()
    }

    // Measures the height of one line of text in the edit's font.
    TextInput {
        id: idProbe
        visible: false
        text: "a"
        font.family: Util.systemFontFamily
        font.pointSize: idEdit.fontPointSize
    }

    ZVText {
        id: idPlaceholder
        anchors.left: parent.left
        anchors.leftMargin: idEdit.__sidePadding
        anchors.right: parent.right
        anchors.rightMargin: idEdit.__sidePadding
        anchors.verticalCenter: parent.verticalCenter
        font.pointSize: idEdit.fontPointSize
        color: Theme.editPlaceholderColor
        elide: Text.ElideRight
        visible: idInput.text.length === 0
    }

    ZVText {
        id: idElidedText
        objectName: "elidedText"
        x: idInput.leftPadding
        y: idInput.topPadding
        width: idInput.width - idInput.leftPadding - idInput.rightPadding
        font.pointSize: idEdit.fontPointSize
        color: idEdit.textColor
        text: idInput.displayText
        elide: Text.ElideRight
        visible: idEdit.__elided
    }

    // A text field without a look of its own: a text input that knows why it
    // has the focus (focusReason), for the focus frame.
    T.TextField {
        id: idInput
        anchors.fill: parent
        activeFocusOnTab: !readOnly
        background: null
        // Still takes the clicks that give it the focus.
        opacity: idEdit.__elided ? 0 : 1
        leftPadding: idEdit.__sidePadding
        rightPadding: idEdit.__sidePadding
        topPadding: Math.max(0, Math.floor((idEdit.height - idProbe.contentHeight) / 2))
        verticalAlignment: TextInput.AlignTop
        clip: true
        // Without the focus the text is shown from its start, also when it
        // was set before the edit had its final width; typing scrolls to
        // the cursor.
        autoScroll: activeFocus
        font.family: Util.systemFontFamily
        font.pointSize: idEdit.fontPointSize
        color: idEdit.textColor
        selectByMouse: true
        selectionColor: Theme.buttonBlueColor
        selectedTextColor: Theme.textWhiteColor

        // An edit is announced before its change: the kept text is still the
        // one before it. Shortening an over-long text set by a page is fine.
        onTextEdited: {
            KeyPress.keyTyped()
            if (text.length > Theme.lineEditMaxLen && text.length > idEdit.__keptText.length)
                idEdit.__refuseLongEdit()
        }
        onTextChanged: {
            if (idEdit.upperCase)
                idEdit.__toUpperCase()
            idEdit.__keptText = text
        }
        Keys.onReturnPressed: idEdit.__submit(event)
        Keys.onEnterPressed: idEdit.__submit(event)

        cursorDelegate: Rectangle {
            id: idCursor
            property bool blinkOn: true
            width: 2
            height: idProbe.contentHeight
            color: idEdit.cursorColor
            opacity: (idInput.activeFocus && blinkOn) ? 1 : 0

            Timer {
                interval: 500
                repeat: true
                running: idInput.activeFocus
                onRunningChanged: idCursor.blinkOn = true
                onTriggered: idCursor.blinkOn = !idCursor.blinkOn
            }
        }
    }

    // Inside the border of a bordered edit, on the edit's own colour (its
    // page may have the frame's colour); around a borderless one.
    FocusFrame {
        shown: idInput.activeFocus && (idInput.focusReason === Qt.TabFocusReason
                                       || idInput.focusReason === Qt.BacktabFocusReason)
        margin: idEdit.showBorder ? 1 : -3
        radius: Math.max(0, Util.unitHeight / 2 - margin)
        border.color: idEdit.cursorColor
    }

    // The toast keeps neither the focus nor the pointer: typing goes on in
    // the edit while it shows.
    Component {
        id: idLimitToastComponent
        PopupMsg {
            objectName: "lengthLimitToast"
            owner: idEdit
            modal: false
            focus: false
        }
    }
}
