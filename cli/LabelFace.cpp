#include "LabelFace.h"

#include <QtGlobal>

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstring>
#include <link.h>
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

// The face's file, or null when none of them is installed.
const char* LabelFaceFile() {
    for (const char* candidate : kLabelFaceFiles) {
        if (IsPlainFile(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

// A file as its path, size and modification time: a new version of it
// (an upgraded package) is another file.
QString FileStamp(const char* path) {
    struct stat status {};
    if (::stat(path, &status) != 0) {
        return {};
    }
    return QStringLiteral("%1 %2 %3.%4")
        .arg(QString::fromLocal8Bit(path))
        .arg(status.st_size)
        .arg(status.st_mtim.tv_sec)
        .arg(status.st_mtim.tv_nsec);
}

// The libraries loaded into the process that set the glyphs: the painter's
// and the rasteriser's (and the shaper's, which places them).
int StampLoadedLibrary(dl_phdr_info* info, std::size_t /*size*/, void* data) {
    constexpr std::array kPainting{"libQt6Gui.so", "libfreetype.so", "libharfbuzz.so"};
    const char* name = info->dlpi_name;
    if (name == nullptr) {
        return 0;
    }
    const char* base = std::strrchr(name, '/');
    base = base != nullptr ? base + 1 : name;
    for (const char* library : kPainting) {
        if (std::strncmp(base, library, std::strlen(library)) == 0) {
            *static_cast<QString*>(data) += QLatin1Char('\n') + FileStamp(name);
        }
    }
    return 0;
}

} // namespace

bool UseLabelFaceOnly() {
    const char* face = LabelFaceFile();
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

QString LabelFaceIdentity() {
    const char* face = LabelFaceFile();
    if (face == nullptr) {
        return {};
    }
    QString identity = QStringLiteral("Qt %1\n%2\n%3")
                           .arg(QString::fromLatin1(qVersion()), FileStamp(face),
                                QString::fromLatin1(kConfiguration));
    dl_iterate_phdr(StampLoadedLibrary, &identity);
    for (const char* setting : {"FREETYPE_PROPERTIES", "QT_MAX_CACHED_GLYPH_SIZE"}) {
        identity += QStringLiteral("\n%1=%2").arg(QString::fromLatin1(setting),
                                                  qEnvironmentVariable(setting));
    }
    return identity;
}
