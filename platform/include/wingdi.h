// Declared by its layer as it grows.
#pragma once

#include "windef.h"
#include "winbase.h"
