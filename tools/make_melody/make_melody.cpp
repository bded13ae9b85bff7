// Synthesises the calendar's background track: the folk tune 茉莉花 (Jasmine Flower),
// played on a plucked string with a low accompaniment and a little room reverb, and
// writes it as a PCM WAVE file (mono, 22,050 Hz, 16-bit).
//
// The track plays in a loop, so the piece ends on a short rising pickup that leads back
// into its first note, and the file holds the second of two passes rendered back to
// back: its first samples already carry the ringing of the pass before, and its last
// ones run on into them.
//
// The output depends only on this source: the "noise" of each pluck comes from a fixed
// generator seeded per note.
//
//   make_melody OUT.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;

// One sixteenth note at ♩ = 64; 128 sixteenths make the track about 30 s long.
constexpr int kSixteenth = 5168;

// Jianpu degrees of the pentatonic scale (1 = F), as semitones above F4.
constexpr int kRest = -100;
constexpr int D1 = 0, D2 = 2, D3 = 4, D5 = 7, D6 = 9;
constexpr int Hi(int degree) { return degree + 12; }
constexpr int Lo(int degree) { return degree - 12; }

struct Note {
  int pitch;      // semitones above F4, or kRest
  int sixteenths;
  int grace;      // pitch of a quick grace note before it, or kRest
};

// The tune in 2/4, eight sixteenths to the bar, in the shape it is commonly sung.
constexpr Note kTune[] = {
    // 好一朵美丽的茉莉花
    {D3, 2, kRest}, {D3, 1, kRest}, {D5, 1, kRest}, {D6, 1, kRest}, {Hi(D1), 1, kRest},
    {Hi(D1), 1, kRest}, {D6, 1, kRest},
    {D5, 2, kRest}, {D5, 1, kRest}, {D6, 1, kRest}, {D5, 4, D6},
    // 好一朵美丽的茉莉花
    {D3, 2, kRest}, {D3, 1, kRest}, {D5, 1, kRest}, {D6, 1, kRest}, {Hi(D1), 1, kRest},
    {Hi(D1), 1, kRest}, {D6, 1, kRest},
    {D5, 2, kRest}, {D5, 1, kRest}, {D6, 1, kRest}, {D5, 4, D6},
    // 芬芳美丽满枝桠
    {D5, 2, kRest}, {D5, 2, kRest}, {D5, 2, kRest}, {D3, 1, kRest}, {D5, 1, kRest},
    {D6, 2, kRest}, {D6, 2, kRest}, {D5, 4, D6},
    // 又香又白人人夸
    {D3, 2, kRest}, {D2, 1, kRest}, {D3, 1, kRest}, {D5, 1, kRest}, {D3, 1, kRest},
    {D2, 2, kRest},
    {D1, 2, kRest}, {D1, 1, kRest}, {D2, 1, kRest}, {D1, 4, D2},
    // 让我来将你摘下
    {D3, 1, kRest}, {D2, 1, kRest}, {D1, 2, kRest}, {D2, 1, kRest}, {D3, 1, kRest},
    {D5, 2, kRest},
    {D6, 2, kRest}, {Hi(D1), 1, kRest}, {D6, 1, kRest}, {D5, 4, D6},
    // 送给别人家
    {D2, 2, kRest}, {D3, 1, kRest}, {D5, 1, kRest}, {D3, 1, kRest}, {D2, 1, kRest},
    {D1, 1, kRest}, {Lo(D6), 1, kRest},
    {D1, 8, D2},
    // 茉莉花呀茉莉花
    {Lo(D6), 2, kRest}, {D1, 1, kRest}, {D2, 1, kRest}, {D3, 2, kRest}, {D1, 1, kRest},
    {D2, 1, kRest},
    {D1, 2, kRest}, {Lo(D6), 1, kRest}, {Lo(D5), 1, kRest}, {Lo(D5), 4, Lo(D6)},
    {Lo(D5), 8, kRest},
    // The pickup back into the first bar.
    {Lo(D5), 2, kRest}, {Lo(D6), 2, kRest}, {D1, 2, kRest}, {D2, 2, kRest},
};

// One low note per bar on the first beat and its fifth (or octave) on the second.
struct Bass {
  int root, second;
};
const Bass kBass[] = {
    {Lo(D1), Lo(D5)}, {Lo(Lo(D5)), Lo(D2)}, {Lo(D1), Lo(D5)}, {Lo(Lo(D5)), Lo(D2)},
    {Lo(D1), Lo(D5)}, {Lo(Lo(D6)), Lo(D3)}, {Lo(D1), Lo(D5)}, {Lo(D1), Lo(D5)},
    {Lo(D1), Lo(D5)}, {Lo(Lo(D5)), Lo(D2)}, {Lo(D2), Lo(D6)}, {Lo(D1), Lo(D5)},
    {Lo(Lo(D6)), Lo(D3)}, {Lo(Lo(D5)), Lo(D2)}, {Lo(Lo(D5)), Lo(D2)}, {Lo(Lo(D5)), Lo(D1)},
};

constexpr int kBars = 16;
constexpr int kPass = kBars * 8 * kSixteenth;

constexpr int TuneSixteenths() {
  int total = 0;
  for (const Note& note : kTune) total += note.sixteenths;
  return total;
}
static_assert(TuneSixteenths() == kBars * 8, "the tune fills the sixteen bars exactly");
static_assert(sizeof(kBass) / sizeof(kBass[0]) == kBars);

// A small fixed pseudo-random generator, so every pluck is the same on every run.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
  double Next() {  // uniform in [-1, 1)
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

double Frequency(int pitch) {
  constexpr double kF4 = 349.2282314330039;
  return kF4 * std::pow(2.0, pitch / 12.0);
}

// A plucked string (Karplus–Strong with Jaffe–Smith tuning): a delay line of one period
// filled with shaped noise, fed back through a two-point average, a fractional-delay
// allpass that sets the exact pitch, and a loss that sets how long the note rings.
// `ring` samples after the pluck a damping finger lowers the loss so the note fades out.
void Pluck(std::vector<double>& mix, long start, int pitch, double velocity, double brightness,
           double ring, double sustain, std::uint32_t seed) {
  const double period = kRate / Frequency(pitch);
  int length = static_cast<int>(std::floor(period - 0.5 - 0.1));
  const double fraction = period - 0.5 - length;
  const double allpass = (1.0 - fraction) / (1.0 + fraction);

  // The excitation: the string's shape when the finger lets go (a triangle peaking at
  // the plucking point) with a little noise for the finger's texture; the noise is
  // softened by a one-pole low-pass, a softer finger giving a darker tone. A half-sine
  // window and a windowed mean correction make it start at rest and hold no DC, so a
  // note begins without a click and leaves no offset behind.
  std::vector<double> line(length);
  std::vector<double> window(length);
  Noise noise(seed);
  const int pick = std::max(1, length / 5);
  double low = 0, sum = 0, weight = 0;
  for (int i = 0; i < length; ++i) {
    low += brightness * (noise.Next() - low);
    const double shape = i < pick ? double(i) / pick : double(length - i) / (length - pick);
    window[i] = std::sin(3.14159265358979 * i / length);
    line[i] = window[i] * (0.8 * shape + 0.5 * low);
    sum += line[i];
    weight += window[i];
  }
  for (int i = 0; i < length; ++i) line[i] -= window[i] * sum / weight;

  // Per-period loss for a ring time of `sustain` seconds to −60 dB, and a quick one
  // once damped.
  const double loss = std::pow(0.001, period / (sustain * kRate));
  const double damped = std::pow(0.001, period / (0.12 * kRate));

  const long damp_at = static_cast<long>(ring);
  const long total = damp_at + static_cast<long>(0.5 * kRate);
  double previous = 0;   // the averaging filter's memory
  double ap_in = 0, ap_out = 0;
  int index = 0;
  for (long n = 0; n < total; ++n) {
    const long at = start + n;
    const double out = line[index];
    if (at >= 0 && at < static_cast<long>(mix.size())) mix[at] += velocity * out;
    const double averaged = 0.5 * (out + previous);
    previous = out;
    const double tuned = allpass * averaged + ap_in - allpass * ap_out;
    ap_in = averaged;
    ap_out = tuned;
    line[index] = tuned * (n < damp_at ? loss : damped);
    index = index + 1 == length ? 0 : index + 1;
  }
}

// A small room: four damped feedback combs in parallel, then two allpass diffusers.
std::vector<double> Room(const std::vector<double>& dry) {
  struct Comb {
    int delay;
    std::vector<double> buffer;
    int index = 0;
    double store = 0;
  };
  const double feedback = 0.80, damping = 0.35;
  Comb combs[] = {{557, {}}, {593, {}}, {641, {}}, {677, {}}};
  for (Comb& c : combs) c.buffer.assign(c.delay, 0.0);

  struct Allpass {
    int delay;
    std::vector<double> buffer;
    int index = 0;
  };
  Allpass diffusers[] = {{113, {}}, {37, {}}};
  for (Allpass& a : diffusers) a.buffer.assign(a.delay, 0.0);
  const double spread = 0.6;

  const int predelay = kRate / 100;
  std::vector<double> wet(dry.size(), 0.0);
  for (std::size_t n = 0; n < dry.size(); ++n) {
    const double in = n >= static_cast<std::size_t>(predelay) ? dry[n - predelay] : 0.0;
    double sum = 0;
    for (Comb& c : combs) {
      const double out = c.buffer[c.index];
      c.store = out * (1 - damping) + c.store * damping;
      c.buffer[c.index] = in + c.store * feedback;
      c.index = c.index + 1 == c.delay ? 0 : c.index + 1;
      sum += out;
    }
    double s = sum * 0.25;
    for (Allpass& a : diffusers) {
      const double delayed = a.buffer[a.index];
      const double out = -spread * s + delayed;
      a.buffer[a.index] = s + spread * out;
      a.index = a.index + 1 == a.delay ? 0 : a.index + 1;
      s = out;
    }
    wet[n] = s;
  }
  return wet;
}

// Renders `passes` passes of the piece back to back.
std::vector<double> Render(int passes) {
  std::vector<double> mix(static_cast<std::size_t>(passes) * kPass + 2 * kRate, 0.0);
  std::uint32_t seed = 1;
  for (int pass = 0; pass < passes; ++pass) {
    const long origin = static_cast<long>(pass) * kPass;

    long at = 0;  // in sixteenths
    for (const Note& note : kTune) {
      const long start = origin + at * kSixteenth;
      const bool on_beat = at % 4 == 0;
      const bool bar_start = at % 8 == 0;
      if (note.pitch != kRest) {
        // A small, fixed unevenness of touch keeps the playing from sounding mechanical.
        Noise touch(seed * 7 + 3);
        const double velocity =
            (bar_start ? 0.95 : on_beat ? 0.85 : 0.72) * (1.0 + 0.06 * touch.Next());
        const double ring = std::max(1.6 * note.sixteenths * kSixteenth, 0.45 * kRate);
        if (note.grace != kRest) {
          const long grace_at = start - kRate / 28;
          Pluck(mix, grace_at, note.grace, 0.35 * velocity, 0.45, kRate / 28.0, 1.0, seed++);
        }
        Pluck(mix, start, note.pitch, velocity, 0.55, ring, 2.4, seed++);
      }
      at += note.sixteenths;
    }

    for (int bar = 0; bar < kBars; ++bar) {
      const long start = origin + static_cast<long>(bar) * 8 * kSixteenth;
      Pluck(mix, start, kBass[bar].root, 0.55, 0.30, 7.5 * kSixteenth, 3.0, seed++);
      Pluck(mix, start + 4 * kSixteenth, kBass[bar].second, 0.38, 0.30, 4.0 * kSixteenth, 2.5,
            seed++);
    }
  }
  const std::vector<double> wet = Room(mix);
  // Two one-pole low-passes (about 4 kHz) take the edge off the attacks.
  const double a = 1.0 - std::exp(-2.0 * 3.14159265358979 * 4000.0 / kRate);
  double s1 = 0, s2 = 0;
  for (std::size_t n = 0; n < mix.size(); ++n) {
    s1 += a * (0.82 * mix[n] + 0.55 * wet[n] - s1);
    s2 += a * (s1 - s2);
    mix[n] = s2;
  }
  return mix;
}

void PutLe(std::FILE* file, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xff), file);
}

bool WriteWave(const char* path, const std::vector<std::int16_t>& samples) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
  std::fputs("RIFF", file);
  PutLe(file, 36 + data, 4);
  std::fputs("WAVEfmt ", file);
  PutLe(file, 16, 4);
  PutLe(file, 1, 2);          // PCM
  PutLe(file, 1, 2);          // mono
  PutLe(file, kRate, 4);
  PutLe(file, kRate * 2, 4);  // bytes per second
  PutLe(file, 2, 2);          // bytes per sample frame
  PutLe(file, 16, 2);         // bits per sample
  std::fputs("data", file);
  PutLe(file, data, 4);
  for (std::int16_t s : samples) PutLe(file, static_cast<std::uint16_t>(s), 2);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_melody OUT.wav\n");
    return 2;
  }
  const std::vector<double> both = Render(2);

  // The second pass, scaled so its loudest sample sits 3 dB below full scale.
  double peak = 0;
  for (long n = kPass; n < 2L * kPass; ++n) peak = std::max(peak, std::fabs(both[n]));
  const double gain = peak > 0 ? 0.708 * 32767.0 / peak : 0.0;
  std::vector<std::int16_t> samples(kPass);
  for (long n = 0; n < kPass; ++n) {
    const double v = std::round(both[kPass + n] * gain);
    samples[n] = static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
  }

  if (!WriteWave(argv[1], samples)) {
    std::fprintf(stderr, "make_melody: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("melody: %d samples, %.2f s, %d bytes\n", kPass, double(kPass) / kRate,
              44 + 2 * kPass);
  return 0;
}
