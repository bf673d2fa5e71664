#include "LabelFace.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <sys/stat.h>

namespace {

// Where Debian's, Fedora's and Arch's packages install the face.
constexpr std::array kLabelFaceFiles{
    "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf",
    "/usr/share/fonts/liberation-mono/LiberationMono-Regular.ttf",
    "/usr/share/fonts/liberation/LiberationMono-Regular.ttf",
};

// Slight hinting, as the system's configuration sets it; everything else the
// label needs (no antialiasing) the painter asks for itself.
constexpr const char* kConfiguration = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
  </match>
</fontconfig>
)";

bool IsPlainFile(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

bool UseLabelFaceOnly() {
    const char* face = nullptr;
    for (const char* candidate : kLabelFaceFiles) {
        if (IsPlainFile(candidate)) {
            face = candidate;
            break;
        }
    }
    if (face == nullptr) {
        return false;
    }
    FcConfig* config = FcConfigCreate();
    if (config == nullptr) {
        return false;
    }
    const auto* xml = reinterpret_cast<const FcChar8*>(kConfiguration);
    const auto* file = reinterpret_cast<const FcChar8*>(face);
    if (FcConfigParseAndLoadFromMemory(config, xml, FcTrue) == FcFalse ||
        FcConfigSetCurrent(config) == FcFalse) {
        FcConfigDestroy(config);
        return false;
    }
    // The configuration stays current for the rest of the process.
    return FcConfigAppFontAddFile(config, file) == FcTrue;
}
