import QtQuick 2.12
import QtTest 1.12
import Widgets.Theme 1.0
import "../common"

// Theme: the light and dark palettes and the switch between them.
KeyloftTestCase {
    id: idCase
    name: "Theme"

    readonly property var colorNames: [
        "textColor",
        "textColor2",
        "textColor3",
        "textColor4",
        "textWhiteColor",
        "textGreenColor",
        "textBlueColor",
        "textYellowColor",
        "textGaryColor",
        "textRedColor",
        "editColor",
        "editBorderColor",
        "editPlaceholderColor",
        "pageColor",
        "pageTextColor",
        "pageBoxColor",
        "pageBoxHiColor",
        "pageBoxSpacingColor",
        "webPageColor",
        "appBarColor",
        "appBarTextColor",
        "popupColor",
        "popupBarColor",
        "popupBarBorderColor",
        "popupSpacingColor",
        "popupTextColor",
        "dialogColor",
        "dialogSpacingColor",
        "navbarColor",
        "navbarBorderColor",
        "navbarTextColor",
        "navbarTextHiColor",
        "buttonColor",
        "buttonHiColor",
        "buttonBlueColor",
        "buttonBlueHiColor",
        "buttonGreenColor",
        "buttonGreenHiColor",
        "buttonYellowColor",
        "buttonYellowHiColor",
        "buttonRedColor",
        "buttonRedHiColor",
        "buttonDisabledColor",
        "menuColor",
        "menuHiColor",
        "menuSpacingColor",
        "menuTextColor",
        "indicatorTextColor",
        "indicatorForwardColor",
        "switchOnColor",
        "switchOffColor"
    ]

    SignalSpy {
        id: idColorSpy
        target: Theme
        signalName: "colorChanged"
    }
    SignalSpy {
        id: idLockSpy
        target: Theme
        signalName: "appScreenLocked"
    }
    SignalSpy {
        id: idUnlockSpy
        target: Theme
        signalName: "appScreenUnlocked"
    }

    function cleanup() {
        Theme.enableDarkMode(false)
    }

    function checkPalette(palette) {
        for (var i = 0; i < colorNames.length; ++i) {
            var n = colorNames[i]
            verify(Qt.colorEqual(Theme[n], palette[n]), n + ": " + Theme[n] + " != " + palette[n])
        }
    }

    function test_startsLight() {
        compare(colorNames.length, 51)
        compare(Theme.darkMode, false)
        checkPalette(Theme.whiteTheme)
        compare(Theme.lineEditMaxLen, 64)
        compare(Theme.noteEditMaxLen, 8192)
        compare(Theme.notePreviewLen, 32)
        compare(Theme.overlayOpacity, 0.4)
        compare(Theme.statusBarHeight, 0)
        compare(Theme.homeIndicatorHeight, 0)
    }

    function test_paletteValues_data() {
        return [
            { tag: "textColor", name: "textColor", light: "#000000", dark: "#ffffff" },
            { tag: "textGaryColor", name: "textGaryColor", light: "#939394", dark: "#484849" },
            { tag: "appBarColor", name: "appBarColor", light: "#0288d1", dark: "#006fb5" },
            { tag: "pageBoxColor", name: "pageBoxColor", light: "#ffffff", dark: "#1c1c1e" },
            { tag: "switchOffColor", name: "switchOffColor", light: "#e9e9eb", dark: "#39393d" }
        ]
    }
    function test_paletteValues(row) {
        verify(Qt.colorEqual(Theme.whiteTheme[row.name], row.light))
        verify(Qt.colorEqual(Theme.darkTheme[row.name], row.dark))
    }

    function test_switchAndRestore() {
        idColorSpy.clear()
        Theme.enableDarkMode(true)
        compare(Theme.darkMode, true)
        checkPalette(Theme.darkTheme)
        Theme.enableDarkMode(false)
        compare(Theme.darkMode, false)
        checkPalette(Theme.whiteTheme)
        compare(idColorSpy.count, 2)
        // Same mode again still emits.
        Theme.enableDarkMode(false)
        compare(idColorSpy.count, 3)
    }

    function test_colorsEqualInBothPalettes() {
        var same = ["webPageColor", "textWhiteColor", "textGreenColor", "navbarTextHiColor"]
        for (var i = 0; i < same.length; ++i) {
            var before = "" + Theme[same[i]]
            Theme.enableDarkMode(true)
            verify(Qt.colorEqual(Theme[same[i]], before), same[i])
            Theme.enableDarkMode(false)
        }
    }

    function test_lockSignals() {
        idLockSpy.clear()
        idUnlockSpy.clear()
        Theme.emitAppScreenLocked()
        compare(idLockSpy.count, 1)
        compare(idUnlockSpy.count, 0)
        Theme.emitAppScreenUnlocked()
        compare(idUnlockSpy.count, 1)
    }
}
