#pragma once
// The registry store's file in memory: the text format regedit exports as "REGEDIT4".
//
//   REGEDIT4
//
//   [HKEY_CLASSES_ROOT\Trelmo.Application\Tegninger]
//   @="c:\\Crossword\\Bmps"
//   "Count"=dword:0000000a
//
// One section per key; "@" is the default (unnamed) value; strings escape backslash and quote
// with a backslash; integers are dword: with eight hex digits; hex(2): data (strings with
// environment references) is read as a string. Other data (hex:, hex(n):) and lines this
// reader does not understand are kept verbatim and written back, so a hand-edited or damaged
// file loses nothing it held when the store rewrites it. Sections of other hives are kept too.
// Key and value names compare without regard to letter case (equalsNoCase); text is bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class Hive { ClassesRoot, LocalMachine, CurrentUser };

// "HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER".
std::string_view hiveName(Hive hive);

// "HKEY_CLASSES_ROOT\Trelmo.Application\Tegninger": the hive's full name, then the names.
std::string keyPath(Hive hive, const std::vector<std::string>& names);

enum class ValueType { String, ExpandString, Dword, Other };

struct RegistryValue {
    std::string name;  // "" is the default value
    ValueType type = ValueType::String;
    std::string text;  // String/ExpandString: the string; Other: the data as written after '='
    std::uint32_t dword = 0;

    // The Windows type number: 1 string, 2 expandable string, 4 dword, n for hex(n):, 3 for
    // hex:, 0 when not known.
    int windowsType() const;
};

// One key: a section of the file.
struct RegistrySection {
    bool known = true;  // a key of one of the three hives
    Hive hive = Hive::ClassesRoot;
    std::vector<std::string> names;  // the key's path below the hive, one name per level
    std::string header;              // the text between the brackets, written back when !known
    std::vector<RegistryValue> values;
    std::vector<std::string> otherLines;  // lines not understood, kept in their order
};

class RegistryFile {
public:
    // Never fails: what cannot be understood is kept as text.
    static RegistryFile parse(std::string_view bytes);
    // "REGEDIT4", a blank line, then each section followed by a blank line; CR LF line ends.
    std::string serialize() const;

    // The section of exactly this key, if the file has one.
    RegistrySection* find(Hive hive, const std::vector<std::string>& names);
    const RegistrySection* find(Hive hive, const std::vector<std::string>& names) const;
    // A key exists when it is a hive root, has a section or has a descendant with a section
    // (a hand-written file need not list every level).
    bool exists(Hive hive, const std::vector<std::string>& names) const;
    // The key's section, made with a section for every missing level on the way (as regedit
    // exports them), placed after the parent's last descendant.
    RegistrySection& create(Hive hive, const std::vector<std::string>& names);
    // Removes the key's section. False when the key is missing or still has subkeys.
    bool remove(Hive hive, const std::vector<std::string>& names);
    // Names of the direct subkeys, spelt as first met, in file order.
    std::vector<std::string> subkeys(Hive hive, const std::vector<std::string>& names) const;

    std::vector<std::string> preamble;  // lines before the first section, other than REGEDIT4
    std::vector<RegistrySection> sections;
};

// Splits "Trelmo.Application\Tegninger" into its names ("" gives none: the key itself).
// Nothing when a name is empty ("a\\b", "\a") or holds a line break.
std::optional<std::vector<std::string>> splitKeyPath(std::string_view path);

}  // namespace platform
