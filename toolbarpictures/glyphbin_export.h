#pragma once

#include <QtCore/qglobal.h>

#if defined(GLYPHBIN_BUILDING_LIBRARY)
#define GLYPHBIN_EXPORT Q_DECL_EXPORT
#else
#define GLYPHBIN_EXPORT Q_DECL_IMPORT
#endif
