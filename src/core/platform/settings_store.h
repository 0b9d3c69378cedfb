#pragma once
#include "core/platform/platform.h"

#include <QMap>
#include <QVariant>

namespace tvx {

// The most of a settings file that is read. The console's own file holds a few KiB; a bigger one is not
// its own, and every save reads and writes the whole file again (1 MiB takes some 60 ms).
inline constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

// The per-user settings store: one INI file, made readable by its owner only. Section names keep their
// brackets. A save that cannot be written is reported once per run through `dialogs` (when given); the
// values stay in memory until the program ends. A file its owner made read-only is never written.
// Only a regular file (or a link to one) of kMaxSettingsFileBytes at most is read, and its open never
// waits. Anything else standing at the path (a pipe, a device, a folder, a file that may not be read) is
// reported instead, once, when the store opens, and never written: the program runs on the defaults.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath, Dialogs* dialogs = nullptr);
    ~IniSettingsStore() override;
    QString get(const QString& section, const QString& key, const QString& defaultValue) const override;
    void set(const QString& section, const QString& key, const QString& value) override;
    void beginBatch() override;
    void endBatch() override;
    const QString& filePath() const { return path_; }

    // <user configuration folder>/<application name>.ini, the application name being the executable's file
    // name without its extension.
    static QString defaultPath();
    // The text of the box that reports a save that could not be written.
    static QString saveFailedText(const QString& filePath);
    // The text of the box that reports a file that could not be read.
    static QString readFailedText(const QString& filePath);

private:
    void save();
    bool writePending();
    void reportOnce(const QString& text);

    QString path_;
    Dialogs* dialogs_ = nullptr;
    // What the file held when it was last read or written, by "section/key".
    QMap<QString, QVariant> values_;
    // Values set and not yet written, by "section/key": the file never takes them while it may not be
    // written.
    QMap<QString, QString> pending_;
    int batchDepth_ = 0;
    // False when something stood at the path that could not be read: it is never written over.
    bool readable_ = true;
    bool failureReported_ = false;
};

} // namespace tvx
