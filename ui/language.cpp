#include "ui/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace kelvara::ui {

namespace {

constexpr const char* kKey = "language";

QSettings Settings() {
    // ~/.config/Kelvara/settings.ini on Linux, %APPDATA%\Kelvara\settings.ini on Windows.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kelvara"),
                     QStringLiteral("settings"));
}

QTranslator& English() {
    static QTranslator* translator = new QTranslator;
    return *translator;
}

}  // namespace

Language StoredLanguage() {
    const QString name = Settings().value(QString::fromLatin1(kKey)).toString();
    return name == QStringLiteral("en") ? Language::English : Language::Russian;
}

void StoreLanguage(Language language) {
    QSettings settings = Settings();
    settings.setValue(QString::fromLatin1(kKey),
                      language == Language::English ? QStringLiteral("en") : QStringLiteral("ru"));
}

void ApplyLanguage(Language language) {
    SetLanguage(language);
    QCoreApplication::removeTranslator(&English());
    if (language == Language::English && English().load(QStringLiteral(":/i18n/kelvara_en.qm"))) {
        QCoreApplication::installTranslator(&English());
    }
}

}  // namespace kelvara::ui
