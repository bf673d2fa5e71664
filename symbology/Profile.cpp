#include "Profile.h"

#include <utility>

namespace {
ProfileReader& Reader() {
    static ProfileReader reader;
    return reader;
}
} // namespace

void SetProfileReader(ProfileReader reader) {
    Reader() = std::move(reader);
}

int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    const ProfileReader& reader = Reader();
    return reader ? reader(section, key, defaultValue) : defaultValue;
}
