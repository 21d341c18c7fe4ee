#pragma once

#include <QObject>
#include <QTranslator>

// Installs the English translation when the system language is not Chinese.
class Translator : public QObject {
    Q_OBJECT
public:
    static Translator *instance();

    bool load();
    // Loads and installs the translation file at path (load() uses
    // translationFile()). Logs and returns false when it cannot.
    bool loadFile(const QString &path);
    // The translation file: "en_US.qm" beside the executable, else in the
    // installed share directory.
    static QString translationFile();

private:
    Translator() = default;
    QTranslator m_translator;
};
