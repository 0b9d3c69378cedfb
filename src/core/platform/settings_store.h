#pragma once
#include "core/platform/platform.h"

#include <memory>

class QSettings;

namespace tvx {

// The per-user settings store: one INI file readable by its owner only. Section names keep their brackets.
// A save that cannot be written is reported once per run through `dialogs` (when given); the values stay
// in memory until the program ends.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath, Dialogs* dialogs = nullptr);
    ~IniSettingsStore() override;
    QString get(const QString& section, const QString& key, const QString& defaultValue) const override;
    void set(const QString& section, const QString& key, const QString& value) override;
    const QString& filePath() const { return path_; }

    // <user configuration folder>/<application name>.ini, the application name being the executable's file
    // name without its extension.
    static QString defaultPath();
    // The text of the box that reports a save that could not be written.
    static QString saveFailedText(const QString& filePath);

private:
    QString path_;
    std::unique_ptr<QSettings> settings_;
    Dialogs* dialogs_ = nullptr;
    bool failureReported_ = false;
};

} // namespace tvx
