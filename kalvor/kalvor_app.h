// CKalvorApp's work on settings and readings: loading and saving the
// settings files, and one reading update.
#pragma once

#include <cstdint>
#include <string>

#include "dialog_data.h"
#include "monitor_chip.h"
#include "settings_store.h"

namespace kalvor {

constexpr char kUserSettingsFile[] = "KALVOR.DAT";
constexpr char kDefaultSettingsFile[] = "DEFAULT.DAT";

class CKalvorApp {
public:
    CKalvorApp(CMonitorChip& chip, KalvorDialogData& dialog, SettingsStore& store);

    // Reads a settings file and applies it to the chip. A file that cannot
    // be read applies the values already held; a key that is missing or out
    // of order ends the reading there, keeping the values already held.
    void ReadSettings(const std::string& fileName, bool applyMask);
    // False when the file could not be written; the old one is then intact.
    bool WriteSettings(const std::string& fileName);

    // One reading update; returns the status byte read at its start.
    std::uint8_t UpdateReadings();

    bool FirstLoadDone() const { return firstLoadDone_; }

private:
    bool ReadKeys(const std::string& text, bool applyMask);
    void FormatLimitTexts();

    CMonitorChip& chip_;
    KalvorDialogData& dialog_;
    SettingsStore& store_;
    bool firstLoadDone_ = false;
};

}  // namespace kalvor
