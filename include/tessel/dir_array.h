// Member definitions of the entry array templates, included by dir.h.
//
// The library instantiates Array<Dirent> and SortableArray<Dirent> once and
// exports them; other element types instantiate these definitions in the
// caller's own code.
#ifndef TESSEL_DIR_ARRAY_H
#define TESSEL_DIR_ARRAY_H

#include <climits>
#include <cstdlib>
#include <new>

template <class T>
Array<T>::Array(int low, int high, int dynamicFlag)
    : lowIndex(low), highIndex(high), dynamic(dynamicFlag), slots(nullptr) {
    Init();
}

template <class T>
Array<T>::~Array() {
    Erase();
}

template <class T>
int Array<T>::CIndex(int i) const {
    return i - lowIndex;
}

template <class T>
int Array<T>::Size() const {
    return highIndex - lowIndex + 1;
}

template <class T>
int Array<T>::LowerBound() const {
    return lowIndex;
}

template <class T>
int Array<T>::UpperBound() const {
    return highIndex;
}

template <class T>
void Array<T>::SetDynamic(int flag) {
    dynamic = flag != 0 ? 1 : 0;
}

template <class T>
T& Array<T>::spare() {
    static T element;
    element = T();
    return element;
}

template <class T>
void Array<T>::Init() {
    if (slots != nullptr) return;
    if (lowIndex == INT_MIN) lowIndex = 0;  // so that lowIndex - 1 exists
    if (highIndex < lowIndex) {
        highIndex = lowIndex - 1;
        return;
    }
    const long long count = static_cast<long long>(highIndex) - lowIndex + 1;
    if (count > INT_MAX / static_cast<long long>(sizeof(T*)))
        slots = nullptr;
    else
        slots = static_cast<T**>(std::calloc(static_cast<size_t>(count), sizeof(T*)));
    if (slots == nullptr) {
        // No table: the array stays empty rather than claim elements it lacks.
        highIndex = lowIndex - 1;
        return;
    }
    for (long long k = 0; k < count; ++k)
        slots[k] = new (std::nothrow) T();
}

template <class T>
bool Array<T>::grow(int i) {
    Init();
    const long long size = Size();
    if (i < lowIndex) {
        const long long shift = static_cast<long long>(lowIndex) - i;
        const long long count = size + shift;
        if (count > INT_MAX / static_cast<long long>(sizeof(T*))) return false;
        T** table = static_cast<T**>(std::realloc(slots, static_cast<size_t>(count) * sizeof(T*)));
        if (table == nullptr) return false;
        slots = table;
        // Move every element up so that it keeps its index under the new
        // lower bound, highest first.
        for (long long k = size - 1; k >= 0; --k)
            slots[k + shift] = slots[k];
        for (long long k = 0; k < shift; ++k)
            slots[k] = new (std::nothrow) T();
        lowIndex = i;
    } else if (i > highIndex) {
        const long long added = static_cast<long long>(i) - highIndex;
        const long long count = size + added;
        if (count > INT_MAX / static_cast<long long>(sizeof(T*))) return false;
        T** table = static_cast<T**>(std::realloc(slots, static_cast<size_t>(count) * sizeof(T*)));
        if (table == nullptr) return false;
        slots = table;
        for (long long k = size; k < count; ++k)
            slots[k] = new (std::nothrow) T();
        highIndex = i;
    }
    return true;
}

template <class T>
T& Array<T>::operator[](int i) {
    if (i < lowIndex || i > highIndex) {
        if (!dynamic || !grow(i)) return spare();
    }
    T* element = slots[i - lowIndex];
    return element != nullptr ? *element : spare();
}

template <class T>
const T& Array<T>::operator[](int i) const {
    if (i < lowIndex || i > highIndex || slots == nullptr) return spare();
    const T* element = slots[i - lowIndex];
    return element != nullptr ? *element : spare();
}

template <class T>
void Array<T>::Erase() {
    if (slots == nullptr) return;
    const int count = Size();
    for (int k = 0; k < count; ++k)
        delete slots[k];
    std::free(slots);
    slots = nullptr;
    lowIndex = 0;
    highIndex = -1;
}

template <class T>
Array<T>& Array<T>::operator=(Array<T>& other) {
    if (&other == this) return *this;
    Erase();
    lowIndex = 0;
    highIndex = -1;
    dynamic = 1;
    const Array<T>& source = other;
    for (int i = source.lowIndex; i <= source.highIndex; ++i)
        (*this)[i] = source[i];
    dynamic = 0;
    return *this;
}

template <class T>
SortableArray<T>::SortableArray(int low, int high, int dynamicFlag)
    : Array<T>(low, high, dynamicFlag) {}

template <class T>
SortableArray<T>::~SortableArray() {}

template <class T>
SortableArray<T>& SortableArray<T>::operator=(SortableArray<T>& other) {
    Array<T>::operator=(other);
    return *this;
}

template <class T>
void SortableArray<T>::sort(int (*f)(const T*, const T*)) {
    if (this->Size() < 2 || this->slots == nullptr) return;
    QSort(this->slots, 0, this->Size() - 1, f);
}

template <class T>
void SortableArray<T>::QSort(T** table, int start, int end, int (*f)(const T*, const T*)) {
    // The one pivot of every sort: made on the first sort, destroyed at
    // unload. Comparisons are made against this copy.
    static T pivot;
    const int position = end > start ? start + std::rand() % (end - start) : start;
    pivot = *table[position];
    int i = start;
    int j = end;
    for (;;) {
        if (f != nullptr) {
            // The bounds tests matter only for a comparison that is not a
            // consistent order; they keep the scans inside the range.
            while (i < end && f(table[i], &pivot) < 0)
                ++i;
            while (j > start && f(&pivot, table[j]) < 0)
                --j;
        } else {
            while (i < end && *table[i] < pivot)
                ++i;
            while (j > start && pivot < *table[j])
                --j;
        }
        if (i > j) break;
        if (i != j) {
            T* swap = table[i];
            table[i] = table[j];
            table[j] = swap;
        }
        ++i;
        --j;
        if (i > j) break;
    }
    if (start < j) QSort(table, start, j, f);
    if (i < end) QSort(table, i, end, f);
}

#endif  // TESSEL_DIR_ARRAY_H
