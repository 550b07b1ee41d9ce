// Screenshots of the whole (virtual) desktop, as the user would see it.
#pragma once

#include <string>

namespace e2e {

// Saves the screen as C:\boardsim\shots\NAME.bmp; the session harness turns
// it into NAME.png beside the session when it stops.
bool SaveScreenshot(const std::string& name);

}  // namespace e2e
