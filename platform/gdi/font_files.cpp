#include "gdi/font_files.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <stdexcept>

namespace platform::gdi {
namespace {

constexpr const char* kStandInFamily = "Liberation Sans";
// Debian's system font folder, where fonts-liberation puts its files.
constexpr const char* kSystemFonts = "/usr/share/fonts";

// A configuration of our own with no rule files: the user's or the machine's aliases and
// substitutions cannot change which file a face maps to. The files are scanned one by one, as
// a folder scan would want a writable cache.
FcConfig* scan_system_fonts() {
  FcConfig* config = FcConfigCreate();
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(kSystemFonts, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    if (it->is_regular_file(error) && it->path().extension() == ".ttf")
      FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(it->path().c_str()));
  }
  return config;
}

std::string find_style(FcConfig* config, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kStandInFamily));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcObjectSet* wanted = FcObjectSetBuild(FC_FILE, nullptr);
  FcFontSet* found = FcFontList(config, pattern, wanted);
  FcObjectSetDestroy(wanted);
  FcPatternDestroy(pattern);

  std::string path;
  FcChar8* file = nullptr;
  if (found && found->nfont > 0 && FcPatternGetString(found->fonts[0], FC_FILE, 0, &file) == FcResultMatch)
    path = reinterpret_cast<const char*>(file);
  if (found) FcFontSetDestroy(found);
  return path;
}

}  // namespace

std::array<std::string, 4> find_stand_in_font_files() {
  FcConfig* config = scan_system_fonts();
  std::array<std::string, 4> files;
  for (int style = 0; style < 4; ++style) files[style] = find_style(config, style & 2, style & 1);
  FcConfigDestroy(config);
  for (const std::string& file : files)
    if (file.empty())
      throw std::runtime_error("Liberation Sans is not installed (scripts/setup installs fonts-liberation)");
  return files;
}

}  // namespace platform::gdi
