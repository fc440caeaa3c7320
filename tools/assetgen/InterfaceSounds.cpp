// The menu's two sounds: a soft blip when the cursor moves and a rising two-note chime on confirm.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "Sequencer.h"

namespace {

std::vector<float> EmptyVoice(float seconds) {
    return std::vector<float>(static_cast<std::size_t>(SecondsToSamplesF(seconds)), 0.0f);
}

void AddNote(std::vector<float>& voice, const Instrument& instrument, int midi, float start, float gate) {
    ToneRequest tone;
    tone.frequency = NoteFrequency(midi);
    tone.startSample = static_cast<long>(SecondsToSamplesF(start));
    tone.gate = gate;
    RenderTone(voice, instrument, tone, false);
}

// A triangle with a faint pulse on top, flicking up a fourth: heard hundreds of times, so it stays soft.
StereoMix CursorBlip() {
    Instrument body{WAVE_TRIANGLE, 0.5f, {0.002f, 0.045f, 0.0f, 0.02f}, 1.0f, 5.0f, 0.03f, 0.0f, 0.0f, 0.0f};
    Instrument edge = body;
    edge.waveform = WAVE_SQUARE;
    edge.duty = 0.125f;
    edge.gain = 0.18f;
    std::vector<float> voice = EmptyVoice(0.075f);
    AddNote(voice, body, NoteNumber("B5"), 0.0f, 0.05f);
    AddNote(voice, edge, NoteNumber("B5"), 0.0f, 0.05f);
    SmoothVoice(voice, 5000.0f);
    StereoMix mix = MakeMix(voice.size());
    AddVoice(mix, voice, 1.0f, 0.0f);
    FadeEnds(mix, 0.003f);
    NormalisePeak(mix, -6.0f);
    return mix;
}

// E5 then B5, the second ringing with a little vibrato: a bright "yes".
StereoMix ConfirmChime() {
    Instrument lead{WAVE_SQUARE, 0.25f, {0.003f, 0.06f, 0.45f, 0.09f}, 0.6f, 0.0f, 0.0f, 0.12f, 7.0f, 0.06f};
    Instrument body{WAVE_TRIANGLE, 0.5f, {0.003f, 0.05f, 0.6f, 0.1f}, 0.9f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    std::vector<float> voice = EmptyVoice(0.32f);
    AddNote(voice, lead, NoteNumber("E5"), 0.0f, 0.07f);
    AddNote(voice, body, NoteNumber("E4"), 0.0f, 0.07f);
    AddNote(voice, lead, NoteNumber("B5"), 0.09f, 0.12f);
    AddNote(voice, body, NoteNumber("B4"), 0.09f, 0.12f);
    SmoothVoice(voice, 6000.0f);
    StereoMix mix = MakeMix(voice.size());
    AddVoice(mix, voice, 1.0f, 0.0f);
    FadeEnds(mix, 0.005f);
    NormalisePeak(mix, -3.0f);
    return mix;
}

}  // namespace

void GenerateInterfaceSounds(AssetWriter& writer) {
    WriteSound(writer, "Sounds/Interface/Button.wav", CursorBlip(), 1);
    WriteSound(writer, "Sounds/Interface/ButtonConfirm.wav", ConfirmChime(), 1);
}
