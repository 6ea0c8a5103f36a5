#include "system/MasterVolume.h"

#include <alsa/asoundlib.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace sys {
namespace {

void Check(int result, const char* step) {
  if (result < 0) throw std::runtime_error(step);
}

struct MixerCloser {
  void operator()(snd_mixer_t* mixer) const { snd_mixer_close(mixer); }
};

snd_mixer_elem_t* FindElement(snd_mixer_t* mixer, const char* name) {
  snd_mixer_selem_id_t* id = nullptr;
  snd_mixer_selem_id_alloca(&id);
  snd_mixer_selem_id_set_index(id, 0);
  snd_mixer_selem_id_set_name(id, name);
  return snd_mixer_find_selem(mixer, id);
}

}  // namespace

bool SetMasterVolume(int level) {
  if (level < 0 || level > 100) throw std::runtime_error("SetMasterVolumeLevelScalar");

  snd_mixer_t* opened = nullptr;
  Check(snd_mixer_open(&opened, 0), "snd_mixer_open");
  const std::unique_ptr<snd_mixer_t, MixerCloser> mixer(opened);
  Check(snd_mixer_attach(mixer.get(), "default"), "snd_mixer_attach");
  Check(snd_mixer_selem_register(mixer.get(), nullptr, nullptr), "snd_mixer_selem_register");
  Check(snd_mixer_load(mixer.get()), "snd_mixer_load");

  snd_mixer_elem_t* element = FindElement(mixer.get(), "Master");
  if (!element) element = FindElement(mixer.get(), "PCM");
  if (!element || !snd_mixer_selem_has_playback_volume(element))
    throw std::runtime_error("snd_mixer_find_selem");

  long minimum = 0, maximum = 0;
  Check(snd_mixer_selem_get_playback_volume_range(element, &minimum, &maximum),
        "snd_mixer_selem_get_playback_volume_range");
  const long value = minimum + std::lround(static_cast<double>(maximum - minimum) * level / 100.0);
  Check(snd_mixer_selem_set_playback_volume_all(element, value), "SetMasterVolumeLevelScalar");
  return true;
}

}  // namespace sys
