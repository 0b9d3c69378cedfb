#include "core/platform/settings_store.h"

#include "core/platform/private_file.h"
#include "core/platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// What tells one file at the path from the next: a save puts a new file in the old one's place.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

std::optional<FileIdentity> identity(const QString& path) {
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

// "section/key" as QSettings names a key: no empty parts.
QString keyName(const QString& section, const QString& key) {
    return QString(section + u'/' + key).split(u'/', Qt::SkipEmptyParts).join(u'/');
}

// The whole of an open settings file, when it is no bigger than a settings file may be.
std::optional<QByteArray> wholeFile(const RegularFile& file) {
    if (!file.isOpen() || file.size() > kMaxSettingsFileBytes)
        return std::nullopt;
    // One byte more than may be read tells a file that grew since it was opened.
    std::optional<QByteArray> bytes = file.read(0, kMaxSettingsFileBytes + 1);
    if (!bytes || bytes->size() > kMaxSettingsFileBytes)
        return std::nullopt;
    return bytes;
}

struct IniContent {
    QMap<QString, QVariant> values; // by "section/key"
    QByteArray bytes;               // the file that holds them
};

// A private folder (mode 0700) beside `path`, or among the temporary files when none can be made there;
// removed with everything in it when it goes.
std::unique_ptr<QTemporaryDir> privateFolderBeside(const QString& path) {
    const QFileInfo info(path);
    auto dir =
        std::make_unique<QTemporaryDir>(info.absolutePath() + u"/."_s + info.fileName() + u"-XXXXXX"_s);
    if (!dir->isValid())
        dir = std::make_unique<QTemporaryDir>();
    return dir->isValid() ? std::move(dir) : nullptr;
}

// The values of the INI file `bytes` with `changes` set in it, and the file that then holds them. QSettings
// reads and writes files only by their name, and its open waits for a pipe's writer; so it never gets the
// settings file's path, only a copy of the bytes read here, in a folder of its own beside `path`.
std::optional<IniContent> iniWith(const QByteArray& bytes, const QMap<QString, QString>& changes,
                                  const QString& path) {
    const std::unique_ptr<QTemporaryDir> dir = privateFolderBeside(path);
    const QString copy = dir ? dir->filePath(u"settings.ini"_s) : QString();
    if (copy.isEmpty() || writePrivateFile(copy, bytes).status != PrivateFileWrite::Done)
        return std::nullopt;
    const std::optional<FileIdentity> before = identity(copy);
    IniContent content;
    {
        QSettings ini(copy, QSettings::IniFormat);
        if (!changes.isEmpty()) {
            for (auto it = changes.cbegin(); it != changes.cend(); ++it)
                ini.setValue(it.key(), *it);
            ini.sync();
        }
        const QStringList keys = ini.allKeys();
        for (const QString& key : keys)
            content.values.insert(key, ini.value(key));
    }
    if (changes.isEmpty()) {
        content.bytes = bytes;
        return content;
    }
    // Judged by the write itself, not by QSettings' status: that keeps the first trouble it met, such as a
    // line of the file it could not read, which says nothing about the write. A write that reached the disk
    // put a new file in place of the old one.
    const RegularFile written(copy);
    const std::optional<QByteArray> result = wholeFile(written);
    if (!result || !before || identity(copy) == before)
        return std::nullopt;
    content.bytes = *result;
    return content;
}

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath, Dialogs* dialogs)
    : path_(std::move(filePath)), dialogs_(dialogs) {
    const RegularFile file(path_);
    if (file.state() == RegularFile::State::Missing)
        return;
    const std::optional<QByteArray> bytes = wholeFile(file);
    const std::optional<IniContent> content = bytes ? iniWith(*bytes, {}, path_) : std::nullopt;
    if (content) {
        values_ = content->values;
        return;
    }
    readable_ = false;
    reportOnce(readFailedText(path_));
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::get(const QString& section, const QString& key, const QString& defaultValue) const {
    const QString name = keyName(section, key);
    if (const auto it = pending_.constFind(name); it != pending_.constEnd())
        return *it;
    const auto it = values_.constFind(name);
    return it != values_.constEnd() && it->isValid() ? it->toString() : defaultValue;
}

void IniSettingsStore::set(const QString& section, const QString& key, const QString& value) {
    pending_.insert(keyName(section, key), value);
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
    reportOnce(saveFailedText(path_));
}

void IniSettingsStore::reportOnce(const QString& text) {
    if (failureReported_)
        return;
    failureReported_ = true;
    if (dialogs_)
        dialogs_->msgBox(text, mb::Exclamation);
}

bool IniSettingsStore::writePending() {
    // A file that could not be read is never written over: what stood there stays as it is.
    if (!readable_)
        return false;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The file holds passwords. Made empty and owner-only before the first save, it never exists with
    // wider rights: each save writes a new file that takes the rights of the one it replaces. The rights of
    // a file that is already there are its owner's to choose, and stay as they are.
    createPrivateFile(path_);
    // Read afresh: another run of the program may have saved meanwhile.
    const RegularFile file(path_);
    const std::optional<QByteArray> bytes = wholeFile(file);
    // Read-only to its owner means read-only to this program, whoever runs it (root may write anything).
    if (!bytes || !(file.mode() & S_IWUSR))
        return false;
    const std::optional<IniContent> content = iniWith(*bytes, pending_, path_);
    // A link stays in place: the file it leads to is replaced.
    const QString target = QFileInfo(path_).canonicalFilePath();
    if (!content || target.isEmpty() ||
        writePrivateFile(target, content->bytes, file.mode()).status != PrivateFileWrite::Done)
        return false;
    values_ = content->values;
    pending_.clear();
    return true;
}

QString IniSettingsStore::saveFailedText(const QString& filePath) {
    return u"The settings could not be saved to "_s + filePath + u"."_s + u"\r\n\r\n"_s +
           u"Check that its folder exists and that you may write to it. Until it can be written, what you "
           u"save lasts only until TorvaNex ends."_s;
}

QString IniSettingsStore::readFailedText(const QString& filePath) {
    return u"The settings could not be read from "_s + filePath + u"."_s + u"\r\n\r\n"_s +
           u"Check that it is a plain file you may read, of "_s +
           QString::number(kMaxSettingsFileBytes / (1024 * 1024)) +
           u" MiB at most. Until it can be read, TorvaNex uses its default settings and does not write the "
           u"file: what you save lasts only until TorvaNex ends."_s;
}

QString IniSettingsStore::defaultPath() {
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + app + u".ini"_s;
}

} // namespace tvx
