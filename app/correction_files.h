#pragma once
// The files read once at start: the presence of "impuls.cfg" and the three
// correction curves. Names are looked up in the working directory.

#include <string>

#include "curves/user_interface.h"
#include "project/workspace.h"

namespace qv {

// The second place the configuration file is looked for.
inline constexpr const char* kConfigFallback = "/akt/impuls.cfg";

// "amlin.cor", "amlow.cor", "amroom.cor" as the curve of "Frequency Response
// High", "Frequency Response Low" and "Frequency Room"; a missing file is
// reported twice and skipped, a file without a readable point leaves its
// slot empty.
void LoadCorrectionCurves(Workspace& ws, UserInterface& ui);
// The start-up step: "impuls.cfg" is looked for, then the fallback, each
// missing one reported; then the correction curves. The fallback name is a parameter only
// so that tests need not touch the root folder.
void LoadProcessingFiles(Workspace& ws, UserInterface& ui,
                         const std::string& configFallback = kConfigFallback);

}  // namespace qv
