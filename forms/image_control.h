#pragma once
// A control used for its picture.
#include "forms/control.h"

class _qxImageControl : public _qxControl {};
