#include "services/CountryList.h"

#include "services/PlatformAPI.h"

#include <QDebug>
#include <QFile>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

namespace CountryList {

namespace {

const CountryDialCode kDialCodes[] = {
    {"AF", 93},  {"AL", 355}, {"DZ", 213}, {"AS", 1},   {"AD", 376}, {"AO", 244}, {"AI", 1},
    {"AG", 1},   {"AR", 54},  {"AM", 374}, {"AW", 297}, {"AC", 247}, {"AU", 61},  {"AT", 43},
    {"AZ", 994}, {"BS", 1},   {"BH", 973}, {"BD", 880}, {"BB", 1},   {"BY", 375}, {"BE", 32},
    {"BZ", 501}, {"BJ", 229}, {"BM", 1},   {"BT", 975}, {"BO", 591}, {"BA", 387}, {"BW", 267},
    {"BR", 55},  {"IO", 246}, {"VG", 1},   {"BN", 673}, {"BG", 359}, {"BF", 226}, {"BI", 257},
    {"KH", 855}, {"CM", 237}, {"CA", 1},   {"CV", 238}, {"BQ", 599}, {"KY", 1},   {"CF", 236},
    {"TD", 235}, {"CL", 56},  {"CN", 86},  {"CX", 61},  {"CC", 61},  {"CO", 57},  {"KM", 269},
    {"CG", 242}, {"CD", 243}, {"CK", 682}, {"CR", 506}, {"HR", 385}, {"CU", 53},  {"CW", 599},
    {"CY", 357}, {"CZ", 420}, {"CI", 225}, {"DK", 45},  {"DJ", 253}, {"DM", 1},   {"DO", 1},
    {"EC", 593}, {"EG", 20},  {"SV", 503}, {"GQ", 240}, {"ER", 291}, {"EE", 372}, {"SZ", 268},
    {"ET", 251}, {"FK", 500}, {"FO", 298}, {"FJ", 679}, {"FI", 358}, {"FR", 33},  {"GF", 594},
    {"PF", 689}, {"GA", 241}, {"GM", 220}, {"GE", 995}, {"DE", 49},  {"GH", 233}, {"GI", 350},
    {"GR", 30},  {"GL", 299}, {"GD", 1},   {"GP", 590}, {"GU", 1},   {"GT", 502}, {"GG", 44},
    {"GN", 224}, {"GW", 245}, {"GY", 592}, {"HT", 509}, {"HN", 504}, {"HK", 852}, {"HU", 36},
    {"IS", 354}, {"IN", 91},  {"ID", 62},  {"IR", 98},  {"IQ", 964}, {"IE", 353}, {"IM", 44},
    {"IL", 972}, {"IT", 39},  {"JM", 1},   {"JP", 81},  {"JE", 44},  {"JO", 962}, {"KZ", 7},
    {"KE", 254}, {"KI", 686}, {"XK", 383}, {"KW", 965}, {"KG", 996}, {"LA", 856}, {"LV", 371},
    {"LB", 961}, {"LS", 266}, {"LR", 231}, {"LY", 218}, {"LI", 423}, {"LT", 370}, {"LU", 352},
    {"MO", 853}, {"MG", 261}, {"MW", 265}, {"MY", 60},  {"MV", 960}, {"ML", 223}, {"MT", 356},
    {"MH", 692}, {"MQ", 596}, {"MR", 222}, {"MU", 230}, {"YT", 262}, {"MX", 52},  {"FM", 691},
    {"MD", 373}, {"MC", 377}, {"MN", 976}, {"ME", 382}, {"MS", 1},   {"MA", 212}, {"MZ", 258},
    {"MM", 95},  {"NA", 264}, {"NR", 674}, {"NP", 977}, {"NL", 31},  {"NC", 687}, {"NZ", 64},
    {"NI", 505}, {"NE", 227}, {"NG", 234}, {"NU", 683}, {"NF", 672}, {"KP", 850}, {"MK", 389},
    {"MP", 1},   {"NO", 47},  {"OM", 968}, {"PK", 92},  {"PW", 680}, {"PS", 970}, {"PA", 507},
    {"PG", 675}, {"PY", 595}, {"PE", 51},  {"PH", 63},  {"PL", 48},  {"PT", 351}, {"PR", 1},
    {"QA", 974}, {"RO", 40},  {"RU", 7},   {"RW", 250}, {"RE", 262}, {"WS", 685}, {"SM", 378},
    {"SA", 966}, {"SN", 221}, {"RS", 381}, {"SC", 248}, {"SL", 232}, {"SG", 65},  {"SX", 1},
    {"SK", 421}, {"SI", 386}, {"SB", 677}, {"SO", 252}, {"ZA", 27},  {"KR", 82},  {"SS", 211},
    {"ES", 34},  {"LK", 94},  {"BL", 590}, {"SH", 290}, {"KN", 1},   {"LC", 1},   {"MF", 590},
    {"PM", 508}, {"VC", 1},   {"SD", 249}, {"SR", 597}, {"SJ", 47},  {"SE", 46},  {"CH", 41},
    {"SY", 963}, {"ST", 239}, {"TW", 886}, {"TJ", 992}, {"TZ", 255}, {"TH", 66},  {"TL", 670},
    {"TG", 228}, {"TK", 690}, {"TO", 676}, {"TT", 1},   {"TA", 290}, {"TN", 216}, {"TR", 90},
    {"TM", 993}, {"TC", 1},   {"TV", 688}, {"VI", 1},   {"UG", 256}, {"UA", 380}, {"AE", 971},
    {"GB", 44},  {"US", 1},   {"UY", 598}, {"UZ", 998}, {"VU", 678}, {"VA", 39},  {"VE", 58},
    {"VN", 84},  {"WF", 681}, {"EH", 212}, {"YE", 967}, {"ZM", 260}, {"ZW", 263}, {"AX", 358},
};

constexpr int kDialCodeCount = sizeof(kDialCodes) / sizeof(kDialCodes[0]);
static_assert(kDialCodeCount == 245, "the dial-code table has 245 rows");

QString stringAt(const QJsonObject &object, const QString &key) {
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

QVariantMap findRegion(const QString &region) {
    const QVariantList list = buildCountryList();
    for (const QVariant &entry : list) {
        const QVariantMap map = entry.toMap();
        if (map.value(QStringLiteral("region")).toString() == region)
            return map;
    }
    return QVariantMap();
}

} // namespace

const CountryDialCode *dialCodes(int *count) {
    if (count)
        *count = kDialCodeCount;
    return kDialCodes;
}

QJsonDocument loadCountryJson(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Failed to open:" << path;
        return QJsonDocument();
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        qDebug() << "country-list Json Parse Error";
        return QJsonDocument();
    }
    return doc;
}

QVariantList buildCountryList() {
    const QJsonDocument en = loadCountryJson(QStringLiteral(":/country-list/en/country.json"));
    const QString name = PlatformAPI::localeName();
    qDebug().noquote() << "\n\nlocale.name: " + name;
    QJsonDocument local =
        loadCountryJson(QStringLiteral(":/country-list/%1/country.json").arg(name));
    if (local.isNull())
        local = en;
    const QJsonObject enObject = en.object();
    const QJsonObject localObject = local.object();

    QVariantList list;
    list.reserve(kDialCodeCount);
    for (const CountryDialCode &row : kDialCodes) {
        const QString region = QString::fromLatin1(row.region);
        QVariantMap entry;
        entry.insert(QStringLiteral("region"), region);
        entry.insert(QStringLiteral("number"), row.number);
        entry.insert(QStringLiteral("name"), stringAt(localObject, region));
        entry.insert(QStringLiteral("nameEn"), stringAt(enObject, region));
        list.append(entry);
    }
    return list;
}

QVariantList countryCodeListImpl() {
    return buildCountryList();
}

QVariantMap countryCodeCurrentImpl() {
    return findRegion(PlatformAPI::regionCode());
}

QVariantMap countryCodeFromRegionImpl(const QString &region) {
    return findRegion(region);
}

} // namespace CountryList
