// Feeds arbitrary bytes to the save-file reader as a nick's three files: no input
// may crash, hang or leak, whether the bytes are scrambled or plain.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/GameFolder.h"
#include "state/SaveFiles.h"
#include "state/ScrambleFile.h"

namespace {

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

// Input: one mode byte (bit 0: the bytes are plain and get scrambled first), then
// the main file, the backpack and the bonus list separated by a 0x00 byte each.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const GameFolder folder(std::filesystem::temp_directory_path() / "mg-fuzz-save");
  std::filesystem::create_directories(folder.Root() / "save");
  const bool plain = data[0] & 1;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string_view parts[3];
  for (auto& part : parts) {
    const auto zero = rest.find('\0');
    part = rest.substr(0, zero);
    rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
  }
  const SaveFileNames names = SaveFilesOf("Fuzz");
  const std::string files[3] = {names.main, names.backpack, names.bonus};
  for (int i = 0; i < 3; ++i) {
    WriteFile(folder.Resolve(files[i]), plain ? ScrambleFile(parts[i]) : std::string(parts[i]));
  }
  const OpenedMainFile opened = OpenMainFile(folder, names);
  if (opened.kind == OpenedMainFile::Kind::Known) {
    LoadedGame game;
    ReadSavedGame(folder, names, opened.values, game);
  }
  return 0;
}
