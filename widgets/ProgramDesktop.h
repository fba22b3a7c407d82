#pragma once

// The desktop main() installs: in a web page one that cannot wait for a dialog, else the
// computer's.
#ifdef Q_OS_WASM
#include "widgets/WebDesktop.h"
using ProgramDesktop = WebDesktop;
#else
#include "widgets/QtDesktop.h"
using ProgramDesktop = QtDesktop;
#endif
