#pragma once
#include "core/platform/platform.h"

#include <QMap>

#include <memory>

class QSettings;

namespace tvx {

// The per-user settings store: one INI file, made readable by its owner only. Section names keep their
// brackets. A save that cannot be written is reported once per run through `dialogs` (when given); the
// values stay in memory until the program ends. A file its owner made read-only is never written.
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

private:
    void save();
    bool writePending();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    Dialogs* dialogs_ = nullptr;
    // Values set and not yet written, by "section/key": the file never takes them while it may not be
    // written, and QSettings would write whatever it holds when it is destroyed.
    QMap<QString, QString> pending_;
    int batchDepth_ = 0;
    bool failureReported_ = false;
};

} // namespace tvx
