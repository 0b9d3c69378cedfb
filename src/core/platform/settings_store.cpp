#include "core/platform/settings_store.h"

#include "core/platform/private_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tvx {

IniSettingsStore::IniSettingsStore(QString filePath, Dialogs* dialogs)
    : path_(std::move(filePath)), settings_(std::make_unique<QSettings>(path_, QSettings::IniFormat)),
      dialogs_(dialogs) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::get(const QString& section, const QString& key, const QString& defaultValue) const {
    const QVariant v = settings_->value(section + u'/' + key);
    return v.isValid() ? v.toString() : defaultValue;
}

void IniSettingsStore::set(const QString& section, const QString& key, const QString& value) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The file holds passwords. Made empty and owner-only before the first save, it never exists with
    // wider rights: each save writes a new file that takes the rights of the one it replaces.
    createPrivateFile(path_);
    settings_->setValue(section + u'/' + key, value);
    settings_->sync();
    // A file made by an earlier version may still be readable by others.
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (settings_->status() != QSettings::NoError && !failureReported_ && dialogs_) {
        failureReported_ = true;
        dialogs_->msgBox(saveFailedText(path_), mb::Exclamation);
    }
}

QString IniSettingsStore::saveFailedText(const QString& filePath) {
    return u"The settings could not be saved to "_qs + filePath + u"."_qs + u"\r\n\r\n"_qs +
           u"Check that its folder exists and that you may write to it. Until it can be written, what you "
           u"save lasts only until TorvaNex ends."_qs;
}

QString IniSettingsStore::defaultPath() {
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + app +
           QStringLiteral(".ini");
}

} // namespace tvx
