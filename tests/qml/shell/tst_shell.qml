import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import "../common"

// The native shell seen from QML: permissions, units and fonts, the device code.
KeyloftTestCase {
    id: idCase
    name: "Shell"

    property var cameraAnswers: []

    Connections {
        target: PhoneNotify
        function onCameraPermissionsResult(permission, succ) {
            idCase.cameraAnswers.push([permission, succ])
        }
    }

    function test_permissionAnsweredBeforeReturn() {
        cameraAnswers = []
        Util.requestPermissionsCamera()
        compare(cameraAnswers.length, 1)
        compare(cameraAnswers[0][0], "android.permission.CAMERA")
        compare(cameraAnswers[0][1], true)
    }

    function test_unitsAndFonts() {
        compare(Util.unitHeight, 10)
        compare(Util.fontSize, 14)
        compare(Util.textHeight(0), 0)
        compare(Util.textHeight(49), 0)
        verify(Util.textHeight(14) > 0)
        compare(Util.relativeFontPoint(0), Util.fontSize)
        compare(Util.relativeFontPoint(100), Util.fontSize)
        compare(Util.relativeFontPoint(-100), Util.fontSize)
        verify(Util.relativeFontPoint(-1) < Util.fontSize)
        verify(Util.textHeight(Util.relativeFontPoint(-1)) < Util.textHeight(Util.fontSize))
    }

    function test_deviceCode() {
        verify(Util.deviceCode.length > 0)
        compare(Util.deviceCode, Util.deviceCode)
    }
}
