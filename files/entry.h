// Internal: the making of a Dirent from a platform record.
#ifndef TESSEL_FILES_ENTRY_H
#define TESSEL_FILES_ENTRY_H

#include "platform/platform.h"
#include "tessel/dir.h"

namespace tessel_detail {

// unpackDate(w), unpackTime(w): the bit fields of a packed date or time
// word (0 gives all fields 0).
FDATE unpackDate(unsigned short w);
FTIME unpackTime(unsigned short w);

// entryOf(dir, record): the entry for record, owned by dir.
Dirent entryOf(Directory* dir, const tessel_platform::FindRecord& record);

}  // namespace tessel_detail

#endif  // TESSEL_FILES_ENTRY_H
