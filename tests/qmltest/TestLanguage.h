#pragma once

#include <QObject>
#include <QTranslator>

class QQmlEngine;

// Switches the QML texts between Chinese and English for the rest of a test
// run, with the translation file the program installs on English systems.
// Pages made after the switch come up in that language; the engine's
// translated bindings are refreshed as well.
class TestLanguage : public QObject {
    Q_OBJECT
public:
    explicit TestLanguage(QQmlEngine *engine);

    // True when the texts are now in English (english true) or in Chinese.
    Q_INVOKABLE bool setEnglish(bool english);

private:
    QQmlEngine *m_engine;
    QTranslator m_translator;
    bool m_installed = false;
};
