// Writes the guided practice's two tones as 16-bit mono WAV files: "begin", two soft chimes a fifth apart rising, and
// "end", the same falling. Each chime is a sine with a little of its octave and twelfth, struck and left to ring out.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Seconds = 0.7;
constexpr double Pi = 3.14159265358979323846;
constexpr double C5 = 523.25;
constexpr double G5 = 783.99;
// Loud enough beside speech at a normal volume, well clear of clipping where two chimes overlap.
constexpr double Peak = 0.45;

struct Chime
{
    double startSeconds;
    double frequency;
};

void addChime(std::vector<double>& samples, const Chime& chime)
{
    const struct
    {
        double multiple;
        double level;
        double decaySeconds;
    } partials[] = {{1, 1.0, 0.22}, {2, 0.25, 0.12}, {3, 0.08, 0.07}};
    const auto first = std::size_t(chime.startSeconds * Rate);
    for (std::size_t i = first; i < samples.size(); ++i) {
        const double t = double(i - first) / Rate;
        // A 6 ms rise: a sudden start clicks.
        const double attack = std::min(1.0, t / 0.006);
        for (const auto& partial : partials)
            samples[i] += attack * partial.level * std::exp(-t / partial.decaySeconds)
                * std::sin(2 * Pi * chime.frequency * partial.multiple * t);
    }
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xff));
}

bool writeWav(const std::string& path, const std::vector<double>& samples)
{
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    std::string data;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // The last 40 ms fade to nothing, so the sound server never cuts a ringing chime.
        const double left = double(samples.size() - i) / Rate;
        const double fade = std::min(1.0, left / 0.04);
        const double value = samples[i] / loudest * Peak * fade;
        putLittleEndian(data, std::uint32_t(std::int16_t(std::lround(value * 32767))) & 0xffff, 2);
    }
    std::string header = "RIFF";
    putLittleEndian(header, std::uint32_t(36 + data.size()), 4);
    header += "WAVEfmt ";
    putLittleEndian(header, 16, 4); // the format block's size
    putLittleEndian(header, 1, 2); // PCM
    putLittleEndian(header, 1, 2); // mono
    putLittleEndian(header, Rate, 4);
    putLittleEndian(header, Rate * 2, 4); // bytes a second
    putLittleEndian(header, 2, 2); // bytes a frame
    putLittleEndian(header, 16, 2); // bits a sample
    header += "data";
    putLittleEndian(header, std::uint32_t(data.size()), 4);
    std::ofstream file(path, std::ios::binary);
    file << header << data;
    return bool(file);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tonegen FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const struct
    {
        const char* name;
        Chime chimes[2];
    } tones[] = {{"begin", {{0, C5}, {0.14, G5}}}, {"end", {{0, G5}, {0.14, C5}}}};
    for (const auto& tone : tones) {
        std::vector<double> samples(std::size_t(Seconds * Rate));
        for (const Chime& chime : tone.chimes)
            addChime(samples, chime);
        const std::string path = folder + "/" + tone.name + ".wav";
        if (!writeWav(path, samples)) {
            std::fprintf(stderr, "tonegen: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
