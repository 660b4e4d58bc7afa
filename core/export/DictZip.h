#pragma once
// The dictzip layout: a gzip file whose deflate stream restarts every chunk,
// with a table of the chunks' compressed sizes in the header's "RA" extra
// field, so that readers can unpack any stretch without unpacking all before it.

#include <string>
#include <string_view>

namespace sahdict::exporting {

// Uncompressed bytes per chunk, as dictzip itself uses.
inline constexpr size_t kDictZipChunk = 58315;

// `data` compressed into the dictzip layout. Throws std::length_error when
// the data needs more chunks than the header can list (about 1.9 GB).
std::string DictZip(std::string_view data);

}  // namespace sahdict::exporting
