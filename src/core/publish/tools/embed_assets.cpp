// Build-time tool: writes the web files into a C++ source of byte arrays with
// their table, so the programs carry every asset inside themselves.
//
//   embed_assets OUTPUT.cpp NUMBER FOLDER NAME FILE [NUMBER FOLDER NAME FILE ...]
//
// FOLDER is where the file goes in the published tree ("js", "images", ...),
// or "-" for an asset that is not written as a file of its own.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string number, folder, name, file;
};

bool readBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Signed values keep the array a plain constexpr char array, which a
// string_view can view without a cast.
void writeArray(std::ostream& out, const std::string& id, const std::string& bytes) {
    out << "constexpr char " << id << "[] = {";
    if (bytes.empty()) out << "0";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 24 == 0) out << "\n    ";
        out << static_cast<int>(static_cast<signed char>(bytes[i])) << ',';
    }
    out << "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (argc - 2) % 4 != 0) {
        std::cerr << "usage: embed_assets OUTPUT.cpp {NUMBER FOLDER NAME FILE}...\n";
        return 2;
    }
    std::vector<Entry> entries;
    for (int i = 2; i < argc; i += 4) entries.push_back({argv[i], argv[i + 1], argv[i + 2], argv[i + 3]});

    std::ostringstream out;
    out << "// Generated at build time by embed_assets from the web folder. Do not edit.\n\n"
           "#include \"core/publish/EmbeddedAssets.h\"\n\n"
           "namespace tessaly::publish::embedded {\nnamespace {\n\n";
    std::vector<std::size_t> sizes;
    for (const Entry& e : entries) {
        std::string bytes;
        if (!readBytes(e.file, bytes)) {
            std::cerr << "embed_assets: cannot read " << e.file << '\n';
            return 1;
        }
        out << "// " << e.number << ": " << e.file << '\n';
        writeArray(out, "asset" + e.number, bytes);
        sizes.push_back(bytes.size());
    }
    out << "\nconstexpr Asset kAssets[] = {\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        out << "    {" << e.number << ", \"" << (e.folder == "-" ? "" : e.folder) << "\", \"" << e.name
            << "\", std::string_view(asset" << e.number << ", " << sizes[i] << ")},\n";
    }
    out << "};\n\n}  // namespace\n\n"
           "std::span<const Asset> all() { return kAssets; }\n\n"
           "}  // namespace tessaly::publish::embedded\n";

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) {
        std::cerr << "embed_assets: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
