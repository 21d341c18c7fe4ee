import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0

// The text item used throughout the application. Plain text unless a page
// asks for more: texts that come from outside (service messages, device and
// product names) must never be read as markup.
Text {
    textFormat: Text.PlainText
    font.family: Util.systemFontFamily
    font.pointSize: Util.relativeFontPoint(-2)
    color: Theme.textColor
}
