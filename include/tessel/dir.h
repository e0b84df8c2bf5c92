// The dir module: wildcard conversion, path names, the current drive and
// directory, directory entries and listings, path expansion and the file
// tree walker.
#ifndef TESSEL_DIR_H
#define TESSEL_DIR_H

#include "tessel/cstring.h"
#include "tessel/export.h"
#include "tessel/regexp.h"

// ---- Wildcard conversion -------------------------------------------------

// FileExp2RegExp(wildcard): an anchored, ignore-case RegExp that matches an
// entry name exactly when the whole name fits the wildcard. A wildcard whose
// translation does not compile gives an object without a program, which
// matches no name.
TESSEL_API RegExp FileExp2RegExp(const CString& wildcard);

// ---- Path names ----------------------------------------------------------
//
// Pure text operations; none looks at the file system. The separators are
// the backslash and the forward slash; the native one is the first
// character of pathSeparator().

// pathSeparator(): the value of the environment variable PATHSEP when it is
// set (even to the empty text), read afresh at every call; otherwise the
// static text "\". The caller must neither change nor free it. Values other
// than one backslash or one slash are used as they are: an empty value makes
// the conversions cut a path at its first separator, a longer one is
// inserted whole by mergePath.
TESSEL_API const char* pathSeparator();

// conv2NativePathSep(path): turns every backslash and slash of the writable
// NUL-terminated text into the native separator, in place. A null path is
// left alone.
TESSEL_API void conv2NativePathSep(char* path);

// nativePathName(path): a new value with every backslash and slash turned
// into the native separator. With an empty PATHSEP the text ends at the
// first separator and the stored length is that of the shortened text.
TESSEL_API CString nativePathName(const CString& path);
// unixPathName(path): a new value with every backslash turned into a slash.
TESSEL_API CString unixPathName(const CString& path);
// dosPathName(path): a new value with every slash turned into a backslash.
TESSEL_API CString dosPathName(const CString& path);

// mergePath(dir, name): dir and name joined with one native separator where
// neither brings one (only the native separator counts: one leading
// separator of name is dropped, a trailing one of dir is kept), then passed
// through nativePathName.
TESSEL_API CString mergePath(const CString& dir, const CString& name);

// ---- Current drive and directory -----------------------------------------
//
// Paths are "X:rest", with one current directory per drive. Directory texts
// are read into 256-byte areas: a current directory of more than 255
// characters cannot be read and counts as a failure.

// queryCurrentDisk(): the drive letter of the process's current directory,
// or the blank when it cannot be read.
TESSEL_API char queryCurrentDisk();

// queryCurrentDir(drive): the current directory of the drive (0: the
// current drive) as a full native path ("C:\" for a root, no trailing
// separator otherwise); empty when it cannot be determined. The process's
// current directory is the same after the call as before.
TESSEL_API CString queryCurrentDir(char drive);

// changeDir(path): enters path for good; 1 on success, 0 when refused. A
// drive-less path is taken on the current drive; one trailing separator is
// dropped, except from a lone separator (the root).
TESSEL_API int changeDir(const CString& path);

// isDir(path, fullName): 1 when path names a directory that can be entered,
// with its full native path in fullName; 0 otherwise, fullName untouched.
// The current directory of the path's drive is the same afterwards. A
// directory whose full name cannot be read back (too long for the 256-byte
// area), or a drive whose current directory cannot be read (so could not
// be restored), gives 0 and changes nothing.
TESSEL_API int isDir(const CString& path, CString& fullName);

// ---- Directory entry -----------------------------------------------------

class Date;
class Time;
class Directory;

// FDATE: a packed last-write date, 16 bits.
struct FDATE {
    unsigned short day : 5;    // 1 to 31
    unsigned short month : 4;  // 1 to 12
    unsigned short year : 7;   // years since 1980
};

// FTIME: a packed last-write time, 16 bits, two-second grain.
struct FTIME {
    unsigned short twoSeconds : 5;  // seconds / 2, 0 to 29
    unsigned short minutes : 6;     // 0 to 59
    unsigned short hours : 5;       // 0 to 23
};

// Dirent: one entry of a directory: its own name, size (low 32 bits),
// attribute word and packed stamp, and the listing it was found in (not
// owned). The Date and Time of the stamp are made on first request and
// owned by the entry; copies never share them.
class TESSEL_API Dirent {
  public:
    // Dirent(): empty name, size 0, all stamp fields 0, mode 0, no directory.
    Dirent();
    // Dirent(dir, name, date, time, size, mode): note that the size comes
    // before the attribute word. The name is copied; dir is not owned.
    Dirent(Directory* dir, const CString& name, FDATE date, FTIME time, unsigned long size,
           unsigned long mode);
    // Copies take the six value fields and start without cached objects.
    Dirent(const Dirent& other);
    // Assignment deletes this entry's cached objects, then copies the six
    // value fields. Self-assignment keeps the entry as it is.
    Dirent& operator=(const Dirent& other);
    virtual ~Dirent();

    // name(): the stored name itself.
    const CString& name() const { return entryName; }
    unsigned long size() const { return entrySize; }
    // mode(): the whole attribute word.
    unsigned long mode() const { return entryMode; }
    // isDirectory(), isReadOnly(): bits 0x10 and 0x01, as 1 or 0.
    int isDirectory() const { return (entryMode & 0x10) != 0 ? 1 : 0; }
    int isReadOnly() const { return (entryMode & 0x01) != 0 ? 1 : 0; }

    // date(), time(): the stamp as a Date (day, month, 1980 + year) and a
    // Time (hours, minutes, 2 * twoSeconds), made on the first call and kept
    // by the entry: the reference is valid until the entry is destroyed or
    // assigned to. The packed fields are not validated.
    const Date& date() const;
    const Time& time() const;

    // Comparisons by name only, ignoring the case of A-Z (folded to upper
    // case, so "_" sorts after the letters); 1 or 0.
    int operator<(const Dirent& other);
    int operator>(const Dirent& other);
    int operator==(const Dirent& other);

    // dirName(): nativePathName of the owning directory's path, read now;
    // empty for an entry without a directory.
    CString dirName() const;
    // fullName(): the owning directory's path (read now), the separator
    // unless the path already ends with it, and the name, through
    // nativePathName. An entry without a directory gives its name alone.
    CString fullName() const;

  private:
    // dropCache(): deletes the cached Date and Time.
    TESSEL_LOCAL void dropCache() const;

    CString entryName;
    unsigned int entrySize;
    FDATE packedDate;
    FTIME packedTime;
    unsigned int entryMode;
    Directory* ownerDir;
    mutable Date* cachedDate;
    mutable Time* cachedTime;
};

// ---- Entry arrays --------------------------------------------------------

// The members of both templates are defined outside the class bodies (in
// dir_array.h), so that the exported instantiations for Dirent carry every
// one of them.
//
// Array<T>: a growable array with chosen bounds whose elements are each
// allocated on their own and owned by the array; growth and sorting move
// only pointers, so references to elements stay valid. A dynamic array
// grows to take in any index used with the non-constant operator[].
//
// Where the caller leaves the contract (an index outside the bounds of an
// array that is not dynamic, the constant operator[] outside the bounds, a
// slot whose element could not be made, or growth whose pointer table cannot
// be allocated), operator[] returns a spare element, freshly emptied, that
// belongs to no array: nothing is read or written outside the array and the
// array is unchanged. Init that cannot make its table leaves the array
// empty.
template <class T>
class Array {
  public:
    // Array(low, high, dynamic): elements for every index from low to high;
    // Array(0, -1, f) is empty. The flag is stored unchanged.
    Array(int low, int high, int dynamic);
    virtual ~Array();

    // Init(): makes the table and its elements if there is none and the
    // bounds are not empty.
    void Init();
    // CIndex(i): the slot of index i.
    int CIndex(int i) const;
    // operator[](i): the element of index i; a dynamic array first grows,
    // giving every new index a fresh element.
    T& operator[](int i);
    const T& operator[](int i) const;
    int Size() const;
    int LowerBound() const;
    int UpperBound() const;
    // SetDynamic(flag): growth on for any non-zero flag.
    void SetDynamic(int flag);
    // Erase(): deletes every element and the table; bounds 0 and -1.
    void Erase();
    // operator=(other): this array becomes a copy of other, element by
    // element, and is not dynamic afterwards. Assigning an array to itself
    // changes nothing.
    Array& operator=(Array& other);

  protected:
    int lowIndex;
    int highIndex;
    int dynamic;
    T** slots;

    // spare(): the element handed out for indices the array cannot serve.
    TESSEL_LOCAL static T& spare();
    // grow(i): takes in index i; false when the table cannot be enlarged.
    TESSEL_LOCAL bool grow(int i);
};

// SortableArray<T>: an Array with an in-place quicksort. All sorts share one
// static pivot element, made on the first sort and destroyed at unload.
template <class T>
class SortableArray : public Array<T> {
  public:
    SortableArray(int low, int high, int dynamic);
    virtual ~SortableArray();
    SortableArray& operator=(SortableArray& other);
    // sort(f): sorts all elements; f returns a negative number when its first
    // argument orders first; a null f orders by T::operator<. Not stable.
    void sort(int (*f)(const T*, const T*));
    // QSort(table, start, end, f): sorts the slots start to end (both
    // included) of the table around a random pivot.
    static void QSort(T** table, int start, int end, int (*f)(const T*, const T*));
};

#include "tessel/dir_array.h"

extern template class TESSEL_API Array<Dirent>;
extern template class TESSEL_API SortableArray<Dirent>;

// ---- Directory listing ---------------------------------------------------

// Directory: one directory, named by its absolute native path, and a
// listing of its entries that fill appends to. Not copyable.
class TESSEL_API Directory {
  public:
    // Directory(name): resolves name (absolute or relative, with or without
    // a drive; null for the current directory) into the absolute path the
    // platform reports after entering it; a directory that cannot be entered
    // gives its drive's current directory, an unknown drive an empty path.
    // The listing starts empty.
    Directory(const char* name);
    virtual ~Directory();
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;

    // fill(wildcard): appends every entry whose name matches the wildcard
    // (ignoring case; null counts as the empty wildcard) in the platform's
    // order; a root directory gets "." and ".." (mode 0x11, size 0) first
    // when they match. Returns the number of entries listed in all.
    int fill(const char* wildcard);
    // sort(f): sorts the listing (null f: by name, ignoring case).
    void sort(int (*f)(const Dirent*, const Dirent*));
    // operator[](i): the entry of index i, 0 to size() - 1.
    Dirent& operator[](int i) { return entries[i]; }
    int size() const { return entries.Size(); }

  protected:
    friend class Dirent;
    CString dirPath;
    SortableArray<Dirent> entries;
};

// ---- Path expansion and splitting ----------------------------------------

// splitPath(path, dir, file): splits a path whose last component may be a
// wildcard into an existing directory (absolute, in dir) and a pattern (in
// file; "*" when the whole path is a directory). Wildcards in directory
// components are expanded. Returns 1 on success; 0 when no directory is
// found or the file part is "." or "..", with intermediate values in the
// outputs.
TESSEL_API int splitPath(CString path, CString& dir, CString& file);

// expandDir(base, run): the first existing directory that base followed by
// the run of components ("a*\b\", each ending with a separator) matches,
// depth-first; the base itself for an empty run; empty when none matches.
TESSEL_API CString expandDir(CString base, CString run);

// ---- File tree walker ----------------------------------------------------

// FileTreeWalker: walks a directory tree depth-first and reports every entry
// whose name matches a wildcard to found. Derive and override the hooks.
// Entries that carry the reparse-point bit 0x400 (symbolic links,
// junctions) are reported but never descended, so a link cycle cannot make
// a walk endless.
class TESSEL_API FileTreeWalker : public Directory {
  public:
    // FileTreeWalker(dir): the Directory part as Directory(dir); no base.
    FileTreeWalker(const char* dir);
    virtual ~FileTreeWalker();
    // found(entry): called for each matching entry; 0 stops the walk. The
    // entry lives only during the call; its fullName() is read then.
    virtual int found(const Dirent& entry);
    // searching(dir): called before a directory is searched.
    virtual void searching(const CString& dir) const;
    // dirFinished(dir): called after a directory was searched; the walk does
    // not act on the result.
    virtual int dirFinished(const CString& dir) const;

    // queryBaseDir(): the directory the last walk started in.
    CString queryBaseDir() const { return baseDir; }
    // walk(path, depth): splits path into a start directory and a wildcard
    // and walks depth levels (0: no limit). Returns 0 when the path cannot
    // be split or found stopped the walk, 1 otherwise.
    int walk(const char* path, unsigned int depth);
    // doWalk(dir, re, depth): searches dir, reports matches of re, descends
    // while the counter allows. Returns 0 when found stopped the walk.
    int doWalk(const CString dir, RegExp& re, unsigned int& depth);

  protected:
    CString baseDir;
};

#endif  // TESSEL_DIR_H
