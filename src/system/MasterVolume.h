#pragma once

namespace sys {

// Sets the master level of the default sound card to `level` percent of its
// range on every channel, leaving mute alone. Raises std::runtime_error named
// after the step that failed; a level outside 0..100 raises before the mixer
// is touched.
bool SetMasterVolume(int level);

}  // namespace sys
