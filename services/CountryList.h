#pragma once

#include <QJsonDocument>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The country dialling-code list with names from the per-locale resource
// files ":/country-list/<locale>/country.json".
namespace CountryList {

struct CountryDialCode {
    const char *region;
    int number;
};

// The 245 rows, in list order.
const CountryDialCode *dialCodes(int *count);

QJsonDocument loadCountryJson(const QString &path);
QVariantList buildCountryList();
QVariantList countryCodeListImpl();
QVariantMap countryCodeCurrentImpl();
QVariantMap countryCodeFromRegionImpl(const QString &region);

} // namespace CountryList
