#pragma once
#include "core/platform/platform.h"

#include <memory>

class QSettings;

namespace tvx {

// The per-user settings store: one INI file readable by its owner only. Section names keep their brackets.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath);
    ~IniSettingsStore() override;
    QString get(const QString& section, const QString& key, const QString& defaultValue) const override;
    void set(const QString& section, const QString& key, const QString& value) override;
    const QString& filePath() const { return path_; }

    // <user configuration folder>/<application name>.ini, the application name being the executable's file
    // name without its extension.
    static QString defaultPath();

private:
    QString path_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace tvx
