// The music track and the four sound effects, rendered as stereo buffers at full level; the
// caller sets their levels and encodes them.
#pragma once

#include "Synth.h"

namespace datagen {

// One seamless loop: its last sample flows straight into its first.
Stereo renderMusic();

Stereo renderPutDown();  // a short soft tick
Stereo renderSnap();     // a bright chime
Stereo renderComplete(); // a short fanfare
Stereo renderQuestion(); // a gentle alert

} // namespace datagen
