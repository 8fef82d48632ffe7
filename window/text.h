// The text type of every layer, its conversions and its translation, as the
// window layer hands them to a toolkit.
#pragma once

#include "refdata/i18n.h"
#include "refdata/text.h"
