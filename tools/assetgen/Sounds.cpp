#include "Sounds.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "Canvas.h"
#include "Synth.h"

namespace {

// Equal-tempered pitch, semitones from A4.
double Note(int semitones) { return 440.0 * std::pow(2.0, semitones / 12.0); }

constexpr double kMaxSpeech = 2.6;  // keeps every phrase well under three seconds

Wave Alarm() {  // an attack: a horn calling twice
  Synth s(1.0);
  for (int i = 0; i < 4; ++i) {
    const double hz = Note(i % 2 ? 7 : 2);
    s.Tone(i * 0.22, 0.2, hz, hz, Timbre::Square, 0.5, 2.0);
    s.Tone(i * 0.22, 0.2, hz / 2, hz / 2, Timbre::Saw, 0.3, 2.0);
  }
  return s.Finish();
}

Wave Fanfare() {  // a fight begins
  Synth s(1.3);
  const int notes[] = {-9, -5, -2, 3};
  for (int i = 0; i < 4; ++i) {
    const double length = i == 3 ? 0.8 : 0.16;
    s.Tone(i * 0.15, length, Note(notes[i]), Note(notes[i]), Timbre::Saw, 0.5, i == 3 ? 1.5 : 3.0);
    s.Tone(i * 0.15, length, Note(notes[i] - 12), Note(notes[i] - 12), Timbre::Triangle, 0.3, 2.0);
  }
  s.Noise(0.45, 0.3, 0.4, 0.2, 0.1, 8.0);  // a drum under the last note
  return s.Finish();
}

Wave Swish() {  // a sword cutting the air
  Synth s(0.4);
  s.Noise(0.0, 0.38, 1.0, 0.25, 0.85, 6.0);
  s.Tone(0.0, 0.25, 900, 300, Timbre::Sine, 0.1, 10.0);
  return s.Finish();
}

Wave Chime() {  // saved
  Synth s(1.2);
  s.Tone(0.0, 1.0, Note(15), Note(15), Timbre::Bell, 0.5, 3.5);
  s.Tone(0.18, 1.0, Note(22), Note(22), Timbre::Bell, 0.45, 3.5);
  return s.Finish();
}

Wave EnterGame() {  // login: a welcoming rising arpeggio
  Synth s(1.2);
  const int notes[] = {0, 4, 7, 12};
  for (int i = 0; i < 4; ++i) {
    s.Tone(i * 0.1, 1.0 - i * 0.1, Note(notes[i]), Note(notes[i]), Timbre::Triangle, 0.4, 3.0);
  }
  return s.Finish();
}

Wave OpenBag() {  // entering the inventory or the character screen
  Synth s(0.45);
  s.Noise(0.0, 0.25, 0.6, 0.15, 0.5, 6.0);
  s.Tone(0.12, 0.3, Note(0), Note(7), Timbre::Sine, 0.4, 6.0);
  return s.Finish();
}

Wave CloseBag() {  // leaving them
  Synth s(0.45);
  s.Noise(0.0, 0.25, 0.6, 0.5, 0.15, 6.0);
  s.Tone(0.12, 0.3, Note(7), Note(0), Timbre::Sine, 0.4, 6.0);
  return s.Finish();
}

Wave PutOn() {  // metal settling into place
  Synth s(0.5);
  s.Noise(0.0, 0.08, 0.7, 0.7, 0.5, 30.0);
  s.Tone(0.0, 0.45, Note(-2), Note(-2), Timbre::Bell, 0.5, 9.0);
  s.Tone(0.07, 0.4, Note(5), Note(5), Timbre::Bell, 0.35, 10.0);
  return s.Finish();
}

Wave TakeOff() {  // a buckle undone and cloth sliding
  Synth s(0.5);
  s.Tone(0.0, 0.3, Note(3), Note(3), Timbre::Bell, 0.4, 14.0);
  s.Noise(0.05, 0.4, 0.8, 0.6, 0.3, 5.0);
  return s.Finish();
}

Wave Sparkle() {  // a scroll read aloud
  Synth s(1.0);
  for (int i = 0; i < 8; ++i) {
    const double hz = Note(12 + i * 3);
    s.Tone(i * 0.06, 0.5, hz, hz * 1.02, Timbre::Bell, 0.3, 6.0);
  }
  s.Noise(0.0, 0.9, 0.25, 0.9, 0.95, 3.0);
  return s.Finish();
}

Wave Coins() {  // money on the counter
  Synth s(0.8);
  const double starts[] = {0.0, 0.09, 0.15, 0.26, 0.31};
  for (int i = 0; i < 5; ++i) {
    s.Tone(starts[i], 0.4, Note(27 + (i * 5) % 7), Note(27 + (i * 5) % 7), Timbre::Bell, 0.4, 12.0);
  }
  return s.Finish();
}

Wave Death() {  // a monster or the hero falls
  Synth s(1.2);
  s.Tone(0.0, 1.1, Note(-12), Note(-24), Timbre::Saw, 0.5, 1.5);
  s.Noise(0.0, 0.6, 0.4, 0.2, 0.05, 4.0);
  return s.Finish();
}

Wave MasterDeath() {  // the Master falls: deeper, longer, with a rumble
  Synth s(2.4);
  s.Tone(0.0, 2.3, Note(-24), Note(-33), Timbre::Saw, 0.5, 0.8);
  s.Tone(0.0, 2.3, Note(-17), Note(-26), Timbre::Triangle, 0.4, 0.8);
  s.Noise(0.0, 2.0, 0.6, 0.12, 0.03, 1.2);
  return s.Finish();
}

// Melodies standing in for the shopkeeper when no speech synthesiser is installed:
// greetings rise, farewells fall.
Wave Melody(std::initializer_list<int> notes) {
  Synth s(0.2 * notes.size() + 0.5);
  int i = 0;
  for (int note : notes) {
    s.Tone(i++ * 0.2, 0.6, Note(note), Note(note), Timbre::Triangle, 0.5, 4.0);
  }
  return s.Finish();
}
Wave HelloMelody() { return Melody({0, 7}); }
Wave GreetingsMelody() { return Melody({0, 4, 7}); }
Wave GladMelody() { return Melody({2, 5, 9}); }
Wave MorningMelody() { return Melody({-5, 0, 4, 7}); }
Wave DayMelody() { return Melody({0, 4, 7, 12}); }
Wave EveningMelody() { return Melody({-3, 0, 4, 2}); }
Wave ByeMelody() { return Melody({7, 0}); }
Wave GoodbyeMelody() { return Melody({7, 4, 0, -5}); }
Wave NotEnoughMelody() {
  Synth s(0.8);
  s.Tone(0.0, 0.3, Note(-5), Note(-5), Timbre::Square, 0.5, 3.0);
  s.Tone(0.3, 0.45, Note(-11), Note(-12), Timbre::Square, 0.5, 3.0);
  return s.Finish();
}

const SoundRecipe kSounds[] = {
    {"Сигнал", nullptr, nullptr, Alarm},
    {"Бой", nullptr, nullptr, Fanfare},
    {"Ход", nullptr, nullptr, Swish},
    {"Сохранить", nullptr, nullptr, Chime},
    {"Войти", nullptr, nullptr, EnterGame},
    {"ПИ вход", nullptr, nullptr, OpenBag},
    {"ПИ выход", nullptr, nullptr, CloseBag},
    {"Надеть", nullptr, nullptr, PutOn},
    {"Снять", nullptr, nullptr, TakeOff},
    {"Применить", nullptr, nullptr, Sparkle},
    {"Продать", nullptr, nullptr, Coins},
    {"Смерть", nullptr, nullptr, Death},
    {"Смерть Мастера", nullptr, nullptr, MasterDeath},
    {"Привет", "Привет!", "Hello!", HelloMelody},
    {"Приветствую", "Приветствую!", "Greetings!", GreetingsMelody},
    {"Рад видеть", "Рад видеть!", "Glad to see you!", GladMelody},
    {"Доброе утро", "Доброе утро!", "Good morning!", MorningMelody},
    {"Добрый день", "Добрый день!", "Good afternoon!", DayMelody},
    {"Добрый вечер", "Добрый вечер!", "Good evening!", EveningMelody},
    {"Пока", "Пока!", "Bye!", ByeMelody},
    {"До свидания", "До свидания!", "Goodbye!", GoodbyeMelody},
    {"Не хватает", "Не хватает денег.", "Not enough money.", NotEnoughMelody},
};

// Drops the silence espeak leaves around the words and keeps the phrase short.
void TrimSpeech(Wave& wave) {
  constexpr float kQuiet = 0.01f;
  auto& s = wave.samples;
  const auto loud = [](float v) { return std::abs(v) > kQuiet; };
  const auto first = std::find_if(s.begin(), s.end(), loud);
  const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
  if (first >= last) return;
  std::vector<float> kept(first, last);
  kept.resize(std::min(kept.size(), static_cast<size_t>(kMaxSpeech * wave.sampleRate)));
  s = std::move(kept);
}

// Runs espeak-ng for every phrase at once; a phrase that fails is left out.
std::vector<std::optional<Wave>> Speak(std::span<const SoundRecipe> sounds, bool english) {
  std::vector<std::optional<Wave>> spoken(sounds.size());
  const QString espeak = QStandardPaths::findExecutable("espeak-ng");
  QTemporaryDir work;
  if (espeak.isEmpty() || !work.isValid()) return spoken;
  std::vector<std::unique_ptr<QProcess>> runs(sounds.size());
  for (size_t i = 0; i < sounds.size(); ++i) {
    const char* phrase = english ? sounds[i].english : sounds[i].phrase;
    if (!phrase) continue;
    runs[i] = std::make_unique<QProcess>();
    runs[i]->start(espeak, {"-v", english ? "en" : "ru", "-s", "140", "-p", "40", "-w",
                            work.filePath(QString::number(i) + ".wav"), QString::fromUtf8(phrase)});
  }
  for (size_t i = 0; i < sounds.size(); ++i) {
    if (!runs[i] || !runs[i]->waitForFinished(10000) || runs[i]->exitCode() != 0) continue;
    auto wave = ReadWave(work.filePath(QString::number(i) + ".wav").toStdString());
    if (!wave || wave->sampleRate <= 0) continue;
    TrimSpeech(*wave);
    Normalise(*wave);
    if (!wave->samples.empty()) spoken[i] = std::move(wave);
  }
  return spoken;
}

}  // namespace

std::span<const SoundRecipe> AllSounds() { return kSounds; }

std::string SoundPath(const SoundRecipe& sound) {
  return std::string("sound\\") + sound.name + ".wav";
}

std::string EnglishSoundPath(const SoundRecipe& sound) {
  return std::string("sound\\en\\") + sound.name + ".wav";
}

void WriteSounds(AssetFolder& folder) {
  const auto spoken = Speak(kSounds, false);
  const auto english = Speak(kSounds, true);
  for (size_t i = 0; i < std::size(kSounds); ++i) {
    folder.SaveWave(SoundPath(kSounds[i]), spoken[i] ? *spoken[i] : kSounds[i].make());
    if (english[i]) folder.SaveWave(EnglishSoundPath(kSounds[i]), *english[i]);
  }
}
