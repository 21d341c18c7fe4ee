.pragma library
.import "pubfun.js" as Pubfun
.import "cloudapi.js" as CloudApi
.import Lib.Util 1.0 as LibUtilModule

// Request URLs of the purchase service (buy.php) per payment channel, and
// whether payment goes through the WeChat Pay and Alipay bridges here.

function __host(name) {
    return String(LibUtilModule.Util.configValue(name))
}

var WEIPAY_API_ROOT = __host("KEYLOFT_CLOUD_HOST") + "/product/keyloft/v2_1/weipay_app/"
var WEIPAY_API_ROOT_FOREIGN = __host("KEYLOFT_CLOUD_HOST_FOREIGN") + "/product/keyloft/v2_1/weipay_app/"
var ALIPAY_API_ROOT = __host("KEYLOFT_CLOUD_HOST") + "/product/keyloft/v2_1/alipay_app/"
var ALIPAY_API_ROOT_FOREIGN = __host("KEYLOFT_CLOUD_HOST_FOREIGN") + "/product/keyloft/v2_1/alipay_app/"
var IAPPAY_API_ROOT = __host("KEYLOFT_CLOUD_HOST") + "/product/keyloft/v2_1/iap/"
var IAPPAY_API_ROOT_FOREIGN = __host("KEYLOFT_CLOUD_HOST_FOREIGN") + "/product/keyloft/v2_1/iap/"

var DEBUG_TAG = "&debugmode=true"

function isUse3rdPay() {
    var os = Qt.platform.os
    return !(os === "ios" || os === "osx")
}

function getWeipayAipRoot(phoneNumber) {
    return CloudApi.isChinaNumber(phoneNumber) ? WEIPAY_API_ROOT : WEIPAY_API_ROOT_FOREIGN
}

function getAlipayAipRoot(phoneNumber) {
    return CloudApi.isChinaNumber(phoneNumber) ? ALIPAY_API_ROOT : ALIPAY_API_ROOT_FOREIGN
}

function getIappayAipRoot(phoneNumber) {
    return CloudApi.isChinaNumber(phoneNumber) ? IAPPAY_API_ROOT : IAPPAY_API_ROOT_FOREIGN
}

function productListUrl(apiRoot, phoneNumber) {
    var url = CloudApi.buildUrl(apiRoot, "buy.php", "list_product", ["phone_number", phoneNumber])
    if (Pubfun.isTestSwitchOn())
        url += DEBUG_TAG
    return url
}

function tradeCreateUrl(apiRoot, phoneNumber, productNo) {
    return CloudApi.buildUrl(apiRoot, "buy.php", "create_trade",
                             ["phone_number", phoneNumber, "product_id", productNo])
}

function tradeCompleteUrl(apiRoot, tradeNo) {
    return CloudApi.buildUrl(apiRoot, "buy.php", "complete_trade", ["trade_no", tradeNo])
}
