#include "drawing/shell/recentfiles.h"

#include <algorithm>

#include "platform/messages.h"
#include "platform/profile.h"

namespace shell {

namespace {

std::string keyOf(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

void RecentFiles::open(const std::string& settingsPath) {
    settingsPath_ = settingsPath;
    entries_.clear();
    platform::Profile profile;
    profile.load(settingsPath_);
    for (int i = 0; i < kMaxEntries; ++i) {
        const std::string path = profile.readString(kSection, keyOf(i), "");
        if (!path.empty()) entries_.push_back(path);
    }
}

void RecentFiles::add(const std::string& path) {
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(kMaxEntries)) entries_.resize(kMaxEntries);
    write();
}

void RecentFiles::write() const {
    if (settingsPath_.empty()) return;
    // Read again so that only this section changes, whatever else wrote the file meanwhile.
    platform::Profile profile;
    if (!profile.load(settingsPath_)) return;
    for (int i = 0; i < kMaxEntries; ++i) {
        if (i < static_cast<int>(entries_.size())) {
            profile.writeString(kSection, keyOf(i), entries_[i]);
        } else {
            profile.deleteKey(kSection, keyOf(i));
        }
    }
    profile.save(settingsPath_);
}

}  // namespace shell
