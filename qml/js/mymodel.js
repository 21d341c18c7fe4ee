.pragma library
.import Lib.Util 1.0 as LibUtilModule

// The product's web addresses (per interface language) and the banner lists
// of the passwords tab. The web hosts are configuration: built in, and
// overridden at run time by the environment (KEYLOFT_WEB_HOST,
// KEYLOFT_WEB_HOST_FOREIGN).

var __util = LibUtilModule.Util

var APP_WEB_HOME = __util.configValue("KEYLOFT_WEB_HOST") + "/keyloft/"
var APP_WEB_HOME_FOREIGN = __util.configValue("KEYLOFT_WEB_HOST_FOREIGN") + "/keyloft/"
var APP_HELP_VER = "v2_1"

var PWDBOX_AD_LIST = [
    { imageSource: "qrc:/img/ad/ad_01.jpg",
      linkUrl: APP_WEB_HOME + "appdoc/help_%1/help_00/".arg(APP_HELP_VER) },
    { imageSource: "qrc:/img/ad/ad_02.jpg",
      linkUrl: APP_WEB_HOME + "appdoc/help_%1/help_10/".arg(APP_HELP_VER) },
    { imageSource: "qrc:/img/ad/ad_03.jpg",
      linkUrl: APP_WEB_HOME + "appdoc/help_%1/help_13/".arg(APP_HELP_VER) }
]

var PWDBOX_AD_LIST_FOREIGN = [
    { imageSource: "qrc:/img/ad_en/ad_01.jpg",
      linkUrl: APP_WEB_HOME_FOREIGN + "appdoc/help_%1/help_20/".arg(APP_HELP_VER) },
    { imageSource: "qrc:/img/ad_en/ad_02.jpg",
      linkUrl: APP_WEB_HOME_FOREIGN + "appdoc/help_%1/help_10/".arg(APP_HELP_VER) },
    { imageSource: "qrc:/img/ad_en/ad_03.jpg",
      linkUrl: APP_WEB_HOME_FOREIGN + "appdoc/help_%1/help_13/".arg(APP_HELP_VER) }
]

function __isChinese() {
    return __util.currentLanguage() === "zh"
}

function appWebHomeUrl() {
    return __isChinese() ? APP_WEB_HOME : APP_WEB_HOME_FOREIGN
}

function agreementUrl() {
    return appWebHomeUrl() + "appdoc/about/agreement.html"
}

function privacyUrl() {
    return appWebHomeUrl() + "appdoc/about/privacy.html"
}

// The folder of the help documents, ending in "/".
function helpHomeUrl() {
    return appWebHomeUrl() + "appdoc/help_%1/".arg(APP_HELP_VER)
}

function helpListUrl() {
    return helpHomeUrl() + "index.json"
}

function pwdBoxAdList() {
    return __isChinese() ? PWDBOX_AD_LIST : PWDBOX_AD_LIST_FOREIGN
}
