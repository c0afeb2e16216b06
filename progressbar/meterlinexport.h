#pragma once

#include <QtCore/qglobal.h>

#if defined(METERLIN_LIBRARY)
#define METERLIN_EXPORT Q_DECL_EXPORT
#else
#define METERLIN_EXPORT Q_DECL_IMPORT
#endif
