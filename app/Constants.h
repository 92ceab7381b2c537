#pragma once

#include "library/SharedSettings.h"
#include "library/TW_Library.h"

#include <memory>

// The program-wide values: the shared settings and the one spell library, held from the main
// window's load to its unload.
namespace Constants {
inline SharedSettings Settings;
inline std::unique_ptr<TW_Library> MyLibrary;
} // namespace Constants
