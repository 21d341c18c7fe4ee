import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import "qrc:/js/pubfun.js" as Pubfun
import "qrc:/js/icon.js" as Icon
import "../common"

// The shared script helpers: dates, marker lines, platform, phone numbers,
// icons and note colours.
KeyloftTestCase {
    id: idCase
    name: "Helpers"

    Item { id: idParent }

    function initTestCase() {
        Pubfun.LibUtil = Util
    }

    function test_dates_data() {
        return [
            { tag: "new year", d: new Date(2020, 0, 1, 0, 0, 0), full: "2020-01-01 00:00:00" },
            { tag: "padded", d: new Date(2021, 2, 7, 9, 5, 3), full: "2021-03-07 09:05:03" },
            { tag: "two digits", d: new Date(2019, 11, 31, 23, 59, 58), full: "2019-12-31 23:59:58" }
        ]
    }
    function test_dates(row) {
        var ms = row.d.getTime()
        compare(Pubfun.millisecToDateTimeSecStr(ms), row.full)
        compare(Pubfun.millisecToDateTimeStr(ms), row.full.substring(0, 16))
        compare(Pubfun.millisecToDateStr(ms), row.full.substring(0, 10))
        compare(Pubfun.dateTimeStrToMillisec(row.full), ms)
        compare(Pubfun.dateTimeStrRemoveSec(row.full), row.full.substring(0, 16))
    }

    function test_dateEdges() {
        // The year is never padded.
        var d = new Date(2020, 5, 6, 7, 8, 9)
        d.setFullYear(999)
        compare(Pubfun.millisecToDateTimeSecStr(d.getTime()), "999-06-06 07:08:09")
        compare(Pubfun.dateTimeStrToMillisec("not a date"), 0)
        verify(/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/.test(Pubfun.currentDateTimeStr()))
        var now = new Date().getTime()
        verify(Math.abs(Pubfun.dateTimeStrToMillisec(Pubfun.currentDateTimeStr()) - now) < 2000)
    }

    function test_unwrapLine_data() {
        var top = "-----BEGIN BACKUP-----"
        var bottom = "-----END BACKUP-----"
        return [
            { tag: "framed", text: top + "\nAAAA\nBBBB\n" + bottom, expect: "AAAA\nBBBB\n" },
            { tag: "inside other text", text: "Hi,\n" + top + "\nAAAA\n" + bottom + "\nBye",
              expect: "AAAA\n" },
            { tag: "crlf lines", text: top + "\r\nAAAA\r\nBBBB\r\n" + bottom,
              expect: "AAAA\r\nBBBB\r\n" },
            { tag: "marker inside a line first", text: "x" + top + "y\n" + top + "\nAAAA\n" + bottom,
              expect: "AAAA\n" },
            { tag: "top marker without line end", text: top + "AAAA\n" + bottom, expect: "" },
            { tag: "two blocks", text: top + "\nA1\n" + bottom + "\n" + top + "\nB2\n" + bottom,
              expect: "A1\n" + bottom + "\n" + top + "\nB2\n" },
            { tag: "reversed", text: bottom + "\n" + top + "\nAAAA\n", expect: "" },
            { tag: "no bottom", text: top + "\nAAAA\n", expect: "" },
            { tag: "no top", text: "AAAA\n" + bottom, expect: "" },
            { tag: "other words", text: top + "\nAAAA\n-----END OTHER-----", expect: "" }
        ]
    }
    function test_unwrapLine(row) {
        compare(Pubfun.unwrapLine(row.text, "BEGIN BACKUP", "END BACKUP"), row.expect)
    }

    function test_wrapRoundTrip() {
        var content = "QUJD\nREVG\n"
        var framed = Pubfun.wrapLine(content, "BEGIN BACKUP", "END BACKUP")
        compare(framed, "-----BEGIN BACKUP-----\nQUJD\nREVG\n-----END BACKUP-----")
        compare(Pubfun.unwrapLine(framed, "BEGIN BACKUP", "END BACKUP"), content)
    }

    // Cut to the bound with "…" as its last character, never inside a
    // character: a surrogate pair, a letter and its combining mark, and a
    // joined emoji stay whole or go whole.
    function test_cutText_data() {
        var x = function(n) { return new Array(n + 1).join("x") }
        return [
            { tag: "short", text: "abc", max: 5, expect: "abc" },
            { tag: "exactly the bound", text: "abcde", max: 5, expect: "abcde" },
            { tag: "one more", text: "abcdef", max: 5, expect: "abcd…" },
            { tag: "Chinese", text: "岚匣密管云备份", max: 5, expect: "岚匣密管…" },
            { tag: "surrogate pair at the cut", text: "abc\uD83D\uDE00de", max: 5, expect: "abc…" },
            { tag: "surrogate pair before the cut", text: "ab\uD83D\uDE00de", max: 5, expect: "ab\uD83D\uDE00…" },
            { tag: "combining mark at the cut", text: "abce\u0301f", max: 5, expect: "abc…" },
            { tag: "joiner before the cut", text: "ab\u200D\u2642xy", max: 4, expect: "a…" },
            { tag: "undefined", text: undefined, max: 5, expect: "" },
            { tag: "null", text: null, max: 5, expect: "" },
            { tag: "number", text: 1234567, max: 5, expect: "1234…" },
            { tag: "1 MB", text: x(1000000), max: 300, expect: x(299) + "…" }
        ]
    }
    function test_cutText(row) {
        compare(Pubfun.cutText(row.text, row.max), row.expect)
    }

    function test_shownAndLoggedText() {
        var longText = new Array(100001).join("字")
        compare(Pubfun.shownText(longText).length, Pubfun.SHOWN_TEXT_MAX)
        compare(Pubfun.loggedText(longText).length, Pubfun.LOGGED_TEXT_MAX)
        verify(Pubfun.SHOWN_TEXT_MAX >= 200 && Pubfun.SHOWN_TEXT_MAX <= 500)
        compare(Pubfun.shownText("设备 (1)"), "设备 (1)")
    }

    function test_phoneNumbers_data() {
        return [
            { tag: "CN", stored: "13800138000", region: "CN", number: "13800138000", code: "86" },
            { tag: "US", stored: "US_2025550123", region: "US", number: "2025550123", code: "1" },
            { tag: "underscore elsewhere", stored: "123_456", region: "CN", number: "123_456", code: "86" },
            { tag: "two underscores", stored: "1_2_3", region: "CN", number: "1_2_3", code: "86" }
        ]
    }
    function test_phoneNumbers(row) {
        var p = Pubfun.splitPhoneNumberStr(row.stored)
        compare(p.region, row.region)
        compare(p.number, row.number)
        compare(Pubfun.regionOfPhoneNumberStr(row.stored), row.region)
        compare(Pubfun.formatedPhoneNumberStr(row.stored), "+" + row.code + " " + row.number)
        if (row.tag === "CN" || row.tag === "US")
            compare(Pubfun.margePhoneNumberStr(row.region, row.number), row.stored)
    }

    function test_platformAndSwitches() {
        verify(Pubfun.isOnDesktop())
        compare(Pubfun.isOnDesktopDistribution(), true)
        compare(Pubfun.currentLanguage(), Util.currentLanguage())
        compare(Pubfun.currentRegion(), Util.currentRegion())
        verify(!Pubfun.isTestSwitchOn())
        Pubfun.testSwitch.one = true
        verify(!Pubfun.isTestSwitchOn())
        Pubfun.testSwitch.two = true
        verify(Pubfun.isTestSwitchOn())
    }

    function test_createQmlObject() {
        var obj = Pubfun.createQmlObject(idParent, Qt.resolvedUrl("Probe.qml"))
        verify(obj !== null)
        compare(obj.tag, "probe")
        compare(obj.parent, idParent)
        obj.destroy()
        compare(Pubfun.createQmlObject(idParent, Qt.resolvedUrl("Missing.qml")), null)
    }

    function test_icons() {
        compare(Icon.iconlist.length, 36)
        compare(Icon.iconlist[0].id, 1)
        compare(Icon.iconlist[0].name, "01.png")
        compare(Icon.iconlist[35].name, "36.png")
        var cases = [[-1, "all.png"], [0, "uncateg.png"], [7, "07.png"], [36, "36.png"],
                     [37, "01.png"], [-2, "01.png"], ["5", "01.png"], [undefined, "01.png"]]
        for (var i = 0; i < cases.length; ++i)
            compare(Icon.getIconUrl(cases[i][0]), "qrc:/img/appicon/" + cases[i][1], String(cases[i][0]))
        compare(Icon.getNoteColorList(false).length, 6)
        compare(Icon.getNoteColorList(false)[1].dark, "#F1857D")
        compare(Icon.getNoteColorList(true)[5].bright, "#503d53")
        compare(Icon.getNoteColorList(true), Icon.noteColorlistDark)
    }
}
