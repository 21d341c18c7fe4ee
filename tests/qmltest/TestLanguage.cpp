#include "TestLanguage.h"

#include "services/Translator.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlEngine>

TestLanguage::TestLanguage(QQmlEngine *engine) : QObject(engine), m_engine(engine) {}

bool TestLanguage::setEnglish(bool english) {
    if (english && !m_installed) {
        const QString path = Translator::translationFile();
        if (!m_translator.load(path)) {
            qWarning().noquote() << "TestLanguage: cannot load" << path;
            return false;
        }
        m_installed = QCoreApplication::installTranslator(&m_translator);
    } else if (!english && m_installed) {
        QCoreApplication::removeTranslator(&m_translator);
        m_installed = false;
    }
    m_engine->retranslate();
    return m_installed == english;
}
