#include "services/AppConfig.h"

#include "keyloft_config.h"

#include <QDebug>

namespace AppConfig {

namespace {
struct Entry {
    const char *name;
    const char *builtIn;
};

const Entry kEntries[] = {
    {"KEYLOFT_WEB_HOST", KEYLOFT_WEB_HOST},
    {"KEYLOFT_WEB_HOST_FOREIGN", KEYLOFT_WEB_HOST_FOREIGN},
    {"KEYLOFT_CLOUD_HOST", KEYLOFT_CLOUD_HOST},
    {"KEYLOFT_CLOUD_HOST_FOREIGN", KEYLOFT_CLOUD_HOST_FOREIGN},
    {"KEYLOFT_SUPPORT_EMAIL", KEYLOFT_SUPPORT_EMAIL},
};
} // namespace

QString value(const QString &name) {
    for (const Entry &e : kEntries) {
        if (name != QLatin1String(e.name))
            continue;
        const QByteArray env = qgetenv(e.name);
        return env.isEmpty() ? QString::fromUtf8(e.builtIn) : QString::fromUtf8(env);
    }
    qWarning() << "Unknown configuration name:" << name;
    return QString();
}

} // namespace AppConfig
