// Build-time tool: writes the web files into a C++ source of byte arrays with
// their table, so the programs carry every asset inside themselves.
//
//   embed_assets OUTPUT.cpp PUBLISHED FILE [PUBLISHED FILE ...]
//
// PUBLISHED is the path in the page's folder ("js/raf.js", "images/up.png"), or
// a name without a folder for an asset that is not a file of its own (the page
// template, the hot-spot icons). Files of the tree keep their order and come
// first, so the tree is one run of the table.

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Entry {
    std::string folder, name, file;
};

Entry entryFor(const std::string& published, const std::string& file) {
    const auto slash = published.rfind('/');
    if (slash == std::string::npos) return {"", published, file};
    return {published.substr(0, slash), published.substr(slash + 1), file};
}

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
    if (argc < 2 || (argc - 2) % 2 != 0) {
        std::cerr << "usage: embed_assets OUTPUT.cpp {PUBLISHED FILE}...\n";
        return 2;
    }
    std::vector<Entry> entries;
    // Files in folders first, each group in the order given.
    for (const bool inFolder : {true, false})
        for (int i = 2; i < argc; i += 2) {
            Entry entry = entryFor(argv[i], argv[i + 1]);
            if (!entry.folder.empty() == inFolder) entries.push_back(std::move(entry));
        }

    std::ostringstream out;
    out << "// Generated at build time by embed_assets from the web folder. Do not edit.\n\n"
           "#include \"core/publish/EmbeddedAssets.h\"\n\n"
           "namespace tessaly::publish::embedded {\nnamespace {\n\n";
    std::vector<std::size_t> sizes;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::string bytes;
        if (!readBytes(entries[i].file, bytes)) {
            std::cerr << "embed_assets: cannot read " << entries[i].file << '\n';
            return 1;
        }
        out << "// " << entries[i].file << '\n';
        writeArray(out, "asset" + std::to_string(i), bytes);
        sizes.push_back(bytes.size());
    }
    out << "\nconstexpr Asset kAssets[] = {\n";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out << "    {\"" << entries[i].folder << "\", \"" << entries[i].name << "\", std::string_view(asset"
            << i << ", " << sizes[i] << ")},\n";
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
