#pragma once

#include "core/Platform.h"

// The practice's tones, built as a module of their own: Qt Multimedia brings the sound server's client and QtNetwork
// with it, which the program loads only when a practice first needs a tone. The module and the program are built
// together, so a C++ interface is safe across the boundary.
class TonePlayer
{
public:
    virtual ~TonePlayer() = default;
    // Never blocks on the sound server beyond what the thread it was made on can bear; failure is logged once.
    virtual void play(Tone tone) = 0;
};

// The module's one entry point, called on the thread that will play the tones.
using MakeTonePlayer = TonePlayer* (*)();
#define ASTRAVIDA_TONES_ENTRY "astravida_make_tone_player"
