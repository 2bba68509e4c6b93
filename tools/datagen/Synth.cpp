// The synthesis voices and effects. Every voice is a pure function of its arguments (noise comes
// from a seeded generator), so a rendering is the same on every run.
#include "Synth.h"

#include "Maths.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>

namespace datagen {

void Stereo::add(size_t i, float value, float pan) {
    if (i >= left.size()) return;
    const float angle = (pan + 1) * 0.25f * pi;
    left[i] += value * std::cos(angle);
    right[i] += value * std::sin(angle);
}

void Stereo::mixIn(const Stereo& other, float gain) {
    const size_t n = std::min(frames(), other.frames());
    for (size_t i = 0; i < n; ++i) {
        left[i] += other.left[i] * gain;
        right[i] += other.right[i] * gain;
    }
}

float midiToHz(float note) {
    return 440.0f * std::pow(2.0f, (note - 69) / 12);
}

Wavetable::Wavetable(int harmonics, float slope, bool oddOnly) : table_(4096) {
    for (size_t i = 0; i < table_.size(); ++i) {
        const double phase = 2 * piD * static_cast<double>(i) / static_cast<double>(table_.size());
        double v = 0;
        for (int h = 1; h <= harmonics; h += oddOnly ? 2 : 1) v += std::sin(phase * h) / std::pow(h, slope);
        table_[i] = static_cast<float>(v);
    }
    const float peak = *std::max_element(table_.begin(), table_.end(),
                                         [](float a, float b) { return std::fabs(a) < std::fabs(b); });
    for (float& v : table_) v /= std::fabs(peak);
}

float Wavetable::at(double phase) const {
    const double p = (phase - std::floor(phase)) * static_cast<double>(table_.size());
    const auto i = static_cast<size_t>(p);
    const float f = static_cast<float>(p - static_cast<double>(i));
    const float a = table_[i % table_.size()], b = table_[(i + 1) % table_.size()];
    return a + (b - a) * f;
}

void addPad(Stereo& out, const Wavetable& wave, size_t start, size_t length, float hz, float amplitude,
            float pan, float attack, float release) {
    const double detune[3] = {1.0, std::pow(2.0, 7.0 / 1200), std::pow(2.0, -6.0 / 1200)};
    const float pans[3] = {pan, std::clamp(pan - 0.5f, -1.0f, 1.0f), std::clamp(pan + 0.5f, -1.0f, 1.0f)};
    const size_t total = length + static_cast<size_t>(release * sampleRate);
    const float attackSamples = attack * sampleRate, releaseSamples = release * sampleRate;
    for (int v = 0; v < 3; ++v) {
        const double step = hz * detune[v] / sampleRate;
        double phase = 0.13 * v;
        for (size_t i = 0; i < total; ++i) {
            float env = std::min(1.0f, i / attackSamples);
            env = env * env * (3 - 2 * env);
            if (i >= length) env *= std::max(0.0f, 1.0f - (i - length) / releaseSamples);
            out.add(start + i, wave.at(phase) * env * amplitude / 3, pans[v]);
            phase += step;
        }
    }
}

void addPluck(Stereo& out, size_t start, float hz, float amplitude, float pan, float brightness,
              float seconds, uint32_t seed) {
    // The loop delay is split into whole samples and a first-order all-pass for the fraction, so
    // high notes stay in tune.
    const double period =
        static_cast<double>(sampleRate) / hz - 0.5; // the averaging filter adds half a sample
    const auto whole = static_cast<size_t>(std::floor(period - 0.1));
    const double fraction = period - static_cast<double>(whole);
    const float coefficient = static_cast<float>((1 - fraction) / (1 + fraction));
    std::vector<float> line(whole);
    platform::Random random(seed);
    float smooth = 0;
    for (float& v : line) {
        const float noise = random.rangef(-1, 1);
        smooth += (noise - smooth) * (0.15f + 0.8f * brightness);
        v = smooth;
    }
    float mean = 0;
    for (float v : line) mean += v;
    mean /= static_cast<float>(line.size());
    for (float& v : line) v -= mean;
    const float decay = std::pow(0.001f, 1.0f / (seconds * hz)); // -60 dB over `seconds`
    const size_t total = static_cast<size_t>(seconds * sampleRate);
    const size_t fade = static_cast<size_t>(0.05f * sampleRate);
    float previous = 0, allpassIn = 0, allpassOut = 0;
    size_t index = 0;
    for (size_t i = 0; i < total; ++i) {
        const float current = line[index];
        const float averaged = 0.5f * (current + previous) * decay;
        previous = current;
        const float tuned = coefficient * averaged + allpassIn - coefficient * allpassOut;
        allpassIn = averaged;
        allpassOut = tuned;
        line[index] = tuned;
        index = (index + 1) % line.size();
        float env = i < 32 ? i / 32.0f : 1.0f;
        if (i + fade > total) env *= static_cast<float>(total - i) / static_cast<float>(fade);
        out.add(start + i, current * amplitude * env, pan);
    }
}

void addKeys(Stereo& out, size_t start, float hz, float amplitude, float pan, float seconds) {
    const size_t total = static_cast<size_t>(seconds * sampleRate);
    const double w = 2 * piD * hz / sampleRate;
    for (size_t i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const float attack = std::min(1.0f, static_cast<float>(t / 0.004));
        const float body = static_cast<float>(std::exp(-t * 2.2 / seconds * 2.5));
        const float release = std::min(1.0f, static_cast<float>((total - i)) / (0.08f * sampleRate));
        const double index = 1.4 * std::exp(-t * 6) + 0.25; // the tone mellows as it sounds
        const double tine = 0.18 * std::exp(-t * 18) * std::sin(w * 7.0 * static_cast<double>(i));
        const double v =
            std::sin(w * static_cast<double>(i) + index * std::sin(w * static_cast<double>(i))) + tine;
        out.add(start + i, static_cast<float>(v) * attack * body * release * amplitude, pan);
    }
}

void addBell(Stereo& out, size_t start, float hz, float amplitude, float pan, float seconds,
             float brightness) {
    struct Partial {
        double ratio;
        float gain, decay;
    };
    const Partial partials[] = {{1.0, 1.0f, 1.0f},
                                {2.0, 0.5f, 1.4f},
                                {2.76, 0.35f * brightness, 2.2f},
                                {4.07, 0.22f * brightness, 3.0f},
                                {5.4, 0.12f * brightness, 4.2f}};
    const size_t total = static_cast<size_t>(seconds * sampleRate);
    for (const Partial& p : partials) {
        if (hz * p.ratio > sampleRate * 0.45) continue;
        const double w = 2 * piD * hz * p.ratio / sampleRate;
        const float rate = p.decay * 4.5f / seconds;
        for (size_t i = 0; i < total; ++i) {
            const float t = static_cast<float>(i) / sampleRate;
            const float attack = std::min(1.0f, t / 0.0025f);
            const float release = std::min(1.0f, static_cast<float>(total - i) / (0.03f * sampleRate));
            out.add(start + i,
                    static_cast<float>(std::sin(w * static_cast<double>(i))) * p.gain * std::exp(-t * rate) *
                        attack * release * amplitude,
                    pan);
        }
    }
}

void addBass(Stereo& out, size_t start, size_t length, float hz, float amplitude) {
    const size_t release = static_cast<size_t>(0.25f * sampleRate);
    const size_t total = length + release;
    const double w = 2 * piD * hz / sampleRate;
    for (size_t i = 0; i < total; ++i) {
        const float t = static_cast<float>(i) / sampleRate;
        float env = std::min(1.0f, t / 0.04f) * (0.75f + 0.25f * std::exp(-t * 3));
        if (i >= length) env *= 1.0f - static_cast<float>(i - length) / static_cast<float>(release);
        const double x = w * static_cast<double>(i);
        const double v = std::sin(x) + 0.22 * std::sin(2 * x) + 0.06 * std::sin(3 * x);
        out.add(start + i, static_cast<float>(v) * env * amplitude, 0);
    }
}

namespace {

class Comb {
  public:
    explicit Comb(size_t size) : buffer_(size) {}
    float process(float in, float feedback, float damping) {
        const float out = buffer_[index_];
        store_ = out * (1 - damping) + store_ * damping;
        buffer_[index_] = in + store_ * feedback;
        index_ = (index_ + 1) % buffer_.size();
        return out;
    }

  private:
    std::vector<float> buffer_;
    size_t index_ = 0;
    float store_ = 0;
};

class AllPass {
  public:
    explicit AllPass(size_t size) : buffer_(size) {}
    float process(float in) {
        const float delayed = buffer_[index_];
        const float out = delayed - in;
        buffer_[index_] = in + delayed * 0.5f;
        index_ = (index_ + 1) % buffer_.size();
        return out;
    }

  private:
    std::vector<float> buffer_;
    size_t index_ = 0;
};

void reverbSide(const std::vector<float>& dryLeft, const std::vector<float>& dryRight,
                std::vector<float>& out, size_t spread, float feedback, float damping) {
    static const size_t combSizes[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const size_t allPassSizes[4] = {556, 441, 341, 225};
    std::vector<Comb> combs;
    for (size_t s : combSizes) combs.emplace_back(s + spread);
    std::vector<AllPass> allPasses;
    for (size_t s : allPassSizes) allPasses.emplace_back(s + spread);
    for (size_t i = 0; i < out.size(); ++i) {
        const float in = (dryLeft[i] + dryRight[i]) * 0.015f;
        float sum = 0;
        for (Comb& c : combs) sum += c.process(in, feedback, damping);
        for (AllPass& a : allPasses) sum = a.process(sum);
        out[i] = sum;
    }
}

} // namespace

void reverb(Stereo& s, float roomSize, float damping, float wet) {
    const float feedback = 0.7f + 0.28f * roomSize;
    std::vector<float> left(s.frames()), right(s.frames());
    reverbSide(s.left, s.right, left, 0, feedback, damping);
    reverbSide(s.left, s.right, right, 23, feedback, damping);
    for (size_t i = 0; i < s.frames(); ++i) {
        s.left[i] += left[i] * wet;
        s.right[i] += right[i] * wet;
    }
}

void pingPong(Stereo& s, size_t delay, float feedback, float wet) {
    std::vector<float> lineL(delay), lineR(delay);
    size_t index = 0;
    float toneL = 0, toneR = 0;
    for (size_t i = 0; i < s.frames(); ++i) {
        const float outL = lineL[index], outR = lineR[index];
        // Each repeat is a little darker, and crosses to the other side.
        toneL += (outR - toneL) * 0.35f;
        toneR += (outL - toneR) * 0.35f;
        lineL[index] = (s.left[i] + s.right[i]) * 0.5f + toneL * feedback;
        lineR[index] = toneR * feedback;
        index = (index + 1) % delay;
        s.left[i] += outL * wet;
        s.right[i] += outR * wet;
    }
}

void highPass(Stereo& s, float hz) {
    const float a = 1.0f / (1.0f + 2 * pi * hz / sampleRate);
    for (std::vector<float>* ch : {&s.left, &s.right}) {
        float prevIn = 0, prevOut = 0;
        for (float& v : *ch) {
            const float out = a * (prevOut + v - prevIn);
            prevIn = v;
            prevOut = out;
            v = out;
        }
    }
}

void lowPass(Stereo& s, float hz) {
    const float a = 1.0f - std::exp(-2 * pi * hz / sampleRate);
    for (std::vector<float>* ch : {&s.left, &s.right}) {
        float state = 0;
        for (float& v : *ch) {
            state += (v - state) * a;
            v = state;
        }
    }
}

float peakOf(const Stereo& s) {
    float peak = 0;
    for (size_t i = 0; i < s.frames(); ++i)
        peak = std::max({peak, std::fabs(s.left[i]), std::fabs(s.right[i])});
    return peak;
}

float rmsOf(const Stereo& s) {
    double sum = 0;
    for (size_t i = 0; i < s.frames(); ++i) sum += s.left[i] * s.left[i] + s.right[i] * s.right[i];
    return s.frames() ? static_cast<float>(std::sqrt(sum / (2.0 * static_cast<double>(s.frames())))) : 0.0f;
}

void scale(Stereo& s, float gain) {
    for (size_t i = 0; i < s.frames(); ++i) {
        s.left[i] *= gain;
        s.right[i] *= gain;
    }
}

void fadeEnds(Stereo& s, size_t in, size_t out) {
    const size_t n = s.frames();
    for (size_t i = 0; i < std::min(in, n); ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(in);
        s.left[i] *= g;
        s.right[i] *= g;
    }
    for (size_t i = 0; i < std::min(out, n); ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(out);
        s.left[n - 1 - i] *= g;
        s.right[n - 1 - i] *= g;
    }
}

} // namespace datagen
