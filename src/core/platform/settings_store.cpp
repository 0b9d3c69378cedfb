#include "core/platform/settings_store.h"

#include "core/platform/private_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// What tells one file at the path from the next: a save puts a new file in the old one's place.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;
    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return a.device == b.device && a.inode == b.inode;
    }
};

std::optional<FileIdentity> identity(const QString& path) {
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino, st.st_mode};
}

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath, Dialogs* dialogs)
    : path_(std::move(filePath)), settings_(std::make_unique<QSettings>(path_, QSettings::IniFormat)),
      dialogs_(dialogs) {
    // A save replaces the file whole or not at all; never a half-written file in its place.
    settings_->setAtomicSyncRequired(true);
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::get(const QString& section, const QString& key, const QString& defaultValue) const {
    const QString name = section + u'/' + key;
    if (const auto it = pending_.constFind(name); it != pending_.constEnd())
        return *it;
    const QVariant v = settings_->value(name);
    return v.isValid() ? v.toString() : defaultValue;
}

void IniSettingsStore::set(const QString& section, const QString& key, const QString& value) {
    pending_.insert(section + u'/' + key, value);
    if (batchDepth_ == 0)
        save();
}

void IniSettingsStore::beginBatch() {
    ++batchDepth_;
}

void IniSettingsStore::endBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0)
        save();
}

void IniSettingsStore::save() {
    if (pending_.isEmpty() || writePending())
        return;
    if (!failureReported_ && dialogs_) {
        failureReported_ = true;
        dialogs_->msgBox(saveFailedText(path_), mb::Exclamation);
    }
}

bool IniSettingsStore::writePending() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The file holds passwords. Made empty and owner-only before the first save, it never exists with
    // wider rights: each save writes a new file that takes the rights of the one it replaces. The rights of
    // a file that is already there are its owner's to choose, and stay as they are.
    createPrivateFile(path_);
    const std::optional<FileIdentity> before = identity(path_);
    // Read-only to its owner means read-only to this program, whoever runs it (root may write anything).
    if (!before || !(before->mode & S_IWUSR))
        return false;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it)
        settings_->setValue(it.key(), *it);
    pending_.clear();
    settings_->sync();
    // Judged by the write itself, not by QSettings' status: that keeps the first trouble it met, such as a
    // line of the file it could not read, which says nothing about this save. A save that reached the disk
    // put a new file in place of the old one.
    const std::optional<FileIdentity> after = identity(path_);
    return after && *after != *before;
}

QString IniSettingsStore::saveFailedText(const QString& filePath) {
    return u"The settings could not be saved to "_s + filePath + u"."_s + u"\r\n\r\n"_s +
           u"Check that its folder exists and that you may write to it. Until it can be written, what you "
           u"save lasts only until TorvaNex ends."_s;
}

QString IniSettingsStore::defaultPath() {
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + app + u".ini"_s;
}

} // namespace tvx
