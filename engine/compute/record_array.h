// Growing and shrinking the plain record arrays of the output and the
// truckload.  The records are C structures, moved bytewise.
#pragma once

#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace dravlen {

// Opens a zeroed slot at `index` (0 <= index <= count) in an array of
// `count` records.  Returns the slot, or null (array unchanged) when memory
// runs out.
template <typename T>
T *InsertSlot(T *&array, int &count, int index)
{
    static_assert(std::is_trivially_copyable_v<T>);
    T *grown = static_cast<T *>(std::realloc(array, sizeof(T) * (count + 1)));
    if (!grown)
        return nullptr;
    array = grown;
    std::memmove(array + index + 1, array + index, sizeof(T) * (count - index));
    std::memset(static_cast<void *>(array + index), 0, sizeof(T));
    ++count;
    return array + index;
}

// Removes the record at `index` and closes the gap; the last removal frees
// the array and leaves it null.
template <typename T>
void RemoveSlot(T *&array, int &count, int index)
{
    static_assert(std::is_trivially_copyable_v<T>);
    if (index < 0 || index >= count)
        return;
    std::memmove(array + index, array + index + 1, sizeof(T) * (count - index - 1));
    --count;
    if (count == 0) {
        std::free(array);
        array = nullptr;
        return;
    }
    if (T *shrunk = static_cast<T *>(std::realloc(array, sizeof(T) * count)))
        array = shrunk;
}

// A new array holding copies of `count` records, or null for none.
template <typename T>
T *CopyArray(const T *array, int count)
{
    static_assert(std::is_trivially_copyable_v<T>);
    if (count <= 0 || !array)
        return nullptr;
    T *copy = static_cast<T *>(std::malloc(sizeof(T) * count));
    if (copy)
        std::memcpy(copy, array, sizeof(T) * count);
    return copy;
}

} // namespace dravlen
