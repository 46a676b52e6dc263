#include "avl_array/avl_array_exceptions.h"

const char* allocator_returned_null::what() const noexcept
{
    return "Memory allocator returned NULL";
}

const char* index_out_of_bounds::what() const noexcept
{
    return "Index out of bounds";
}

const char* invalid_op_with_end::what() const noexcept
{
    return "Invalid operation with end element";
}

const char* lesser_and_greater::what() const noexcept
{
    return "Lesser and greater at the same time";
}
