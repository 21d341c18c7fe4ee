import QtQuick 2.12
import QtTest 1.12
import ZV.OPTClient 1.0
import "../common"

// OPTClient from QML: codes while started, bindings, building and checking URLs.
KeyloftTestCase {
    id: idCase
    name: "OPTClient"

    // Step 0 lasts until 2033, so its code is the RFC 4226 value of counter 0.
    readonly property string constSecret: "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ"
    readonly property string constLongStepUrl: "otpauth://totp/Acme%3Aalice?secret=" + constSecret
                                               + "&issuer=Acme&period=2000000000"

    Component {
        id: idClientComponent
        OPTClient {}
    }

    Component {
        id: idSpyComponent
        SignalSpy {}
    }

    Component {
        id: idTextComponent
        Text {
            property var client
            text: client.code
        }
    }

    function newClient() {
        return createTemporaryObject(idClientComponent, idCase)
    }

    function spyOn(target, signalName) {
        return createTemporaryObject(idSpyComponent, idCase,
                                     { target: target, signalName: signalName })
    }

    function test_codeUpdatesWhileStarted() {
        var client = newClient()
        var codeSpy = spyOn(client, "codeChanged")
        var expireSpy = spyOn(client, "expireChanged")
        client.url = constLongStepUrl
        compare(client.label, "Acme:alice")
        compare(client.issuer, "Acme")
        compare(client.secret, constSecret)
        compare(client.period, 2000000000)
        compare(client.code, "")
        client.start()
        compare(client.code, "755224")
        compare(codeSpy.count, 1)
        verify(client.expire > 0 && client.expire <= client.period)
        // The timer keeps announcing the time left; the code stays.
        tryVerify(function() { return expireSpy.count >= 2 }, 5000)
        compare(codeSpy.count, 1)
        client.stop()
    }

    function test_bindingFollowsCode() {
        var client = newClient()
        var item = createTemporaryObject(idTextComponent, idCase, { client: client })
        compare(item.text, "")
        client.url = "otpauth://totp/A?secret=" + constSecret + "&digits=8&period=2000000000"
        client.start()
        tryCompare(item, "text", "84755224")
        client.stop()
    }

    function test_buildAndCheck() {
        var client = newClient()
        var url = client.buildUrl("Bob", "GEZDGNBV")
        compare(url, "otpauth://totp/Bob?secret=GEZDGNBV")
        verify(client.checkUrl(url))
        compare(client.buildUrl("", "GEZDGNBV"), "")
        verify(!client.checkUrl("otpauth://totp/Bob?secret=GEZDGNBV&period=0"))
        verify(!client.checkUrl("otpauth://hotp/Bob?secret=GEZDGNBV"))
        compare(client.url, "")
    }
}
