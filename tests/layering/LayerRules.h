// The layers of the source tree and the rules its includes keep: no file includes from a layer above its
// own (nor, inside the toolkit, from an area above its own), and nothing above the toolkit uses Qt
// beyond the value types the toolkit re-exports.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qvlayers {

// Where a file stands: its layer, and inside the toolkit its area (0 elsewhere). A higher number may use
// a lower one, never the reverse.
struct Place {
    int Layer = 0;
    int Area = 0;
};

// The place of a path relative to the repository root; none for folders outside the layers (tests,
// benchmarks, fuzz targets, which may use every layer and Qt).
std::optional<Place> PlaceOf(std::string_view path);

// Why `line` of the file at `path` breaks a rule; empty when it keeps them or is no include.
std::string IncludeFault(std::string_view path, std::string_view line);

// `code` with comments and the contents of string and character literals blanked, line breaks kept.
std::string CodeOnly(std::string_view code);

// The Qt class names `code` uses outside comments and literals that above the toolkit it must not:
// every name in `qtClasses` but the value types the toolkit re-exports and the string helpers that come
// with them. Each with its line (from 1).
struct NameUse {
    int Line = 0;
    std::string Name;
};
std::vector<NameUse> ForeignQtNames(std::string_view code, const std::set<std::string>& qtClasses);

// Qt's class names: Qt ships one header per class, named as the class, in its module folders.
std::set<std::string> QtClassNames(const std::vector<std::string>& headerFolders);

// Every fault in the layers' folders below `root`, as "file:line: why"; `filesSeen` counts the files read.
std::vector<std::string> TreeFaults(const std::string& root, const std::set<std::string>& qtClasses,
                                    int& filesSeen);

} // namespace qvlayers
