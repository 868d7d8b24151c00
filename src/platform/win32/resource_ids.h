// Identifiers shared by the resource script and the code (resource scripts understand only the
// preprocessor).
#pragma once

#define KEBO_ICON_ID 1
