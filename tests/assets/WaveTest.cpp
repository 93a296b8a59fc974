// Reading and writing the 16-bit PCM wave files of the game folder.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <string_view>

#include "Synth.h"
#include "Wave.h"

namespace {

std::filesystem::path TempFile(const QTemporaryDir& dir, const char* name) {
  return std::filesystem::path(dir.path().toStdString()) / name;
}

// A written wave with some of its header bytes overwritten.
std::filesystem::path PatchedWave(const QTemporaryDir& dir, int samples, std::streamoff at,
                                  std::string_view bytes) {
  const auto path = TempFile(dir, "patched.wav");
  Wave wave;
  wave.samples.assign(samples, 0.25f);
  EXPECT_TRUE(WriteWave(path, wave));
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  file.seekp(at);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace

TEST(Wave, RoundTripKeepsRateAndSamplesWithinOneStep) {
  QTemporaryDir dir;
  Wave wave;
  wave.samples = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 0.25f};
  ASSERT_TRUE(WriteWave(TempFile(dir, "a.wav"), wave));
  const auto back = ReadWave(TempFile(dir, "a.wav"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->sampleRate, kSampleRate);
  ASSERT_EQ(back->samples.size(), wave.samples.size());
  for (size_t i = 0; i < wave.samples.size(); ++i)
    EXPECT_NEAR(back->samples[i], wave.samples[i], 1.0 / 32000);
}

TEST(Wave, StreamedHeaderWithUnknownDataSizeReadsToTheEnd) {
  // A speech synthesiser writing to a pipe leaves the data size at its maximum.
  QTemporaryDir dir;
  const auto back = ReadWave(PatchedWave(dir, 100, 40, std::string_view("\x00\xf0\xff\x7f", 4)));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->samples.size(), 100u);
}

TEST(Wave, RejectsWhatIsNotMono16BitPcm) {
  QTemporaryDir dir;
  EXPECT_FALSE(ReadWave(PatchedWave(dir, 10, 22, "\x02")));  // stereo
  std::ofstream(TempFile(dir, "text.wav")) << "not a wave";
  EXPECT_FALSE(ReadWave(TempFile(dir, "text.wav")));
  EXPECT_FALSE(ReadWave(TempFile(dir, "missing.wav")));
}

TEST(Synth, NormalisesToJustBelowFullScaleWithSilentEnds) {
  Synth synth(0.5);
  synth.Tone(0.0, 0.5, 440, 440, Timbre::Sine, 0.01);
  const Wave wave = synth.Finish();
  float peak = 0;
  for (float s : wave.samples) peak = std::max(peak, std::abs(s));
  EXPECT_NEAR(peak, 0.89f, 0.01f);
  EXPECT_EQ(wave.samples.front(), 0.0f);
  EXPECT_EQ(wave.samples.back(), 0.0f);
}

TEST(Synth, SilenceStaysSilent) {
  Wave wave;
  wave.samples.assign(1000, 0.0f);
  Normalise(wave);
  for (float s : wave.samples) EXPECT_EQ(s, 0.0f);
}
