#include "core/platform/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tvx {

IniSettingsStore::IniSettingsStore(QString filePath)
    : path_(std::move(filePath)), settings_(std::make_unique<QSettings>(path_, QSettings::IniFormat)) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::get(const QString& section, const QString& key, const QString& defaultValue) const {
    const QVariant v = settings_->value(section + u'/' + key);
    return v.isValid() ? v.toString() : defaultValue;
}

void IniSettingsStore::set(const QString& section, const QString& key, const QString& value) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    settings_->setValue(section + u'/' + key, value);
    settings_->sync();
    // The file holds passwords.
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString IniSettingsStore::defaultPath() {
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + app +
           QStringLiteral(".ini");
}

} // namespace tvx
