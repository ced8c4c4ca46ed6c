#include "platform/audio/SoundOutput.h"

#include <SDL.h>

namespace audio {

SoundOutput::~SoundOutput() { close(); }

bool SoundOutput::open(int sampleRate, int channels) {
  close();
  if (sampleRate <= 0 || channels < 1 || channels > 2) {
    lastError_ = "unsupported sound format";
    return false;
  }
  // SDL must not take over the program's signals; it only plays sound here.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The subsystem is counted by SDL; taking it per device lets the driver
  // (SDL_AUDIODRIVER) be chosen again each time.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    lastError_ = SDL_GetError();
    return false;
  }
  subsystem_ = true;
  SDL_AudioSpec want{};
  want.freq = sampleRate;
  want.format = AUDIO_S16SYS;
  want.channels = Uint8(channels);
  want.samples = 1024;
  want.callback = nullptr;  // queue mode
  SDL_AudioSpec have{};
  // No allowed changes: SDL converts to whatever the device takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ == 0) {
    lastError_ = SDL_GetError();
    close();
    return false;
  }
  lastError_.clear();
  return true;
}

void SoundOutput::close() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);
    device_ = 0;
  }
  if (subsystem_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystem_ = false;
  }
}

void SoundOutput::queue(std::span<const std::int16_t> samples) {
  if (device_ == 0 || samples.empty()) return;
  SDL_QueueAudio(device_, samples.data(), Uint32(samples.size_bytes()));
}

std::size_t SoundOutput::queuedBytes() const {
  return device_ == 0 ? 0 : SDL_GetQueuedAudioSize(device_);
}

void SoundOutput::clear() {
  if (device_ != 0) SDL_ClearQueuedAudio(device_);
}

void SoundOutput::resume() {
  if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
}

void SoundOutput::pause() {
  if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
}

}  // namespace audio
