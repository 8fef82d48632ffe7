// The text type of every layer and its conversions, as the window layer hands
// them to a toolkit.
#pragma once

#include "refdata/text.h"
