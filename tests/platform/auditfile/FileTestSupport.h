#pragma once
// The scratch folder and full disk of the archive tests, under the names the file tests use.
#include "tests/platform/framework/archive/TempFolder.h"

using ScratchFolder = TempFolder;
using FileSizeLimit = DiskFull;
