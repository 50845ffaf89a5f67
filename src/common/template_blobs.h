// The zipped templates the build embeds (see templates/ and cmake/embed_templates.cmake).
#pragma once

#include <cstddef>

namespace common::blobs {

struct Blob {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// Ends with an entry whose name is null.
extern const Blob kTemplates[];

} // namespace common::blobs
