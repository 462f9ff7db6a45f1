// The layer table and the include and Qt rules over it.
#include "LayerRules.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace qvlayers {

namespace {

struct LayerFolder {
    const char* Folder;
    int Layer;
};

// The order of the layers: each uses only those before it. `generators/` reads the table files by the
// tables' own rules, so it stands above `tables/`.
constexpr LayerFolder kLayerFolders[] = {
    {"toolkit", 1},    {"controls", 2},     {"core", 3}, {"tables", 4},
    {"generators", 5}, {"configurator", 6}, {"app", 7},
};
constexpr int kToolkitLayer = 1;

// The toolkit's areas, lowest first: the basic types and system routines, the services over the platform
// (files, network, registry, clipboard; they know no control, so every control may use them), painting,
// rich text, the control model, the standard controls, the grid, and the window designs, which know every
// class they can load.
constexpr const char* kToolkitAreas[] = {"system",   "services", "graphics", "richtext",
                                         "controls", "stdctrls", "grids",    "designs"};

// The Qt headers code above the toolkit may include: the value types the toolkit re-exports.
const std::set<std::string>& reExportedHeaders() {
    static const std::set<std::string> names = {"QString", "QStringList", "QByteArray", "QChar",
                                                "QPoint",  "QRect",       "QSize"};
    return names;
}

// What code above the toolkit may name: those types and the helpers their headers bring.
const std::set<std::string>& reExportedNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> n = reExportedHeaders();
        n.insert({"QLatin1String", "QLatin1Char", "QStringView", "QStringLiteral", "QByteArrayLiteral"});
        return n;
    }();
    return names;
}

std::string_view firstComponent(std::string_view path, std::string_view& rest) {
    const size_t slash = path.find('/');
    if (slash == std::string_view::npos) {
        rest = {};
        return path;
    }
    rest = path.substr(slash + 1);
    return path.substr(0, slash);
}

std::string layerName(int layer) {
    for (const LayerFolder& l : kLayerFolders)
        if (l.Layer == layer) return l.Folder;
    return "?";
}

bool isIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The target of an include directive and whether it is written with angle brackets.
bool parseInclude(std::string_view line, std::string& target, bool& angled) {
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
    };
    skipBlanks();
    if (i >= line.size() || line[i] != '#') return false;
    ++i;
    skipBlanks();
    if (line.substr(i, 7) != "include") return false;
    i += 7;
    skipBlanks();
    if (i >= line.size() || (line[i] != '"' && line[i] != '<')) return false;
    angled = line[i] == '<';
    const size_t end = line.find(angled ? '>' : '"', i + 1);
    if (end == std::string_view::npos) return false;
    target = std::string(line.substr(i + 1, end - i - 1));
    return true;
}

bool isQtHeader(const std::string& target) {
    const size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const bool inQtFolder = target.rfind("Qt", 0) == 0 && slash != std::string::npos;
    return inQtFolder ||
           (base.size() > 1 && base[0] == 'Q' && std::isupper(static_cast<unsigned char>(base[1])));
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

std::optional<Place> PlaceOf(std::string_view path) {
    std::string_view rest;
    const std::string_view top = firstComponent(path, rest);
    for (const LayerFolder& l : kLayerFolders) {
        if (top != l.Folder) continue;
        Place place{l.Layer, 0};
        if (l.Layer == kToolkitLayer) {
            std::string_view below;
            const std::string_view area = firstComponent(rest, below);
            for (int a = 0; a < int(std::size(kToolkitAreas)); ++a)
                if (area == kToolkitAreas[a]) place.Area = a + 1;
        }
        return place;
    }
    return std::nullopt;
}

std::string IncludeFault(std::string_view path, std::string_view line) {
    std::string target;
    bool angled = false;
    if (!parseInclude(line, target, angled)) return {};
    const std::optional<Place> from = PlaceOf(path);
    if (!from) return {};
    if (angled) {
        if (from->Layer > kToolkitLayer && isQtHeader(target) && !reExportedHeaders().count(target))
            return "includes Qt's <" + target + "> above the toolkit, which re-exports only " +
                   "QString, QStringList, QByteArray, QChar, QPoint, QRect and QSize";
        return {};
    }
    const std::optional<Place> to = PlaceOf(target);
    if (!to) return {};
    if (to->Layer > from->Layer)
        return "includes \"" + target + "\" of " + layerName(to->Layer) + "/, a layer above " +
               layerName(from->Layer) + "/";
    if (to->Layer == kToolkitLayer && from->Layer == kToolkitLayer && to->Area > from->Area)
        return "includes \"" + target + "\", a toolkit area above its own";
    return {};
}

std::string CodeOnly(std::string_view code) {
    std::string out(code);
    size_t i = 0;
    const size_t n = code.size();
    auto blank = [&](size_t from, size_t to) {
        for (size_t k = from; k < to && k < n; ++k)
            if (out[k] != '\n') out[k] = ' ';
    };
    while (i < n) {
        const char c = code[i];
        if (c == '/' && i + 1 < n && code[i + 1] == '/') {
            const size_t end = code.find('\n', i);
            blank(i, end == std::string_view::npos ? n : end);
            i = end == std::string_view::npos ? n : end;
        } else if (c == '/' && i + 1 < n && code[i + 1] == '*') {
            const size_t end = code.find("*/", i + 2);
            const size_t stop = end == std::string_view::npos ? n : end + 2;
            blank(i, stop);
            i = stop;
        } else if (c == 'R' && i + 1 < n && code[i + 1] == '"' && (i == 0 || !isIdentChar(code[i - 1]))) {
            // A raw string: R"delim( ... )delim"
            const size_t open = code.find('(', i + 2);
            if (open == std::string_view::npos) break;
            const std::string close = ")" + std::string(code.substr(i + 2, open - i - 2)) + "\"";
            const size_t end = code.find(close, open + 1);
            const size_t stop = end == std::string_view::npos ? n : end + close.size();
            blank(i + 2, stop - 1);
            i = stop;
        } else if (c == '"' ||
                   (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(code[i - 1])) &&
                                   i + 1 < n && std::isxdigit(static_cast<unsigned char>(code[i + 1]))))) {
            // A literal; a quote between two digits is a digit separator (1'000'000).
            size_t k = i + 1;
            while (k < n && code[k] != c && code[k] != '\n') {
                if (code[k] == '\\') ++k;
                ++k;
            }
            blank(i + 1, k);
            i = k + 1;
        } else {
            ++i;
        }
    }
    return out;
}

std::vector<NameUse> ForeignQtNames(std::string_view code, const std::set<std::string>& qtClasses) {
    const std::string text = CodeOnly(code);
    std::vector<NameUse> uses;
    int line = 1;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (isIdentChar(c)) {
            size_t k = i;
            while (k < text.size() && isIdentChar(text[k]))
                ++k;
            const std::string name = text.substr(i, k - i);
            if (name[0] == 'Q' && qtClasses.count(name) && !reExportedNames().count(name))
                uses.push_back({line, name});
            i = k;
        } else {
            ++i;
        }
    }
    return uses;
}

std::set<std::string> QtClassNames(const std::vector<std::string>& headerFolders) {
    std::set<std::string> names;
    for (const std::string& folder : headerFolders) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            if (!entry.is_regular_file()) continue;
            const std::string name = entry.path().filename().string();
            if (name.size() > 1 && name[0] == 'Q' && std::isupper(static_cast<unsigned char>(name[1])) &&
                std::all_of(name.begin(), name.end(), isIdentChar))
                names.insert(name);
        }
    }
    return names;
}

std::vector<std::string> TreeFaults(const std::string& root, const std::set<std::string>& qtClasses,
                                    int& filesSeen) {
    namespace fs = std::filesystem;
    std::vector<std::string> faults;
    filesSeen = 0;
    for (const LayerFolder& layer : kLayerFolders) {
        const fs::path top = fs::path(root) / layer.Folder;
        if (!fs::is_directory(top)) continue;
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(top)) {
            const std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp")) files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            ++filesSeen;
            const std::string rel = fs::relative(file, root).generic_string();
            const std::string code = readFile(file);
            std::istringstream lines(code);
            std::string line;
            for (int number = 1; std::getline(lines, line); ++number)
                if (std::string why = IncludeFault(rel, line); !why.empty())
                    faults.push_back(rel + ":" + std::to_string(number) + ": " + why);
            if (layer.Layer == kToolkitLayer) continue;
            for (const NameUse& use : ForeignQtNames(code, qtClasses))
                faults.push_back(rel + ":" + std::to_string(use.Line) + ": uses Qt's " + use.Name +
                                 " above the toolkit; it belongs behind a toolkit routine or type");
        }
    }
    return faults;
}

} // namespace qvlayers
