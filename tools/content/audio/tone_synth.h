#pragma once
// Small synthesised sounds that no instrument plays well: the heartbeat and
// the soft ticks of the form controls.
#include "audio_buffer.h"

StereoBuffer Heartbeat();
StereoBuffer HoverTick();
StereoBuffer ClickPop();
