.pragma library
.import "pubfun.js" as Pubfun
.import Lib.Util 1.0 as LibUtilModule

// Request URLs of the cloud service: accounts (user.php), authorised
// devices (device.php) and backup records (backup.php). Builds only; the
// pages send them through their HttpClient.

var __constApiPath = "/product/keyloft/v2_1/wsapi/"

function __host(name) {
    return String(LibUtilModule.Util.configValue(name))
}

var BACKUP_CLOUD_API_ROOT = __host("KEYLOFT_CLOUD_HOST") + __constApiPath
var BACKUP_CLOUD_API_ROOT_FOREIGN = __host("KEYLOFT_CLOUD_HOST_FOREIGN") + __constApiPath

// "CN" numbers (bare digits, and the empty number) go to the China host.
function isChinaNumber(phoneNumber) {
    return Pubfun.splitPhoneNumberStr(phoneNumber === undefined || phoneNumber === null
                                      ? "" : phoneNumber).region === "CN"
}

function getAipRoot(phoneNumber) {
    return isChinaNumber(phoneNumber) ? BACKUP_CLOUD_API_ROOT : BACKUP_CLOUD_API_ROOT_FOREIGN
}

// root + script + "?method=" + method, then "&key=value" for each pair.
// Every value is URI-encoded: digits, letters and "_" stay as they are.
function buildUrl(apiRoot, script, method, pairs) {
    var url = apiRoot + script + "?method=" + encodeURIComponent(method)
    for (var i = 0; i + 1 < pairs.length; i += 2) {
        var v = pairs[i + 1]
        url += "&" + pairs[i] + "=" + encodeURIComponent(v === undefined || v === null ? "" : String(v))
    }
    return url
}

// The account's dates in the answers of the account query and of adding a
// device, as CloudRequest's members (DBCloud.setAccountDates stores them as
// they come): the creation time seeds the cloud backup key, so it may be
// neither missing nor empty; the expiration date is only shown, and may be
// empty or missing (shown empty).
var accountDateMembers = { creation_time: "text", expiration_date: "optional" }

function userQueryUrl(phoneNumber, deviceCode, isRechargeMode) {
    var url = buildUrl(getAipRoot(phoneNumber), "user.php", "query",
                       ["phone_number", phoneNumber, "device_code", deviceCode])
    if (isRechargeMode === true)
        url += "&recharge_mode=true"
    return url
}

function userCheckPhone(phoneNumber) {
    return buildUrl(getAipRoot(phoneNumber), "user.php", "check_phone", ["phone_number", phoneNumber])
}

function userSmsCodeUrl(phoneNumber) {
    return buildUrl(getAipRoot(phoneNumber), "user.php", "sms_code", ["phone_number", phoneNumber])
}

function userRegisterUrl(phoneNumber, smsCode) {
    return buildUrl(getAipRoot(phoneNumber), "user.php", "register",
                    ["phone_number", phoneNumber, "sms_code", smsCode])
}

function userUnregisterUrl(phoneNumber, deviceCode, smsCode) {
    return buildUrl(getAipRoot(phoneNumber), "user.php", "unregister",
                    ["phone_number", phoneNumber, "device_code", deviceCode, "sms_code", smsCode])
}

function deviceListUrl(phoneNumber, deviceCode) {
    return buildUrl(getAipRoot(phoneNumber), "device.php", "list",
                    ["phone_number", phoneNumber, "device_code", deviceCode])
}

function deviceAddUrl(phoneNumber, smsCode, deviceCode, deviceName) {
    return buildUrl(getAipRoot(phoneNumber), "device.php", "add",
                    ["phone_number", phoneNumber, "sms_code", smsCode,
                     "device_code", deviceCode, "device_name", deviceName])
}

function deviceRemoveUrl(phoneNumber, deviceCode) {
    return buildUrl(getAipRoot(phoneNumber), "device.php", "remove",
                    ["phone_number", phoneNumber, "device_code", deviceCode])
}

function backupListUrl(phoneNumber, deviceCode) {
    return buildUrl(getAipRoot(phoneNumber), "backup.php", "list",
                    ["phone_number", phoneNumber, "device_code", deviceCode])
}

// Sent as POST: everything after the first "?" is the body.
function backupUploadUrl(phoneNumber, deviceCode, contentData, attachedData) {
    return buildUrl(getAipRoot(phoneNumber), "backup.php", "upload",
                    ["phone_number", phoneNumber, "device_code", deviceCode,
                     "content_data", contentData, "attached_data", attachedData])
}

function backupDownloadUrl(phoneNumber, deviceCode, backupId) {
    return buildUrl(getAipRoot(phoneNumber), "backup.php", "download",
                    ["phone_number", phoneNumber, "device_code", deviceCode, "backup_id", backupId])
}
