import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/payapi.js" as Payapi
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "../common"

// The request URLs of the cloud and purchase services as they go on the
// wire (built-in hosts), and the cloud-state row.
KeyloftTestCase {
    id: idCase
    name: "CloudApi"

    readonly property string cn: "https://cloud.keyloft.invalid/product/keyloft/v2_1/"
    readonly property string intl: "https://cloud-intl.keyloft.invalid/product/keyloft/v2_1/"

    function initTestCase() {
        Pubfun.LibUtil = Util
        compare(Util.configValue("KEYLOFT_CLOUD_HOST"), "https://cloud.keyloft.invalid")
    }

    function cleanup() {
        Pubfun.testSwitch.one = false
        Pubfun.testSwitch.two = false
    }

    function test_urls_data() {
        var w = cn + "wsapi/"
        var f = intl + "wsapi/"
        return [
            { tag: "query", url: CloudApi.userQueryUrl("13800138000", "dev1", true),
              want: w + "user.php?method=query&phone_number=13800138000&device_code=dev1&recharge_mode=true" },
            { tag: "query, not recharge", url: CloudApi.userQueryUrl("13800138000", "dev1", false),
              want: w + "user.php?method=query&phone_number=13800138000&device_code=dev1" },
            { tag: "query US", url: CloudApi.userQueryUrl("US_2025550123", "dev1", true),
              want: f + "user.php?method=query&phone_number=US_2025550123&device_code=dev1&recharge_mode=true" },
            { tag: "check empty number", url: CloudApi.userCheckPhone(""),
              want: w + "user.php?method=check_phone&phone_number=" },
            { tag: "first _ elsewhere", url: CloudApi.userCheckPhone("138_00"),
              want: w + "user.php?method=check_phone&phone_number=138_00" },
            { tag: "sms", url: CloudApi.userSmsCodeUrl("GB_7700900123"),
              want: f + "user.php?method=sms_code&phone_number=GB_7700900123" },
            { tag: "register", url: CloudApi.userRegisterUrl("13800138000", "123456"),
              want: w + "user.php?method=register&phone_number=13800138000&sms_code=123456" },
            { tag: "unregister", url: CloudApi.userUnregisterUrl("13800138000", "dev1", "654321"),
              want: w + "user.php?method=unregister&phone_number=13800138000&device_code=dev1&sms_code=654321" },
            { tag: "device list", url: CloudApi.deviceListUrl("13800138000", "dev1"),
              want: w + "device.php?method=list&phone_number=13800138000&device_code=dev1" },
            { tag: "device add, name with blanks and parentheses",
              url: CloudApi.deviceAddUrl("13800138000", "123456", "dev1", "My PC (Linux) x"),
              want: w + "device.php?method=add&phone_number=13800138000&sms_code=123456&device_code=dev1&device_name=My%20PC%20(Linux)%20x" },
            { tag: "device add, name with & = and Chinese",
              url: CloudApi.deviceAddUrl("13800138000", "123456", "dev1", "a&b=c 电脑"),
              want: w + "device.php?method=add&phone_number=13800138000&sms_code=123456&device_code=dev1&device_name=a%26b%3Dc%20%E7%94%B5%E8%84%91" },
            { tag: "device remove", url: CloudApi.deviceRemoveUrl("US_2025550123", "other_dev"),
              want: f + "device.php?method=remove&phone_number=US_2025550123&device_code=other_dev" },
            { tag: "backup list", url: CloudApi.backupListUrl("13800138000", "dev1"),
              want: w + "backup.php?method=list&phone_number=13800138000&device_code=dev1" },
            { tag: "download, plain id", url: CloudApi.backupDownloadUrl("13800138000", "dev1", 42),
              want: w + "backup.php?method=download&phone_number=13800138000&device_code=dev1&backup_id=42" },
            { tag: "download, id with & and #", url: CloudApi.backupDownloadUrl("13800138000", "dev1", "7&x=1#"),
              want: w + "backup.php?method=download&phone_number=13800138000&device_code=dev1&backup_id=7%26x%3D1%23" },
            { tag: "products", url: Payapi.productListUrl(Payapi.getWeipayAipRoot("13800138000"), "13800138000"),
              want: cn + "weipay_app/buy.php?method=list_product&phone_number=13800138000" },
            { tag: "trade, alipay US", url: Payapi.tradeCreateUrl(Payapi.getAlipayAipRoot("US_1"), "US_1", "p_12"),
              want: intl + "alipay_app/buy.php?method=create_trade&phone_number=US_1&product_id=p_12" },
            { tag: "complete, trade number with &", url: Payapi.tradeCompleteUrl(Payapi.getWeipayAipRoot(""), "T1&a=b"),
              want: cn + "weipay_app/buy.php?method=complete_trade&trade_no=T1%26a%3Db" },
            { tag: "iap root", url: Payapi.getIappayAipRoot("JP_3"), want: intl + "iap/" }
        ]
    }
    function test_urls(data) {
        compare(data.url, data.want)
    }

    // The POST body is everything after the first "?": both texts travel
    // URI-encoded, so Base64's "+", "/" and "=" and the newlines survive.
    function test_uploadUrl() {
        var content = "-----BEGIN BACKUP-----\nab+/cd==\n-----END BACKUP-----"
        var attached = JSON.stringify({ pwdItemCount: 2, noteItemCount: 1 })
        var url = CloudApi.backupUploadUrl("US_2025550123", "dev1", content, attached)
        var q = url.indexOf("?")
        compare(url.substring(0, q), intl + "wsapi/backup.php")
        var body = url.substring(q + 1)
        compare(body.indexOf("method=upload&phone_number=US_2025550123&device_code=dev1&content_data="), 0)
        compare(body, "method=upload&phone_number=US_2025550123&device_code=dev1"
                + "&content_data=-----BEGIN%20BACKUP-----%0Aab%2B%2Fcd%3D%3D%0A-----END%20BACKUP-----"
                + "&attached_data=%7B%22pwdItemCount%22%3A2%2C%22noteItemCount%22%3A1%7D")
    }

    function test_debugModeNeedsBothSwitches() {
        var root = Payapi.getWeipayAipRoot("13800138000")
        Pubfun.testSwitch.one = true
        verify(/phone_number=13800138000$/.test(Payapi.productListUrl(root, "13800138000")))
        Pubfun.testSwitch.two = true
        verify(/phone_number=13800138000&debugmode=true$/.test(Payapi.productListUrl(root, "13800138000")))
    }

    function test_thirdPartyPayHere() {
        verify(Payapi.isUse3rdPay())
    }
}
