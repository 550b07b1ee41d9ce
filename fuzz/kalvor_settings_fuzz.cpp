// Arbitrary bytes as "KALVOR.DAT" (tokens of any length, missing and
// repeated keys, no line ends, NULs) read into the monitor on the chip
// model, as at start-up. What the program then saves reads back as the
// same text, so a save never loses what was loaded.
#include <cstdlib>

#include "boardsim/smbus/chip_model.h"
#include "kalvor/kalvor_app.h"
#include "kalvor/settings_text.h"
#include "kalvor/tests/model_bus.h"

namespace {

// The monitor's settings and the chip they go to.
struct Monitor {
    boardsim::ChipModel model;
    kalvor::ModelBus bus{model};
    kalvor::KalvorDialogData dialog;
    kalvor::CMonitorChip chip{bus, bus, dialog.settings};
    kalvor::MemoryStore files;
    kalvor::CKalvorApp app{chip, dialog, files};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Monitor first;
    first.files.files[kalvor::kUserSettingsFile] = std::string(reinterpret_cast<const char*>(data), size);
    first.app.ReadSettings(kalvor::kUserSettingsFile, true);
    if (!first.app.WriteSettings(kalvor::kUserSettingsFile)) std::abort();
    const std::string saved = first.files.files[kalvor::kUserSettingsFile];

    Monitor second;
    second.files.files[kalvor::kUserSettingsFile] = saved;
    second.app.ReadSettings(kalvor::kUserSettingsFile, true);
    second.app.WriteSettings(kalvor::kUserSettingsFile);
    if (second.files.files[kalvor::kUserSettingsFile] != saved) std::abort();
    return 0;
}
