#pragma once
// Windows-style INI profiles (".\Trelmo.ini", the generator's settings files): a `Profile` is
// the file's lines held in memory, read and changed with the Windows profile rules, and written
// back with every line it did not change kept byte for byte.
//
// Rules (as GetPrivateProfileString / WritePrivateProfileString):
// - "[name]" starts a section; text after "]" is ignored. "key=value" lines belong to the
//   section above them; lines before the first section belong to none and are never read.
// - Section and key names compare without regard to letter case (1252 letters, equalsNoCase).
// - White space around names and values is trimmed; a value in matching quotes ('..' or "..")
//   loses them when read.
// - Lines starting with ';' are comments; other lines without '=' are kept but are not keys.
// - When a section or key occurs twice, the first one is read and written.
// - Writing a key replaces its line in place (keeping the key's spelling in the file) or adds
//   the key after the last non-blank line of its section; a missing section is added at the end
//   of the file, after a blank line.
// Text is code page 1252 bytes. Files are read with LF or CR LF line ends and written with
// CR LF. Saving replaces the file atomically (temporary file + rename).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// GetPrivateProfileInt's reading of a present value: leading white space, an optional sign,
// then the leading decimal digits ("12px" -> 12, "-3" -> -3); no digits gives 0. Values beyond
// the int range are clamped.
int parseProfileInt(std::string_view value);

class Profile {
public:
    Profile() = default;
    static Profile fromText(std::string_view bytes);
    // The file's text with CR LF line ends (one after the last line too).
    std::string toText() const;

    // Reads `path`. A missing file gives an empty profile and true (Windows reads defaults from
    // it); false when the file exists but cannot be read (the profile is then empty).
    bool load(const std::string& path, std::string* error = nullptr);
    // Replaces `path` atomically; false (file untouched) when it cannot be written.
    bool save(const std::string& path, std::string* error = nullptr) const;

    // The value, or nothing when the section or the key is missing.
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // `defaultValue` for a missing key, else parseProfileInt of its value (an empty value is 0).
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // False, and nothing changed, when a name is empty, a section name holds ']', a key holds
    // '=' or begins with '[' or ';', or any text holds a line break.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    // Decimal, as the settings file expects.
    bool writeInt(std::string_view section, std::string_view key, int value);

    // Remove the key's line / the section's header and every line up to the next section.
    // False when it was not there.
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);

    bool hasSection(std::string_view section) const;
    // Names as spelt in the file, in file order, each once.
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    const std::vector<std::string>& lines() const { return lines_; }

private:
    struct Range {
        size_t header;  // index of the "[...]" line
        size_t end;     // one past the section's last line
    };
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<size_t> findKey(const Range& range, std::string_view key) const;

    std::vector<std::string> lines_;  // without line ends
};

// One-call helpers on a file, for code that touches a single value (each reads the file;
// the writers read, change and save it).
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue);
int readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int defaultValue);
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace platform
