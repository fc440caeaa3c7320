// The battle's sound effects. The heroes' actions (Friendly/) and the enemies' blows (Enemy/) each get a
// voice of their own, so a player can follow a turn with eyes closed: steel is noise and a low thud, magic
// is a falling square and a boom, healing rises in major chords, skills are small machine sounds. Heard many
// times a fight, they stay short and a little under the music's loudest peaks.

#include "AssetGroups.h"
#include "AssetRegistry.h"
#include "EffectKit.h"
#include "Rng.h"
#include "Sequencer.h"

#include <initializer_list>

namespace {

const std::string BATTLE_FRIENDLY = "Sounds/Battle/Friendly/";
const std::string BATTLE_ENEMY = "Sounds/Battle/Enemy/";

// Two slightly different takes, one per ear: the big spells sound wider than the small ones.
StereoMix FinishWide(const std::vector<float>& left, const std::vector<float>& right, float peakDb) {
    StereoMix mix = MakeMix(left.size());
    AddVoice(mix, left, 1.0f, -0.6f);
    AddVoice(mix, right, 1.0f, 0.6f);
    FadeEnds(mix, 0.004f);
    NormalisePeak(mix, peakDb);
    return mix;
}

// Steel cutting the air: noise whose clock climbs, so the hiss brightens as the blade comes down.
const Instrument SWISH = Sweep(WAVE_NOISE, {0.05f, 0.05f, 0.0f, 0.02f}, 26.0f, 0.1f);
// The blow landing: a sine dropping an octave and more, and a short dull crunch of noise.
const Instrument THUD = Sweep(WAVE_SINE, {0.002f, 0.14f, 0.0f, 0.03f}, -14.0f, 0.1f);
const Instrument CRUNCH{.waveform = WAVE_NOISE, .adsr = {0.001f, 0.045f, 0.0f, 0.02f}};

// One sword stroke: the swish leads, the thud lands as it peaks.
void AddSwordHit(std::vector<float>& air, std::vector<float>& body, float start, float swishSeconds,
                 double thudHz, float level) {
    Play(air, SWISH, 2500.0, start, swishSeconds, level);
    const float impact = start + swishSeconds * 0.9f;
    Strike(body, THUD, thudHz, impact, level);
    Strike(body, CRUNCH, 1800.0, impact, level * 0.45f);
}

struct SwordStroke {
    float start;
    float swishSeconds;
    double thudHz;
};

StereoMix SwordHits(float seconds, std::initializer_list<SwordStroke> strokes, float peakDb) {
    std::vector<float> air = Silence(seconds), body = Silence(seconds);
    float level = 1.0f;
    for (const SwordStroke& stroke : strokes) {
        AddSwordHit(air, body, stroke.start, stroke.swishSeconds, stroke.thudHz, level);
        level = 0.9f;
    }
    KeepHighs(air, 1500.0f);
    SmoothVoice(air, 9000.0f);
    SmoothVoice(body, 5000.0f);
    MixInto(body, air, 0.55f);
    return FinishEffect(body, peakDb);
}

StereoMix NormalAttack() {
    return SwordHits(0.32f, {{0.0f, 0.1f, 150.0}}, -2.5f);
}

// Quicker strokes than the single attack, the second a little higher, as a blade comes back on itself.
StereoMix DoubleAttack() {
    return SwordHits(0.46f, {{0.0f, 0.07f, 150.0}, {0.2f, 0.06f, 175.0}}, -2.5f);
}

// A chime: triangle for the body, a sine an octave up for the glass.
void AddChimeNote(std::vector<float>& voice, const char* note, float start, float gate, float level,
                  double detune = 1.0) {
    const Instrument body{.waveform = WAVE_TRIANGLE, .adsr = {0.01f, 0.12f, 0.35f, 0.2f}};
    const Instrument glass{.waveform = WAVE_SINE, .adsr = {0.004f, 0.2f, 0.15f, 0.25f}, .gain = 0.5f};
    Play(voice, body, Pitch(note) * detune, start, gate, level);
    Play(voice, glass, Pitch(note) * 2.0 * detune, start, gate, level);
}

// C E G C rising, the last left to ring: a wound closing.
StereoMix Heal() {
    std::vector<float> voice = Silence(0.62f);
    const char* notes[4] = {"C5", "E5", "G5", "C6"};
    for (int step = 0; step < 4; ++step)
        AddChimeNote(voice, notes[step], 0.07f * static_cast<float>(step), step == 3 ? 0.18f : 0.1f, 1.0f);
    SmoothVoice(voice, 6000.0f);
    return FinishEffect(voice, -5.0f);
}

// Seven notes of F major climbing two octaves; each one is held, so the run piles up into a full chord
// that rings for a while. A pulse doubles it for body and the ears get slightly detuned takes.
StereoMix MegaHeal() {
    const float seconds = 1.15f;
    std::vector<float> left = Silence(seconds), right = Silence(seconds);
    const Instrument pulse{.waveform = WAVE_SQUARE,
                           .duty = 0.25f,
                           .adsr = {0.01f, 0.2f, 0.3f, 0.3f},
                           .gain = 0.25f,
                           .vibratoSemitones = 0.1f,
                           .vibratoHz = 6.0f,
                           .vibratoDelay = 0.1f};
    const char* notes[7] = {"F4", "A4", "C5", "F5", "A5", "C6", "F6"};
    for (int step = 0; step < 7; ++step) {
        const float start = 0.06f * static_cast<float>(step), gate = 0.62f - start;
        const float level = 0.6f + 0.05f * static_cast<float>(step);
        AddChimeNote(left, notes[step], start, gate, level, 0.9977);
        AddChimeNote(right, notes[step], start, gate, level, 1.0023);
        Play(step % 2 == 0 ? left : right, pulse, Pitch(notes[step]), start, gate, level);
    }
    SmoothVoice(left, 6000.0f);
    SmoothVoice(right, 6000.0f);
    return FinishWide(left, right, -3.5f);
}

// A thin square dropping two and a half octaves, with a slightly detuned twin to make it fizz.
void AddZap(std::vector<float>& voice, float start, double fromHz, float seconds, float level) {
    const Instrument zap = Sweep(WAVE_SQUARE, {0.001f, 0.05f, 0.6f, 0.03f}, -30.0f, seconds, 0.125f);
    Play(voice, zap, fromHz, start, seconds * 0.85f, level);
    Play(voice, zap, fromHz * 1.015, start, seconds * 0.85f, level * 0.6f);
}

// Where the bolt strikes: a burst of noise falling in pitch over a low boom.
void AddBoltImpact(std::vector<float>& voice, float start, float seconds, float level) {
    const Instrument burst = Sweep(WAVE_NOISE, {0.001f, seconds, 0.0f, 0.05f}, -20.0f, seconds);
    const Instrument boom = Sweep(WAVE_SINE, {0.002f, seconds, 0.0f, 0.05f}, -10.0f, seconds);
    Strike(voice, burst, 5000.0, start, level * 0.6f);
    Strike(voice, boom, 90.0, start, level);
}

StereoMix MagicSingleAttack() {
    std::vector<float> voice = Silence(0.45f);
    AddZap(voice, 0.0f, 1800.0, 0.14f, 0.7f);
    AddBoltImpact(voice, 0.12f, 0.2f, 1.0f);
    SmoothVoice(voice, 8000.0f);
    return FinishEffect(voice, -2.5f);
}

// One bolt from the left striking, then a lower one from the right striking harder and longer.
StereoMix MagicDoubleAttack() {
    const float seconds = 0.88f;
    std::vector<float> left = Silence(seconds), right = Silence(seconds);
    AddZap(left, 0.0f, 1500.0, 0.15f, 0.8f);
    AddBoltImpact(left, 0.13f, 0.14f, 1.0f);
    AddZap(right, 0.3f, 1300.0, 0.15f, 0.85f);
    for (std::vector<float>* side : {&left, &right}) {
        AddBoltImpact(*side, 0.43f, 0.36f, 1.0f);
        SmoothVoice(*side, 8000.0f);
    }
    MixInto(right, left, 0.5f);  // the first bolt half heard on the right keeps both in one room
    return FinishWide(left, right, -2.0f);
}

// Two gulps (a low sine swallowed upwards), then bubbles rising in the flask and a last pop of the cork.
StereoMix PotionConsume() {
    std::vector<float> voice = Silence(0.55f);
    const Instrument gulp = Sweep(WAVE_SINE, {0.005f, 0.05f, 0.3f, 0.03f}, 9.0f, 0.06f);
    const Instrument bubble = Sweep(WAVE_SINE, {0.001f, 0.02f, 0.0f, 0.01f}, 12.0f, 0.025f);
    const Instrument pop = Sweep(WAVE_TRIANGLE, {0.001f, 0.04f, 0.0f, 0.02f}, 19.0f, 0.03f);
    Play(voice, gulp, 220.0, 0.0f, 0.07f);
    Play(voice, gulp, 196.0, 0.13f, 0.07f, 0.9f);
    Rng rng = MakeRng(404);
    for (int step = 0; step < 6; ++step) {
        const float start = 0.27f + 0.03f * static_cast<float>(step) + 0.01f * RandomUnit(rng);
        Strike(voice, bubble, 700.0 + 700.0 * RandomUnit(rng), start, 0.35f + 0.2f * RandomUnit(rng));
    }
    Strike(voice, pop, 500.0, 0.46f, 0.8f);
    SmoothVoice(voice, 5000.0f);
    return FinishEffect(voice, -4.0f);
}

// G major climbing three octaves on a bright pulse, then a trembling high G and D and sparkles drifting
// between the ears: someone called back.
StereoMix ReviveSpell() {
    const float seconds = 1.15f;
    std::vector<float> left = Silence(seconds), right = Silence(seconds);
    const Instrument pulse{
        .waveform = WAVE_SQUARE, .duty = 0.25f, .adsr = {0.003f, 0.08f, 0.4f, 0.15f}, .gain = 0.45f};
    const Instrument body{.waveform = WAVE_TRIANGLE, .adsr = {0.003f, 0.08f, 0.5f, 0.15f}};
    const Instrument tremble{.waveform = WAVE_SINE,
                             .adsr = {0.05f, 0.1f, 0.6f, 0.15f},
                             .gain = 0.5f,
                             .vibratoSemitones = 0.3f,
                             .vibratoHz = 11.0f,
                             .vibratoDelay = 0.0f};
    const Instrument sparkle{.waveform = WAVE_SINE, .adsr = {0.001f, 0.05f, 0.0f, 0.02f}};
    const char* notes[8] = {"G4", "B4", "D5", "G5", "B5", "D6", "G6", "B6"};
    for (int step = 0; step < 8; ++step) {
        const float start = 0.07f * static_cast<float>(step), gate = step == 7 ? 0.3f : 0.08f;
        for (std::vector<float>* side : {&left, &right}) {
            Play(*side, pulse, Pitch(notes[step]) * (side == &left ? 0.998 : 1.002), start, gate);
            Play(*side, body, Pitch(notes[step]), start, gate, 0.6f);
        }
    }
    Play(left, tremble, Pitch("G6"), 0.45f, 0.5f);
    Play(right, tremble, Pitch("D7"), 0.5f, 0.45f, 0.8f);
    Rng rng = MakeRng(1207);
    const char* sparkles[3] = {"G7", "B7", "D8"};
    for (int step = 0; step < 14; ++step) {
        const float start = 0.1f + 0.06f * static_cast<float>(step) + 0.02f * RandomUnit(rng);
        Strike(step % 2 == 0 ? left : right, sparkle, Pitch(sparkles[RandomRange(rng, 0, 2)]), start,
               0.15f + 0.2f * RandomUnit(rng));
    }
    SmoothVoice(left, 9000.0f);
    SmoothVoice(right, 9000.0f);
    return FinishWide(left, right, -3.0f);
}

// A low buzz shaken by a fast vibrato and stuttering on and off, sprayed with tiny sparks of noise.
StereoMix ParalysisAttack() {
    const float seconds = 0.7f;
    std::vector<float> buzz = Silence(seconds), sparks = Silence(seconds);
    const Instrument saw{.waveform = WAVE_SAW,
                         .adsr = {0.005f, 0.1f, 0.7f, 0.1f},
                         .vibratoSemitones = 0.6f,
                         .vibratoHz = 28.0f,
                         .vibratoDelay = 0.0f};
    Instrument pulse = saw;
    pulse.waveform = WAVE_SQUARE;
    pulse.duty = 0.3f;
    const Instrument spark{.waveform = WAVE_NOISE, .adsr = {0.0005f, 0.008f, 0.0f, 0.004f}};
    Play(buzz, saw, 80.0, 0.0f, 0.5f);
    Play(buzz, pulse, 83.0, 0.0f, 0.5f, 0.7f);
    Rng rng = MakeRng(77);
    const std::size_t stutter = static_cast<std::size_t>(SecondsToSamplesF(0.02f));
    float gain = 1.0f;
    for (std::size_t i = 0; i < buzz.size(); ++i) {
        if (i % stutter == 0) gain = 0.35f + 0.65f * RandomUnit(rng);
        buzz[i] *= gain;
    }
    for (int step = 0; step < 22; ++step) {
        Strike(sparks, spark, 9000.0 + 7000.0 * RandomUnit(rng), 0.58f * RandomUnit(rng),
               0.5f + 0.5f * RandomUnit(rng));
    }
    KeepHighs(sparks, 2000.0f);
    SmoothVoice(buzz, 3500.0f);  // the stutter's steps would click without it
    MixInto(buzz, sparks, 0.8f);
    return FinishEffect(buzz, -3.0f);
}

// Two crisp pulses with a flick upwards, the second a fourth higher: something has been looked up.
StereoMix InfoSkill() {
    std::vector<float> voice = Silence(0.24f);
    const Instrument blip{.waveform = WAVE_SQUARE,
                          .duty = 0.125f,
                          .adsr = {0.002f, 0.03f, 0.5f, 0.015f},
                          .gain = 0.4f,
                          .slideSemitones = 2.0f,
                          .slideSeconds = 0.03f};
    Instrument round = blip;
    round.waveform = WAVE_SINE;
    round.gain = 1.0f;
    Play(voice, blip, Pitch("E6"), 0.0f, 0.045f);
    Play(voice, round, Pitch("E6"), 0.0f, 0.045f);
    Play(voice, blip, Pitch("A6"), 0.11f, 0.045f);
    Play(voice, round, Pitch("A6"), 0.11f, 0.045f);
    SmoothVoice(voice, 7000.0f);
    return FinishEffect(voice, -6.0f);
}

// Life drains away (a warm sine and a hiss falling) and comes back as mana (a shimmering triangle and a
// hiss climbing higher than they began).
StereoMix TransfertSkill() {
    const float seconds = 0.95f, half = 0.42f;
    std::vector<float> air = Silence(seconds), tone = Silence(seconds);
    const Instrument falling = Sweep(WAVE_NOISE, {0.08f, 0.1f, 0.8f, 0.06f}, -28.0f, half);
    Instrument rising = falling;
    rising.slideSemitones = 30.0f;
    rising.adsr = {0.06f, 0.1f, 0.8f, 0.08f};
    const Instrument life = Sweep(WAVE_SINE, {0.06f, 0.1f, 0.8f, 0.06f}, -12.0f, half);
    const Instrument mana{.waveform = WAVE_TRIANGLE,
                          .adsr = {0.06f, 0.1f, 0.8f, 0.1f},
                          .slideSemitones = 19.0f,
                          .slideSeconds = half,
                          .vibratoSemitones = 0.25f,
                          .vibratoHz = 9.0f,
                          .vibratoDelay = 0.1f};
    Play(air, falling, 9000.0, 0.0f, half);
    Play(air, rising, 1800.0, half, half);
    Play(tone, life, 880.0, 0.0f, half, 0.8f);
    Play(tone, mana, 440.0, half, half, 0.7f);
    KeepHighs(air, 300.0f);
    SmoothVoice(air, 5000.0f);
    MixInto(tone, air, 0.6f);
    return FinishEffect(tone, -5.0f);
}

// A rough growl, a bark snapping down in pitch, then the click of teeth closing.
StereoMix DogAttack() {
    std::vector<float> throat = Silence(0.5f), teeth = Silence(0.5f);
    const Instrument growl{.waveform = WAVE_SAW,
                           .adsr = {0.03f, 0.05f, 0.8f, 0.05f},
                           .vibratoSemitones = 1.5f,
                           .vibratoHz = 35.0f,
                           .vibratoDelay = 0.0f};
    const Instrument rasp{.waveform = WAVE_NOISE, .adsr = {0.03f, 0.05f, 0.6f, 0.05f}, .gain = 0.4f};
    const Instrument bark = Sweep(WAVE_SQUARE, {0.002f, 0.06f, 0.3f, 0.04f}, -8.0f, 0.09f, 0.35f);
    const Instrument click{.waveform = WAVE_NOISE, .adsr = {0.0005f, 0.012f, 0.0f, 0.005f}};
    Play(throat, growl, 95.0, 0.0f, 0.15f);
    Play(throat, rasp, 600.0, 0.0f, 0.15f);
    Play(throat, bark, 520.0, 0.2f, 0.07f);
    Play(throat, rasp, 3000.0, 0.2f, 0.03f, 1.5f);
    Strike(teeth, click, 14000.0, 0.36f);
    Strike(teeth, click, 12000.0, 0.385f, 0.7f);
    SmoothVoice(throat, 1800.0f);
    KeepHighs(teeth, 3000.0f);
    MixInto(throat, teeth, 1.2f);
    return FinishEffect(throat, -3.0f);
}

// The knights' broadsword: a longer, lower swish, a heavy landing and the ring of armour struck, a handful
// of sines whose pitches no chord holds, the way struck metal sounds.
StereoMix Slash() {
    std::vector<float> air = Silence(0.6f), body = Silence(0.6f);
    Instrument swish = SWISH;
    swish.slideSemitones = 24.0f;
    swish.slideSeconds = 0.14f;
    swish.adsr = {0.06f, 0.08f, 0.0f, 0.03f};
    const Instrument ring{.waveform = WAVE_SINE, .adsr = {0.001f, 0.32f, 0.0f, 0.05f}};
    Play(air, swish, 1500.0, 0.0f, 0.14f);
    KeepHighs(air, 600.0f);
    SmoothVoice(air, 7000.0f);
    Strike(body, THUD, 110.0, 0.12f);
    Strike(body, CRUNCH, 1200.0, 0.12f, 0.6f);
    const double metalTones[5] = {1180.0, 1743.0, 2655.0, 3310.0, 4270.0};
    for (int index = 0; index < 5; ++index)
        Strike(body, ring, metalTones[index], 0.12f, 0.35f / static_cast<float>(index + 1));
    MixInto(body, air, 0.6f);
    return FinishEffect(body, -2.0f);
}

}  // namespace

void GenerateBattleSounds(AssetWriter& writer) {
    WriteSound(writer, BATTLE_FRIENDLY + "NormalAttack.wav", NormalAttack(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "DoubleAttack.wav", DoubleAttack(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "Heal.wav", Heal(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "MegaHeal.wav", MegaHeal(), 2);
    WriteSound(writer, BATTLE_FRIENDLY + "MagicSingleAttack.wav", MagicSingleAttack(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "MagicDoubleAttack.wav", MagicDoubleAttack(), 2);
    WriteSound(writer, BATTLE_FRIENDLY + "PotionConsume.wav", PotionConsume(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "ReviveSpell.wav", ReviveSpell(), 2);
    WriteSound(writer, BATTLE_FRIENDLY + "ParalysisAttack.wav", ParalysisAttack(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "InfoSkill.wav", InfoSkill(), 1);
    WriteSound(writer, BATTLE_FRIENDLY + "TransfertSkill.wav", TransfertSkill(), 1);
    WriteSound(writer, BATTLE_ENEMY + "DogAttack.wav", DogAttack(), 1);
    WriteSound(writer, BATTLE_ENEMY + "Slash.wav", Slash(), 1);
}
