#pragma once
// A control used for its caption.
#include "forms/control.h"

class _qxLabel : public _qxControl {};
