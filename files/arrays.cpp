// The entry arrays the library exports: Array<Dirent> and SortableArray<Dirent>.
//
// dir.h declares both instantiations extern with TESSEL_API before any use,
// so the export attribute is already attached; repeating it here would be
// ignored (and warned about) because the class is then already defined.
#include "tessel/dir.h"

template class Array<Dirent>;
template class SortableArray<Dirent>;
