#pragma once
// What the reader and the sort report to their caller while they work.

#include <functional>
#include <string>

namespace sahdict {

// Receives each message about the dictionary text at the moment it arises.
using MessageFn = std::function<void(const std::u16string& text)>;
// Receives a status caption (the splash window's ShowLoad).
using ProgressFn = std::function<void(const std::u16string& caption)>;

}  // namespace sahdict
