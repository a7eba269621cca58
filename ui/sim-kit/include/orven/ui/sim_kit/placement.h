#pragma once

// The placement beside the main window is shared by every program's windows.
#include "orven/ui/placement.h"
