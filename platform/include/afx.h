// The framework's foundation classes without windows: CObject, CString, collections, modules.
#pragma once

#include "afxobj.h"
#include "afxstr.h"
#include "afxcoll.h"
#include "afxmod.h"
