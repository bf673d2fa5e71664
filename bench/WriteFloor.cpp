// The floor of the command-line comparison: a plain program that writes the
// same bytes to the same number of files and does nothing else. It reads one
// blob with every file's bytes and a manifest of their names and sizes.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: write_floor MANIFEST BLOB OUTDIR\n");
        return 2;
    }
    std::ifstream blobFile(argv[2], std::ios::binary);
    const std::vector<char> blob((std::istreambuf_iterator<char>(blobFile)),
                                 std::istreambuf_iterator<char>());
    std::ifstream manifest(argv[1]);
    std::string name;
    std::size_t size = 0;
    std::size_t offset = 0;
    while (manifest >> name >> size) {
        if (offset + size > blob.size()) {
            std::fprintf(stderr, "write_floor: the blob is shorter than the manifest\n");
            return 1;
        }
        const std::string path = std::string(argv[3]) + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr || std::fwrite(blob.data() + offset, 1, size, file) != size ||
            std::fclose(file) != 0) {
            std::perror(path.c_str());
            return 1;
        }
        offset += size;
    }
    return 0;
}
