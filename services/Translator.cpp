#include "services/Translator.h"

#include "services/PlatformAPI.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

Translator *Translator::instance() {
    static Translator translator;
    return &translator;
}

QString Translator::translationFile() {
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QString beside = appDir.filePath(QStringLiteral("en_US.qm"));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = appDir.filePath(QStringLiteral("../share/keyloft/en_US.qm"));
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return beside;
}

bool Translator::load() {
    const QLocale locale = QLocale::system();
    qDebug().noquote() << "QT country: " + QLocale::countryToString(locale.country())
                       << "QT language: " + QLocale::languageToString(locale.language());
    const QString lang = PlatformAPI::langCode();
    qDebug().noquote() << "PlatformAPI langCode: " + lang;
    if (lang == QLatin1String("zh"))
        return true;

    return loadFile(translationFile());
}

bool Translator::loadFile(const QString &path) {
    if (m_translator.load(path)) {
        qDebug().noquote() << "Load: " + path;
        QCoreApplication::installTranslator(&m_translator);
        return true;
    }
    qDebug().noquote() << "Failed to load: " + path;
    return false;
}
