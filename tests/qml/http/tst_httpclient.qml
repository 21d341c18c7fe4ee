import QtQuick 2.12
import QtTest 1.12
import Lib.HttpClient 1.0
import "../common"

// The HTTP client and the cloud and payment error codes as QML sees them.
KeyloftTestCase {
    id: idCase
    name: "HttpClientQml"

    property var answers: []
    property int requests: 0
    property int queryErrorChanges: 0

    HttpClient {
        id: idClient
        onRequested: idCase.requests++
        onResponsed: idCase.answers.push([curlerr, respstr])
    }

    PayErr {
        id: idPayErr
    }

    Connections {
        target: CloudErr
        function onUserQueryErrorChanged() { idCase.queryErrorChanges++ }
    }

    function test_cloudErrCodes() {
        var expected = {
            SUCCESS: 0, PARAMETER: 1, DB_INIT: 2, DB_SQL: 3, DB_UNIQUE: 4, DB_NO_RECORD: 5,
            GATEWAY_API: 6, SMSCODE_LIMIT: 100, SMSCODE_SEND: 101, SMSCODE_CHECK: 102,
            USER_EXIST: 103, USER_UNREGISTERED: 104, USER_ORDER_COMPLETED: 105, USER_EXPIRED: 106,
            DEVICE_UNREGISTERED: 107, DEVICE_MAX: 108, ORDER_NOT_EXIST: 109, PHONE_NUMBER: 110
        }
        for (var key in expected)
            compare(CloudErr[key], expected[key], key)
    }

    function test_payErrCodes() {
        var expected = {
            SUCCESS: 0, PARAMETER_INVALID: 1, CREAT_MERCHANT_ORDER: 2, CALL_PAY_INTERFACE: 3,
            TRADE_NUMBER: 4, TRADE_NOTPAY: 5, COMPLETE_MERCHANT_ORDER: 6
        }
        for (var key in expected)
            compare(PayErr[key], expected[key], key)
        verify(idPayErr !== null)
    }

    function test_userQueryError() {
        compare(CloudErr.userQueryError, CloudErr.PARAMETER)
        queryErrorChanges = 0
        CloudErr.userQueryError = 1
        compare(queryErrorChanges, 1)
        CloudErr.userQueryError = CloudErr.USER_UNREGISTERED
        compare(CloudErr.userQueryError, 104)
        compare(queryErrorChanges, 2)
        CloudErr.userQueryError = 1
    }

    // The answer reaches the QML handlers with its arguments; port 1 of the
    // loopback address has no listener.
    function test_answerReachesHandlers() {
        compare(idClient.method, "GET")
        answers = []
        requests = 0
        idClient.url = "http://127.0.0.1:1/"
        idClient.request()
        tryCompare(idCase, "requests", 1, 15000)
        tryVerify(function() { return idCase.answers.length === 1 }, 15000)
        compare(answers[0][0], 7)
        compare(answers[0][1], "")
    }
}
