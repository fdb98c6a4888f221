#include "editor/start_up.h"

#include "editor/background_picture.h"
#include "widgets/tahoma_font.h"

namespace beditor {

void StartWorkAheadOfToolkit(const std::filesystem::path& programFolder) {
  // The font configuration read is handed out first, so that InstallTahoma waits for it even
  // before the worker has begun; the worker runs it ahead of the decoding.
  PrefetchBackground(programFolder, FontConfigurationReading());
}

}  // namespace beditor
