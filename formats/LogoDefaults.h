#pragma once

#include "formats/LogoStyle.h"

// The logo new frames start with, as the settings keep it.
using LogoDefaults = LogoStyle;
